#!/usr/bin/env bash
# The real window under Xvfb: Kelvane is started, keys are typed into it with
# xdotool (the keypad's with NumLock off and on), and the window is compared
# with the replay tool's picture after the same keys; the window is resized
# (the layout must be scaled to fit with white margins) and closed (the
# program must exit 0).  On a second screen, wider than the layout, a
# program's picture must fill the height and stand centred between equal
# margins.  Also checks the messages for a missing display and missing fonts,
# and runs the window backend's gtest cases, which need a display.
#
#   bash tests/scripts/window_xvfb.sh BUILD_DIR SKIP_STATUS
#
# Exit status SKIP_STATUS (the entry's SKIP_RETURN_CODE) when Xvfb, xdotool,
# ImageMagick or a C compiler with the X11 headers is missing.
set -u

BUILD=${1:?usage: window_xvfb.sh BUILD_DIR SKIP_STATUS}
SKIP=${2:?usage: window_xvfb.sh BUILD_DIR SKIP_STATUS}
BUILD=$(cd "$BUILD" && pwd)
for tool in Xvfb xdotool import compare convert cc; do
    command -v "$tool" >/dev/null 2>&1 || { echo "skipped: $tool is not installed"; exit "$SKIP"; }
done
for bin in kelvane dorrith sarnoth replay; do
    [ -x "$BUILD/$bin" ] || { echo "FAIL: $BUILD/$bin is not built"; exit 1; }
done

WORK=$(mktemp -d)
XVFB_PIDS=()
PROG_PID=
cleanup() {
    [ -n "$PROG_PID" ] && kill "$PROG_PID" 2>/dev/null && kill -CONT "$PROG_PID" 2>/dev/null
    for pid in "${XVFB_PIDS[@]}"; do kill "$pid" 2>/dev/null; done
    wait 2>/dev/null
    rm -rf "$WORK"
}
trap cleanup EXIT

FAILED=0
fail() { echo "FAIL: $*"; FAILED=1; }
pass() { echo "ok: $*"; }

# Asks a window to close the way a window manager's close button does.
cat >"$WORK/close.c" <<'EOF'
#include <X11/Xlib.h>
#include <stdlib.h>
int main(int argc, char** argv) {
    if (argc < 2) return 2;
    Display* d = XOpenDisplay(NULL);
    if (!d) return 2;
    Window w = (Window)strtoul(argv[1], NULL, 0);
    XEvent ev = {0};
    ev.xclient.type = ClientMessage;
    ev.xclient.window = w;
    ev.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
    ev.xclient.format = 32;
    ev.xclient.data.l[0] = (long)XInternAtom(d, "WM_DELETE_WINDOW", False);
    ev.xclient.data.l[1] = CurrentTime;
    XSendEvent(d, w, False, NoEventMask, &ev);
    XSync(d, False);
    XCloseDisplay(d);
    return 0;
}
EOF
cc -o "$WORK/close" "$WORK/close.c" -lX11 2>"$WORK/cc.log" || { echo "skipped: cannot build the X11 close helper"; exit "$SKIP"; }

# Binds a keysym the keyboard lacks to a spare keycode and prints the
# keycode ("keymap bind UFF13"), or frees the keycode again ("keymap unbind
# 248").  xdotool binds such a key itself only for the moment it types it,
# and a program that looks the key up after that moment finds nothing: bound
# here, the key stays readable until the program has shown what it did.
# "keymap numlock" prints whether the server's NumLock is locked: on or off.
# "keymap set 129 KP_Decimal" makes keycode 129 give that keysym alone.
cat >"$WORK/keymap.c" <<'EOF'
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
int main(int argc, char** argv) {
    if (argc < 2) return 2;
    Display* d = XOpenDisplay(NULL);
    if (!d) return 2;
    if (strcmp(argv[1], "numlock") == 0) {
        XkbStateRec state;
        if (XkbGetState(d, XkbUseCoreKbd, &state) != Success) return 2;
        printf("%s\n", state.locked_mods & XkbKeysymToModifiers(d, XK_Num_Lock) ? "on" : "off");
        XCloseDisplay(d);
        return 0;
    }
    if (argc < 3) return 2;
    int lo, hi, per;
    XDisplayKeycodes(d, &lo, &hi);
    KeySym syms[2] = {NoSymbol, NoSymbol};
    int code = 0;
    if (strcmp(argv[1], "bind") == 0) {
        syms[0] = syms[1] = XStringToKeysym(argv[2]);
        if (syms[0] == NoSymbol) return 2;
        KeySym* map = XGetKeyboardMapping(d, lo, hi - lo + 1, &per);
        for (int k = hi; k >= lo && !code; --k) {
            int empty = 1;
            for (int i = 0; i < per; ++i) empty &= map[(k - lo) * per + i] == NoSymbol;
            if (empty) code = k;
        }
        XFree(map);
        if (!code) return 1;
        printf("%d\n", code);
    } else if (strcmp(argv[1], "unbind") == 0) {
        code = atoi(argv[2]);
        if (code < lo || code > hi) return 2;
    } else if (strcmp(argv[1], "set") == 0 && argc > 3) {
        code = atoi(argv[2]);
        syms[0] = syms[1] = XStringToKeysym(argv[3]);
        if (code < lo || code > hi || syms[0] == NoSymbol) return 2;
    } else {
        return 2;
    }
    XChangeKeyboardMapping(d, code, 2, syms, 1);
    XSync(d, False);
    XCloseDisplay(d);
    return 0;
}
EOF
cc -o "$WORK/keymap" "$WORK/keymap.c" -lX11 2>>"$WORK/cc.log" || { echo "skipped: cannot build the X11 keymap helper"; exit "$SKIP"; }

# --- no display: one line on stderr, status 1 -------------------------------
env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER timeout 20 "$BUILD/kelvane" >/dev/null 2>"$WORK/nodisplay.err"
rc=$?
lines=$(wc -l <"$WORK/nodisplay.err")
if [ "$rc" -eq 1 ] && [ "$lines" -eq 1 ] && grep -qi "display" "$WORK/nodisplay.err"; then
    pass "without a display: $(cat "$WORK/nodisplay.err")"
else
    fail "without a display: status $rc, $lines lines on stderr: $(cat "$WORK/nodisplay.err")"
fi

# --- Xvfb on free displays --------------------------------------------------------
# One screen the layout's size, and one of 16:9, wider than the layout; both
# are started at once.  -noreset: without it a server resets whenever its last
# client leaves, and a window opened during the reset is refused.
start_xvfb() {  # NAME SIZE
    Xvfb -displayfd 3 -screen 0 "$2x24" -nolisten tcp -noreset 3>"$WORK/$1.display" 2>"$WORK/$1.log" &
    XVFB_PIDS+=($!)
}
display_of() {  # NAME: waits for its server and prints its display
    for _ in $(seq 100); do
        [ -s "$WORK/$1.display" ] && break
        sleep 0.1
    done
    [ -s "$WORK/$1.display" ] && echo ":$(head -1 "$WORK/$1.display")"
}
start_xvfb layout 1440x900
start_xvfb wide 1920x1080
DISPLAY=$(display_of layout) || { echo "FAIL: Xvfb did not start: $(tail -3 "$WORK/layout.log")"; exit 1; }
export DISPLAY
unset WAYLAND_DISPLAY SDL_VIDEODRIVER

# --- missing fonts are named with their package --------------------------------
cat >"$WORK/nofonts.conf" <<EOF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig><dir>$WORK/no-fonts-here</dir><cachedir>$WORK/fc-cache</cachedir></fontconfig>
EOF
FONTCONFIG_FILE="$WORK/nofonts.conf" timeout 20 "$BUILD/kelvane" >/dev/null 2>"$WORK/nofonts.err"
rc=$?
if [ "$rc" -eq 1 ] && grep -q "fonts-ipafont-gothic" "$WORK/nofonts.err" && grep -q "fonts-liberation2" "$WORK/nofonts.err"; then
    pass "missing fonts: $(head -1 "$WORK/nofonts.err")"
else
    fail "missing fonts: status $rc: $(cat "$WORK/nofonts.err")"
fi

# --- the backend's own tests, which need a display ------------------------------
if [ -x "$BUILD/test_platform" ]; then
    if "$BUILD/test_platform" --gtest_filter='WindowBackendTest.*' >"$WORK/gtest.log" 2>&1 \
        && ! grep -q "SKIPPED" "$WORK/gtest.log"; then
        pass "window backend tests ($(grep -c '^\[       OK' "$WORK/gtest.log") passed)"
    else
        fail "window backend tests:"
        grep -E "Failure|FAILED|SKIPPED|Expected|Which|actual" "$WORK/gtest.log" | head -20
    fi
fi

# --- helpers -------------------------------------------------------------------
# Normalised RMSE of two pictures of the same size (1 when they cannot be compared).
nrmse() {
    local out
    out=$(compare -metric RMSE "$1" "$2" null: 2>&1)
    if [[ $out =~ \(([0-9.e+-]+)\) ]]; then echo "${BASH_REMATCH[1]}"; else echo 1; fi
}
below() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a < b) }'; }

# Waits until the window, cropped to GEOMETRY (WxH+X+Y, or "" for all of it),
# looks like REF (closer than LIMIT, 0.002 unless given); the program may
# still be drawing.  Leaves the last screenshot in $WORK/shot.png and its
# distance in $DIST.
DIST=1
wait_for_picture() {
    local ref=$1 geometry=$2 limit=${3:-0.002}
    for _ in $(seq 60); do
        # A window that is gone makes import wait for a click: bounded.
        if timeout 10 import -window "$WIN" "$WORK/shot.png" 2>/dev/null; then
            if [ -n "$geometry" ]; then
                convert "$WORK/shot.png" -crop "$geometry" +repage "$WORK/shot_crop.png"
            else
                cp "$WORK/shot.png" "$WORK/shot_crop.png"
            fi
            DIST=$(nrmse "$WORK/shot_crop.png" "$ref")
            below "$DIST" "$limit" && return 0
        fi
        sleep 0.25
    done
    return 1
}

replay_png() {  # KEYS OUT SCALE [PROGRAM]
    "$BUILD/replay" "${4:-kelvane}" --keys "$1" --png "$2" --scale "$3" >/dev/null 2>"$WORK/replay.err"
    [ -s "$2" ] || { echo "FAIL: replay wrote no picture: $(cat "$WORK/replay.err")"; exit 1; }
}

# Waits until the window's region GEOMETRY looks as that region of Kelvane's
# replay after KEYS: a region that every problem shows alike.
wait_for_region() {  # KEYS GEOMETRY
    replay_png "$1" "$WORK/region_whole.png" 1
    convert "$WORK/region_whole.png" -crop "$2" +repage "$WORK/region.png"
    wait_for_picture "$WORK/region.png" "$2"
}

# Closes window $WIN and checks that process $PROG_PID ends with status 0.
close_and_check() {  # WHAT
    local status=
    "$WORK/close" "$WIN"
    for _ in $(seq 100); do
        if ! kill -0 "$PROG_PID" 2>/dev/null; then
            wait "$PROG_PID"
            status=$?
            break
        fi
        sleep 0.1
    done
    if [ -z "$status" ]; then
        fail "$1: the program did not end when its window was closed"
    else
        PROG_PID=
        [ "$status" -eq 0 ] && pass "$1: closing the window ends the program with status 0" \
            || fail "$1: closing the window ended the program with status $status: $(tail -n 12 "$WORK"/*.err 2>/dev/null)"
    fi
}

# --- the menu, then keys typed into it -------------------------------------------
"$BUILD/kelvane" >"$WORK/kelvane.out" 2>"$WORK/kelvane.err" &
PROG_PID=$!
WIN=$(timeout 20 xdotool search --sync --onlyvisible --name '^Kelvane$' 2>/dev/null | head -1)
[ -n "$WIN" ] || { echo "FAIL: no Kelvane window appeared: $(cat "$WORK/kelvane.err")"; exit 1; }
geometry=$(xdotool getwindowgeometry "$WIN" | awk '/Geometry/ { print $2 }')
[ "$geometry" = "1440x900" ] && pass "window fills the 1440x900 screen" || fail "window is $geometry, not 1440x900"

replay_png "" "$WORK/menu.png" 1
if wait_for_picture "$WORK/menu.png" ""; then
    pass "menu matches the replay (NRMSE $DIST)"
else
    fail "menu differs from the replay (NRMSE $DIST)"
    cp "$WORK/shot.png" "${TMPDIR:-/tmp}/window_xvfb_menu_shot.png" 2>/dev/null
fi

# Hidden and shown again, the window must paint what it showed.
xdotool windowunmap --sync "$WIN"
sleep 0.2
xdotool windowmap --sync "$WIN"
if wait_for_picture "$WORK/menu.png" ""; then
    pass "menu repainted after the window was hidden and shown (NRMSE $DIST)"
else
    fail "menu not repainted after the window was hidden and shown (NRMSE $DIST)"
fi

# Digits as text, Backspace and Delete clear the entry, keypad Enter ends it;
# typed ahead in one burst, they must all be taken in order.
xdotool type --window "$WIN" --delay 20 "12"
xdotool key --window "$WIN" BackSpace
xdotool type --window "$WIN" --delay 20 "5"
xdotool key --window "$WIN" Delete
xdotool type --window "$WIN" --delay 20 "1"
xdotool key --window "$WIN" KP_Enter
replay_png $'12\b5\x0c1\r' "$WORK/lesson.png" 1
if wait_for_picture "$WORK/lesson.png" ""; then
    pass "after the keys the window matches the replay (NRMSE $DIST)"
else
    fail "after the keys the window differs from the replay (NRMSE $DIST)"
    cp "$WORK/shot.png" "${TMPDIR:-/tmp}/window_xvfb_keys_shot.png" 2>/dev/null
fi

# --- resized: the layout scaled to fit, aspect kept, white margins ---------------
xdotool windowsize "$WIN" 1000 700
# 1440x900 at 1000/1440 is 1000x625, centred: 37.5 units of margin above and below.
replay_png $'12\b5\x0c1\r' "$WORK/lesson_small.png" 0.6944444
if wait_for_picture "$WORK/lesson_small.png" "1000x625+0+38"; then
    pass "resized window shows the layout scaled to fit (NRMSE $DIST)"
else
    fail "resized window differs from the scaled replay (NRMSE $DIST)"
    cp "$WORK/shot.png" "${TMPDIR:-/tmp}/window_xvfb_resized_shot.png" 2>/dev/null
fi
top=$(convert "$WORK/shot.png" -crop 1000x37+0+0 +repage -format '%[fx:minima]' info: 2>/dev/null)
bottom=$(convert "$WORK/shot.png" -crop 1000x37+0+663 +repage -format '%[fx:minima]' info: 2>/dev/null)
if [ "$top" = "1" ] && [ "$bottom" = "1" ]; then
    pass "margins are background white"
else
    fail "margins are not plain white (darkest top $top, bottom $bottom)"
fi

# Keys in the smaller window: back to the menu and into the lesson again,
# which erases the menu's panel (only where something was drawn) at the new
# scale; every pixel as the replay shows it.
xdotool type --window "$WIN" --delay 20 "7"
xdotool key --window "$WIN" Return
xdotool type --window "$WIN" --delay 20 "1"
xdotool key --window "$WIN" Return
replay_png $'12\b5\x0c1\r7\r1\r' "$WORK/lesson_again_small.png" 0.6944444
if wait_for_picture "$WORK/lesson_again_small.png" "1000x625+0+38" 1e-9; then
    pass "keys in the resized window: the lesson opened again as the scaled replay shows it (NRMSE $DIST)"
else
    fail "keys in the resized window: the lesson opened again differs from the scaled replay (NRMSE $DIST)"
    cp "$WORK/shot.png" "${TMPDIR:-/tmp}/window_xvfb_resized_keys_shot.png" 2>/dev/null
fi

# --- closing the window ends the program with status 0 ---------------------------
close_and_check "kelvane in a lesson"

# --- an input method's full-width digit opens a lesson; an arrow, Page Down and the keypad turn pages
"$BUILD/kelvane" >/dev/null 2>"$WORK/kelvane2.err" &
PROG_PID=$!
WIN=$(timeout 20 xdotool search --sync --onlyvisible --name '^Kelvane$' 2>/dev/null | head -1)
if [ -z "$WIN" ]; then
    fail "no second Kelvane window appeared: $(cat "$WORK/kelvane2.err")"
else
    wait_for_picture "$WORK/menu.png" "" >/dev/null
    # The program is stopped while the keys are typed, so it reads them only
    # afterwards, as a program busy drawing does; the full-width 3 stays
    # bound until the lesson shows.
    code=$("$WORK/keymap" bind UFF13) || fail "no spare keycode for the full-width 3"
    kill -STOP "$PROG_PID"
    xdotool type --window "$WIN" --delay 20 "３"
    xdotool key --window "$WIN" Return
    kill -CONT "$PROG_PID"
    replay_png $'3\r' "$WORK/lesson3.png" 1
    wait_for_picture "$WORK/lesson3.png" "" && pass "full-width 3 and Enter open lesson 3 (NRMSE $DIST)" \
        || fail "full-width 3 and Enter did not open lesson 3 (NRMSE $DIST)"
    [ -n "$code" ] && "$WORK/keymap" unbind "$code"
    xdotool type --window "$WIN" --delay 20 "1"
    xdotool key --window "$WIN" Return
    xdotool key --window "$WIN" Right
    xdotool key --window "$WIN" Next
    # The problem comes from the clock, so only what every problem shows is
    # compared: the heading, and the "=" that opens the row the second key
    # brings.
    replay_png $'3\r1\r\x1c\x1a' "$WORK/pages.png" 1
    convert "$WORK/pages.png" -crop 1440x80+0+0 +repage "$WORK/pages_head.png"
    convert "$WORK/pages.png" -crop 30x40+95+220 +repage "$WORK/pages_eq.png"
    wait_for_picture "$WORK/pages_head.png" "1440x80+0+0" >/dev/null
    wait_for_picture "$WORK/pages_eq.png" "30x40+95+220" && pass "an arrow and Page Down turn pages (NRMSE $DIST)" \
        || { fail "an arrow and Page Down did not turn the pages (NRMSE $DIST)"; cp "$WORK/shot.png" "${TMPDIR:-/tmp}/window_xvfb_pages_shot.png" 2>/dev/null; }

    # The keypad as many desktops start it, NumLock off: each key is the one
    # it also bears.  End and Down turn the step's last two pages, one each,
    # which shows in the "=" of the fourth and fifth rows.  At the step's end
    # the point clears the 5 typed before it, as Delete does, so that 1 and
    # Enter open the next step, whose first page Insert turns: the second
    # problem's heading shows (a 5 left in the number would have brought
    # this step again, with a new problem).
    numlock=$("$WORK/keymap" numlock)
    [ "$numlock" = off ] || fail "the server's NumLock is $numlock at the start, not off"
    xdotool key --window "$WIN" KP_End
    wait_for_region $'3\r1\r\x1c\x1a\x1a' 30x105+95+285 && pass "keypad End without NumLock turns one page (NRMSE $DIST)" \
        || fail "keypad End without NumLock did not turn one page (NRMSE $DIST)"
    xdotool key --window "$WIN" KP_Down
    wait_for_region $'3\r1\r\x1c\x1a\x1a\x1f' 30x105+95+285 && pass "keypad Down without NumLock turns one page (NRMSE $DIST)" \
        || fail "keypad Down without NumLock did not turn one page (NRMSE $DIST)"
    xdotool type --window "$WIN" --delay 20 "5"
    xdotool key --window "$WIN" KP_Delete
    xdotool type --window "$WIN" --delay 20 "1"
    xdotool key --window "$WIN" Return KP_Insert
    wait_for_region $'3\r1\r\x1c\x1a\x1a\x1f5\x0c1\r\x1a' 540x50+595+25 \
        && pass "keypad Delete without NumLock clears the number typed, and Insert turns a page (NRMSE $DIST)" \
        || fail "keypad Delete without NumLock did not clear the number typed, or Insert did not turn a page (NRMSE $DIST)"
    # With NumLock on, the key that bears End and 1 types 1: one page, not a
    # second for the key press too.  Down first brings the second problem's
    # "(" row, so that the "=" of the two rows after it tell one page from
    # two.  Num_Lock and the key go through the server's keyboard (no
    # --window), as a user's keys do: the server locks NumLock, the window
    # sees the lock key pressed, and the key types by the lock.  The key is
    # named by its End keysym: asked for KP_1, xdotool unlocks NumLock first.
    xdotool key --window "$WIN" KP_Down
    xdotool key Num_Lock
    numlock=$("$WORK/keymap" numlock)
    [ "$numlock" = on ] || fail "Num_Lock did not lock NumLock (it is $numlock)"
    xdotool key KP_End
    wait_for_region $'3\r1\r\x1c\x1a\x1a\x1f5\x0c1\r\x1a\x1f1' 30x105+650+220 \
        && pass "keypad 1 with NumLock on turns one page (NRMSE $DIST)" \
        || { fail "keypad 1 with NumLock on did not turn one page (NRMSE $DIST)"; cp "$WORK/shot.png" "${TMPDIR:-/tmp}/window_xvfb_keypad_shot.png" 2>/dev/null; }
    xdotool key Num_Lock
    numlock=$("$WORK/keymap" numlock)
    [ "$numlock" = off ] || fail "Num_Lock did not unlock NumLock again (it is $numlock)"

    # Each keypad key is one key, in every state.  The second point key some
    # keypads have (keycode 129, which SDL takes for the keypad's point)
    # types "." whatever NumLock says: without NumLock it turns one page, not
    # a second for a Delete too; the "=" of the second problem's rows tell
    # one page from two.  Under NumLock, Shift with the key that bears End and
    # 1 is End, as the server makes it, and types nothing: one page, which
    # brings the step's last row and its prompt (a key taken for the 1 whose
    # text never comes would turn none).
    keys=$'3\r1\r\x1c\x1a\x1a\x1f5\x0c1\r\x1a\x1f1'
    "$WORK/keymap" set 129 KP_Decimal || fail "keycode 129 could not be made the keypad's second point"
    xdotool key 129
    wait_for_region "$keys"$'\x1a' 30x160+650+220 \
        && pass "the second keypad point without NumLock turns one page (NRMSE $DIST)" \
        || { fail "the second keypad point without NumLock did not turn one page (NRMSE $DIST)"; cp "$WORK/shot.png" "${TMPDIR:-/tmp}/window_xvfb_point_shot.png" 2>/dev/null; }
    xdotool key Num_Lock
    numlock=$("$WORK/keymap" numlock)
    [ "$numlock" = on ] || fail "Num_Lock did not lock NumLock (it is $numlock)"
    xdotool key shift+KP_End
    wait_for_region "$keys"$'\x1a\x1a' 30x160+650+220 \
        && pass "Shift with keypad 1 under NumLock turns one page (NRMSE $DIST)" \
        || { fail "Shift with keypad 1 under NumLock did not turn one page (NRMSE $DIST)"; cp "$WORK/shot.png" "${TMPDIR:-/tmp}/window_xvfb_shift_kp1_shot.png" 2>/dev/null; }
    # At the prompt, Shift with the keypad's 1 under NumLock puts no digit in
    # the number, and without NumLock the second point types "." and leaves
    # the digit before it: the number shows beside "入力".
    xdotool type --delay 20 "2"
    xdotool key shift+KP_End
    xdotool type --delay 20 "3"
    wait_for_region "$keys"$'\x1a\x1a23' 70x30+1050+642 \
        && pass "at a prompt Shift with keypad 1 under NumLock adds no digit (NRMSE $DIST)" \
        || fail "at a prompt Shift with keypad 1 under NumLock added a digit (NRMSE $DIST)"
    xdotool key Num_Lock
    numlock=$("$WORK/keymap" numlock)
    [ "$numlock" = off ] || fail "Num_Lock did not unlock NumLock again (it is $numlock)"
    xdotool key Delete
    xdotool type --delay 20 "0"
    xdotool key 129
    xdotool type --delay 20 "5"
    wait_for_region "$keys"$'\x1a\x1a23\x0c0.5' 70x30+1050+642 \
        && pass "at a prompt the second keypad point without NumLock types a point alone (NRMSE $DIST)" \
        || { fail "at a prompt the second keypad point without NumLock did not type a point alone (NRMSE $DIST)"; cp "$WORK/shot.png" "${TMPDIR:-/tmp}/window_xvfb_point_prompt_shot.png" 2>/dev/null; }
    close_and_check "kelvane after page keys"
fi

# --- the other two programs start in their windows and close -----------------------
# Starts PROG and sets PROG_PID and WIN; fails and returns 1 when no window shows.
start_program() {  # PROG
    local title
    title="$(tr '[:lower:]' '[:upper:]' <<<"${1:0:1}")${1:1}"
    "$BUILD/$1" >/dev/null 2>"$WORK/$1.err" &
    PROG_PID=$!
    WIN=$(timeout 20 xdotool search --sync --onlyvisible --name "^$title\$" 2>/dev/null | head -1)
    [ -n "$WIN" ] || { fail "no $title window appeared: $(cat "$WORK/$1.err")"; return 1; }
}

if start_program dorrith; then
    replay_png "" "$WORK/dorrith.png" 1 dorrith
    wait_for_picture "$WORK/dorrith.png" "" && pass "dorrith menu matches the replay (NRMSE $DIST)" \
        || fail "dorrith menu differs from the replay (NRMSE $DIST)"
    close_and_check "dorrith at its menu"
fi

# On the 16:9 screen, wider than the layout: 1440x900 at 1080/900 = 1.2 is
# 1728x1080, centred: 96 pixels of margin left and right, none above or below.
if ! DISPLAY=$(display_of wide); then
    fail "the 1920x1080 Xvfb did not start: $(tail -3 "$WORK/wide.log")"
elif start_program sarnoth; then
    geometry=$(xdotool getwindowgeometry "$WIN" | awk '/Geometry/ { print $2 }')
    [ "$geometry" = "1920x1080" ] && pass "window fills the 1920x1080 screen" || fail "window is $geometry, not 1920x1080"
    replay_png "" "$WORK/sarnoth.png" 1.2 sarnoth
    if wait_for_picture "$WORK/sarnoth.png" "1728x1080+96+0"; then
        pass "on the wide screen the sarnoth menu fills the height, centred (NRMSE $DIST)"
    else
        fail "on the wide screen the sarnoth menu is not the replay scaled to the height and centred (NRMSE $DIST)"
        cp "$WORK/shot.png" "${TMPDIR:-/tmp}/window_xvfb_wide_shot.png" 2>/dev/null
    fi
    darkest=$(convert "$WORK/shot.png" -fill white -draw "rectangle 96,0 1823,1079" -format '%[fx:minima]' info: 2>/dev/null)
    [ "$darkest" = "1" ] && pass "the margins left and right are background white" \
        || fail "the margins left and right are not plain white (darkest $darkest)"
    close_and_check "sarnoth on the wide screen"
fi

if [ "$FAILED" -eq 0 ]; then
    echo "window_xvfb: all checks passed"
    exit 0
fi
exit 1
