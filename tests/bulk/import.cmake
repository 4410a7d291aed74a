marlune_add_test(test_import
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ImportErrorListTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ImportDialogTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ImportHelpTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ImportDialogFixture.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ImportDialogFixture.h
  LIBS marlune_import)
