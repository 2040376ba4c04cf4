# One interface target carries the language standard, the warnings and the sanitizers; every Quillan
# target links it. quillan_module() makes the static library of one folder under src/, Qt or not,
# and records its dependencies for the module check (tools/depcheck).
option(QUILLAN_BUILD_TESTS "Build the tests" ON)
option(QUILLAN_BUILD_BENCH "Build the benchmarks" ON)
option(QUILLAN_BUILD_APP "Build the Qt desktop program" ON)
set(QUILLAN_SANITIZE "" CACHE STRING "Sanitizers to build with: empty, address (with undefined) or thread")
set_property(CACHE QUILLAN_SANITIZE PROPERTY STRINGS "" address thread)
option(QUILLAN_FUZZ "Build the libFuzzer targets (needs clang)" OFF)

set(_werror_default OFF)
if("$ENV{CI}" STREQUAL "true")
  set(_werror_default ON)
endif()
option(QUILLAN_WERROR "Treat warnings as errors" ${_werror_default})

add_library(quillan_options INTERFACE)
add_library(quillan::options ALIAS quillan_options)
target_compile_features(quillan_options INTERFACE cxx_std_20)
target_compile_options(quillan_options INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor
                       -Woverloaded-virtual -Wold-style-cast $<$<BOOL:${QUILLAN_WERROR}>:-Werror>)

if(QUILLAN_SANITIZE STREQUAL "address" OR QUILLAN_SANITIZE STREQUAL "ON")
  set(_san -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
elseif(QUILLAN_SANITIZE STREQUAL "thread")
  set(_san -fsanitize=thread -fno-omit-frame-pointer)
elseif(NOT QUILLAN_SANITIZE STREQUAL "" AND NOT QUILLAN_SANITIZE STREQUAL "OFF")
  message(FATAL_ERROR "QUILLAN_SANITIZE is address, thread or empty, not \"${QUILLAN_SANITIZE}\"")
endif()
if(_san)
  target_compile_options(quillan_options INTERFACE ${_san})
  target_link_options(quillan_options INTERFACE ${_san})
endif()

# Programs land in <build>/bin and their data in <build>/share/quillan, the layout of an installed
# prefix, so that a program finds its data the same way built and installed.
set(QUILLAN_BUILD_BIN "${PROJECT_BINARY_DIR}/bin")
set(QUILLAN_BUILD_SHARE "${PROJECT_BINARY_DIR}/share/quillan")

# quillan_module(<name> SOURCES ... [DEPS ...] [PRIVATE_DEPS ...] [QT <component> ...]): the static
# library quillan_<name> (alias quillan::<name>) of the folder src/<name>. DEPS and PRIVATE_DEPS are
# targets; the quillan:: ones among them are what the module's files may include. QT names the Qt
# components the module uses: it then gets moc, uic and rcc, and QString's implicit casts from
# 8-bit texts are off (every text is UTF-8 and says so).
function(quillan_module name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS;PRIVATE_DEPS;QT" ${ARGN})
  add_library(quillan_${name} STATIC ${ARG_SOURCES})
  add_library(quillan::${name} ALIAS quillan_${name})
  target_include_directories(quillan_${name} PUBLIC "${PROJECT_SOURCE_DIR}/src")
  target_link_libraries(quillan_${name} PUBLIC quillan_options ${ARG_DEPS} PRIVATE ${ARG_PRIVATE_DEPS})
  if(ARG_QT)
    find_package(Qt6 6.4 REQUIRED COMPONENTS ${ARG_QT})
    foreach(component IN LISTS ARG_QT)
      target_link_libraries(quillan_${name} PUBLIC Qt6::${component})
    endforeach()
    set_target_properties(quillan_${name} PROPERTIES AUTOMOC ON AUTOUIC ON AUTORCC ON)
    target_compile_definitions(quillan_${name} PRIVATE QT_NO_CAST_FROM_ASCII)
  endif()
  set(_modules)
  foreach(dep IN LISTS ARG_DEPS ARG_PRIVATE_DEPS)
    if(dep MATCHES "^quillan::(.+)$" AND NOT CMAKE_MATCH_1 STREQUAL "options")
      list(APPEND _modules ${CMAKE_MATCH_1})
    endif()
  endforeach()
  set_property(GLOBAL APPEND PROPERTY QUILLAN_MODULES ${name})
  set_property(GLOBAL PROPERTY QUILLAN_MODULE_DEPS_${name} ${_modules})
endfunction()

# quillan_program(<target> <module> SOURCES ...): an executable of a module's folder, linked to
# the module, built into <build>/bin and installed into <prefix>/bin.
function(quillan_program target module)
  cmake_parse_arguments(ARG "NO_INSTALL" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${target} ${ARG_SOURCES})
  target_link_libraries(${target} PRIVATE quillan_${module} ${ARG_DEPS})
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${QUILLAN_BUILD_BIN}")
  if(NOT ARG_NO_INSTALL)
    install(TARGETS ${target} RUNTIME DESTINATION bin)
  endif()
endfunction()

# Writes <build>/quillan-modules.txt, one line per module: "name: dep dep …" (direct dependencies).
function(quillan_write_module_list)
  get_property(modules GLOBAL PROPERTY QUILLAN_MODULES)
  set(text "")
  foreach(module IN LISTS modules)
    get_property(deps GLOBAL PROPERTY QUILLAN_MODULE_DEPS_${module})
    list(JOIN deps " " joined)
    string(APPEND text "${module}: ${joined}\n")
  endforeach()
  file(WRITE "${PROJECT_BINARY_DIR}/quillan-modules.txt" "${text}")
endfunction()
