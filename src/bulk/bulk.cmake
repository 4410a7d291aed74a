# marlune_bulk: events as CSV files (the import reader, the date text rule and the
# export writer) and the search dialog with its export.
add_library(marlune_bulk STATIC
  ${CMAKE_CURRENT_LIST_DIR}/UCsvImport.cpp ${CMAKE_CURRENT_LIST_DIR}/UCsvImport.h
  ${CMAKE_CURRENT_LIST_DIR}/UDateText.cpp ${CMAKE_CURRENT_LIST_DIR}/UDateText.h
  ${CMAKE_CURRENT_LIST_DIR}/UCsvExport.cpp ${CMAKE_CURRENT_LIST_DIR}/UCsvExport.h
)
target_include_directories(marlune_bulk PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(marlune_bulk PUBLIC marlune_storage marlune_common Qt6::Core)
