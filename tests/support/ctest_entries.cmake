# The reading of a build's ctest entries as ctest itself reads them, for the
# check that the entries cover the tests (check_entries.cmake) and its own
# tests (plumbing/coverage_case.cmake).

# cw_ctest_entries(OUT BUILD_DIR CTEST SCRATCH): ctest's description of the
# entries of BUILD_DIR (ctest -N --show-only=json-v1), into OUT.  ctest reads
# them from SCRATCH, a folder of its own that includes BUILD_DIR: run in the
# build's folder, it would write its log there anew under a ctest running
# there.  Writes SCRATCH/CTestTestfile.cmake.
function(cw_ctest_entries out build_dir ctest scratch)
  file(MAKE_DIRECTORY "${scratch}")
  file(WRITE "${scratch}/CTestTestfile.cmake" "subdirs(\"${build_dir}\")\n")
  execute_process(COMMAND "${ctest}" -N --show-only=json-v1 WORKING_DIRECTORY "${scratch}" TIMEOUT 120
                  OUTPUT_VARIABLE json ERROR_VARIABLE errors RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "ctest could not list the entries of ${build_dir} (${failed}):\n${errors}")
  endif()
  set(${out} "${json}" PARENT_SCOPE)
endfunction()
