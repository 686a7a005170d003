# The account file formats, without Qt: text files, .xlsx and .xls workbooks. Included from tests/
# for every build, like the library.
pkg_check_modules(LIBZIP_TESTS REQUIRED IMPORTED_TARGET libzip)
nomvera_add_gtest(batch_files_tests SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/AccountTextFile_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CellValueText_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FileAccess_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TextFileDecoding_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WorkbookInterface_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/XlsxReader_test.cpp
  LIBS nomvera_batch_files PkgConfig::LIBZIP_TESTS)
