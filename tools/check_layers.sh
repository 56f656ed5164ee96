#!/usr/bin/env bash
# Fails when a source file includes a header of a higher layer.  Layers, from
# the bottom up: the platform's libraries cw_canvas, cw_glyphs and
# cw_platform; state, exprstr, typeset, figures, shell, the lesson toolkit
# (src/lessons/*), each program's lessons (src/lessons/NAME/, which see only
# their own folder); the platform's painter and window, cw_gfx, which only the
# programs and tools link; programs.
set -euo pipefail
src="${1:-.}/src"

# The platform library a file of src/platform belongs to: a .cpp as
# CMakeLists.txt builds it, a header with its .cpp or, header alone, with
# what it describes.
platform_library() {
    case "${1##*/}" in
        backdrop.* | chars.* | display.h | palette.*) echo canvas ;;
        fonts.* | glyph_layout.* | recent.h) echo glyphs ;;
        array.h | basic.* | errors.h | platform.* | shown_texts.*) echo platform ;;
        headless.h | render*.* | retained*.* | window*.*) echo gfx ;;
        *) echo none ;;
    esac
}

rank() {
    case "$1" in
        platform/*)
            case $(platform_library "$1") in
                canvas) echo 0 ;;
                glyphs) echo 1 ;;
                platform) echo 2 ;;
                gfx) echo 10 ;;
                *) echo 99 ;;
            esac ;;
        state/*) echo 3 ;;
        exprstr/*) echo 4 ;;
        typeset/*) echo 5 ;;
        figures/*) echo 6 ;;
        shell/*) echo 7 ;;
        lessons/*/*) echo 9 ;;
        lessons/*) echo 8 ;;
        programs/*) echo 11 ;;
        *) echo 99 ;;
    esac
}
bad=0
while IFS= read -r file; do
    rel="${file#"$src"/}"
    r=$(rank "$rel")
    if [ "$r" = 99 ]; then
        echo "$rel lies in no layer (a new file of src/platform is placed in tools/check_layers.sh)" >&2
        bad=1
        continue
    fi
    while IFS= read -r inc; do
        ri=$(rank "$inc")
        if [ "$ri" -gt "$r" ]; then
            echo "$rel includes $inc, which lies in a higher layer" >&2
            bad=1
        elif [ "$ri" = 9 ] && [ "$r" = 9 ] && [ "${inc%/*}" != "${rel%/*}" ]; then
            echo "$rel includes $inc, the lessons of another program" >&2
            bad=1
        fi
    done < <(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$file")
done < <(find "$src" -name '*.h' -o -name '*.cpp')
exit $bad
