# The reference lists: the list files are turned into a generated source at build time, so the
# program reads nothing at run time. The generated file is rebuilt when a list file changes.
set(quendry_list_files
  emoticons=${CMAKE_CURRENT_LIST_DIR}/emoticons.txt
  emoticonWords=${CMAKE_CURRENT_LIST_DIR}/emoticon-words.txt
  names=${CMAKE_CURRENT_LIST_DIR}/names.txt
  phrases=${CMAKE_CURRENT_LIST_DIR}/phrases.txt
)
set(quendry_list_inputs ${quendry_list_files})
list(TRANSFORM quendry_list_inputs REPLACE "^[^=]*=" "")
set(quendry_stored_lists_cpp ${CMAKE_CURRENT_BINARY_DIR}/StoredLists.cpp)
# Passed as one argument, the pairs separated by "|".
string(REPLACE ";" "|" quendry_list_argument "${quendry_list_files}")

add_custom_command(
  OUTPUT ${quendry_stored_lists_cpp}
  COMMAND ${CMAKE_COMMAND}
    -DOUTPUT=${quendry_stored_lists_cpp}
    -DHEADER=analysis/lists/StoredLists.h
    -DNAMESPACE=quendry::stored
    "-DLISTS=${quendry_list_argument}"
    -P ${PROJECT_SOURCE_DIR}/cmake/EmbedLists.cmake
  DEPENDS ${quendry_list_inputs} ${PROJECT_SOURCE_DIR}/cmake/EmbedLists.cmake
  COMMENT "Building the reference lists into the program"
  VERBATIM
)

target_sources(quendry_analysis_parts PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/ReferenceLists.cpp
  ${quendry_stored_lists_cpp}
)

# The built-in lists prepared at build time: quendry_prepare_tables prepares them with the engine's
# own code (it links the parts, StoredLists.cpp included) and writes the tables it built as constant
# data. An edited list file rebuilds StoredLists.cpp, so the parts, so the program, which then
# writes the tables again; as does an edit of any preparing code. The program is a host tool run
# during the build and never installed; with fuzzers on it is instrumented like every library it
# links, which only slows it a little.
add_executable(quendry_prepare_tables ${CMAKE_CURRENT_LIST_DIR}/PrepareTables.cpp)
quendry_target_defaults(quendry_prepare_tables)
target_link_libraries(quendry_prepare_tables PRIVATE quendry_analysis_parts)
set_target_properties(quendry_prepare_tables PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})

set(quendry_built_in_tables_cpp ${CMAKE_CURRENT_BINARY_DIR}/BuiltInTables.cpp)
add_custom_command(
  OUTPUT ${quendry_built_in_tables_cpp}
  COMMAND quendry_prepare_tables ${quendry_built_in_tables_cpp}
  DEPENDS quendry_prepare_tables
  COMMENT "Preparing the built-in reference lists' tables"
  VERBATIM
)
target_sources(quendry_analysis PRIVATE ${quendry_built_in_tables_cpp})
