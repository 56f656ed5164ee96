#!/usr/bin/env bash
# Fails when a source file includes a header of a higher layer.  Layers, from
# the bottom up: platform, state, exprstr, typeset, figures, shell, the lesson
# toolkit (src/lessons/*), each program's lessons (src/lessons/NAME/, which
# see only their own folder), programs.
set -euo pipefail
src="${1:-.}/src"
rank() {
    case "$1" in
        platform/*) echo 0 ;;
        state/*) echo 1 ;;
        exprstr/*) echo 2 ;;
        typeset/*) echo 3 ;;
        figures/*) echo 4 ;;
        shell/*) echo 5 ;;
        lessons/*/*) echo 7 ;;
        lessons/*) echo 6 ;;
        programs/*) echo 8 ;;
        *) echo 99 ;;
    esac
}
bad=0
while IFS= read -r file; do
    rel="${file#"$src"/}"
    r=$(rank "$rel")
    while IFS= read -r inc; do
        ri=$(rank "$inc")
        if [ "$ri" -gt "$r" ]; then
            echo "$rel includes $inc, which lies in a higher layer" >&2
            bad=1
        elif [ "$ri" = 7 ] && [ "$r" = 7 ] && [ "${inc%/*}" != "${rel%/*}" ]; then
            echo "$rel includes $inc, the lessons of another program" >&2
            bad=1
        fi
    done < <(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$file")
done < <(find "$src" -name '*.h' -o -name '*.cpp')
exit $bad
