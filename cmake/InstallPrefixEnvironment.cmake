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

# sh_quote(OUT TEXT): TEXT as one single-quoted word of a POSIX shell, whatever it holds.
function(sh_quote out text)
  string(REPLACE "'" "'\\''" text "${text}")
  set(${out} "'${text}'" PARENT_SCOPE)
endfunction()

# fish_quote(OUT TEXT): the same for fish, where a backslash escapes within quotes too.
function(fish_quote out text)
  string(REPLACE "\\" "\\\\" text "${text}")
  string(REPLACE "'" "\\'" text "${text}")
  set(${out} "'${text}'" PARENT_SCOPE)
endfunction()

# write_environment(SHELL): gyrelle-prefix.<SHELL>, and this variant's part
# that it sources, for shell sh or fish, into the staging folder.
function(write_environment shell)
  set(file gyrelle-prefix.${shell})
  cmake_language(CALL ${shell}_quote script "${bindir}/${file}")
  cmake_language(CALL ${shell}_quote parts "${parts_dir}")
  configure_file("${CMAKE_CURRENT_LIST_DIR}/${file}.in" "${staging}/${file}" @ONLY)
  set(lines "# Sourced by ${bindir}/${file}\n")
  foreach(setting IN LISTS folders)
    string(REGEX MATCH "^[A-Z_]+" variable "${setting}")
    string(REGEX REPLACE "^[A-Z_]+=" "" folder "${setting}")
    cmake_path(ABSOLUTE_PATH folder BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}" NORMALIZE)
    string(REGEX REPLACE "/$" "" folder "${folder}")
    cmake_language(CALL ${shell}_quote folder "${folder}")
    string(APPEND lines "gyrelle_prefix_add ${variable} ${folder}\n")
  endforeach()
  file(WRITE "${staging}/${part}.${shell}" "${lines}")
endfunction()

write_environment(sh)
write_environment(fish)
# Sourced, never run: not executable, so that running them fails instead of
# setting the variables in a shell that ends at once.
set(readable PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
file(INSTALL "${staging}/gyrelle-prefix.sh" "${staging}/gyrelle-prefix.fish"
  DESTINATION "${bindir}" ${readable})
file(INSTALL "${staging}/${part}.sh" "${staging}/${part}.fish" DESTINATION "${parts_dir}" ${readable})
