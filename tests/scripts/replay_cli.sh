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

# The log holds what decides the picture: which lines are fraction bars, which texts are operator
# signs, and each glyph fitted to what lies under it (its place among the text's characters, its
# scale and its shift), and where each glyph was placed.
"$replay" typeset '1+ﾀ15/6ﾀ' --log "$tmp/fraction.jsonl" > /dev/null
grep -q '"op": "line", "x1": 158, "y1": 225, "x2": 214, "y2": 225, "c": 0, "f": 0, "w": 4, "bar": true}' \
    "$tmp/fraction.jsonl" || { echo "FAIL: fraction bar not logged as a bar"; fail=1; }
grep -q '"op": "line", "x1": 131, "y1": 222, "x2": 150, "y2": 222, "c": 0, "f": 0, "w": 5}' "$tmp/fraction.jsonl" ||
    { echo "FAIL: the plus sign's stroke not logged as a plain line"; fail=1; }
"$replay" dorrith --keys '1\n1\nkkk' --log "$tmp/fits.jsonl" > /dev/null
n='-?[0-9][-0-9.e]*'
grep -Eq '"op": "text", [^}]*"s": "b", [^}]*"fits": \[\{"index": 0, "scale": '"$n"', "dx": '"$n"', "dy": '"$n"'\}\], "glyphs"' "$tmp/fits.jsonl" ||
    { echo "FAIL: fitted glyphs not logged"; fail=1; }
grep -Eq '"op": "text", [^}]*"s": "b", [^}]*"glyphs": \[\{"index": 0, "drawn": "b", "x": '"$n"', "y": '"$n"', "sx": '"$n"', "sy": '"$n"', "weight": '"$n"'\}\]\}' "$tmp/fits.jsonl" ||
    { echo "FAIL: glyph placements not logged"; fail=1; }
grep -Eq '"op": "text", [^}]*"s": "[×÷±]", [^}]*"role": "operator"' "$tmp/fits.jsonl" ||
    { echo "FAIL: operator sign not logged as one"; fail=1; }
# The fields hold what the operations recorded: the same glyphs the page snapshots record for the same
# steps (the fitted "b" of lesson 1 ① raised, the italic letters laid round with their weight).  The
# snapshots hold what the gothic face they were written with fits and places.
snapshots="$(dirname "$0")/../snapshots"
if command -v fc-list >/dev/null; then
    if fc-list ':family=Noto Sans CJK JP' family | grep -q .; then installed="Noto Sans CJK JP"; else installed=IPAGothic; fi
    if [ "$installed" = "$(cat "$snapshots/FACE")" ]; then
        awk -f "$(dirname "$0")/replay_log_fields.awk" "$snapshots/GLYPHS" "$snapshots"/dorrith/*.txt \
            "$tmp/fits.jsonl" > "$tmp/fields.txt" ||
            { echo "FAIL: logged glyph fields differ from the snapshots':"; cat "$tmp/fields.txt"; fail=1; }
    else
        echo "replay: the snapshots' face is not installed; the log's glyph fields are not compared"
    fi
fi

out=$("$replay" dorrith --keys '1\n' --time 12:34:56)
check "keys run out" 3 $?
check "keys summary" '"keys"' "$(tail -n 1 <<< "$out" | sed 's/.*"end": \("[a-z]*"\).*/\1/')"

# A key script from a file, longer than one argument may be, ends as the same keys given inline.
{ printf '3\\n4\\n'; yes 'k2\n' | head -n 50000 | tr -d '\n'; } > "$tmp/keys.txt"
check "long key file" 1 "$(($(wc -c < "$tmp/keys.txt") > 131072))"
out=$("$replay" kelvane --keys-file "$tmp/keys.txt")
check "key file runs out" 3 $?
check "key file keys used" '"keys_used": 150004' "$(tail -n 1 <<< "$out" | grep -o '"keys_used": [0-9]*')"
printf '8\\n' > "$tmp/eight.txt"
check "key file as --keys" "$("$replay" kelvane --keys '8\n' )" "$("$replay" kelvane --keys-file "$tmp/eight.txt")"

for bad in "bogus" "kelvane --keys-file $tmp/missing" "kelvane --keys 8 --keys-file $tmp/eight.txt" "kelvane --time 25:00:00" "kelvane --keys \\q" "kelvane --scale 0" "kelvane --frob 1" "typeset"; do
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
