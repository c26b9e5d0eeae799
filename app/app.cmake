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
  ${CMAKE_CURRENT_LIST_DIR}/mainwindow/Pane.h
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
  ${CMAKE_CURRENT_LIST_DIR}/shell/HistoryHook.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shell/HistoryHook.h
  ${CMAKE_CURRENT_LIST_DIR}/shell/MessageBox.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shell/MessageBox.h
  ${CMAKE_CURRENT_LIST_DIR}/shell/ProgramFolder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shell/ProgramFolder.h
  ${CMAKE_CURRENT_LIST_DIR}/shell/SampleHook.h
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

qt_add_executable(quendry WIN32 MACOSX_BUNDLE ${CMAKE_CURRENT_LIST_DIR}/main.cpp)
quendry_target_defaults(quendry)
# The sample library and the history are folders of their own, added after this one; the program
# plugs them in when they are part of the build.
target_link_libraries(quendry PRIVATE Quendry::app
  $<TARGET_NAME_IF_EXISTS:quendry_samples>
  $<TARGET_NAME_IF_EXISTS:quendry_history>)
target_compile_definitions(quendry PRIVATE
  QUENDRY_VERSION="${PROJECT_VERSION}"
  $<$<TARGET_EXISTS:quendry_samples>:QUENDRY_WITH_SAMPLES>
  $<$<AND:$<TARGET_EXISTS:quendry_samples>,$<TARGET_EXISTS:quendry_history>>:QUENDRY_WITH_HISTORY>)
add_dependencies(quendry quendry_data)
