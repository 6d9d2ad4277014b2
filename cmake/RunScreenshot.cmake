# SPDX-License-Identifier: MIT
# Runs a program that saves a screenshot and checks what it gave: its exit
# status, its output (when EXPECT is given) and a PNG file that is really there.
#
#   cmake -DPNG=FILE [-DEXPECT=REGEX] -P RunScreenshot.cmake -- PROGRAM ARGS...

set(command)
set(take OFF)
math(EXPR last "${CMAKE_ARGC} - 1")
foreach(i RANGE 1 ${last})
  if(take)
    list(APPEND command "${CMAKE_ARGV${i}}")
  elseif("${CMAKE_ARGV${i}}" STREQUAL "--")
    set(take ON)
  endif()
endforeach()
if(NOT command OR NOT PNG)
  message(FATAL_ERROR "usage: cmake -DPNG=FILE [-DEXPECT=REGEX] -P RunScreenshot.cmake -- PROGRAM ARGS...")
endif()

file(REMOVE "${PNG}")  # a picture of an earlier run proves nothing
execute_process(COMMAND ${command} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
message("${out}${err}")
if(NOT status EQUAL 0)
  message(FATAL_ERROR "exit status ${status}")
endif()
if(err MATCHES "Sanitizer|runtime error")
  message(FATAL_ERROR "the sanitizers complained")
endif()
if(DEFINED EXPECT AND NOT out MATCHES "${EXPECT}")
  message(FATAL_ERROR "the output does not match ${EXPECT}")
endif()
if(NOT EXISTS "${PNG}")
  message(FATAL_ERROR "no picture at ${PNG}")
endif()
file(SIZE "${PNG}" size)
file(READ "${PNG}" signature LIMIT 8 HEX)
if(size LESS 100 OR NOT signature STREQUAL "89504e470d0a1a0a")
  message(FATAL_ERROR "${PNG} is not a PNG picture (${size} bytes)")
endif()
message("${PNG}: ${size} bytes")
