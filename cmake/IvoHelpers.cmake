# Small helpers so that every subsystem folder, test area and benchmark
# registers itself the same way.

# ivo_precompiled(<target> ...)
# The targets reuse the shared precompiled Qt headers, when there are some. A
# target the header does not fit (other flags, a Qt macro missing) says so
# rather than silently compiling the headers again.
function(ivo_precompiled)
  if(TARGET ivo_pch)
    foreach(target IN LISTS ARGN)
      target_precompile_headers(${target} REUSE_FROM ivo_pch)
      target_compile_options(${target} PRIVATE -Winvalid-pch)
    endforeach()
  endif()
endfunction()

# ivo_add_library(<name> SOURCES ... [LIBS ...])
# One static library per subsystem folder; links Qt and whatever it names.
function(ivo_add_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
  # The plain C++ libraries link nothing and include no Qt header.
  if(ARG_LIBS)
    ivo_precompiled(${name})
  endif()
endfunction()

# ivo_add_test(<name> SOURCES ... [LIBS ...] [LABELS ...] [XVFB] [TIMEOUT s] [ENV k=v ...])
# A QtTest executable registered with CTest. Widget tests run on the offscreen
# platform unless XVFB is given (then the test runs under tests/run-xvfb).
# Label "threaded" marks suites that CI also runs under ThreadSanitizer.
function(ivo_add_test name)
  cmake_parse_arguments(ARG "XVFB" "TIMEOUT" "SOURCES;LIBS;LABELS;ENV" ${ARGN})
  if(IVO_FUZZ)
    return()
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE Qt6::Test ivo_testsupport ${ARG_LIBS})
  ivo_precompiled(${name})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  if(ARG_XVFB)
    add_test(NAME ${name} COMMAND ${CMAKE_SOURCE_DIR}/tests/run-xvfb $<TARGET_FILE:${name}>)
  else()
    add_test(NAME ${name} COMMAND ${name})
  endif()
  set(env "IVO_SOURCE_DIR=${CMAKE_SOURCE_DIR}" "IVO_BINARY_DIR=${CMAKE_BINARY_DIR}" ${ARG_ENV})
  if(NOT ARG_XVFB)
    list(APPEND env "QT_QPA_PLATFORM=offscreen")
  endif()
  if(IVO_SANITIZE STREQUAL "tsan")
    list(APPEND env "TSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/tsan.supp halt_on_error=1 second_deadlock_stack=1")
  elseif(IVO_SANITIZE STREQUAL "asan")
    list(APPEND env "ASAN_OPTIONS=detect_leaks=1" "LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/lsan.supp" "UBSAN_OPTIONS=print_stacktrace=1")
  endif()
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${env}" LABELS "${ARG_LABELS}")
  if("threaded" IN_LIST ARG_LABELS)
    add_dependencies(ivo_threaded_tests ${name})
  endif()
  if(ARG_TIMEOUT)
    set_tests_properties(${name} PROPERTIES TIMEOUT ${ARG_TIMEOUT})
  else()
    set_tests_properties(${name} PROPERTIES TIMEOUT 120)
  endif()
endfunction()

# ivo_add_fuzzer(<name> SOURCES ... [LIBS ...])
# A libFuzzer target; built only in the fuzz preset. Seeds, when present,
# live in tests/fuzz/corpus/<name>/.
function(ivo_add_fuzzer name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  if(NOT IVO_FUZZ)
    return()
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)
  add_dependencies(ivo_fuzzers ${name})
endfunction()

# ivo_add_bench(<name> SOURCES ... [LIBS ...])
# A benchmark executable under bench/; benchmarks report, they never gate CI.
function(ivo_add_bench name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
  ivo_precompiled(${name})
endfunction()

# Adds every immediate sub-folder of the current folder that has a CMakeLists.txt,
# so a new area only needs its own folder.
function(ivo_add_subfolders)
  file(GLOB children LIST_DIRECTORIES true RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/*)
  list(SORT children)
  foreach(child IN LISTS children)
    if(IS_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/${child} AND EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${child}/CMakeLists.txt)
      add_subdirectory(${child})
    endif()
  endforeach()
endfunction()
