# SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
# SPDX-License-Identifier: MIT

# What every target of this project shares (C++17, warnings, hidden symbols,
# sanitizers), applied per target, and the shape of its libraries: a versioned
# shared library with its tests/ and fuzz/ folders.

set(UNIVERSE_GYRELLE_SANITIZERS "" CACHE STRING
  "Sanitizers to build every target with, as -fsanitize takes them (address,undefined or thread)")

include(GenerateExportHeader)

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
# HEADERS are its public headers, included as <target/header.h>, beside the
# generated <target/target_export.h> with its <TARGET>_EXPORT macro; both are
# the file sets HEADERS and export_header, which project_install_library installs.
function(project_shared_library target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "EXPORTS" "SOURCES;HEADERS")
  add_library(${target} SHARED ${arg_SOURCES})
  project_target_defaults(${target})
  set_target_properties(${target} PROPERTIES
    VERSION ${PROJECT_VERSION}
    SOVERSION ${PROJECT_VERSION_MAJOR}
    LINK_DEPENDS ${arg_EXPORTS})
  set(generated ${PROJECT_BINARY_DIR}/include)
  generate_export_header(${target} EXPORT_FILE_NAME ${generated}/${target}/${target}_export.h)
  target_sources(${target}
    PUBLIC FILE_SET HEADERS BASE_DIRS ${PROJECT_SOURCE_DIR} FILES ${arg_HEADERS}
    PUBLIC FILE_SET export_header TYPE HEADERS BASE_DIRS ${generated}
      FILES ${generated}/${target}/${target}_export.h)
  target_link_options(${target} PRIVATE LINKER:--version-script=${arg_EXPORTS})
  # clang links the sanitizer runtimes into executables only, so a sanitized
  # library has undefined references until it is loaded.
  if(NOT (UNIVERSE_GYRELLE_SANITIZERS AND CMAKE_CXX_COMPILER_ID STREQUAL "Clang"))
    target_link_options(${target} PRIVATE LINKER:--no-undefined)
  endif()
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
