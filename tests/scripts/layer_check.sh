#!/usr/bin/env bash
# The layer check (tools/check_layers.sh): the sources pass it, and a copy of
# them with one include planted up the layers fails it, naming the file.
set -u
root=$(cd "$(dirname "$0")/../.." && pwd)
check="$root/tools/check_layers.sh"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail=0

bash "$check" "$root" || { echo "FAIL: the sources do not pass"; fail=1; }

cp -r "$root/src" "$tmp/src"
# expect_fails FILE HEADER: FILE including HEADER fails the check, and says so.
expect_fails() {
    cp "$root/src/$1" "$tmp/keep"
    echo "#include \"$2\"" >> "$tmp/src/$1"
    out=$(bash "$check" "$tmp" 2>&1)
    if [ $? = 0 ]; then
        echo "FAIL: $1 including $2 passes"
        fail=1
    elif ! grep -qF "$1 includes $2" <<< "$out"; then
        echo "FAIL: $1 including $2 fails, but says: $out"
        fail=1
    fi
    cp "$tmp/keep" "$tmp/src/$1"
}
expect_passes() {
    cp "$root/src/$1" "$tmp/keep"
    echo "#include \"$2\"" >> "$tmp/src/$1"
    bash "$check" "$tmp" || { echo "FAIL: $1 including $2 fails"; fail=1; }
    cp "$tmp/keep" "$tmp/src/$1"
}

# The platform's libraries, in turn: cw_canvas < cw_glyphs < cw_platform < cw_gfx.
expect_fails platform/backdrop.cpp platform/basic.h
expect_fails platform/chars.h platform/glyph_layout.h
expect_fails platform/glyph_layout.cpp platform/platform.h
expect_fails platform/shown_texts.cpp platform/render.h
expect_fails platform/retained.h platform/render.h
expect_fails platform/glyph_layout.h platform/retained.h
expect_passes platform/glyph_layout.cpp platform/chars.h
expect_passes platform/render.cpp platform/shown_texts.h
# The painter and the window are linked by the programs alone.
expect_fails shell/shell.cpp platform/window.h
expect_fails lessons/toolkit.h platform/render.h
expect_passes programs/programs.cpp platform/render.h
expect_passes state/vars.h platform/platform.h
# The layers above, and the lessons of one program apart from another's.
expect_fails typeset/typeset.cpp shell/shell.h
expect_fails lessons/kelvane/kelvane_vars.h lessons/dorrith/dorrith_vars.h
expect_passes lessons/kelvane/kelvane_vars.h lessons/toolkit.h

# A file of the platform placed in none of its libraries.
echo '// A new part of the platform.' > "$tmp/src/platform/stray.cpp"
out=$(bash "$check" "$tmp" 2>&1) && { echo "FAIL: an unplaced platform file passes"; fail=1; }
grep -qF "platform/stray.cpp lies in no layer" <<< "$out" || { echo "FAIL: unplaced file not named: $out"; fail=1; }

exit $fail
