# Installation in the usual GNU places: libraries in LIBDIR, programs in
# BINDIR, public headers below INCLUDEDIR/quorvel with the tree's own paths,
# programs' data in DATADIR/<program>, the package config in LIBDIR/cmake/Quorvel.
# Run paths are relative ($ORIGIN), so an installed tree works wherever it is.

include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(QV_INSTALL_INCLUDEDIR ${CMAKE_INSTALL_INCLUDEDIR}/quorvel)
set(QV_INSTALL_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/Quorvel)
# From an installed program to the libraries and to the data.
file(RELATIVE_PATH QV_BIN_TO_LIB ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_LIBDIR})
file(RELATIVE_PATH QV_BIN_TO_DATA ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_DATADIR})

# qv_install(TARGETS t... [HEADERS h...]): installs libraries and programs,
# part of the package Quorvel (imported as Quorvel::<name without qv_>), and
# public headers (paths relative to the source root). Shared libraries get the
# project's version, and its major version in their soname (libx.so.1).
function(qv_install)
  cmake_parse_arguments(I "" "" "TARGETS;HEADERS" ${ARGN})
  foreach(t IN LISTS I_TARGETS)
    get_target_property(type ${t} TYPE)
    if(type STREQUAL "EXECUTABLE")
      set_target_properties(${t} PROPERTIES INSTALL_RPATH "$ORIGIN/${QV_BIN_TO_LIB}")
    else()
      set_target_properties(${t} PROPERTIES INSTALL_RPATH "$ORIGIN")
    endif()
    if(type STREQUAL "SHARED_LIBRARY")
      set_target_properties(${t} PROPERTIES VERSION ${PROJECT_VERSION} SOVERSION ${PROJECT_VERSION_MAJOR})
    endif()
    string(REGEX REPLACE "^qv_" "" name ${t})
    set_target_properties(${t} PROPERTIES EXPORT_NAME ${name})
    install(TARGETS ${t} EXPORT QuorvelTargets
            RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
            LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
  endforeach()
  foreach(h IN LISTS I_HEADERS)
    get_filename_component(path ${h} ABSOLUTE)
    file(RELATIVE_PATH rel ${PROJECT_SOURCE_DIR} ${path})
    get_filename_component(dir ${rel} DIRECTORY)
    install(FILES ${h} DESTINATION ${QV_INSTALL_INCLUDEDIR}/${dir})
  endforeach()
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

# qv_install_package(): the package config, once every area has been added.
function(qv_install_package)
  install(EXPORT QuorvelTargets NAMESPACE Quorvel:: DESTINATION ${QV_INSTALL_CMAKEDIR})
  configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/QuorvelConfig.cmake.in
    ${PROJECT_BINARY_DIR}/QuorvelConfig.cmake INSTALL_DESTINATION ${QV_INSTALL_CMAKEDIR})
  write_basic_package_version_file(${PROJECT_BINARY_DIR}/QuorvelConfigVersion.cmake
    COMPATIBILITY SameMajorVersion)
  install(FILES ${PROJECT_BINARY_DIR}/QuorvelConfig.cmake ${PROJECT_BINARY_DIR}/QuorvelConfigVersion.cmake
          DESTINATION ${QV_INSTALL_CMAKEDIR})
endfunction()
