target_sources(quendry_analysis PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/TextPieces.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TextScorer.cpp
)
