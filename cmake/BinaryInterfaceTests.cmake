# SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
# SPDX-License-Identifier: MIT

# Tests that keep the libraries' binary interface: the exported symbols and
# needed libraries, and the ABI as abidw sees it, against committed baselines.

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
