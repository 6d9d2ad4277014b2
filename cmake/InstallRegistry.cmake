# SPDX-License-Identifier: MIT
# Part of the install script (qv_install_registry): the installed regsvr
# registers the installed component in the installed system registry.
# QV_REGSVR, QV_COMPONENT and QV_LIBDIR are relative to the prefix (or absolute).
#
# A staged install (DESTDIR set, a package being made) registers nothing: the
# system registry is the installed system's own file, which the package's
# maintainer scripts update (quorvel-regsvr --system after installing,
# quorvel-regsvr -u --system before removing), so that no package owns it.
foreach(var QV_REGSVR QV_COMPONENT QV_LIBDIR)
  if(NOT IS_ABSOLUTE "${${var}}")
    set(${var} "${CMAKE_INSTALL_PREFIX}/${${var}}")
  endif()
endforeach()
if(NOT "$ENV{DESTDIR}" STREQUAL "")
  message(STATUS "Not registering Quorvel in a staged install (DESTDIR): the package's scripts run "
                 "${QV_REGSVR} --system ${QV_COMPONENT}")
  return()
endif()
message(STATUS "Registering: ${QV_COMPONENT} in the system registry")
# The system registry is the installed one; the installed libraries are found
# without a run path (-DCMAKE_SKIP_INSTALL_RPATH=ON) and before the system's
# loader cache knows them; leaks are no failure of this step.
set(library_path "${QV_LIBDIR}")
if(NOT "$ENV{LD_LIBRARY_PATH}" STREQUAL "")
  string(APPEND library_path ":$ENV{LD_LIBRARY_PATH}")
endif()
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env --unset=QV_COM_SYSTEM_REGISTRY ASAN_OPTIONS=detect_leaks=0
          "LD_LIBRARY_PATH=${library_path}" "${QV_REGSVR}" --system "${QV_COMPONENT}"
  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${QV_REGSVR} --system ${QV_COMPONENT} failed (${status}): ${err}${out}")
endif()
