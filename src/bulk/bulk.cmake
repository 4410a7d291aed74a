# marlune_csv: events as CSV files (the import reader, the date text rule and the
# export writer), without any window, for the dialogs, the fuzz target and the benchmarks.
add_library(marlune_csv STATIC
  ${CMAKE_CURRENT_LIST_DIR}/UCsvImport.cpp ${CMAKE_CURRENT_LIST_DIR}/UCsvImport.h
  ${CMAKE_CURRENT_LIST_DIR}/UDateText.cpp ${CMAKE_CURRENT_LIST_DIR}/UDateText.h
  ${CMAKE_CURRENT_LIST_DIR}/UCsvExport.cpp ${CMAKE_CURRENT_LIST_DIR}/UCsvExport.h
)
target_include_directories(marlune_csv PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(marlune_csv PUBLIC marlune_storage marlune_common Qt6::Core)

# marlune_bulk: the search dialog with its export.
add_library(marlune_bulk STATIC
  ${CMAKE_CURRENT_LIST_DIR}/FSearch.cpp ${CMAKE_CURRENT_LIST_DIR}/FSearch.h
)
target_include_directories(marlune_bulk PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(marlune_bulk PUBLIC marlune_csv marlune_dialogs marlune_views marlune_storage marlune_common
  marlune_platform Qt6::Widgets Qt6::Svg)
set(_search_icons Search Clear Close Edit Delete Export)
list(TRANSFORM _search_icons PREPEND ${CMAKE_SOURCE_DIR}/resources/icons/search/)
list(TRANSFORM _search_icons APPEND .svg)
qt_add_resources(marlune_bulk "search_icons" PREFIX "/icons/search"
  BASE ${CMAKE_SOURCE_DIR}/resources/icons/search
  FILES ${_search_icons})
