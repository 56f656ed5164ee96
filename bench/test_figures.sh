#!/usr/bin/env bash
# Figures of the last ctest run of each build (figures only: nothing here
# passes or fails): its wall time, its summed time (every entry's own time
# added up), how many entries ran (a disabled one, such as a script's under
# the sanitizers, is left out), and its ten slowest entries.
#
#   bash bench/test_figures.sh [BUILD_DIR...]      (default: build build-asan)
#
# `make test` has ctest write BUILD_DIR/ctest.xml (JUnit), which holds the
# run's wall time; where a run wrote none, the entries' times are read from
# ctest's own log and the wall time is left out.
set -u
cd "$(dirname "$0")/.."
[ $# -gt 0 ] || set -- build build-asan

for build in "$@"; do
    xml=$build/ctest.xml log=$build/Testing/Temporary/LastTest.log
    echo "== $build"
    if [ -f "$xml" ]; then
        # One line per entry: seconds, then name; the suite's line first.
        awk '
            /<testsuite / { suite = 1 }
            suite && /^[ \t]*time="/ { match($0, /time="[^"]*"/); print "WALL", substr($0, RSTART + 6, RLENGTH - 7); suite = 0 }
            /<testcase / && / status="disabled"/ { next }
            /<testcase / {
                match($0, / name="[^"]*"/); name = substr($0, RSTART + 7, RLENGTH - 8); sub(/ +# GetParam.*/, "", name)
                match($0, / time="[^"]*"/); t = substr($0, RSTART + 7, RLENGTH - 8)
                print t, name
            }' "$xml" >"$build/.figures"
    elif [ -f "$log" ]; then
        awk '
            / Testing: / { sub(/^[0-9]+\/[0-9]+ Testing: /, ""); sub(/ +# GetParam.*/, ""); name = $0 }
            /^Test time = / { print $4, name }' "$log" >"$build/.figures"
    else
        echo "   no ctest run here"
        continue
    fi
    wall=$(awk '$1 == "WALL" { print $2 }' "$build/.figures")
    grep -v '^WALL ' "$build/.figures" | awk -v wall="$wall" '
        { sum += $1; n++ }
        END {
            printf "   entries %d, summed %.0f s (%.1f min)", n, sum, sum / 60
            if (wall != "") printf ", wall %d s (%.1f min)", wall, wall / 60
            printf "\n"
        }'
    echo "   slowest:"
    grep -v '^WALL ' "$build/.figures" | sort -rn | head -10 | awk '{ t = $1; $1 = ""; printf "   %7.1f s %s\n", t, $0 }'
    rm -f "$build/.figures"
done
