# The account file formats (text files, .xlsx and .xls workbooks). No Qt: included from src/ for
# every build, so they build, test and fuzz without the windows.
nomvera_add_library(nomvera_batch_files SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/AccountTextFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CellReference.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ExportTime.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FileReading.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GeneralNumberText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/OoxmlText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReplacingFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SheetCells.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TextFileDecoding.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WorkbookInterface.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WorkbookWriter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/XlsReader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/XlsxPackage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/XlsxReader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/XlsxSharedStrings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/XlsxSheet.cpp
  ${CMAKE_CURRENT_LIST_DIR}/XmlPartReader.cpp
)
pkg_check_modules(XLSXWRITER REQUIRED IMPORTED_TARGET xlsxwriter)
pkg_check_modules(LIBZIP REQUIRED IMPORTED_TARGET libzip)
pkg_check_modules(EXPAT REQUIRED IMPORTED_TARGET expat)
pkg_check_modules(FREEXL REQUIRED IMPORTED_TARGET freexl)
target_link_libraries(nomvera_batch_files PUBLIC nomvera_web
  PRIVATE PkgConfig::XLSXWRITER PkgConfig::LIBZIP PkgConfig::EXPAT PkgConfig::FREEXL)
