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

target_sources(quendry_analysis PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/ReferenceLists.cpp
  ${quendry_stored_lists_cpp}
)
