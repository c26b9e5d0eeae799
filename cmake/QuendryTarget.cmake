# Settings every Quendry target shares: the language level and the warnings.
function(quendry_target_defaults target)
  target_compile_features(${target} PUBLIC cxx_std_20)
  set_target_properties(${target} PROPERTIES CXX_EXTENSIONS OFF)
  if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
    if(QUENDRY_WERROR)
      target_compile_options(${target} PRIVATE -Werror)
    endif()
  endif()
endfunction()

# quendry_add_test(NAME name SOURCES ... LIBRARIES ...)
# One GoogleTest program, registered with ctest case by case.
function(quendry_add_test)
  cmake_parse_arguments(ARG "" "NAME" "SOURCES;LIBRARIES" ${ARGN})
  add_executable(${ARG_NAME} ${ARG_SOURCES})
  quendry_target_defaults(${ARG_NAME})
  target_link_libraries(${ARG_NAME} PRIVATE ${ARG_LIBRARIES} GTest::gtest GTest::gtest_main)
  set_target_properties(${ARG_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  gtest_discover_tests(${ARG_NAME} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QUENDRY_SOURCE_DIR=${PROJECT_SOURCE_DIR};QUENDRY_BIN_DIR=${CMAKE_BINARY_DIR}/bin")
endfunction()
