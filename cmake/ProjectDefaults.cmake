# SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
# SPDX-License-Identifier: MIT

# Settings every target of this project shares, applied per target.

option(UNIVERSE_GYRELLE_BUILD_FUZZERS "Build the libFuzzer targets (clang; set UNIVERSE_GYRELLE_SANITIZERS to include fuzzer-no-link)" OFF)
set(UNIVERSE_GYRELLE_SANITIZERS "" CACHE STRING
  "Sanitizers to build every target with, as -fsanitize takes them (address,undefined or thread)")

# C++17, warnings on, nothing exported unless a class says so: the exported
# symbol lists are the libraries' binary contract.
function(project_target_defaults target)
  target_compile_features(${target} PUBLIC cxx_std_17)
  set_target_properties(${target} PROPERTIES
    CXX_EXTENSIONS OFF
    CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  if(UNIVERSE_GYRELLE_SANITIZERS)
    # Any finding ends the program, so that a test cannot pass over it.
    target_compile_options(${target} PRIVATE
      -fsanitize=${UNIVERSE_GYRELLE_SANITIZERS} -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(${target} PRIVATE -fsanitize=${UNIVERSE_GYRELLE_SANITIZERS})
  endif()
endfunction()

# A shared library with the project's version and soname (lib<name>.so.1).
# EXPORTS names a linker version script: it keeps the standard library and Qt
# template code the library instantiates out of the dynamic symbol table.
function(project_shared_library target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "EXPORTS" "SOURCES")
  add_library(${target} SHARED ${arg_SOURCES})
  project_target_defaults(${target})
  set_target_properties(${target} PROPERTIES
    VERSION ${PROJECT_VERSION}
    SOVERSION ${PROJECT_VERSION_MAJOR}
    LINK_DEPENDS ${arg_EXPORTS})
  # Headers are included as <library/header.h> from the source tree.
  target_include_directories(${target} PUBLIC
    $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}>)
  target_link_options(${target} PRIVATE LINKER:--version-script=${arg_EXPORTS})
  # clang links the sanitizer runtimes into executables only, so a sanitized
  # library has undefined references until it is loaded.
  if(NOT (UNIVERSE_GYRELLE_SANITIZERS AND CMAKE_CXX_COMPILER_ID STREQUAL "Clang"))
    target_link_options(${target} PRIVATE LINKER:--no-undefined)
  endif()
endfunction()

# Fails when the library's exported dynamic symbols differ from the committed
# list, or its DT_NEEDED entries from NEEDED.
function(add_library_interface_test library)
  if(UNIVERSE_GYRELLE_SANITIZERS)
    return() # a sanitizer runtime adds to DT_NEEDED; these builds are not shipped
  endif()
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "SYMBOLS" "NEEDED")
  add_test(NAME ${library}.interface
    COMMAND ${CMAKE_COMMAND}
      -DNM=${CMAKE_NM}
      -DREADELF=${CMAKE_READELF}
      -DLIBRARY=$<TARGET_FILE:${library}>
      -DEXPECTED_SYMBOLS=${arg_SYMBOLS}
      "-DEXPECTED_NEEDED=${arg_NEEDED}"
      -P ${PROJECT_SOURCE_DIR}/cmake/CheckLibraryInterface.cmake)
endfunction()

# ABI baselines: abidw's view of each library, committed under <library>/abi/.
# The check needs debug information, so it runs in Debug and RelWithDebInfo builds.
find_program(ABIDW abidw)
find_program(ABIDIFF abidiff)
add_custom_target(update-abi-baselines
  COMMENT "Rewriting the committed ABI baselines from this build")

# Fails when LIBRARY's ABI differs from the committed BASELINE file (additions aside);
# the update-abi-baselines target rewrites BASELINE from the current build.
function(add_abi_test library baseline)
  set(headers ${CMAKE_CURRENT_SOURCE_DIR})
  add_custom_target(${library}-abi-baseline
    COMMAND ${ABIDW} --no-corpus-path --no-comp-dir-path --drop-private-types
      --headers-dir ${headers} --out-file ${baseline} $<TARGET_FILE:${library}>
    DEPENDS ${library} VERBATIM)
  add_dependencies(update-abi-baselines ${library}-abi-baseline)
  if(BUILD_TESTING AND ABIDIFF AND CMAKE_BUILD_TYPE MATCHES "^(Debug|RelWithDebInfo)$")
    add_test(NAME ${library}.abi
      COMMAND ${CMAKE_COMMAND} -DABIDIFF=${ABIDIFF} -DBASELINE=${baseline}
        -DLIBRARY=$<TARGET_FILE:${library}> -DHEADERS=${headers}
        -P ${PROJECT_SOURCE_DIR}/cmake/CheckAbi.cmake)
  endif()
endfunction()

# A libFuzzer target NAME from SOURCE, linked with the given libraries.
function(add_fuzzer name source)
  add_executable(${name} ${source})
  project_target_defaults(${name})
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tools)
  target_link_libraries(${name} PRIVATE ${ARGN})
endfunction()

# The optional parts of a library's folder: tests/ and fuzz/.
macro(add_library_parts)
  if(BUILD_TESTING)
    add_subdirectory(tests)
  endif()
  if(UNIVERSE_GYRELLE_BUILD_FUZZERS)
    add_subdirectory(fuzz)
  endif()
endmacro()

# Sets OUT to the absolute folder that the Qt installation reports as
# QT_INSTALL_<WHAT> (PLUGINS, BINS, LIBEXECS, ...), for the Qt that QT names
# (Qt5 or Qt6, found already).
function(qt_install_dir out what)
  if(QT STREQUAL Qt5)
    get_target_property(qmake Qt5::qmake IMPORTED_LOCATION)
    execute_process(COMMAND ${qmake} -query QT_INSTALL_${what}
      OUTPUT_VARIABLE dir OUTPUT_STRIP_TRAILING_WHITESPACE)
  else()
    set(dir ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_${what}})
  endif()
  set(${out} ${dir} PARENT_SCOPE)
endfunction()
