target_sources(quendry_analysis_parts PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Comparison.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ComparisonResult.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Rules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TextProfile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TwoTextComparison.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Verdict.cpp
)
target_sources(quendry_analysis PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Analyzer.cpp
)
