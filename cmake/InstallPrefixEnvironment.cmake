# SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
# SPDX-License-Identifier: MIT

# Run at install time by project_install_prefix_environment(): writes the
# environment files for the prefix being installed into and installs them
# (file(INSTALL) applies DESTDIR and lists them in install_manifest.txt).
cmake_path(ABSOLUTE_PATH bindir BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}" NORMALIZE)
cmake_path(ABSOLUTE_PATH datadir BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}" NORMALIZE)
set(parts_dir "${datadir}/gyrelle/prefix.d")
# A line break would end the comments that name these folders.
if(CMAKE_INSTALL_PREFIX MATCHES "\n" OR bindir MATCHES "\n" OR datadir MATCHES "\n")
  message(FATAL_ERROR "No environment file for folders with a line break in their name")
endif()

# shell_quote(OUT TEXT): TEXT as one single-quoted shell word, whatever it holds.
function(shell_quote out text)
  string(REPLACE "'" "'\\''" text "${text}")
  set(${out} "'${text}'" PARENT_SCOPE)
endfunction()

shell_quote(script "${bindir}/gyrelle-prefix.sh")
shell_quote(parts "${parts_dir}")
configure_file("${CMAKE_CURRENT_LIST_DIR}/gyrelle-prefix.sh.in" "${staging}/gyrelle-prefix.sh" @ONLY)
set(lines "# Sourced by ${bindir}/gyrelle-prefix.sh\n")
foreach(setting IN LISTS folders)
  string(REGEX MATCH "^[A-Z_]+" variable "${setting}")
  string(REGEX REPLACE "^[A-Z_]+=" "" folder "${setting}")
  cmake_path(ABSOLUTE_PATH folder BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}" NORMALIZE)
  string(REGEX REPLACE "/$" "" folder "${folder}")
  shell_quote(folder "${folder}")
  string(APPEND lines "gyrelle_prefix_add ${variable} ${folder}\n")
endforeach()
file(WRITE "${staging}/${part}.sh" "${lines}")

# Sourced, never run: not executable, so that running it fails instead of
# setting the variables in a shell that ends at once.
set(readable PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
file(INSTALL "${staging}/gyrelle-prefix.sh" DESTINATION "${bindir}" ${readable})
file(INSTALL "${staging}/${part}.sh" DESTINATION "${parts_dir}" ${readable})
