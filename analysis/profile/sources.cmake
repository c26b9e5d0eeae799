target_sources(quendry_analysis_parts PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Characters.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CharacterProfile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Dictionary.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Emoticons.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Normaliser.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PatternMatcher.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RepeatedMarks.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Sentences.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Windows1252.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WordClassifier.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WordIndex.cpp
)
