# SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
# SPDX-License-Identifier: MIT

# Installation of this project's libraries, the way Debian and CMake users expect.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

# Installs library TARGET as package NAME (default: the target's name), in two
# components: lib<NAME>1 (the .so.1 files) and lib<NAME>-dev (headers under
# <includedir>/<INCLUDE_ROOT>/<target>/, the .so link, the CMake package NAME
# with imported target NAME::<target>, and NAME.pc).
#   INCLUDE_ROOT     a folder of their own below the include directory, for a
#                    variant that must install beside another one
#   FIND_DEPENDENCY  arguments of find_dependency() for the package config
#   PC_DESCRIPTION, PC_REQUIRES  fields of the pkg-config file
function(project_install_library target)
  cmake_parse_arguments(PARSE_ARGV 1 arg ""
    "NAME;INCLUDE_ROOT;FIND_DEPENDENCY;PC_DESCRIPTION;PC_REQUIRES" "")
  set(name ${target})
  if(arg_NAME)
    set(name ${arg_NAME})
  endif()
  debian_library_package(runtime ${name})
  set(dev lib${name}-dev)
  set(cmake_dir ${CMAKE_INSTALL_LIBDIR}/cmake/${name})
  set(include_root ${CMAKE_INSTALL_INCLUDEDIR})
  if(arg_INCLUDE_ROOT)
    string(APPEND include_root /${arg_INCLUDE_ROOT})
  endif()

  # Also for CMake before 3.23, which does not read the exported file sets.
  target_include_directories(${target} PUBLIC $<INSTALL_INTERFACE:${include_root}>)
  # The header file sets of project_shared_library().
  install(TARGETS ${target} EXPORT ${name}Targets
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT ${runtime} NAMELINK_COMPONENT ${dev}
    FILE_SET HEADERS DESTINATION ${include_root} COMPONENT ${dev}
    FILE_SET export_header DESTINATION ${include_root} COMPONENT ${dev})

  install(EXPORT ${name}Targets NAMESPACE ${name}:: DESTINATION ${cmake_dir} COMPONENT ${dev})
  if(arg_FIND_DEPENDENCY)
    set(find_dependencies "find_dependency(${arg_FIND_DEPENDENCY})")
  endif()
  configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/PackageConfig.cmake.in
    ${CMAKE_CURRENT_BINARY_DIR}/${name}Config.cmake INSTALL_DESTINATION ${cmake_dir})
  write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/${name}ConfigVersion.cmake
    COMPATIBILITY SameMajorVersion)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${name}Config.cmake
                ${CMAKE_CURRENT_BINARY_DIR}/${name}ConfigVersion.cmake
    DESTINATION ${cmake_dir} COMPONENT ${dev})

  get_target_property(library_name ${target} OUTPUT_NAME)
  if(NOT library_name)
    set(library_name ${target})
  endif()
  project_pkg_config_file(${CMAKE_CURRENT_BINARY_DIR}/${name}.pc
    NAME ${name} LIBRARY ${library_name} INCLUDEDIR ${include_root}
    DESCRIPTION "${arg_PC_DESCRIPTION}" REQUIRES "${arg_PC_REQUIRES}")
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${name}.pc
    DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig COMPONENT ${dev})

  # The same name in the build tree, for projects that take this one in with
  # FetchContent or add_subdirectory.
  add_library(${name}::${target} ALIAS ${target})
endfunction()

# Writes pkg-config file FILE from cmake/library.pc.in, to be installed into
# <libdir>/pkgconfig. Its paths are relative to its own folder (${pcfiledir}),
# so that it stays right wherever the prefix is installed (cmake --install
# --prefix, DESTDIR, debhelper);
# GNUInstallDirs folders given as absolute paths stay absolute. For the
# system's own library folder (/usr) they are absolute too, as the system's
# other .pc files are: pkg-config then leaves out -I/usr/include and
# -L/usr/lib/<triplet>, which it recognises by name only.
function(project_pkg_config_file file)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "NAME;LIBRARY;INCLUDEDIR;DESCRIPTION;REQUIRES" "")
  if(IS_ABSOLUTE "${CMAKE_INSTALL_LIBDIR}" OR PROJECT_LIBDIR_IS_SYSTEM)
    set(prefix ${CMAKE_INSTALL_PREFIX})
  else()
    # From <prefix>/<libdir>/pkgconfig up to <prefix>, whatever the prefix.
    file(RELATIVE_PATH up /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
    string(REGEX REPLACE "/$" "" up ${up})
    set(prefix "\${pcfiledir}/${up}")
  endif()
  pkg_config_path(libdir ${CMAKE_INSTALL_LIBDIR})
  pkg_config_path(includedir ${arg_INCLUDEDIR})
  configure_file(${PROJECT_SOURCE_DIR}/cmake/library.pc.in ${file} @ONLY)
endfunction()

# A pkg-config path: a folder relative to the prefix below ${prefix}, an
# absolute one as it is.
function(pkg_config_path out dir)
  if(IS_ABSOLUTE "${dir}")
    set(${out} "${dir}" PARENT_SCOPE)
  else()
    set(${out} "\${prefix}/${dir}" PARENT_SCOPE)
  endif()
endfunction()

# The Debian name of the runtime package of library NAME: lib<NAME><soversion>,
# with a hyphen between the two when NAME ends in a digit (libgyrelle-qt6-1).
function(debian_library_package out name)
  if(name MATCHES "[0-9]$")
    set(${out} lib${name}-${PROJECT_VERSION_MAJOR} PARENT_SCOPE)
  else()
    set(${out} lib${name}${PROJECT_VERSION_MAJOR} PARENT_SCOPE)
  endif()
endfunction()

cmake_path(ABSOLUTE_PATH CMAKE_INSTALL_LIBDIR BASE_DIRECTORY ${CMAKE_INSTALL_PREFIX}
  NORMALIZE OUTPUT_VARIABLE libdir)
string(REGEX REPLACE "/$" "" libdir ${libdir})
if(libdir IN_LIST CMAKE_CXX_IMPLICIT_LINK_DIRECTORIES)
  set(PROJECT_LIBDIR_IS_SYSTEM ON)
else()
  set(PROJECT_LIBDIR_IS_SYSTEM OFF)
endif()

# Tests of the installed project use this prefix, filled by the fixture
# "scratch-prefix" (tests/CMakeLists.txt).
set(PROJECT_SCRATCH_PREFIX ${PROJECT_BINARY_DIR}/scratch-prefix)

# Gives TARGET, installed into INSTALL_DIR (relative to the prefix or absolute),
# a run path to the prefix's library folder, so that it loads our libraries
# without LD_LIBRARY_PATH or ldconfig: first relative to itself, which holds
# wherever the prefix is installed or moved; then the configured library folder
# itself, for a copy of TARGET outside the prefix (a Designer plugin copied into
# ~/.designer/plugins). None for the system's own library folders, where the
# loader finds them anyway (and Debian forbids a run path).
function(project_relative_run_path target install_dir)
  if(PROJECT_LIBDIR_IS_SYSTEM)
    return()
  endif()
  cmake_path(ABSOLUTE_PATH install_dir BASE_DIRECTORY ${CMAKE_INSTALL_PREFIX} NORMALIZE)
  file(RELATIVE_PATH to_libdir ${install_dir} ${libdir})
  set_target_properties(${target} PROPERTIES INSTALL_RPATH "$ORIGIN/${to_libdir};${libdir}")
endfunction()

# Installs <prefix>/bin/gyrelle-prefix.sh (gyrelle-prefix.fish for fish), which
# a shell sources to use the prefix: Qt finds the widget's plugins there
# (QT_PLUGIN_PATH) and Python its module (PYTHONPATH). Each Qt variant adds a part of its own below
# share/gyrelle/prefix.d/, so that both install into one prefix. Written at
# install time for the prefix really installed into; not in the Debian
# packages, whose folders Qt and Python search anyway.
function(project_install_prefix_environment)
  # C++ builds find the CMake and pkg-config packages; programs built against
  # the prefix without a run path of their own find the libraries.
  set(folders "CMAKE_PREFIX_PATH=." "PKG_CONFIG_PATH=${CMAKE_INSTALL_LIBDIR}/pkgconfig")
  if(NOT PROJECT_LIBDIR_IS_SYSTEM)
    list(APPEND folders "LD_LIBRARY_PATH=${CMAKE_INSTALL_LIBDIR}")
  endif()
  list(APPEND folders "QT_PLUGIN_PATH=${GYRELLE_QT_PLUGIN_DIR}")
  if(TARGET gyrelle-python)
    list(APPEND folders "PYTHONPATH=${GYRELLE_PYTHON_DIR}")
  endif()
  install(CODE "
    set(folders [[${folders}]])
    set(part ${GYRELLE_PACKAGE})
    set(bindir [[${CMAKE_INSTALL_BINDIR}]])
    set(datadir [[${CMAKE_INSTALL_DATADIR}]])
    set(staging [[${CMAKE_CURRENT_BINARY_DIR}/prefix-environment]])
    include([[${PROJECT_SOURCE_DIR}/cmake/InstallPrefixEnvironment.cmake]])"
    COMPONENT prefix-environment)
endfunction()

# Caches install folder VAR (help text DOC) with DEFAULT, which depends on the
# install prefix: a later configure with another prefix gives the new default,
# while a value the user has set stays as it is (also a relative one, which
# set(CACHE PATH) would make absolute against the current folder).
function(project_install_dir_cache var default doc)
  if(NOT DEFINED CACHE{${var}} OR "$CACHE{${var}}" STREQUAL "$CACHE{${var}_DEFAULT}")
    set(${var} "${default}" CACHE PATH "${doc}" FORCE)
  else()
    set_property(CACHE ${var} PROPERTY TYPE PATH)
    set_property(CACHE ${var} PROPERTY HELPSTRING "${doc}")
  endif()
  set(${var}_DEFAULT "${default}" CACHE INTERNAL "The default of ${var} last computed")
endfunction()
