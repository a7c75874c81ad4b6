# Run at install time by project_install_prefix_environment(): writes the
# environment files for the prefix being installed into and installs them
# (file(INSTALL) applies DESTDIR and lists them in install_manifest.txt).
cmake_path(ABSOLUTE_PATH bindir BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}" NORMALIZE)
cmake_path(ABSOLUTE_PATH datadir BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}" NORMALIZE)
set(parts_dir "${datadir}/gyrelle/prefix.d")

configure_file("${CMAKE_CURRENT_LIST_DIR}/gyrelle-prefix.sh.in" "${staging}/gyrelle-prefix.sh" @ONLY)
set(lines "# Sourced by ${bindir}/gyrelle-prefix.sh\n")
foreach(setting IN LISTS folders)
  string(REGEX MATCH "^[A-Z_]+" variable "${setting}")
  string(REGEX REPLACE "^[A-Z_]+=" "" folder "${setting}")
  cmake_path(ABSOLUTE_PATH folder BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}" NORMALIZE)
  string(REGEX REPLACE "/$" "" folder "${folder}")
  string(APPEND lines "gyrelle_prefix_add ${variable} '${folder}'\n")
endforeach()
file(WRITE "${staging}/${part}.sh" "${lines}")

file(INSTALL "${staging}/gyrelle-prefix.sh" DESTINATION "${bindir}")
file(INSTALL "${staging}/${part}.sh" DESTINATION "${parts_dir}")
