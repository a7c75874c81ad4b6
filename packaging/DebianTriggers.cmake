# SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
# SPDX-License-Identifier: MIT

# Run by CPack on the packages it made. For a library below /usr/lib, CPack
# writes postinst and postrm scripts that call ldconfig; Debian runs ldconfig
# through the trigger of debian/triggers instead. None of these packages needs
# a maintainer script otherwise, so each one that got them is rebuilt without,
# compressed as CPack compressed the others. Any other script stops the build:
# it would be lost.
set(tree "${CPACK_TOPLEVEL_DIRECTORY}/without-maintainer-scripts")
set(ldconfig_on_postinst configure)
set(ldconfig_on_postrm remove)
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  file(REMOVE_RECURSE "${tree}")
  execute_process(COMMAND dpkg-deb --raw-extract "${package}" "${tree}" COMMAND_ERROR_IS_FATAL ANY)
  set(scripts "")
  foreach(script postinst postrm)
    set(file "${tree}/DEBIAN/${script}")
    if(NOT EXISTS "${file}")
      continue()
    endif()
    file(READ "${file}" content)
    set(cpack_script
      "#!/bin/sh\n\nset -e\n\nif [ \"$1\" = \"${ldconfig_on_${script}}\" ]; then\n\tldconfig\nfi\n")
    if(NOT content STREQUAL cpack_script)
      message(FATAL_ERROR "${package}: ${script} does more than CPack's ldconfig call:\n${content}")
    endif()
    list(APPEND scripts "${file}")
  endforeach()
  if(scripts)
    file(REMOVE ${scripts})
    execute_process(
      COMMAND dpkg-deb --root-owner-group -Z${CPACK_DEBIAN_COMPRESSION_TYPE}
        --build "${tree}" "${package}"
      OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
  endif()
endforeach()
file(REMOVE_RECURSE "${tree}")
