# SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
# SPDX-License-Identifier: MIT

# What the consumer projects share: main.cpp, and the test that runs the
# program built from it.
enable_testing()
set(consumer_source ${CMAKE_CURRENT_LIST_DIR}/main.cpp)
set(consumer_compare_output ${CMAKE_CURRENT_LIST_DIR}/../../cmake/CompareOutput.cmake)
set(consumer_expected_output ${CMAKE_BINARY_DIR}/expected-output.txt)
file(WRITE ${consumer_expected_output} "spinner 20x20 delay 55 animated
It sells the following flavors: 
  * Installed vanilla

")

# Test "consumer": PROGRAM, run offscreen, exits with 0 and prints exactly that.
function(add_consumer_test program)
  add_test(NAME consumer COMMAND ${CMAKE_COMMAND} -DPROGRAM=${program}
    -DEXPECTED=${consumer_expected_output} -P ${consumer_compare_output})
  set_tests_properties(consumer PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
endfunction()
