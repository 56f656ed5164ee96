# The reading of a GoogleTest program's list of its tests, for the scripts
# that write the ctest entries (add_tests.cmake) and check them
# (check_entries.cmake).

# cw_listed_tests(OUT FILTER COMMAND...): the tests COMMAND (a program, after
# its emulator's words if it has one) lists under FILTER (all when empty), as
# Suite.Name in the order listed, into OUT.  Runs COMMAND --gtest_list_tests;
# fails when it fails.
function(cw_listed_tests out filter)
  set(words --gtest_list_tests)
  if(NOT filter STREQUAL "")
    list(APPEND words "--gtest_filter=${filter}")
  endif()
  execute_process(COMMAND ${ARGN} ${words} TIMEOUT 120
                  OUTPUT_VARIABLE text ERROR_VARIABLE errors RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "${ARGN} could not list its tests (${failed}):\n${text}${errors}")
  endif()
  # A suite stands at the line's start ending in '.', each of its tests on a
  # line of its own two spaces in; a parameter's or a type's value follows
  # after '#', and goes first, since it may hold any character.
  string(REGEX REPLACE " *#[^\n]*" "" text "${text}")
  string(REPLACE "\n" ";" lines "${text}")
  set(tests "")
  set(suite "")
  foreach(line IN LISTS lines)
    if(line MATCHES "^([^ ]+)\\.$")
      set(suite "${CMAKE_MATCH_1}")
    elseif(line MATCHES "^  ([^ ]+)$")
      list(APPEND tests "${suite}.${CMAKE_MATCH_1}")
    endif()
  endforeach()
  set(${out} "${tests}" PARENT_SCOPE)
endfunction()
