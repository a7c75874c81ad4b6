# SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
# SPDX-License-Identifier: MIT

# cmake -DPREFIX=... -DWORK_DIR=... -DLIBDIR=lib -DGYRELLE_PACKAGE=gyrelle
#       -DQT_MAJOR_VERSION=5 -DSOURCE_DIR=... -P RunConsumers.cmake
# Builds and runs one consumer of the project installed in PREFIX through
# find_package() and one through pkg-config, and one that builds the project
# from SOURCE_DIR with FetchContent, checking what they print (and what the
# last installs); and asks each installed package for an unknown component,
# required and optional.
set(prefix ${PREFIX})
if(IS_ABSOLUTE "${LIBDIR}")
  message(FATAL_ERROR "needs a libdir relative to the prefix, not ${LIBDIR}")
endif()
set(libdir ${prefix}/${LIBDIR})
set(expected "spinner 20x20 delay 55 animated
It sells the following flavors: 
  * Installed vanilla

")

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "failed: ${ARGN}")
  endif()
endfunction()

# check_consumer(PROGRAM [VARIABLE=VALUE...]): PROGRAM, run in that environment,
# prints what is expected.
function(check_consumer program)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env ${ARGN} QT_QPA_PLATFORM=offscreen ${program}
    OUTPUT_VARIABLE output RESULT_VARIABLE failed)
  if(failed OR NOT output STREQUAL expected)
    message(FATAL_ERROR "${program} printed:\n${output}\nexpected:\n${expected}")
  endif()
  message(STATUS "${program}: output as expected")
endfunction()

file(REMOVE_RECURSE ${WORK_DIR})

set(here ${CMAKE_CURRENT_LIST_DIR})
run(${CMAKE_COMMAND} -S ${here}/find-package -B ${WORK_DIR}/find-package
    -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_BUILD_TYPE=Release -DGYRELLE_PACKAGE=${GYRELLE_PACKAGE})
run(${CMAKE_COMMAND} --build ${WORK_DIR}/find-package)
check_consumer(${WORK_DIR}/find-package/consumer LD_LIBRARY_PATH=${libdir})

# A required component is named as the reason the package is not found; an
# optional one leaves the package found.
set(unknown ${WORK_DIR}/unknown-component)
file(WRITE ${unknown}/CMakeLists.txt "cmake_minimum_required(VERSION 3.25)
project(unknown-component CXX)
foreach(package universe ${GYRELLE_PACKAGE})
  find_package(\${package} OPTIONAL_COMPONENTS bogus)
  message(NOTICE \"\${package} OPTIONAL_COMPONENTS bogus: found \${\${package}_FOUND}\")
  find_package(\${package} COMPONENTS bogus)
endforeach()
")
execute_process(COMMAND ${CMAKE_COMMAND} -S ${unknown} -B ${unknown}/build -DCMAKE_PREFIX_PATH=${prefix}
  OUTPUT_VARIABLE output ERROR_VARIABLE output)
foreach(package universe ${GYRELLE_PACKAGE})
  if(NOT output MATCHES "\n${package} OPTIONAL_COMPONENTS bogus: found 1\n" OR NOT output MATCHES
      "Reason given by package:[ \n]+The ${package} package has no components; unknown: bogus\n")
    message(FATAL_ERROR "find_package(${package} [OPTIONAL_]COMPONENTS bogus) printed:\n${output}")
  endif()
endforeach()

# The .pc files of a build for the system's folders (/usr) name that prefix;
# moved into the scratch prefix, they are told so, as pkg-config's
# --define-variable=prefix would, but for them alone (not for Qt's).
set(pc_path ${libdir}/pkgconfig)
file(READ ${pc_path}/universe.pc pc)
if(NOT pc MATCHES "(^|\n)prefix=\\$\\{pcfiledir\\}")
  set(pc_path ${WORK_DIR}/pkgconfig)
  foreach(name universe ${GYRELLE_PACKAGE})
    file(READ ${libdir}/pkgconfig/${name}.pc pc)
    string(REGEX REPLACE "(^|\n)prefix=[^\n]*" "\\1prefix=${prefix}" pc "${pc}")
    file(WRITE ${pc_path}/${name}.pc "${pc}")
  endforeach()
endif()
run(${CMAKE_COMMAND} -E env PKG_CONFIG_PATH=${pc_path}
    ${here}/pkg-config/build.sh ${here}/main.cpp ${WORK_DIR}/pkg-config-consumer ${GYRELLE_PACKAGE})
check_consumer(${WORK_DIR}/pkg-config-consumer LD_LIBRARY_PATH=${libdir})

# Built in the consumer's tree, the project adds its libraries and nothing else:
# the consumer's ctest knows its own test only.
set(fetch_build ${WORK_DIR}/fetch-content)
run(${CMAKE_COMMAND} -S ${here}/fetch-content -B ${fetch_build} -DCMAKE_BUILD_TYPE=Release
    -DUNIVERSE_GYRELLE_SOURCE=${SOURCE_DIR} -DGYRELLE_PACKAGE=${GYRELLE_PACKAGE}
    -DGYRELLE_QT_MAJOR_VERSION=${QT_MAJOR_VERSION} -DUNIVERSE_GYRELLE_INSTALL=OFF)
# Neither our demos, references nor Python module ("... name" with
# Makefiles, "name: phony" with Ninja).
execute_process(COMMAND ${CMAKE_COMMAND} --build ${fetch_build} --target help OUTPUT_VARIABLE targets)
if(targets MATCHES "(^|\n)(\\.\\.\\. )?(icecream-truck|spinner-demo|docs[-a-z0-9]*|gyrelle-python)[:\n]")
  message(FATAL_ERROR "the consumer's build has our target ${CMAKE_MATCH_3}")
endif()
run(${CMAKE_COMMAND} --build ${fetch_build} --parallel 2)
check_consumer(${fetch_build}/consumer)
execute_process(COMMAND ${CMAKE_CTEST_COMMAND} -N WORKING_DIRECTORY ${fetch_build} OUTPUT_VARIABLE tests)
if(NOT tests MATCHES "#1: consumer\n\nTotal Tests: 1\n")
  message(FATAL_ERROR "the consumer's ctest lists other tests than its own:\n${tests}")
endif()

# Installed with UNIVERSE_GYRELLE_INSTALL off, the consumer installs its own
# program and nothing of ours, nor does any of our components alone (all
# that our install scripts name).
set(fetch_prefix ${WORK_DIR}/fetch-content-prefix)
run(${CMAKE_COMMAND} --install ${fetch_build} --prefix ${fetch_prefix})
file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE ${fetch_prefix} ${fetch_prefix}/*)
if(NOT installed STREQUAL "bin/consumer")
  message(FATAL_ERROR "the consumer installed: ${installed}")
endif()
file(GLOB_RECURSE scripts ${fetch_build}/_deps/universe-gyrelle-build/cmake_install.cmake)
set(components "")
foreach(script IN LISTS scripts)
  file(STRINGS ${script} named REGEX "CMAKE_INSTALL_COMPONENT STREQUAL \"[^\"]+\"")
  string(REGEX MATCHALL "STREQUAL \"[^\"]+\"" named "${named}")
  list(TRANSFORM named REPLACE "STREQUAL \"([^\"]+)\"" "\\1")
  list(APPEND components ${named})
endforeach()
list(REMOVE_DUPLICATES components)
list(REMOVE_ITEM components Unspecified) # the consumer's own too
list(FIND components lib${GYRELLE_PACKAGE}-dev found)
if(found EQUAL -1)
  message(FATAL_ERROR "our install scripts name no component lib${GYRELLE_PACKAGE}-dev: ${components}")
endif()
foreach(component IN LISTS components)
  set(component_prefix ${WORK_DIR}/component-prefix)
  file(REMOVE_RECURSE ${component_prefix})
  run(${CMAKE_COMMAND} --install ${fetch_build} --prefix ${component_prefix} --component ${component})
  file(GLOB_RECURSE installed LIST_DIRECTORIES false ${component_prefix}/*)
  if(installed)
    message(FATAL_ERROR "component ${component} installed: ${installed}")
  endif()
endforeach()
