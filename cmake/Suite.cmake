# One call per library, program or test executable. Sources are the .cpp/.h
# files of the folder itself (tests/ is separate), so adding a file needs no
# CMake edit.

set(SUITE_ROOT ${CMAKE_SOURCE_DIR})

# suite_library(<name> [DEPS <targets...>] [PRIVATE_DEPS <targets...>])
# A static library of the .cpp/.h files in the calling folder. PRIVATE_DEPS
# are used by the library's own sources only and are not handed on to what
# links the library.
function(suite_library name)
  cmake_parse_arguments(ARG "" "" "DEPS;PRIVATE_DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
  set(cpp ${sources})
  list(FILTER cpp INCLUDE REGEX "\\.cpp$")
  if(NOT cpp)
    # Header-only so far.
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${SUITE_ROOT})
    target_link_libraries(${name} INTERFACE ${ARG_DEPS})
    return()
  endif()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${SUITE_ROOT})
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  if(ARG_PRIVATE_DEPS)
    target_link_libraries(${name} PRIVATE ${ARG_PRIVATE_DEPS})
  endif()
endfunction()

# suite_program(<name> LIBRARY <lib>)
# The program's executable: its main.cpp linked against its own library.
function(suite_program name)
  cmake_parse_arguments(ARG "" "LIBRARY" "" ${ARGN})
  add_executable(${name} ${CMAKE_CURRENT_SOURCE_DIR}/main.cpp)
  target_link_libraries(${name} PRIVATE ${ARG_LIBRARY})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
endfunction()

# suite_tests(<name> DEPS <targets...>)
# One GoogleTest executable of the .cpp files in tests/, registered with CTest.
# The shared test main starts a QApplication on the offscreen platform.
function(suite_tests name)
  if(NOT SUITE_TESTS)
    return()
  endif()
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/tests/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/tests/*.h)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} suite_testmain GTest::gtest)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    TIMEOUT 300)
endfunction()

# suite_fuzz(<name> SOURCES <files...> DEPS <targets...>)
# A libFuzzer target, built only in the fuzz build (SUITE_FUZZ=ON with clang,
# see scripts/fuzz.sh). The whole tree is then compiled with coverage
# instrumentation and the sanitizers, so the libraries the target links are
# searched as deeply as its own source.
function(suite_fuzz name)
  if(NOT SUITE_FUZZ)
    return()
  endif()
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)
  set_property(GLOBAL APPEND PROPERTY SUITE_FUZZ_TARGETS ${name})
endfunction()

# suite_bench(<name> SOURCES <files...> DEPS <targets...>)
# A benchmark program in bin/bench, run by scripts/bench.sh.
function(suite_bench name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin/bench)
  set_property(GLOBAL APPEND PROPERTY SUITE_BENCH_TARGETS ${name})
endfunction()
