marlune_add_test(test_bulk
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/CsvImportTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DateTextTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CsvExportTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SearchDialogTest.cpp
  LIBS marlune_bulk)
