# SPDX-License-Identifier: MIT
# cmake -DSOURCE=<source root> -P check-classes.cmake: every class header of
# quorvel/ is in the component's list (quorvel/classes.cmake), which builds,
# registers and tests it, and every listed class has its test file and is
# named in docs/business-objects.md (`classX`, `classX.Method` or
# `Quorvel.classX`).
cmake_minimum_required(VERSION 3.25)
include(${SOURCE}/quorvel/classes.cmake)
set(listed ${QV_QUORVEL_CLASSES} ${QV_QUORVEL_PRIVATE_CLASSES})
set(faults "")

file(GLOB headers RELATIVE ${SOURCE}/quorvel ${SOURCE}/quorvel/*/class*.h)
foreach(header IN LISTS headers)
  string(REGEX REPLACE "\\.h$" "" class ${header})
  if(NOT class IN_LIST listed)
    list(APPEND faults "quorvel/${header}: the class is not in quorvel/classes.cmake")
  endif()
endforeach()

file(READ ${SOURCE}/docs/business-objects.md docs)
foreach(class IN LISTS listed)
  get_filename_component(name ${class} NAME)
  foreach(file quorvel/${class}.h quorvel/${class}.cpp tests/quorvel/${name}_test.cpp)
    if(NOT EXISTS ${SOURCE}/${file})
      list(APPEND faults "${class}: no ${file}")
    endif()
  endforeach()
  if(NOT docs MATCHES "`(Quorvel\\.)?${name}[`.]")
    list(APPEND faults "${class}: not named in docs/business-objects.md")
  endif()
endforeach()

if(faults)
  list(JOIN faults "\n" text)
  message(FATAL_ERROR "${text}")
endif()
list(LENGTH listed count)
message(STATUS "${count} classes, each built, registered, tested and documented")
