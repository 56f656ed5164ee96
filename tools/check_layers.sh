#!/usr/bin/env bash
# Fails when a source file includes a header of a higher layer.  Layers, from
# the bottom up: the platform's libraries cw_canvas, cw_glyphs and
# cw_platform; state, exprstr, typeset, figures, shell, the lesson toolkit
# (src/lessons/*), each program's lessons (src/lessons/NAME/, which see only
# their own folder); the platform's painter and window, cw_gfx, which only the
# programs and tools link; programs.
set -euo pipefail
src="${1:-.}/src"

# Sets R to the rank of a file under src/.  A file of src/platform ranks as
# the platform library it belongs to: a .cpp as CMakeLists.txt builds it, a
# header with its .cpp or, header alone, with what it describes.
rank() {
    case "$1" in
        platform/*)
            case "${1##*/}" in
                backdrop.* | chars.* | display.h | hides.h | kept_op.h | paint.h | palette.*) R=0 ;;  # cw_canvas
                fonts.* | glyph_layout.* | recent.h) R=1 ;;                                 # cw_glyphs
                array.h | basic.* | errors.h | headless.h | platform.* | retained.* | shown_texts.*) R=2 ;;  # cw_platform
                render*.* | window*.*) R=10 ;;                                              # cw_gfx
                *) R=99 ;;
            esac ;;
        state/*) R=3 ;;
        exprstr/*) R=4 ;;
        typeset/*) R=5 ;;
        figures/*) R=6 ;;
        shell/*) R=7 ;;
        lessons/*/*) R=9 ;;
        lessons/*) R=8 ;;
        programs/*) R=11 ;;
        *) R=99 ;;
    esac
}
bad=0
while IFS= read -r file; do
    rank "${file#"$src"/}"
    if [ "$R" = 99 ]; then
        echo "${file#"$src"/} lies in no layer (a new file of src/platform is placed in tools/check_layers.sh)" >&2
        bad=1
    fi
done < <(find "$src" -name '*.h' -o -name '*.cpp')
# Every include of a header of the project, as FILE:#include "HEADER".
while IFS= read -r line; do
    rel="${line%%:*}"
    rel="${rel#"$src"/}"
    inc="${line#*\"}"
    inc="${inc%%\"*}"
    rank "$rel"
    r=$R
    rank "$inc"
    if [ "$r" = 99 ]; then
        continue
    elif [ "$R" -gt "$r" ]; then
        echo "$rel includes $inc, which lies in a higher layer" >&2
        bad=1
    elif [ "$R" = 9 ] && [ "$r" = 9 ] && [ "${inc%/*}" != "${rel%/*}" ]; then
        echo "$rel includes $inc, the lessons of another program" >&2
        bad=1
    fi
done < <(find "$src" \( -name '*.h' -o -name '*.cpp' \) -exec grep -H '^#include "' {} +)
exit $bad
