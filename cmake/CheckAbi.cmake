# SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
# SPDX-License-Identifier: MIT

# cmake -DABIDIFF=abidiff -DGIT=git -DCOMMIT=sha -DSOURCE_DIR=dir -DWORK_DIR=dir
#       -DCXX=g++ -DBUILD_TYPE=Debug -DQT_MAJOR_VERSION=5 -DTARGET=gyrelle
#       -DLIBRARY=lib.so -DHEADERS=gyrelle -P CheckAbi.cmake
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
if(NOT EXISTS ${baseline_build}/built)
  execute_process(COMMAND ${GIT} -C ${SOURCE_DIR} cat-file -e ${COMMIT}^{commit}
    RESULT_VARIABLE no_commit OUTPUT_QUIET ERROR_QUIET)
  if(NOT GIT OR no_commit)
    message("SKIP: no git history with the baseline commit ${COMMIT} to build the ABI baseline from")
    return()
  endif()
  file(REMOVE_RECURSE ${WORK_DIR})
  file(MAKE_DIRECTORY ${baseline_source})
  run(${GIT} -C ${SOURCE_DIR} archive --output ${WORK_DIR}/source.tar ${COMMIT})
  run(${CMAKE_COMMAND} -E chdir ${baseline_source} ${CMAKE_COMMAND} -E tar xf ${WORK_DIR}/source.tar)
  run(${CMAKE_COMMAND} -S ${baseline_source} -B ${baseline_build} -DCMAKE_CXX_COMPILER=${CXX}
    -DCMAKE_BUILD_TYPE=${BUILD_TYPE} -DGYRELLE_QT_MAJOR_VERSION=${QT_MAJOR_VERSION}
    -DBUILD_TESTING=OFF -DBUILD_EXAMPLES=OFF -Wno-dev)
  run(${CMAKE_COMMAND} --build ${baseline_build} --target ${TARGET})
  file(TOUCH ${baseline_build}/built)
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
