# Project-wide build helpers: warning flags for our own code, sanitizers, test and
# benchmark executables. Third-party headers are included as system headers, so the
# strict warnings apply to our sources only.

include_guard(GLOBAL)

if(SPCTM_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# Warnings as errors for a target of ours. GCC 12 at -O3 reports impossible overlaps in
# std::string's own copies (-Wrestrict, inside the library's headers) for ordinary string
# assignments; those stay warnings so that release builds do not stop on them.
function(spctm_strict target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Werror -Wshadow -Wconversion -Wsign-conversion -Wnon-virtual-dtor
    -Wno-error=deprecated-declarations
    $<$<CXX_COMPILER_ID:GNU>:-Wno-error=restrict>)
endfunction()

# Layers. Includes are written from the repository root ("draw/CMEGSpctmDrawqv.h"), but no
# target sees the root: each layer target publishes only its own folders, through a tree
# of links under the build folder, and sees the folders of the layers it links. A file
# that includes a header of a layer above its own therefore fails to compile, and
# tests/layers checks the same order over the whole tree.
function(spctm_layer_folders target)
  set(root ${CMAKE_BINARY_DIR}/layers/${target})
  foreach(folder IN LISTS ARGN)
    cmake_path(GET folder PARENT_PATH parent)
    file(MAKE_DIRECTORY ${root}/${parent})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
  endforeach()
  target_include_directories(${target} PUBLIC ${root})
endfunction()

# One layer of ours: spctm_layer(<name> SHARED|STATIC|OBJECT FOLDERS ... SOURCES ...
# [LIBS ...] [PRIVATE_LIBS ...]). LIBS are the layers (and outside libraries) its public
# headers need; PRIVATE_LIBS stay inside it.
function(spctm_layer name kind)
  cmake_parse_arguments(ARG "" "" "FOLDERS;SOURCES;LIBS;PRIVATE_LIBS" ${ARGN})
  add_library(${name} ${kind} ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES POSITION_INDEPENDENT_CODE ON)
  spctm_strict(${name})
  spctm_layer_folders(${name} ${ARG_FOLDERS})
  target_link_libraries(${name} PUBLIC ${ARG_LIBS} PRIVATE ${ARG_PRIVATE_LIBS})
endfunction()

# Targets above every layer (tests, benchmarks, fuzz targets) include from the root.
function(spctm_top target)
  spctm_strict(${target})
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR})
endfunction()

# Where tests write the images they produce for a person to look at.
set(SPCTM_TEST_OUTPUT_DIR ${CMAKE_BINARY_DIR}/test-output)
file(MAKE_DIRECTORY ${SPCTM_TEST_OUTPUT_DIR})

# One GoogleTest executable: spctm_test(<name> SOURCES ... LIBS ...).
function(spctm_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  find_package(GTest REQUIRED)
  add_executable(${name} ${ARG_SOURCES})
  spctm_top(${name})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE
    SPCTM_TEST_OUTPUT_DIR="${SPCTM_TEST_OUTPUT_DIR}"
    SPCTM_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  include(GoogleTest)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "SPCTM_TEST_OUTPUT_DIR=${SPCTM_TEST_OUTPUT_DIR}"
               TIMEOUT 300)  # a runaway loop fails its test instead of stalling the run
endfunction()

# One Google Benchmark executable: spctm_bench(<name> SOURCES ... LIBS ...).
function(spctm_bench name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  find_package(benchmark REQUIRED)
  add_executable(${name} ${ARG_SOURCES})
  spctm_top(${name})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} benchmark::benchmark benchmark::benchmark_main)
  set_property(GLOBAL APPEND PROPERTY SPCTM_BENCHMARKS ${name})
endfunction()
