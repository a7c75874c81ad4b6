# SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
# SPDX-License-Identifier: MIT

# Run by CPack before it makes the packages: removes those of earlier runs (of
# another version or revision), so that the folder holds one set to install
# and to check.
file(GLOB earlier "${CPACK_PACKAGE_DIRECTORY}/*.deb")
if(earlier)
  file(REMOVE ${earlier})
endif()
