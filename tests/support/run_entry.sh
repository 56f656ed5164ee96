#!/usr/bin/env bash
# Runs one ctest entry of a test program (tests/support/add_tests.cmake
# writes them) and passes it only when GoogleTest's own report says that
# every test its filter names ran and passed:
# - a test that skipped (no display, say) makes the entry skip, with status
#   77 (the entries' SKIP_RETURN_CODE), also inside a group;
# - a program that ends before it writes its report (a test that calls
#   exit, even with status 0), a named test that did not run, or one that
#   ran unnamed fails the entry.
#
#   run_entry.sh COMMAND... --gtest_filter=NAMES
#
# Reads the filter among COMMAND's words: test names apart by ':' are each
# held to have run once; a filter with a wildcard or a '-' only to have run
# some test.  Writes the report to TMPDIR (cw_entry.PID.json) and removes it.
filter=
for word in "$@"; do
    case $word in --gtest_filter=*) filter=${word#--gtest_filter=} ;; esac
done
report=${TMPDIR:-/tmp}/cw_entry.$$.json
# An empty file stands until the program writes its report at its normal end.
: > "$report" || exit 1
trap 'rm -f "$report"' EXIT

"$@" --gtest_output="json:$report"
status=$?
if [ "$status" -gt 128 ]; then
    # Killed by a signal: end the same way, so ctest names the signal.
    rm -f "$report"
    trap - EXIT
    kill -n "$((status - 128))" $$
    exit "$status"
fi
if [ "$status" -ne 0 ]; then
    # Failed; never the skip status, whatever the program returned.
    [ "$status" -eq 77 ] && status=1
    exit "$status"
fi
if [ ! -s "$report" ]; then
    echo "run_entry: the program ended with status 0 before it wrote its report: a test ended the process"
    exit 1
fi

# GoogleTest writes its report a key a line, a suite's keys 6 spaces in and
# a test's 10 (names with '/' written '\/').  A test GoogleTest never started
# (a global set-up that skipped) keeps the start time 0, written in local time.
awk -v filter="$filter" '
function value(line) {
    sub(/^ *"[a-z_]+": "/, "", line)
    sub(/",?$/, "", line)
    gsub(/\\\//, "/", line)
    return line
}
function finish() {
    if (test == "") return
    if (test in seen) problem(test " is reported twice")
    seen[test] = 1
    ++reported
    if (exact && !(test in named)) problem(test " ran, but the entry does not name it")
    if (status != "RUN") problem(test " did not run (" status ")")
    else if (start ~ /^(1970-01-01|1969-12-31)T/) problem(test " was never started")
    else if (failed) problem(test " failed")
    else if (result == "SKIPPED") skipped = skipped "\n  " test
    else if (result != "COMPLETED") problem(test " ended " result)
    test = ""
}
function problem(text) { problems = problems "\n  " text }
BEGIN {
    exact = filter != "" && filter !~ /[*?-]/
    if (exact) {
        count = split(filter, names, ":")
        for (i = 1; i <= count; ++i) if (names[i] != "") named[names[i]] = 1
    }
}
/^      "name": "/ { suite = value($0); next }
/^          "name": "/ { finish(); test = suite "." value($0); status = result = start = ""; failed = 0; next }
/^          "status": "/ { status = value($0) }
/^          "result": "/ { result = value($0) }
/^          "timestamp": "/ { start = value($0) }
/^          "failures": \[/ { failed = 1 }
END {
    finish()
    if (exact) for (n in named) if (!(n in seen)) problem(n " is named but did not run")
    if (reported == 0) problem("no test ran")
    if (problems != "") { print "run_entry: the report of the tests run says:" problems; exit 1 }
    if (skipped != "") { print "run_entry: skipped (see above why):" skipped; exit 77 }
    print "run_entry: " reported " test(s) ran and passed"
}' "$report"
