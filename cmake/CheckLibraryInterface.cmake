# SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
# SPDX-License-Identifier: MIT

# cmake -DNM=nm -DREADELF=readelf -DLIBRARY=lib.so -DEXPECTED_SYMBOLS=list.txt
#       -DEXPECTED_NEEDED="libc.so.6;..." -P CheckLibraryInterface.cmake
# Compares what a shared library exports (mangled names, one a line in the list
# file, '#' starts a comment) and what it needs with the expected sets.

# Fails listing what is missing from and what is extra in ACTUAL against EXPECTED.
function(compare_sets what actual expected)
  set(missing ${expected})
  list(REMOVE_ITEM missing ${actual})
  set(extra ${actual})
  list(REMOVE_ITEM extra ${expected})
  if(missing OR extra)
    list(JOIN missing "\n  " missing)
    list(JOIN extra "\n  " extra)
    message(FATAL_ERROR "${what} of ${LIBRARY} differ\n"
      "missing:\n  ${missing}\nunexpected:\n  ${extra}")
  endif()
  list(LENGTH actual count)
  message(STATUS "${count} ${what} as expected")
endfunction()

# Runs a command and returns its output's lines that match REGEX, first capture group.
function(matching_lines out regex)
  execute_process(COMMAND ${ARGN} OUTPUT_VARIABLE text RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "${ARGN} failed")
  endif()
  string(REPLACE "\n" ";" lines "${text}")
  set(found "")
  foreach(line IN LISTS lines)
    if(line MATCHES "${regex}")
      list(APPEND found "${CMAKE_MATCH_1}")
    endif()
  endforeach()
  set(${out} "${found}" PARENT_SCOPE)
endfunction()

matching_lines(symbols "^([^ ]+) " ${NM} --dynamic --defined-only --format=posix ${LIBRARY})
file(STRINGS ${EXPECTED_SYMBOLS} expected_symbols REGEX "^[^#]")
compare_sets("exported symbols" "${symbols}" "${expected_symbols}")

matching_lines(needed "\\(NEEDED\\).*\\[(.*)\\]" ${READELF} --dynamic ${LIBRARY})
compare_sets("needed libraries" "${needed}" "${EXPECTED_NEEDED}")
