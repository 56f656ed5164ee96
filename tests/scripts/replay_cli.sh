#!/usr/bin/env bash
# The replay tool end to end: exit statuses, the summary line, the log and pictures.
set -u
build=${1:?build directory}
replay="$build/replay"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail=0
check() {  # check DESCRIPTION EXPECTED ACTUAL
    if [ "$2" != "$3" ]; then
        echo "FAIL: $1: expected [$2], got [$3]"
        fail=1
    fi
}

out=$("$replay" kelvane --keys '8\n' --log "$tmp/log.jsonl" --png "$tmp/menu.png" --shots "$tmp/shots")
check "ends on item 8" 0 $?
check "summary" '{"end": "program", "keys_used": 2, "ops": '"$(wc -l < "$tmp/log.jsonl")"'}' "$(tail -n 1 <<< "$out")"
[ -s "$tmp/menu.png" ] || { echo "FAIL: no picture"; fail=1; }
check "one picture per key wait" 2 "$(ls "$tmp/shots" | wc -l)"
grep -q '"op": "expr", "x": 264, "y": 30, "c": 15, "s": "＜"' "$tmp/log.jsonl" ||
    { echo "FAIL: heading not logged"; fail=1; }
grep -q '"op": "key", "k": "\\r"' "$tmp/log.jsonl" || { echo "FAIL: Enter not logged"; fail=1; }
if command -v python3 >/dev/null; then
    python3 -c 'import json,sys; [json.loads(l) for l in open(sys.argv[1])]' "$tmp/log.jsonl" ||
        { echo "FAIL: log is not JSON Lines"; fail=1; }
fi

out=$("$replay" dorrith --keys '1\n' --time 12:34:56)
check "keys run out" 3 $?
check "keys summary" '"keys"' "$(tail -n 1 <<< "$out" | sed 's/.*"end": \("[a-z]*"\).*/\1/')"

for bad in "bogus" "kelvane --time 25:00:00" "kelvane --keys \\q" "kelvane --scale 0" "kelvane --frob 1" "typeset"; do
    # shellcheck disable=SC2086
    "$replay" $bad > /dev/null 2>&1
    check "bad usage: $bad" 2 $?
done

out=$("$replay" typeset 'ﾀ15/6ﾀ' --at 100,200)
check "typeset exit" 0 $?
for pair in '"X": 164' '"NAGA": 64' '"TBSIYAKX": 100' '"TBBOYAKX": 116' '"TBBOYAKY": 228' '"BSEN": 225' '"LLT": 32'; do
    grep -q "$pair" <<< "$out" || { echo "FAIL: typeset leaves $pair: $out"; fail=1; }
done

[ "$fail" = 0 ] && echo "replay: all checks passed"
exit "$fail"
