# One case of the entries' runner (tests/support/run_entry.sh), held to what
# it promises: runs the runner as an entry runs it, on the tests NAMES of the
# program built for these cases (plumbing_cases.cpp) with CW_PLUMBING set to
# MODE (unset when empty), and fails unless the runner ends as EXPECT says
# and its output holds SAYS (when not empty).  EXPECT is one of
#   passes   status 0
#   fails    any status but 0 and SKIP, not killed
#   skips    status SKIP, the entries' SKIP_RETURN_CODE
#   aborts   killed by SIGABRT, as the program was
#
#   cmake -DRUNNER=FILE -DSKIP=N -DPROGRAM=FILE -DNAMES=A.B:C.D -DMODE=...
#         -DEXPECT=... -DSAYS=TEXT -P runner_case.cmake
cmake_minimum_required(VERSION 3.20)

if(MODE STREQUAL "")
  unset(ENV{CW_PLUMBING})
else()
  set(ENV{CW_PLUMBING} "${MODE}")
endif()
execute_process(COMMAND bash "${RUNNER}" "${CMAKE_COMMAND}" ${SKIP} "${PROGRAM}" "--gtest_filter=${NAMES}"
                TIMEOUT 60 OUTPUT_VARIABLE said ERROR_VARIABLE said RESULT_VARIABLE result)
if(result STREQUAL "0")
  set(ended passes)
elseif(result STREQUAL SKIP)
  set(ended skips)
elseif(result MATCHES "^[0-9]+$")
  set(ended fails)
elseif(result STREQUAL "Subprocess aborted")
  set(ended aborts)
else()
  set(ended "ends so: ${result}")
endif()
set(problems "")
if(NOT ended STREQUAL EXPECT)
  string(APPEND problems "\n  the runner ${ended} (status ${result}), where it ${EXPECT}")
endif()
if(NOT SAYS STREQUAL "")
  string(FIND "${said}" "${SAYS}" at)
  if(at EQUAL -1)
    string(APPEND problems "\n  the runner does not say '${SAYS}'")
  endif()
endif()
message("The runner on ${NAMES} (CW_PLUMBING '${MODE}'), as an entry runs it, said:\n${said}")
if(problems)
  message(FATAL_ERROR "The runner breaks its promise:${problems}")
endif()
