# One interface target carries the language standard, the warnings and the sanitizers;
# every Quillan target links it.
option(QUILLAN_BUILD_TESTS "Build the tests" ON)
option(QUILLAN_BUILD_BENCH "Build the benchmarks" ON)
option(QUILLAN_BUILD_APP "Build the Qt desktop program" ON)
option(QUILLAN_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(QUILLAN_FUZZ "Build the libFuzzer targets (needs clang)" OFF)

set(_werror_default OFF)
if("$ENV{CI}" STREQUAL "true")
  set(_werror_default ON)
endif()
option(QUILLAN_WERROR "Treat warnings as errors" ${_werror_default})

add_library(quillan_options INTERFACE)
add_library(quillan::options ALIAS quillan_options)
target_compile_features(quillan_options INTERFACE cxx_std_20)
target_compile_options(quillan_options INTERFACE -Wall -Wextra -Wpedantic
                       $<$<BOOL:${QUILLAN_WERROR}>:-Werror>)

if(QUILLAN_SANITIZE)
  set(_san -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  target_compile_options(quillan_options INTERFACE ${_san})
  target_link_options(quillan_options INTERFACE ${_san})
endif()

# quillan_module(<name> SOURCES ... [DEPS ...]): the static library of one folder under src/.
function(quillan_module name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS;PRIVATE_DEPS" ${ARGN})
  add_library(quillan_${name} STATIC ${ARG_SOURCES})
  add_library(quillan::${name} ALIAS quillan_${name})
  target_include_directories(quillan_${name} PUBLIC "${PROJECT_SOURCE_DIR}/src")
  target_link_libraries(quillan_${name} PUBLIC quillan_options ${ARG_DEPS} PRIVATE ${ARG_PRIVATE_DEPS})
endfunction()
