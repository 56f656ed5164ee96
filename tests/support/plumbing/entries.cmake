# The test plumbing's own entries (CMakeLists.txt includes this after the
# entries' check): the entries' runner, run_entry.sh, on a program built for
# it, an entry a case; and the check that the entries cover the tests,
# check_entries.cmake, on the build's own entries with a slip planted, an
# entry a slip.  The program is part of `tests` and has no entries of its own.
add_executable(plumbing_cases ${CMAKE_SOURCE_DIR}/tests/support/plumbing/plumbing_cases.cpp)
target_link_libraries(plumbing_cases PRIVATE GTest::gtest)
add_dependencies(tests plumbing_cases)

# The runner's cases (runner_case.cmake): the entry's name after
# "run_entry: ", the tests the entry names, what CW_PLUMBING asks of the
# program (plumbing_cases.cpp), how the runner must end (passes, fails,
# skips, aborts) and what it must say.
set(runner_cases
  "passes|Cases.Passes:Cases.AlsoPasses||passes|2 test(s) ran and passed"
  "fails|Cases.Passes:Cases.Fails||fails|fails, as it is meant to"
  "fails with status 0|Cases.Passes:Cases.Fails|status:0|fails|Cases.Fails failed"
  "fails beside a skip|Cases.Skips:Cases.Fails|status:0|fails|Cases.Fails failed"
  "returns the skip status|Cases.Passes|status:${CW_SKIP_STATUS}|fails|returned the skip status ${CW_SKIP_STATUS} itself"
  "skips|Cases.Skips||skips|run_entry: skipped"
  "skips in a group|Cases.Passes:Cases.Skips:Cases.AlsoPasses||skips|run_entry: skipped"
  "ends with status 0|Cases.Passes:Cases.Exits:Cases.AlsoPasses||fails|ended with status 0 before GoogleTest's end (its premature-exit file stands)"
  "ends with the skip status|Cases.Exits|exit:${CW_SKIP_STATUS}|fails|ended with status ${CW_SKIP_STATUS} before GoogleTest's end"
  "ends before its run|Cases.Passes|exit-before-run|fails|the program ended with status 0 before GoogleTest ran"
  "ends after its report|Cases.Passes|exit-after-report|fails|ended with status 0 before GoogleTest's end"
  "aborts|Cases.Aborts||aborts|"
  "aborts in a group|Cases.Passes:Cases.Aborts:Cases.AlsoPasses||aborts|"
  "runs a test it does not name|Cases.Passes|select:Cases.Passes:Cases.AlsoPasses|fails|Cases.AlsoPasses is reported, but the entry does not name it"
  "leaves out a test it names|Cases.Passes:Cases.NoSuchTest||fails|Cases.NoSuchTest is named but did not run"
  "leaves out a disabled test it names|Cases.Passes:Cases.DISABLED_Passes||fails|Cases.DISABLED_Passes did not run"
  "starts no test|Cases.Passes|skip-set-up|fails|Cases.Passes was never started"
  "names a pattern|Cases.*Passes||fails|Cases.*Passes is named but did not run")
foreach(row IN LISTS runner_cases)
  if(NOT row MATCHES "^([^|]+)\\|([^|]+)\\|([^|]*)\\|(passes|fails|skips|aborts)\\|([^|]*)$")
    message(FATAL_ERROR "not a case of the runner: ${row}")
  endif()
  set(name "run_entry: ${CMAKE_MATCH_1}")
  add_test(NAME ${name}
           COMMAND ${CMAKE_COMMAND} -DRUNNER=${CMAKE_SOURCE_DIR}/tests/support/run_entry.sh -DSKIP=${CW_SKIP_STATUS}
                   -DPROGRAM=$<TARGET_FILE:plumbing_cases> -DNAMES=${CMAKE_MATCH_2} -DMODE=${CMAKE_MATCH_3}
                   -DEXPECT=${CMAKE_MATCH_4} -DSAYS=${CMAKE_MATCH_5}
                   -P ${CMAKE_SOURCE_DIR}/tests/support/plumbing/runner_case.cmake)
  set_tests_properties(${name} PROPERTIES TIMEOUT 120 ENVIRONMENT "${CW_TEST_ENVIRONMENT}")
endforeach()

# The check's slips (coverage_case.cmake): each set loses a test, a test runs
# in two entries, an entry names a test its program does not list, or names
# tests by a pattern.
foreach(slip drop twice unlisted pattern)
  set(name "check_entries: ${slip}")
  add_test(NAME ${name}
           COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR} -DCTEST=${CMAKE_CTEST_COMMAND} -DCASE=${slip}
                   -DWORK=${CMAKE_BINARY_DIR}/plumbing/${slip}
                   -P ${CMAKE_SOURCE_DIR}/tests/support/plumbing/coverage_case.cmake)
  set_tests_properties(${name} PROPERTIES TIMEOUT 600 ENVIRONMENT "${CW_TEST_ENVIRONMENT}")
endforeach()
