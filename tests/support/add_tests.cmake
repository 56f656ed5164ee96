# Writes the ctest entries of one test program, from the tests it lists, run
# after the program is built (cw_add_tests in CMakeLists.txt):
# - a test of a sweep (its name matches EACH) is an entry of its own, so the
#   steps, drills and lessons of a sweep run side by side;
# - every other test runs with the tests beside it in its suite, up to
#   GROUP at a time: most take a fraction of a second, and a process of its
#   own would cost more than the test (under the sanitizers, several times
#   more).
# A single test's entry is named as the test; a group's as its suite, with
# "(k of n)" where the suite is cut in several.  Every entry runs through
# RUNNER (tests/support/run_entry.sh), which passes it only when each test it
# names ran and passed, and makes it skip (status SKIP, the entries'
# SKIP_RETURN_CODE) when one skipped.
#
# Reads: EXECUTABLE, EMULATOR (its words apart by "|"; may be empty), RUNNER,
# SKIP, WORKING_DIR, FILTER, PREFIX, EACH, GROUP, PROPERTIES (property and
# value, apart by "|"), ENVIRONMENT (variables set, apart by "|"; may be
# empty), CTEST_FILE.  Writes CTEST_FILE.
cmake_minimum_required(VERSION 3.20)
string(REPLACE "|" ";" EMULATOR "${EMULATOR}")
string(REPLACE "|" ";" PROPERTIES "${PROPERTIES}")
string(REPLACE "|" ";" ENVIRONMENT "${ENVIRONMENT}")

include("${CMAKE_CURRENT_LIST_DIR}/listed_tests.cmake")
cw_listed_tests(listed "${FILTER}" ${EMULATOR} "${EXECUTABLE}")

# A bracket argument that holds any name.
function(quoted out text)
  set(${out} "[==[${text}]==]" PARENT_SCOPE)
endfunction()

set(script "")
set(props "")
foreach(p ${PROPERTIES})
  quoted(q "${p}")
  string(APPEND props " ${q}")
endforeach()
if(ENVIRONMENT)
  quoted(q "${ENVIRONMENT}")
  string(APPEND props " ENVIRONMENT ${q}")
endif()

# One entry: its name and the tests it runs.
function(add_entry name tests)
  list(JOIN tests ":" filter)
  quoted(n "${PREFIX}${name}")
  set(command "")
  foreach(part bash "${RUNNER}" "${CMAKE_COMMAND}" ${SKIP} ${EMULATOR} "${EXECUTABLE}" "--gtest_filter=${filter}")
    quoted(q "${part}")
    string(APPEND command " ${q}")
  endforeach()
  string(APPEND script "add_test(${n}${command})\n")
  quoted(dir "${WORKING_DIR}")
  string(APPEND script "set_tests_properties(${n} PROPERTIES WORKING_DIRECTORY ${dir}${props} SKIP_RETURN_CODE ${SKIP})\n")
  set(script "${script}" PARENT_SCOPE)
endfunction()

# The k-th of a suite's groups of tests.
function(add_group suite k groups group)
  if(groups EQUAL 1)
    add_entry("${suite}" "${group}")
  else()
    add_entry("${suite} (${k} of ${groups})" "${group}")
  endif()
  set(script "${script}" PARENT_SCOPE)
endfunction()

# The suite's tests not yet given an entry, as groups of up to GROUP.
function(flush_suite suite tests)
  list(LENGTH tests count)
  if(count EQUAL 0)
    return()
  elseif(count EQUAL 1)
    add_entry("${tests}" "${tests}")
  else()
    math(EXPR groups "(${count} + ${GROUP} - 1) / ${GROUP}")
    set(k 0)
    set(group "")
    foreach(t ${tests})
      list(APPEND group "${t}")
      list(LENGTH group in)
      if(in EQUAL GROUP)
        math(EXPR k "${k} + 1")
        add_group("${suite}" ${k} ${groups} "${group}")
        set(group "")
      endif()
    endforeach()
    if(group)
      math(EXPR k "${k} + 1")
      add_group("${suite}" ${k} ${groups} "${group}")
    endif()
  endif()
  set(script "${script}" PARENT_SCOPE)
endfunction()

set(suite "")
set(pending "")
foreach(test IN LISTS listed)
  string(REGEX REPLACE "\\..*$" "" test_suite "${test}")
  if(NOT test_suite STREQUAL suite)
    flush_suite("${suite}" "${pending}")
    set(pending "")
    set(suite "${test_suite}")
  endif()
  if(test MATCHES "${EACH}")
    add_entry("${test}" "${test}")
  else()
    list(APPEND pending "${test}")
  endif()
endforeach()
flush_suite("${suite}" "${pending}")

file(WRITE "${CTEST_FILE}" "${script}")
