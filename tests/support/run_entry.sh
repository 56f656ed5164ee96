#!/usr/bin/env bash
# Runs one ctest entry of a test program (tests/support/add_tests.cmake
# writes them) and passes it only when the program ran to GoogleTest's end
# and GoogleTest's report says that every test the entry names ran once and
# passed, and no other test ran (entry_report.cmake reads the report):
# - a test that skipped (no display, say) makes the entry end with
#   SKIP_STATUS (the entries' SKIP_RETURN_CODE), also inside a group;
# - a program that ends before GoogleTest's end (a test that calls exit,
#   even with status 0), as GoogleTest's premature-exit file tells, fails
#   the entry whatever its status; so does a program that fails, and one
#   that returns SKIP_STATUS itself;
# - a program killed by a signal ends the entry by the same signal, so that
#   ctest names it.
#
#   run_entry.sh CMAKE SKIP_STATUS COMMAND... --gtest_filter=NAMES
#
# NAMES are the tests' full names apart by ':'.  Writes the report, the
# premature-exit file and the mark of a skip to TMPDIR (cw_entry.PID.*) and
# removes them.
cmake=$1 skip=$2
shift 2
filter=
for word in "$@"; do
    case $word in --gtest_filter=*) filter=${word#--gtest_filter=} ;; esac
done
base=${TMPDIR:-/tmp}/cw_entry.$$
report=$base.json running=$base.running skipped=$base.skipped
rm -f "$report" "$running" "$skipped"
trap 'rm -f "$report" "$running" "$skipped"' EXIT

TEST_PREMATURE_EXIT_FILE=$running "$@" --gtest_output="json:$report"
status=$?
if [ "$status" -gt 128 ]; then
    # Killed by a signal: end the same way (without a core of this shell),
    # so ctest names the signal.
    rm -f "$report" "$running" "$skipped"
    trap - EXIT
    ulimit -c 0
    kill -n "$((status - 128))" $$
    exit "$status"
fi
if [ -e "$running" ]; then
    echo "run_entry: the program ended with status $status before GoogleTest's end (its premature-exit file stands)"
    exit 1
fi
if [ "$status" -eq "$skip" ]; then
    echo "run_entry: the program returned the skip status $status itself: it fails"
    exit 1
fi
[ "$status" -ne 0 ] && exit "$status"
"$cmake" -DREPORT="$report" -DNAMES="$filter" -DSKIPPED="$skipped" -P "${BASH_SOURCE%/*}/entry_report.cmake" || exit 1
[ -e "$skipped" ] && exit "$skip"
exit 0
