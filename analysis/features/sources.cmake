target_sources(quendry_analysis_parts PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Contractions.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Habits.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Phrases.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Spacing.cpp
)
