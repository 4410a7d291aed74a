# marlune_import: the import dialog (the import table, its error list and their
# painting) and the import help window.
add_library(marlune_import STATIC
  ${CMAKE_CURRENT_LIST_DIR}/FImport.cpp ${CMAKE_CURRENT_LIST_DIR}/FImport.h
  ${CMAKE_CURRENT_LIST_DIR}/FImportHelp.cpp ${CMAKE_CURRENT_LIST_DIR}/FImportHelp.h
  ${CMAKE_CURRENT_LIST_DIR}/UImportTable.cpp ${CMAKE_CURRENT_LIST_DIR}/UImportTable.h
  ${CMAKE_CURRENT_LIST_DIR}/UImportErrors.cpp ${CMAKE_CURRENT_LIST_DIR}/UImportErrors.h
  ${CMAKE_CURRENT_LIST_DIR}/UImportPaint.cpp ${CMAKE_CURRENT_LIST_DIR}/UImportPaint.h
)
target_include_directories(marlune_import PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(marlune_import PUBLIC marlune_bulk marlune_dialogs marlune_storage marlune_platform
  marlune_common Qt6::Widgets Qt6::Svg)
set(_import_icons Close Category Open Import DeleteRow Help)
list(TRANSFORM _import_icons PREPEND ${CMAKE_SOURCE_DIR}/resources/icons/import/)
list(TRANSFORM _import_icons APPEND .svg)
qt_add_resources(marlune_import "import_icons" PREFIX "/icons/import"
  BASE ${CMAKE_SOURCE_DIR}/resources/icons/import
  FILES ${_import_icons}
)
