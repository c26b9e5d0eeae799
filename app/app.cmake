# The desktop application: everything but main() is a library, so that the GUI tests and the
# sample and history parts build on the same windows.
find_package(Qt6 REQUIRED COMPONENTS Concurrent)

add_library(quendry_app STATIC
  ${CMAKE_CURRENT_LIST_DIR}/mainwindow/AnalysisRun.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mainwindow/AnalysisRun.h
  ${CMAKE_CURRENT_LIST_DIR}/mainwindow/ComparisonTask.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mainwindow/ComparisonTask.h
  ${CMAKE_CURRENT_LIST_DIR}/mainwindow/MainWindow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mainwindow/MainWindow.h
  ${CMAKE_CURRENT_LIST_DIR}/mainwindow/OverlongWordWrap.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mainwindow/OverlongWordWrap.h
  ${CMAKE_CURRENT_LIST_DIR}/mainwindow/Pane.h
  ${CMAKE_CURRENT_LIST_DIR}/mainwindow/PaneEditor.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mainwindow/PaneEditor.h
  ${CMAKE_CURRENT_LIST_DIR}/mainwindow/PaneFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mainwindow/PaneFile.h
  ${CMAKE_CURRENT_LIST_DIR}/mainwindow/PaneText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mainwindow/PaneText.h
  ${CMAKE_CURRENT_LIST_DIR}/mainwindow/ResultExplanation.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mainwindow/ResultExplanation.h
  ${CMAKE_CURRENT_LIST_DIR}/mainwindow/ResultGauge.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mainwindow/ResultGauge.h
  ${CMAKE_CURRENT_LIST_DIR}/mainwindow/StatusPicture.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mainwindow/StatusPicture.h
  ${CMAKE_CURRENT_LIST_DIR}/mainwindow/StoredPane.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mainwindow/StoredPane.h
  ${CMAKE_CURRENT_LIST_DIR}/mainwindow/TextPane.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mainwindow/TextPane.h
  ${CMAKE_CURRENT_LIST_DIR}/mainwindow/ThemeManager.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mainwindow/ThemeManager.h
  ${CMAKE_CURRENT_LIST_DIR}/mainwindow/ToolbarIcons.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mainwindow/ToolbarIcons.h
  ${CMAKE_CURRENT_LIST_DIR}/settings/ColorValue.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settings/ColorValue.h
  ${CMAKE_CURRENT_LIST_DIR}/settings/SettingsDialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settings/SettingsDialog.h
  ${CMAKE_CURRENT_LIST_DIR}/settings/SettingsStore.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settings/SettingsStore.h
  ${CMAKE_CURRENT_LIST_DIR}/shell/DialogPlacement.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shell/DialogPlacement.h
  ${CMAKE_CURRENT_LIST_DIR}/shell/DesktopOpener.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shell/DesktopOpener.h
  ${CMAKE_CURRENT_LIST_DIR}/shell/FileDialogs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shell/FileDialogs.h
  ${CMAKE_CURRENT_LIST_DIR}/shell/FileLocations.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shell/FileLocations.h
  ${CMAKE_CURRENT_LIST_DIR}/shell/MessageBox.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shell/MessageBox.h
  ${CMAKE_CURRENT_LIST_DIR}/shell/ProgramFolder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shell/ProgramFolder.h
  ${CMAKE_CURRENT_LIST_DIR}/shell/WindowPlacement.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shell/WindowPlacement.h
)
add_library(Quendry::app ALIAS quendry_app)
quendry_target_defaults(quendry_app)
target_include_directories(quendry_app PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(quendry_app
  PUBLIC Qt6::Widgets Quendry::analysis Quendry::rtf
  PRIVATE Qt6::Concurrent)
set_target_properties(quendry_app PROPERTIES AUTOMOC ON)
# An installed program reads its shipped files from the data folder it was installed with, and
# knows its own installed folder so that it keeps the user's files elsewhere even when run by an
# administrator.
target_compile_definitions(quendry_app PRIVATE
  QUENDRY_INSTALL_BIN_DIR="${CMAKE_INSTALL_FULL_BINDIR}"
  QUENDRY_INSTALL_DATA_DIR="${CMAKE_INSTALL_FULL_DATADIR}/quendry")

# The composition root: builds the main window, the sample library and the history and joins them
# with signals. A library of its own so that tests start the program as main() does.
add_library(quendry_shell STATIC
  ${CMAKE_CURRENT_LIST_DIR}/shell/Application.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shell/Application.h
  ${CMAKE_CURRENT_LIST_DIR}/shell/TerminationWatcher.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shell/TerminationWatcher.h
)
add_library(Quendry::shell ALIAS quendry_shell)
quendry_target_defaults(quendry_shell)
target_include_directories(quendry_shell PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(quendry_shell PUBLIC Quendry::app Quendry::samples Quendry::history Quendry::report)
set_target_properties(quendry_shell PROPERTIES AUTOMOC ON)

qt_add_executable(quendry WIN32 MACOSX_BUNDLE ${CMAKE_CURRENT_LIST_DIR}/main.cpp)
quendry_target_defaults(quendry)
target_link_libraries(quendry PRIVATE Quendry::shell)
target_compile_definitions(quendry PRIVATE QUENDRY_VERSION="${PROJECT_VERSION}")
add_dependencies(quendry quendry_data)
# The window's icon: the PNG sizes installed for the menu entry (packaging/icons).
set(icon_files)
foreach(size 16 32 48 64 128 256)
  list(APPEND icon_files ${PROJECT_SOURCE_DIR}/packaging/icons/hicolor/${size}x${size}/apps/org.quendry.Quendry.png)
endforeach()
qt_add_resources(quendry "icon" PREFIX "/icons" BASE ${PROJECT_SOURCE_DIR}/packaging/icons/hicolor FILES ${icon_files})
