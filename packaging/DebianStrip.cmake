# SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
# SPDX-License-Identifier: MIT

# Run by CPack on the files it is about to package: strips every shared object
# as Debian's dh_strip does, down to the symbols that linking and loading need,
# without the .comment and .note sections.
file(GLOB_RECURSE objects LIST_DIRECTORIES false
  "${CPACK_TEMPORARY_DIRECTORY}/*.so" "${CPACK_TEMPORARY_DIRECTORY}/*.so.*")
foreach(object IN LISTS objects)
  if(NOT IS_SYMLINK "${object}")
    execute_process(
      COMMAND ${CPACK_DEBIAN_STRIP} --remove-section=.comment --remove-section=.note
        --strip-unneeded "${object}"
      COMMAND_ERROR_IS_FATAL ANY)
  endif()
endforeach()
