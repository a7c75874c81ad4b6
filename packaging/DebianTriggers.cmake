# Run by CPack on the packages it made. For a library below /usr/lib, CPack
# writes postinst and postrm scripts that call ldconfig; Debian runs ldconfig
# through the trigger of debian/triggers instead. None of these packages needs
# a maintainer script otherwise, so each one that got them is rebuilt without.
set(tree "${CPACK_TOPLEVEL_DIRECTORY}/without-maintainer-scripts")
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  file(REMOVE_RECURSE "${tree}")
  execute_process(COMMAND dpkg-deb --raw-extract "${package}" "${tree}" COMMAND_ERROR_IS_FATAL ANY)
  file(GLOB scripts "${tree}/DEBIAN/postinst" "${tree}/DEBIAN/postrm")
  if(scripts)
    file(REMOVE ${scripts})
    execute_process(COMMAND dpkg-deb --root-owner-group --build "${tree}" "${package}"
      OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
  endif()
endforeach()
file(REMOVE_RECURSE "${tree}")
