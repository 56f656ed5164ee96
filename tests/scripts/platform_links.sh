#!/usr/bin/env bash
# The platform's four libraries link as they are layered, read from the built
# archives: every symbol of the project's namespace a library leaves undefined
# is defined (as a global symbol) in that library or one below it.
#   cw_canvas < cw_glyphs < cw_platform < cw_gfx
#
#   bash tests/scripts/platform_links.sh BUILD_DIR SKIP_STATUS
#
# Exit status SKIP_STATUS (the entry's SKIP_RETURN_CODE) without nm.
set -u
export LC_ALL=C  # one collation for sort and comm
build=${1:?build directory}
skip=${2:?the skip status}
libs=(cw_canvas cw_glyphs cw_platform cw_gfx)
command -v nm >/dev/null || { echo "no nm"; exit "$skip"; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# One demangled name a line, sorted: the global definitions and the references
# left undefined of namespace cw.
for lib in "${libs[@]}"; do
    a="$build/lib$lib.a"
    [ -f "$a" ] || { echo "FAIL: $a not built"; exit 1; }
    nm -C --defined-only "$a" | sed -nE 's/^[0-9a-f]+ [A-TV-Zuvw] //p' | grep 'cw::' | sort -u > "$tmp/$lib.def"
    nm -C --undefined-only "$a" | sed -nE 's/^ +[Uw] //p' | grep 'cw::' | sort -u > "$tmp/$lib.undef"
done

fail=0
: > "$tmp/below"  # what the libraries up to this one define
for i in "${!libs[@]}"; do
    lib=${libs[$i]}
    sort -u "$tmp/below" "$tmp/$lib.def" -o "$tmp/below"
    while IFS= read -r sym; do
        owner=
        for higher in "${libs[@]:$((i + 1))}"; do
            if grep -qxF -- "$sym" "$tmp/$higher.def"; then owner=$higher; break; fi
        done
        echo "FAIL: $lib uses $sym, defined ${owner:+only in }${owner:-in no platform library}"
        fail=1
    done < <(comm -23 "$tmp/$lib.undef" "$tmp/below")
done
[ "$fail" = 0 ] && echo "each platform library uses only itself and those below"
exit $fail
