# quendry_add_gui_test(NAME name SOURCES ... LIBRARIES ...)
# One QTest program, registered with ctest and run on Qt's offscreen platform. The caller's folder
# must have found Qt6 Widgets and Test.
function(quendry_add_gui_test)
  cmake_parse_arguments(ARG "" "NAME" "SOURCES;LIBRARIES" ${ARGN})
  add_executable(${ARG_NAME} ${ARG_SOURCES})
  quendry_target_defaults(${ARG_NAME})
  set_target_properties(${ARG_NAME} PROPERTIES AUTOMOC ON RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_link_libraries(${ARG_NAME} PRIVATE ${ARG_LIBRARIES} Qt6::Test)
  add_test(NAME ${ARG_NAME} COMMAND ${ARG_NAME})
  set_tests_properties(${ARG_NAME} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QUENDRY_SOURCE_DIR=${PROJECT_SOURCE_DIR}"
    TIMEOUT 300)
endfunction()
