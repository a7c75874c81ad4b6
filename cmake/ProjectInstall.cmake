# Installation of this project's libraries, the way Debian and CMake users expect.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

# Installs library TARGET as package NAME (default: the target's name), in two
# components: lib<NAME>1 (the .so.1 files) and lib<NAME>-dev (headers under
# <includedir>/<INCLUDE_ROOT>/<target>/, the .so link, the CMake package NAME
# with imported target NAME::<target>, and NAME.pc).
#   HEADERS          public headers
#   INCLUDE_ROOT     a folder of their own below the include directory, for a
#                    variant that must install beside another one
#   FIND_DEPENDENCY  arguments of find_dependency() for the package config
#   PC_DESCRIPTION, PC_REQUIRES  fields of the pkg-config file
function(project_install_library target)
  cmake_parse_arguments(PARSE_ARGV 1 arg ""
    "NAME;INCLUDE_ROOT;FIND_DEPENDENCY;PC_DESCRIPTION;PC_REQUIRES" "HEADERS")
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

  target_include_directories(${target} PUBLIC $<INSTALL_INTERFACE:${include_root}>)
  install(TARGETS ${target} EXPORT ${name}Targets
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT ${runtime} NAMELINK_COMPONENT ${dev})
  install(FILES ${arg_HEADERS} DESTINATION ${include_root}/${target} COMPONENT ${dev})

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

  # The .pc file is written at install time, so that it names the prefix really
  # installed into (cmake --install --prefix, CPack), not the configured one.
  get_target_property(library_name ${target} OUTPUT_NAME)
  if(NOT library_name)
    set(library_name ${target})
  endif()
  install(CODE "
    set(name ${name})
    set(library_name ${library_name})
    set(description [[${arg_PC_DESCRIPTION}]])
    set(version ${PROJECT_VERSION})
    set(requires [[${arg_PC_REQUIRES}]])
    set(libdir_setting [[${CMAKE_INSTALL_LIBDIR}]])
    set(includedir_setting [[${include_root}]])
    include(${PROJECT_SOURCE_DIR}/cmake/WritePkgConfig.cmake)"
    COMPONENT ${dev})
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
