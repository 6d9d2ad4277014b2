# SPDX-License-Identifier: MIT
# Installation in the usual GNU places: libraries in LIBDIR, modules loaded by
# path (the component, the SQLite extension) in the private LIBDIR/quorvel,
# programs in BINDIR, public headers below INCLUDEDIR/quorvel with the tree's
# own paths, programs' data in DATADIR/<program>, the package config (one
# component per target) in LIBDIR/cmake/Quorvel, pkg-config files of the
# C-callable libraries in LIBDIR/pkgconfig, the system's class registry in
# SYSCONFDIR/qvcom. Run paths are relative ($ORIGIN), so an installed tree
# works wherever it is; -DCMAKE_SKIP_INSTALL_RPATH=ON leaves them out.

include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(QV_INSTALL_INCLUDEDIR ${CMAKE_INSTALL_INCLUDEDIR}/quorvel)
set(QV_INSTALL_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/Quorvel)
set(QV_INSTALL_MODULEDIR ${CMAKE_INSTALL_LIBDIR}/quorvel)
set(QV_INSTALL_PKGCONFIGDIR ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
# From an installed program to the libraries, the modules and the data; from
# a module to the libraries; from a library to the system's configuration.
file(RELATIVE_PATH QV_BIN_TO_LIB ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_LIBDIR})
file(RELATIVE_PATH QV_BIN_TO_MODULES ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_LIBDIR}/quorvel)
file(RELATIVE_PATH QV_BIN_TO_DATA ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_DATADIR})
file(RELATIVE_PATH QV_MODULES_TO_LIB ${CMAKE_INSTALL_FULL_LIBDIR}/quorvel ${CMAKE_INSTALL_FULL_LIBDIR})
file(RELATIVE_PATH QV_LIB_TO_SYSCONF ${CMAKE_INSTALL_FULL_LIBDIR} ${CMAKE_INSTALL_FULL_SYSCONFDIR})
foreach(var QV_BIN_TO_LIB QV_BIN_TO_MODULES QV_BIN_TO_DATA QV_MODULES_TO_LIB QV_LIB_TO_SYSCONF)
  string(REGEX REPLACE "/$" "" ${var} "${${var}}")
endforeach()

option(QV_INSTALL_REGISTRY "Register Quorvel's classes in the installed system registry (not in a staged install)" ON)

# qv_install(TARGETS t... [HEADERS h...] [C_INTERFACE DESCRIPTION text]):
# installs libraries, modules and programs, each a component of the package
# Quorvel (imported as Quorvel::<name without qv_>), and public headers (paths
# relative to the source root). Shared libraries get the project's version,
# and its major version in their soname (libx.so.1); their interface carries
# C++20, except with C_INTERFACE (C headers), which also installs a
# pkg-config file <name>.pc.
function(qv_install)
  cmake_parse_arguments(I "C_INTERFACE" "DESCRIPTION" "TARGETS;HEADERS" ${ARGN})
  foreach(t IN LISTS I_TARGETS)
    get_target_property(type ${t} TYPE)
    string(REGEX REPLACE "^qv_" "" name ${t})
    set_target_properties(${t} PROPERTIES EXPORT_NAME ${name})
    if(type STREQUAL "EXECUTABLE")
      set_target_properties(${t} PROPERTIES INSTALL_RPATH "$ORIGIN/${QV_BIN_TO_LIB}")
      set(destination ${CMAKE_INSTALL_BINDIR})
    elseif(type STREQUAL "MODULE_LIBRARY")
      set_target_properties(${t} PROPERTIES INSTALL_RPATH "$ORIGIN/${QV_MODULES_TO_LIB}")
      set(destination ${QV_INSTALL_MODULEDIR})
    else()
      set_target_properties(${t} PROPERTIES INSTALL_RPATH "$ORIGIN"
                            VERSION ${PROJECT_VERSION} SOVERSION ${PROJECT_VERSION_MAJOR})
      set(destination ${CMAKE_INSTALL_LIBDIR})
      if(I_C_INTERFACE)
        qv_install_pkgconfig(${t} "${I_DESCRIPTION}")
      else()
        target_compile_features(${t} PUBLIC cxx_std_20)
      endif()
    endif()
    install(TARGETS ${t} EXPORT Quorvel_${name}
            RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
            LIBRARY DESTINATION ${destination})
    set_property(GLOBAL APPEND PROPERTY QV_INSTALLED_TARGETS ${t})
  endforeach()
  foreach(h IN LISTS I_HEADERS)
    get_filename_component(path ${h} ABSOLUTE)
    file(RELATIVE_PATH rel ${PROJECT_SOURCE_DIR} ${path})
    get_filename_component(dir ${rel} DIRECTORY)
    install(FILES ${h} DESTINATION ${QV_INSTALL_INCLUDEDIR}/${dir})
  endforeach()
endfunction()

# qv_install_pkgconfig(target description): LIBDIR/pkgconfig/<output name>.pc,
# its prefix found from the file's own place, so that a moved prefix serves.
function(qv_install_pkgconfig target description)
  get_target_property(output ${target} OUTPUT_NAME)
  if(NOT output)
    set(output ${target})
  endif()
  set(pcdir ${CMAKE_INSTALL_FULL_LIBDIR}/pkgconfig)
  file(RELATIVE_PATH pc_to_prefix ${pcdir} ${CMAKE_INSTALL_PREFIX})
  file(RELATIVE_PATH prefix_to_lib ${CMAKE_INSTALL_PREFIX} ${CMAKE_INSTALL_FULL_LIBDIR})
  file(RELATIVE_PATH prefix_to_include ${CMAKE_INSTALL_PREFIX} ${CMAKE_INSTALL_FULL_INCLUDEDIR}/quorvel)
  string(REGEX REPLACE "/$" "" pc_to_prefix "${pc_to_prefix}")
  set(file ${PROJECT_BINARY_DIR}/pkgconfig/${output}.pc)
  file(WRITE ${file}
    "prefix=\${pcfiledir}/${pc_to_prefix}\n"
    "libdir=\${prefix}/${prefix_to_lib}\n"
    "includedir=\${prefix}/${prefix_to_include}\n"
    "\n"
    "Name: ${output}\n"
    "Description: ${description}\n"
    "Version: ${PROJECT_VERSION}\n"
    "Libs: -L\${libdir} -l${output}\n"
    "Cflags: -I\${includedir}\n")
  install(FILES ${file} DESTINATION ${QV_INSTALL_PKGCONFIGDIR})
endfunction()

# qv_install_data(program FILES...): data files of a program, found at run
# time beside it (build tree) or in DATADIR/<program> (installed).
function(qv_install_data program)
  install(FILES ${ARGN} DESTINATION ${CMAKE_INSTALL_DATADIR}/${program})
endfunction()

# qv_data_folder_definition(target program): QV_DATA_FOLDER, the installed
# data folder relative to the installed program.
function(qv_data_folder_definition target program)
  target_compile_definitions(${target} PRIVATE QV_DATA_FOLDER="${QV_BIN_TO_DATA}/${program}")
endfunction()

# qv_module_beside(program module NAME): the program's definition NAME is the
# module's file name, which the installed program finds in LIBDIR/quorvel
# (QV_MODULE_FOLDER, relative to the program) and the build tree's beside it:
# a link made by the build and never installed, so that no installed file
# names the build tree.
function(qv_module_beside program module definition)
  target_compile_definitions(${program} PRIVATE QV_MODULE_FOLDER="${QV_BIN_TO_MODULES}")
  target_compile_definitions(${program} PRIVATE ${definition}="$<TARGET_FILE_NAME:${module}>")
  add_custom_command(TARGET ${program} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E create_symlink $<TARGET_FILE:${module}> $<TARGET_FILE_DIR:${program}>/$<TARGET_FILE_NAME:${module}>
    VERBATIM)
  add_dependencies(${program} ${module})
endfunction()

# The component of a dependency `item` of an installed target: the
# component itself (ours), a package to find (ODBC, Qt6 <component>), or
# nothing (a system library).
function(qv_dependency_kind item installed out_component out_package)
  set(component "")
  set(package "")
  if(item MATCHES "^\\$<LINK_ONLY:([^>]+)>$")
    set(item ${CMAKE_MATCH_1})
  endif()
  if(item IN_LIST installed)
    get_target_property(component ${item} EXPORT_NAME)
  elseif(item STREQUAL "ODBC::ODBC")
    set(package ODBC)
  elseif(item MATCHES "^Qt6::(.+)$")
    set(package "Qt6:${CMAKE_MATCH_1}")
  elseif(TARGET ${item})
    message(FATAL_ERROR "installed targets link ${item}: name the package that provides it in cmake/Install.cmake")
  endif()
  set(${out_component} ${component} PARENT_SCOPE)
  set(${out_package} ${package} PARENT_SCOPE)
endfunction()

# qv_install_package(): the package config, once every area has been added:
# one targets file per component and QuorvelComponents.cmake, which names for
# each component the components it needs (in load order) and the packages
# they need, so that find_package(Quorvel COMPONENTS verbanum) loads what
# Verbanum needs and nothing more.
function(qv_install_package)
  get_property(installed GLOBAL PROPERTY QV_INSTALLED_TARGETS)
  if(NOT installed)
    return()
  endif()
  # Direct dependencies of each component, and the file it imports (relative
  # to the prefix), by which the package config tells whether it is
  # installed. Programs and modules are loaded, not linked: their users need
  # nothing of what they link, and no library needs them.
  set(components "")
  foreach(t IN LISTS installed)
    get_target_property(name ${t} EXPORT_NAME)
    list(APPEND components ${name})
    set(deps_${name} "")
    set(packages_${name} "")
    get_target_property(type ${t} TYPE)
    if(type STREQUAL "EXECUTABLE")
      set(file_${name} "${CMAKE_INSTALL_BINDIR}/$<TARGET_FILE_NAME:${t}>")
      continue()
    elseif(type STREQUAL "MODULE_LIBRARY")
      set(file_${name} "${QV_INSTALL_MODULEDIR}/$<TARGET_FILE_NAME:${t}>")
      continue()
    endif()
    set(file_${name} "${CMAKE_INSTALL_LIBDIR}/$<TARGET_FILE_NAME:${t}>")
    foreach(property LINK_LIBRARIES INTERFACE_LINK_LIBRARIES)
      get_target_property(libraries ${t} ${property})
      foreach(item IN LISTS libraries)
        qv_dependency_kind("${item}" "${installed}" component package)
        if(component AND NOT component STREQUAL name)
          list(APPEND deps_${name} ${component})
        endif()
        if(package)
          list(APPEND packages_${name} ${package})
        endif()
      endforeach()
    endforeach()
  endforeach()
  # Each component's closure, its dependencies before it.
  string(CONCAT text "# The components of the package Quorvel: for each, the components it needs\n"
                     "# (dependencies first), the packages they need (NAME or NAME:COMPONENT) and\n"
                     "# the file it imports, relative to the prefix.\n"
                     "set(_quorvel_components ${components})\n")
  foreach(name IN LISTS components)
    # Depth-first: a component goes after everything it needs.
    set(order "")
    set(todo ${deps_${name}})
    while(todo)
      list(GET todo 0 c)
      set(missing "")
      foreach(d IN LISTS deps_${c})
        if(NOT d IN_LIST order)
          set(missing ${d})
          break()
        endif()
      endforeach()
      if(missing)
        list(PREPEND todo ${missing})
      else()
        list(REMOVE_ITEM todo ${c})
        list(APPEND order ${c})
      endif()
    endwhile()
    set(packages ${packages_${name}})
    foreach(c IN LISTS order)
      list(APPEND packages ${packages_${c}})
    endforeach()
    list(REMOVE_DUPLICATES packages)
    string(APPEND text "set(_quorvel_${name}_requires ${order})\nset(_quorvel_${name}_packages ${packages})\n"
                       "set(_quorvel_${name}_file \"${file_${name}}\")\n")
    install(EXPORT Quorvel_${name} NAMESPACE Quorvel:: FILE Quorvel-${name}-targets.cmake
            DESTINATION ${QV_INSTALL_CMAKEDIR})
  endforeach()
  file(GENERATE OUTPUT ${PROJECT_BINARY_DIR}/QuorvelComponents.cmake CONTENT "${text}")
  configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/QuorvelConfig.cmake.in
    ${PROJECT_BINARY_DIR}/QuorvelConfig.cmake INSTALL_DESTINATION ${QV_INSTALL_CMAKEDIR}
    PATH_VARS QV_INSTALL_MODULEDIR)
  write_basic_package_version_file(${PROJECT_BINARY_DIR}/QuorvelConfigVersion.cmake
    COMPATIBILITY SameMajorVersion)
  install(FILES ${PROJECT_BINARY_DIR}/QuorvelConfig.cmake ${PROJECT_BINARY_DIR}/QuorvelConfigVersion.cmake
                ${PROJECT_BINARY_DIR}/QuorvelComponents.cmake
          DESTINATION ${QV_INSTALL_CMAKEDIR})
  qv_install_registry()
endfunction()

# qv_install_registry(): the installed quorvel-regsvr registers the installed
# component in the installed system registry (SYSCONFDIR/qvcom/registry), with
# a path relative to the registry. Not in a staged install (DESTDIR: the
# package's scripts run `quorvel-regsvr --system LIBDIR/quorvel/libquorvel.so`
# when it is installed, see cmake/InstallRegistry.cmake), nor when
# cross-compiling (the programs cannot run here), nor with -DQV_INSTALL_REGISTRY=OFF.
function(qv_install_registry)
  if(NOT (QV_INSTALL_REGISTRY AND TARGET quorvel AND TARGET regsvr) OR CMAKE_CROSSCOMPILING)
    return()
  endif()
  install(CODE "
    set(QV_REGSVR \"${CMAKE_INSTALL_BINDIR}/$<TARGET_FILE_NAME:regsvr>\")
    set(QV_COMPONENT \"${QV_INSTALL_MODULEDIR}/$<TARGET_FILE_NAME:quorvel>\")
    set(QV_LIBDIR \"${CMAKE_INSTALL_LIBDIR}\")
    include(\"${PROJECT_SOURCE_DIR}/cmake/InstallRegistry.cmake\")")
endfunction()
