# SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
# SPDX-License-Identifier: MIT

# cmake -DBUILD_DIR=... -DPREFIX=... -DPACKAGE=gyrelle -P CheckInstall.cmake
# Installed with UNIVERSE_GYRELLE_INSTALL off, the consumer installs its own
# program and nothing of ours, nor does any of our components alone (all that
# our install scripts name, lib<PACKAGE>-dev among them).
cmake_minimum_required(VERSION 3.25)

# The files that installing BUILD_DIR (the component, if given) puts into PREFIX.
function(installed out)
  file(REMOVE_RECURSE ${PREFIX})
  execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX} ${ARGN}
    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
  file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${PREFIX} ${PREFIX}/*)
  set(${out} "${files}" PARENT_SCOPE)
endfunction()

installed(files)
if(NOT files STREQUAL "bin/consumer")
  message(FATAL_ERROR "the consumer installed: ${files}")
endif()

file(GLOB_RECURSE scripts ${BUILD_DIR}/_deps/universe-gyrelle-build/cmake_install.cmake)
set(components "")
foreach(script IN LISTS scripts)
  file(STRINGS ${script} named REGEX "CMAKE_INSTALL_COMPONENT STREQUAL \"[^\"]+\"")
  string(REGEX MATCHALL "STREQUAL \"[^\"]+\"" named "${named}")
  list(TRANSFORM named REPLACE "STREQUAL \"([^\"]+)\"" "\\1")
  list(APPEND components ${named})
endforeach()
list(REMOVE_DUPLICATES components)
list(REMOVE_ITEM components Unspecified) # the consumer's own too
if(NOT lib${PACKAGE}-dev IN_LIST components)
  message(FATAL_ERROR "our install scripts name no component lib${PACKAGE}-dev: ${components}")
endif()
foreach(component IN LISTS components)
  installed(files --component ${component})
  if(files)
    message(FATAL_ERROR "component ${component} installed: ${files}")
  endif()
endforeach()
message(STATUS "nothing of ours installed, by ${components} alone neither")
