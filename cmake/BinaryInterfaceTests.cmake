# SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
# SPDX-License-Identifier: MIT

# Tests that keep the libraries' binary interface: the exported symbols and
# needed libraries against committed lists, and the ABI as abidiff sees it
# against the libraries built from the baseline commit.

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

# The ABI of soname 1 is that of the libraries as built from this commit. The
# .abi tests build them again from it, with this build's own compiler, Qt and
# build type, and compare: what the toolchain or Qt puts into both builds alike
# (the debug information of a newer compiler, Qt's own types) cancels out, and
# only a change of this project's own interface remains.
set(PROJECT_ABI_BASELINE_COMMIT b80835af9e164a5ad4be94d6c548c107cc838563)
find_package(Git QUIET)
find_program(ABIDIFF abidiff)
# The meta-object baseline's target joins it (gyrelle/tests).
add_custom_target(update-abi-baselines COMMENT "Rewriting the committed meta-object baseline from this build")

# Fails when LIBRARY (a target of the folder calling this) differs in its ABI from
# LIBRARY built from the baseline commit (additions aside). Needs debug
# information, so only in Debug and RelWithDebInfo builds, and the commit: where
# git or the history is missing (a release tarball, a shallow clone) it is skipped.
function(add_abi_test library)
  if(NOT BUILD_TESTING OR NOT ABIDIFF OR NOT CMAKE_BUILD_TYPE MATCHES "^(Debug|RelWithDebInfo)$"
     OR UNIVERSE_GYRELLE_SANITIZERS)
    return() # a sanitizer build is compared with nothing it could break
  endif()
  file(RELATIVE_PATH headers ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  add_test(NAME ${library}.abi
    COMMAND ${CMAKE_COMMAND} -DABIDIFF=${ABIDIFF} -DGIT=${GIT_EXECUTABLE}
      -DCOMMIT=${PROJECT_ABI_BASELINE_COMMIT} -DSOURCE_DIR=${PROJECT_SOURCE_DIR}
      -DWORK_DIR=${PROJECT_BINARY_DIR}/abi-baseline/${library}
      -DCXX=${CMAKE_CXX_COMPILER} -DBUILD_TYPE=${CMAKE_BUILD_TYPE}
      -DQT_MAJOR_VERSION=${GYRELLE_QT_MAJOR_VERSION} -DBUILD_GYRELLE=${BUILD_GYRELLE}
      "-DPREFIX_PATH=${CMAKE_PREFIX_PATH}" "-DQT_VERSION=${Qt${GYRELLE_QT_MAJOR_VERSION}Core_VERSION}"
      -DTARGET=${library} -DLIBRARY=$<TARGET_FILE:${library}> -DHEADERS=${headers}
      -P ${PROJECT_SOURCE_DIR}/cmake/CheckAbi.cmake)
  set_tests_properties(${library}.abi PROPERTIES SKIP_REGULAR_EXPRESSION "^SKIP: ")
endfunction()
