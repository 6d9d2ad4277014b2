# Part of the install script (qv_install_registry): the installed regsvr
# registers the installed component in the installed system registry.
# QV_REGSVR and QV_COMPONENT are relative to the prefix (or absolute).
set(root "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
foreach(var QV_REGSVR QV_COMPONENT)
  if(IS_ABSOLUTE "${${var}}")
    set(${var} "$ENV{DESTDIR}${${var}}")
  else()
    set(${var} "${root}/${${var}}")
  endif()
endforeach()
message(STATUS "Registering: ${QV_COMPONENT} in the system registry")
# The system registry is the installed one; leaks are no failure of this step.
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env --unset=QV_COM_SYSTEM_REGISTRY ASAN_OPTIONS=detect_leaks=0
          "${QV_REGSVR}" --system "${QV_COMPONENT}"
  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "regsvr --system ${QV_COMPONENT} failed (${status}): ${err}${out}")
endif()
