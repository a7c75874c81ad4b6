# SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
# SPDX-License-Identifier: MIT

# cmake -DABIDIFF=abidiff -DGIT=git -DCOMMIT=sha -DSOURCE_DIR=dir -DWORK_DIR=dir
#       -DCXX=g++ -DBUILD_TYPE=Debug -DQT_MAJOR_VERSION=5 -DQT_VERSION=5.15.8
#       -DBUILD_GYRELLE=ON -DPREFIX_PATH=... -DTARGET=gyrelle -DLIBRARY=lib.so
#       -DHEADERS=gyrelle -P CheckAbi.cmake
# Builds TARGET from COMMIT with the same compiler, build type and Qt, then
# compares LIBRARY with it; fails on any change to what the baseline has, or an
# error, and always prints abidiff's report. Additions are left out here: the
# exported-symbol list check decides on them.

# Runs a command, failing with its output when it fails.
function(run)
  execute_process(COMMAND ${ARGN} OUTPUT_VARIABLE output ERROR_VARIABLE output RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "${ARGN}\n${output}")
  endif()
endfunction()

set(baseline_source ${WORK_DIR}/source)
set(baseline_build ${WORK_DIR}/build)
# What the baseline was built with; another compiler, Qt or commit builds it anew.
execute_process(COMMAND ${CXX} --version OUTPUT_VARIABLE compiler)
string(REGEX REPLACE "\n.*" "" compiler "${compiler}")
set(key "${COMMIT} ${compiler} Qt ${QT_MAJOR_VERSION} ${QT_VERSION} ${BUILD_TYPE}")
if(EXISTS ${WORK_DIR}/built)
  file(READ ${WORK_DIR}/built built_with)
endif()
if(NOT built_with STREQUAL key)
  # The user's git settings (safe.directory) are not read in the tests' account.
  set(git ${GIT} -c safe.directory=${SOURCE_DIR} -C ${SOURCE_DIR})
  execute_process(COMMAND ${git} rev-parse --git-dir RESULT_VARIABLE no_repository OUTPUT_QUIET ERROR_QUIET)
  if(NOT GIT OR no_repository)
    message("SKIP: ${SOURCE_DIR} is no git checkout: no baseline commit to build the ABI baseline from")
    return()
  endif()
  execute_process(COMMAND ${git} cat-file -e ${COMMIT}^{commit} RESULT_VARIABLE no_commit)
  if(no_commit)
    message(FATAL_ERROR "The checkout lacks the ABI baseline commit ${COMMIT} (a shallow clone? git fetch --unshallow)")
  endif()
  file(REMOVE_RECURSE ${WORK_DIR})
  file(MAKE_DIRECTORY ${baseline_source})
  run(${git} archive --output ${WORK_DIR}/source.tar ${COMMIT})
  run(${CMAKE_COMMAND} -E chdir ${baseline_source} ${CMAKE_COMMAND} -E tar xf ${WORK_DIR}/source.tar)
  run(${CMAKE_COMMAND} -S ${baseline_source} -B ${baseline_build} -DCMAKE_CXX_COMPILER=${CXX}
    -DCMAKE_BUILD_TYPE=${BUILD_TYPE} -DGYRELLE_QT_MAJOR_VERSION=${QT_MAJOR_VERSION}
    -DBUILD_GYRELLE=${BUILD_GYRELLE} "-DCMAKE_PREFIX_PATH=${PREFIX_PATH}"
    -DBUILD_TESTING=OFF -DBUILD_EXAMPLES=OFF -Wno-dev)
  run(${CMAKE_COMMAND} --build ${baseline_build} --target ${TARGET})
  file(WRITE ${WORK_DIR}/built "${key}")
endif()
file(GLOB baseline ${baseline_build}/${HEADERS}/lib*.so.[0-9])

execute_process(
  COMMAND ${ABIDIFF} --no-added-syms --drop-private-types
    --headers-dir1 ${baseline_source}/${HEADERS} --headers-dir2 ${SOURCE_DIR}/${HEADERS} ${baseline} ${LIBRARY}
  OUTPUT_VARIABLE report ERROR_VARIABLE report RESULT_VARIABLE status)
message("${report}")
if(NOT status MATCHES "^[0-9]+$")
  message(FATAL_ERROR "abidiff did not finish: ${status}")
endif()
# abidiff's status is a bit field: 1 error, 2 usage error, 4 ABI change,
# 8 incompatible ABI change. Bit 4 counts too: abidiff files a reordered or
# retyped field of Truck or Gyrelle under it, and that breaks every application.
math(EXPR broken "${status} & 15")
if(broken)
  message(FATAL_ERROR "${LIBRARY} breaks the ABI of ${baseline} from ${COMMIT} (abidiff status ${status})")
endif()
message(STATUS "${LIBRARY} keeps the ABI of ${baseline} from ${COMMIT} (abidiff status ${status})")
