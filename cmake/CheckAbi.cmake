# SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
# SPDX-License-Identifier: MIT

# cmake -DABIDIFF=abidiff -DBASELINE=x.abixml -DLIBRARY=lib.so -DHEADERS=dir -P CheckAbi.cmake
# Compares a freshly built library with its committed ABI baseline; fails on any
# change to what the baseline has, or an error, and always prints abidiff's report.
# Additions are left out here: the exported-symbol list check decides on them.
execute_process(
  COMMAND ${ABIDIFF} --no-added-syms --drop-private-types --headers-dir2 ${HEADERS}
    ${BASELINE} ${LIBRARY}
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
  message(FATAL_ERROR "${LIBRARY} breaks the ABI of ${BASELINE} (abidiff status ${status})")
endif()
message(STATUS "${LIBRARY} keeps the ABI of ${BASELINE} (abidiff status ${status})")
