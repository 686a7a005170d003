# Shared compile settings for our own targets: warnings are errors here, never in
# third-party headers (those come in as SYSTEM includes through pkg-config / find_package).

set(NOMVERA_WARNINGS -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast
    -Wcast-align -Woverloaded-virtual -Wformat=2 -Werror)

function(nomvera_target_settings target)
  target_compile_options(${target} PRIVATE
    $<$<COMPILE_LANGUAGE:CXX>:${NOMVERA_WARNINGS}>
    $<$<COMPILE_LANGUAGE:C>:-Wall -Wextra -Werror>)
  if(NOMVERA_SANITIZE)
    target_compile_options(${target} PRIVATE -fsanitize=${NOMVERA_SANITIZE} -fno-omit-frame-pointer -fno-sanitize-recover=all)
    target_link_options(${target} PRIVATE -fsanitize=${NOMVERA_SANITIZE})
  endif()
  if(NOMVERA_FUZZ)
    target_compile_options(${target} PRIVATE -fsanitize=fuzzer-no-link)
  endif()
endfunction()

# nomvera_add_library(name SOURCES ...) — one static library per source folder.
function(nomvera_add_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  nomvera_target_settings(${name})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src ${PROJECT_BINARY_DIR}/generated)
endfunction()

# nomvera_add_gtest(name SOURCES ... LIBS ...) — a GoogleTest executable registered with ctest.
function(nomvera_add_gtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  nomvera_target_settings(${name})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main Threads::Threads)
  target_compile_definitions(${name} PRIVATE NOMVERA_TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data")
  add_test(NAME ${name} COMMAND ${name})
endfunction()
