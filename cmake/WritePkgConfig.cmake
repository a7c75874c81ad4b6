# Run at install time by project_install_library(): writes <name>.pc for the
# prefix being installed into. GNUInstallDirs directories may be relative to the
# prefix or absolute; both are kept correct.

# A pkg-config path: relative ones below BASE_VARIABLE, absolute ones as they are.
function(pkg_config_path out base_variable dir)
  if(IS_ABSOLUTE "${dir}")
    set(${out} "${dir}" PARENT_SCOPE)
  else()
    set(${out} "\${${base_variable}}/${dir}" PARENT_SCOPE)
  endif()
endfunction()

pkg_config_path(libdir exec_prefix "${libdir_setting}")
pkg_config_path(includedir prefix "${includedir_setting}")
if(IS_ABSOLUTE "${libdir_setting}")
  set(pc_dir "${libdir_setting}/pkgconfig")
else()
  set(pc_dir "${CMAKE_INSTALL_PREFIX}/${libdir_setting}/pkgconfig")
endif()

file(WRITE "$ENV{DESTDIR}${pc_dir}/${name}.pc" "\
prefix=${CMAKE_INSTALL_PREFIX}
exec_prefix=\${prefix}
libdir=${libdir}
includedir=${includedir}

Name: ${name}
Description: ${description}
Version: ${version}
Requires: ${requires}
Libs: -L\${libdir} -l${library_name}
Cflags: -I\${includedir}
")
message(STATUS "Installing: $ENV{DESTDIR}${pc_dir}/${name}.pc")
