# Compiler settings shared by every target of the project.

set(QV_WARNINGS -Wall -Wextra)
if(QV_WERROR)
  list(APPEND QV_WARNINGS -Werror)
endif()

if(QV_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# qv_target_defaults(target): warnings and include root for our own targets.
function(qv_target_defaults target)
  target_compile_options(${target} PRIVATE ${QV_WARNINGS})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
endfunction()

# qv_add_test(name SOURCES... [LIBS ...] [LABELS ...] [FIXTURES ...]):
# one test program, one CTest entry (GoogleTest main).
function(qv_add_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS;LABELS;FIXTURES;ENV" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  qv_target_defaults(${name})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  add_test(NAME ${name} COMMAND ${name})
  set(env "QT_QPA_PLATFORM=offscreen" ${T_ENV})
  if(QV_SANITIZE)
    list(APPEND env
      "ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:detect_odr_violation=0"
      "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0"
      "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")
  endif()
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${env}")
  if(T_LABELS)
    set_tests_properties(${name} PROPERTIES LABELS "${T_LABELS}")
  endif()
  if(T_FIXTURES)
    set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED "${T_FIXTURES}")
  endif()
endfunction()
