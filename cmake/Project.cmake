# SPDX-License-Identifier: MIT
# Compiler settings shared by every target of the project.

set(QV_WARNINGS -Wall -Wextra)
# GCC 12 at -O2 and above warns -Wrestrict inside the standard library for
# "text" + std::string, a known false positive of that version: off there alone.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  list(APPEND QV_WARNINGS -Wno-restrict)
endif()
if(QV_WERROR)
  list(APPEND QV_WARNINGS -Werror)
endif()

include(${CMAKE_CURRENT_LIST_DIR}/Install.cmake)

if(QV_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# qv_target_defaults(target): warnings and include root for our own targets
# (the source root here, the installed headers' root once installed).
function(qv_target_defaults target)
  target_compile_options(${target} PRIVATE ${QV_WARNINGS})
  target_include_directories(${target} PUBLIC $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}>
                                              $<INSTALL_INTERFACE:${QV_INSTALL_INCLUDEDIR}>)
endfunction()

# qv_program_version(target): QV_VERSION, the version a program's --version prints.
function(qv_program_version target)
  target_compile_definitions(${target} PRIVATE QV_VERSION="${PROJECT_VERSION}")
endfunction()

# qv_platform_library(target): a shared library of the platform layer. Hidden
# visibility: it exports what its headers mark QV_EXPORT (platform/export.h),
# and none of the standard library's template instances (platform.map).
function(qv_platform_library target)
  set_target_properties(${target} PROPERTIES CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
  set(map ${PROJECT_SOURCE_DIR}/cmake/platform.map)
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${map})
  target_link_options(${target} PRIVATE "LINKER:--version-script=${map}")
endfunction()

# qv_export_only(target MAP): the shared library `target` exports exactly the
# symbols that its version script MAP names (`local: *;` hides the rest,
# weak standard-library instantiations included).
function(qv_export_only target map)
  set(map ${CMAKE_CURRENT_SOURCE_DIR}/${map})
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${map})
  target_link_options(${target} PRIVATE "LINKER:--version-script=${map}" "LINKER:--no-undefined")
endfunction()

# qv_entry_points(target MAP): qv_export_only, and `target`_static, the same
# objects in a static library for tests that reach the library's insides.
function(qv_entry_points target map)
  qv_export_only(${target} ${map})
  add_library(${target}_static STATIC $<TARGET_OBJECTS:${target}>)
  qv_target_defaults(${target}_static)
  target_link_libraries(${target}_static PUBLIC $<TARGET_PROPERTY:${target},LINK_LIBRARIES>)
endfunction()

# Folder of the private PostgreSQL clusters of the test runs (tests/support):
# each ctest run has its own in a sub-folder named by the ctest process.
set(QV_TESTDB_RUNS_DIR ${CMAKE_BINARY_DIR}/testdb-runs)
# Folder of the private X servers of the test runs (tests/support/xserver), the same way.
set(QV_XSERVER_RUNS_DIR ${CMAKE_BINARY_DIR}/xserver-runs)
set(QV_XSERVER_SCRIPT ${PROJECT_SOURCE_DIR}/tests/support/xserver)
# The same for the X servers with a window manager (fixture "wm"), beside them.
set(QV_WM_XSERVER_RUNS_DIR ${CMAKE_BINARY_DIR}/xserver-wm-runs)

# qv_links_target(var wanted libs...): var is ON when one of the libraries is
# the target `wanted` or links it, directly or through others.
function(qv_links_target var wanted)
  set(queue ${ARGN})
  set(seen "")
  set(found OFF)
  while(queue)
    list(POP_FRONT queue item)
    # $<LINK_ONLY:x> and $<TARGET_PROPERTY:x,LINK_LIBRARIES> stand for x.
    if(item MATCHES "^\\$<LINK_ONLY:([^>]+)>$" OR item MATCHES "^\\$<TARGET_PROPERTY:([^,>]+),[A-Z_]*LINK_LIBRARIES>$")
      set(item ${CMAKE_MATCH_1})
    endif()
    if(item IN_LIST seen OR NOT TARGET ${item})
      continue()
    endif()
    list(APPEND seen ${item})
    if(item STREQUAL wanted)
      set(found ON)
      break()
    endif()
    foreach(property LINK_LIBRARIES INTERFACE_LINK_LIBRARIES)
      get_target_property(libraries ${item} ${property})
      if(libraries)
        list(APPEND queue ${libraries})
      endif()
    endforeach()
  endwhile()
  set(${var} ${found} PARENT_SCOPE)
endfunction()

# qv_add_test(name SOURCES... [LIBS ...] [LABELS ...] [FIXTURES ...] [ENV ...]):
# one test program, one CTest entry (GoogleTest main). FIXTURES testdb also
# tells the program where the test run's cluster is (QV_TESTDB_RUNS); FIXTURES
# xserver runs it on the test run's X server with Qt's xcb platform, FIXTURES
# wm on the run's other X server, where a window manager (openbox) runs.
function(qv_add_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS;LABELS;FIXTURES;ENV" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  qv_target_defaults(${name})
  # The test driver comes with the user-interface layer.
  qv_links_target(uses_win qv_win ${T_LIBS})
  set(driver "")
  if(uses_win)
    set(driver qv_win_testing)
  endif()
  target_link_libraries(${name} PRIVATE ${T_LIBS} ${driver} GTest::gtest GTest::gmock GTest::gtest_main)
  qv_add_test_run(${name} PROGRAM ${name} LABELS ${T_LABELS} FIXTURES ${T_FIXTURES} ENV ${T_ENV})
endfunction()

# qv_add_test_run(name PROGRAM target [ARGS ...] [LABELS ...] [FIXTURES ...] [ENV ...]):
# one more CTest entry for a test program of qv_add_test, e.g. the same tests
# under another locale (ENV LC_ALL=C) or a subset of them (ARGS --gtest_filter=...).
function(qv_add_test_run name)
  cmake_parse_arguments(T "" "PROGRAM" "ARGS;LABELS;FIXTURES;ENV" ${ARGN})
  if("xserver" IN_LIST T_FIXTURES)
    add_test(NAME ${name} COMMAND ${QV_XSERVER_SCRIPT} exec ${QV_XSERVER_RUNS_DIR} $<TARGET_FILE:${T_PROGRAM}> ${T_ARGS})
    set(env ${T_ENV})
  elseif("wm" IN_LIST T_FIXTURES)
    add_test(NAME ${name} COMMAND ${QV_XSERVER_SCRIPT} exec ${QV_WM_XSERVER_RUNS_DIR} $<TARGET_FILE:${T_PROGRAM}> ${T_ARGS})
    set(env ${T_ENV})
  else()
    add_test(NAME ${name} COMMAND ${T_PROGRAM} ${T_ARGS})
    set(env "QT_QPA_PLATFORM=offscreen" ${T_ENV})
  endif()
  if("testdb" IN_LIST T_FIXTURES)
    list(APPEND env "QV_TESTDB_RUNS=${QV_TESTDB_RUNS_DIR}")
  endif()
  qv_sanitizer_environment(env "${T_FIXTURES}")
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${env}")
  if(T_LABELS)
    set_tests_properties(${name} PROPERTIES LABELS "${T_LABELS}")
  endif()
  if(T_FIXTURES)
    set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED "${T_FIXTURES}")
  endif()
  # One screen each: the windows of two programs at once would cover each other.
  if("xserver" IN_LIST T_FIXTURES)
    set_tests_properties(${name} PROPERTIES RESOURCE_LOCK xserver_screen)
  elseif("wm" IN_LIST T_FIXTURES)
    set_tests_properties(${name} PROPERTIES RESOURCE_LOCK wm_screen)
  endif()
endfunction()

# qv_sanitizer_environment(var fixtures): appends the sanitizers' options of a
# test run to the list var (nothing without QV_SANITIZE).
function(qv_sanitizer_environment var fixtures)
  set(env ${${var}})
  if(QV_SANITIZE)
    set(asan "detect_leaks=1:abort_on_error=0:detect_odr_violation=0")
    if("testdb" IN_LIST fixtures)
      # Full malloc stacks: the drivers have no frame pointers, and a leak inside
      # one (sqliteodbc's reading of a DSN) must keep the driver's frame to
      # match its suppression.
      string(APPEND asan ":fast_unwind_on_malloc=0")
    endif()
    list(APPEND env
      "ASAN_OPTIONS=${asan}"
      "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0"
      "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")
  endif()
  set(${var} ${env} PARENT_SCOPE)
endfunction()

# qv_add_screenshot_test(name PNG file [EXPECT regex] [WORKING_DIRECTORY folder]
#                        COMMAND program args...):
# a program run offscreen (in folder, made at configure time) that must exit 0,
# print what EXPECT matches and leave a real PNG picture (cmake/RunScreenshot.cmake).
function(qv_add_screenshot_test name)
  cmake_parse_arguments(T "" "PNG;EXPECT;WORKING_DIRECTORY" "COMMAND" ${ARGN})
  set(defines "-DPNG=${T_PNG}")
  if(DEFINED T_EXPECT)
    list(APPEND defines "-DEXPECT=${T_EXPECT}")
  endif()
  set(folder "")
  if(DEFINED T_WORKING_DIRECTORY)
    file(MAKE_DIRECTORY ${T_WORKING_DIRECTORY})
    set(folder WORKING_DIRECTORY ${T_WORKING_DIRECTORY})
  endif()
  add_test(NAME ${name} COMMAND ${CMAKE_COMMAND} ${defines} -P ${PROJECT_SOURCE_DIR}/cmake/RunScreenshot.cmake
                                -- ${T_COMMAND} ${folder})
  set(env "QT_QPA_PLATFORM=offscreen")
  qv_sanitizer_environment(env "")
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${env}")
endfunction()
