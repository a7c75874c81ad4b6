# Installation of this project's libraries, the way Debian and CMake users expect.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

# Installs library TARGET in two components: lib<target>1 (the .so.1 files) and
# lib<target>-dev (headers under include/<target>/, the .so link, the CMake
# package <target> with imported target <target>::<target>, and <target>.pc).
#   HEADERS          public headers
#   FIND_DEPENDENCY  arguments of find_dependency() for the package config
#   PC_DESCRIPTION, PC_REQUIRES  fields of the pkg-config file
function(project_install_library target)
  cmake_parse_arguments(PARSE_ARGV 1 arg ""
    "FIND_DEPENDENCY;PC_DESCRIPTION;PC_REQUIRES" "HEADERS")
  set(runtime lib${target}${PROJECT_VERSION_MAJOR})
  set(dev lib${target}-dev)
  set(cmake_dir ${CMAKE_INSTALL_LIBDIR}/cmake/${target})

  target_include_directories(${target} PUBLIC $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
  install(TARGETS ${target} EXPORT ${target}Targets
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT ${runtime} NAMELINK_COMPONENT ${dev})
  install(FILES ${arg_HEADERS} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/${target} COMPONENT ${dev})

  install(EXPORT ${target}Targets NAMESPACE ${target}:: DESTINATION ${cmake_dir} COMPONENT ${dev})
  if(arg_FIND_DEPENDENCY)
    set(find_dependencies "find_dependency(${arg_FIND_DEPENDENCY})")
  endif()
  configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/PackageConfig.cmake.in
    ${CMAKE_CURRENT_BINARY_DIR}/${target}Config.cmake INSTALL_DESTINATION ${cmake_dir})
  write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/${target}ConfigVersion.cmake
    COMPATIBILITY SameMajorVersion)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${target}Config.cmake
                ${CMAKE_CURRENT_BINARY_DIR}/${target}ConfigVersion.cmake
    DESTINATION ${cmake_dir} COMPONENT ${dev})

  # The .pc file is written at install time, so that it names the prefix really
  # installed into (cmake --install --prefix, CPack), not the configured one.
  install(CODE "
    set(name ${target})
    set(description [[${arg_PC_DESCRIPTION}]])
    set(version ${PROJECT_VERSION})
    set(requires [[${arg_PC_REQUIRES}]])
    set(libdir_setting [[${CMAKE_INSTALL_LIBDIR}]])
    set(includedir_setting [[${CMAKE_INSTALL_INCLUDEDIR}]])
    include(${PROJECT_SOURCE_DIR}/cmake/WritePkgConfig.cmake)"
    COMPONENT ${dev})
endfunction()
