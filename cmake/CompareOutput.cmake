# SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
# SPDX-License-Identifier: MIT

# cmake -DPROGRAM=... -DEXPECTED=file -P CompareOutput.cmake
# Fails, showing both, when what PROGRAM prints differs from the file's text.
execute_process(COMMAND ${PROGRAM} OUTPUT_VARIABLE actual RESULT_VARIABLE failed)
file(READ ${EXPECTED} expected)
if(failed OR NOT actual STREQUAL expected)
  message(FATAL_ERROR "${PROGRAM} printed:\n${actual}\n${EXPECTED} holds:\n${expected}")
endif()
message(STATUS "output matches ${EXPECTED}")
