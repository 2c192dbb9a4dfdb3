# Shared rules for every library, program and test executable of the project.

set(VL_WARNINGS -Wall -Wextra -Wpedantic -Wno-missing-field-initializers)

# vl_library(<target> LAYER <platform|logic|windows> [RECURSE] [SOURCES <files...>] [DEPS <targets...>])
# One static library per folder; includes are written from the project root
# ("platform/runtime/Calendar.h"). Without SOURCES the folder's .cpp files are
# taken (with RECURSE, those of its sub-folders too). The layer places the
# library in the build's layer order: platform stand-ins, then the logic
# (never Qt Widgets), then the windows. The layer check in the test suite
# (tests/layers) reads the manifest that vl_write_layer_manifest writes.
function(vl_library target)
  cmake_parse_arguments(ARG "RECURSE" "LAYER" "SOURCES;DEPS" ${ARGN})
  if(NOT ARG_LAYER MATCHES "^(platform|logic|windows)$")
    message(FATAL_ERROR "${target}: LAYER must be platform, logic or windows")
  endif()
  if(NOT ARG_SOURCES)
    if(ARG_RECURSE)
      file(GLOB_RECURSE ARG_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    else()
      file(GLOB ARG_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    endif()
  endif()
  add_library(${target} STATIC ${ARG_SOURCES})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
  target_compile_options(${target} PRIVATE ${VL_WARNINGS})
  target_link_libraries(${target} PUBLIC ${ARG_DEPS})
  file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  set_property(GLOBAL APPEND PROPERTY VL_LIBRARIES ${target})
  set_target_properties(${target} PROPERTIES
    VL_LAYER ${ARG_LAYER} VL_FOLDER "${folder}" VL_RECURSE "${ARG_RECURSE}" VL_DEPS "${ARG_DEPS}")
endfunction()

# Writes <build>/layers.txt: one line per library, "name|layer|folder|recurse|deps".
function(vl_write_layer_manifest)
  get_property(libraries GLOBAL PROPERTY VL_LIBRARIES)
  set(lines "")
  foreach(target IN LISTS libraries)
    get_target_property(layer ${target} VL_LAYER)
    get_target_property(folder ${target} VL_FOLDER)
    get_target_property(recurse ${target} VL_RECURSE)
    get_target_property(deps ${target} VL_DEPS)
    string(REPLACE ";" "," deps "${deps}")
    string(APPEND lines "${target}|${layer}|${folder}|${recurse}|${deps}\n")
  endforeach()
  file(WRITE ${PROJECT_BINARY_DIR}/layers.txt "${lines}")
endfunction()

# vl_program(<name> SOURCES <files...> [DEPS <targets...>])
# The four programs and the helper programs they start; binaries land
# together in <build>/bin so that a program finds its companions beside its
# own executable. The target "programs" builds them all and nothing else.
function(vl_program target)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${target} ${ARG_SOURCES})
  target_compile_options(${target} PRIVATE ${VL_WARNINGS})
  target_link_libraries(${target} PRIVATE ${ARG_DEPS})
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/bin)
  if(NOT TARGET programs)
    add_custom_target(programs)
  endif()
  add_dependencies(programs ${target})
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

# vl_benchmark(<target> SOURCES <files...> [DEPS <targets...>] [WIDGETS])
# Google Benchmark executables; built with the tests but not run by ctest.
# WIDGETS gives them the shared main that runs them in an offscreen Qt
# application.
function(vl_benchmark target)
  if(NOT benchmark_FOUND)
    return()
  endif()
  cmake_parse_arguments(ARG "WIDGETS" "" "SOURCES;DEPS" ${ARGN})
  if(ARG_WIDGETS)
    list(APPEND ARG_SOURCES ${PROJECT_SOURCE_DIR}/tests/support/WidgetBenchmarkMain.cpp)
  endif()
  add_executable(${target} ${ARG_SOURCES})
  target_compile_options(${target} PRIVATE ${VL_WARNINGS})
  target_link_libraries(${target} PRIVATE vl_test_support ${ARG_DEPS} benchmark::benchmark)
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/bench)
endfunction()
