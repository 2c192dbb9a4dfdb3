# Shared rules for every library, program and test executable of the project.

set(VL_WARNINGS -Wall -Wextra -Wpedantic -Wno-missing-field-initializers)

# vl_library(<target> SOURCES <files...> [DEPS <targets...>])
# One static library per folder; includes are written from the project root
# ("platform/runtime/Calendar.h").
function(vl_library target)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${target} STATIC ${ARG_SOURCES})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
  target_compile_options(${target} PRIVATE ${VL_WARNINGS})
  target_link_libraries(${target} PUBLIC ${ARG_DEPS})
endfunction()

# vl_program(<name> SOURCES <files...> [DEPS <targets...>])
# The four programs; binaries land together in <build>/bin so that a program
# finds its companions beside its own executable.
function(vl_program target)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${target} ${ARG_SOURCES})
  target_compile_options(${target} PRIVATE ${VL_WARNINGS})
  target_link_libraries(${target} PRIVATE ${ARG_DEPS})
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/bin)
endfunction()

# vl_test(<target> SOURCES <files...> [DEPS <targets...>] [X11])
# One GoogleTest executable per library. Every test runs in a fresh temporary
# directory (tests/support) with a timeout; widget tests run offscreen, X11
# tests (flag X11) on the xcb platform of the Xvfb server test.sh starts.
# VL_BIN_DIR and VL_SOURCE_DIR (compile definitions) name the built programs
# and the source tree.
function(vl_test target)
  cmake_parse_arguments(ARG "X11" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${target} ${ARG_SOURCES})
  target_compile_options(${target} PRIVATE ${VL_WARNINGS})
  target_link_libraries(${target} PRIVATE vl_test_support ${ARG_DEPS} GTest::gtest GTest::gmock)
  target_compile_options(${target} PRIVATE -include ${PROJECT_SOURCE_DIR}/tests/support/QtPrinters.h)
  # Where tests find the built programs and the source tree (peers, samples).
  target_compile_definitions(${target} PRIVATE
    VL_BIN_DIR="${PROJECT_BINARY_DIR}/bin" VL_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/tests)
  if(ARG_X11)
    set(platform xcb)
  else()
    set(platform offscreen)
  endif()
  gtest_discover_tests(${target}
    DISCOVERY_TIMEOUT 60
    PROPERTIES TIMEOUT 120
               ENVIRONMENT "QT_QPA_PLATFORM=${platform}")
endfunction()

# vl_benchmark(<target> SOURCES <files...> [DEPS <targets...>])
# Google Benchmark executables; built with the tests but not run by ctest.
function(vl_benchmark target)
  if(NOT benchmark_FOUND)
    return()
  endif()
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${target} ${ARG_SOURCES})
  target_compile_options(${target} PRIVATE ${VL_WARNINGS})
  target_link_libraries(${target} PRIVATE vl_test_support ${ARG_DEPS} benchmark::benchmark)
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/bench)
endfunction()
