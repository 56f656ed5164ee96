#!/usr/bin/env bash
# Figures for the real window, measured under Xvfb (no pass or fail):
#   - start-up to the first frame of the Kelvane menu, against a bare
#     SDL2 + Cairo + Pango window showing one line of Japanese text, in the
#     same run (goal: within 1.5x);
#   - CPU while idle at the menu prompt (goal: below 2% of a core);
#   - peak memory (goal: below 80 MB).
#
#   bash bench/run.sh BUILD_DIR
set -u

BUILD=${1:?usage: bench/run.sh BUILD_DIR}
BUILD=$(cd "$BUILD" && pwd)
RUNS=${BENCH_RUNS:-9}
IDLE_SECONDS=${BENCH_IDLE_SECONDS:-5}

for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null 2>&1 || { echo "bench: $tool is not installed; nothing measured"; exit 0; }
done
for bin in kelvane bench_bare_window; do
    [ -x "$BUILD/$bin" ] || { echo "bench: $BUILD/$bin is not built"; exit 1; }
done

WORK=$(mktemp -d)
XVFB_PID=
PIDS=()
cleanup() {
    for p in "${PIDS[@]}"; do kill "$p" 2>/dev/null; done
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$WORK"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1440x900x24 -nolisten tcp -noreset 3>"$WORK/display" 2>"$WORK/xvfb.log" &
XVFB_PID=$!
for _ in $(seq 100); do
    [ -s "$WORK/display" ] && break
    sleep 0.1
done
[ -s "$WORK/display" ] || { echo "bench: Xvfb did not start"; exit 1; }
export DISPLAY=":$(head -1 "$WORK/display")"
unset WAYLAND_DISPLAY SDL_VIDEODRIVER

HZ=$(getconf CLK_TCK)
now_ns() { date +%s%N; }
median() { sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat" 2>/dev/null || echo 0; }
peak_kb() { awk '/^VmHWM:/ { print $2 }' "/proc/$1/status" 2>/dev/null || echo 0; }

# --- start-up to the first frame ---------------------------------------------------
# Kelvane exits after showing the first frame on which it waits for a key (the
# menu prompt); the bare window after showing its one frame.  Runs alternate,
# after one warm-up run of each (font caches).
startup_once() {  # COMMAND...
    local t0 t1
    t0=$(now_ns)
    "$@" >/dev/null 2>"$WORK/startup.err" || { echo "bench: $1 failed: $(cat "$WORK/startup.err")" >&2; }
    t1=$(now_ns)
    echo $(((t1 - t0) / 1000))
}
CW_EXIT_AFTER_FIRST_FRAME=1 startup_once "$BUILD/kelvane" >/dev/null
startup_once "$BUILD/bench_bare_window" >/dev/null
: >"$WORK/kelvane.us"
: >"$WORK/bare.us"
for _ in $(seq "$RUNS"); do
    CW_EXIT_AFTER_FIRST_FRAME=1 startup_once "$BUILD/kelvane" >>"$WORK/kelvane.us"
    startup_once "$BUILD/bench_bare_window" >>"$WORK/bare.us"
done
kel_ms=$(median <"$WORK/kelvane.us" | awk '{ printf "%.1f", $1 / 1000 }')
bare_ms=$(median <"$WORK/bare.us" | awk '{ printf "%.1f", $1 / 1000 }')
ratio=$(awk -v a="$kel_ms" -v b="$bare_ms" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }')
echo "start-up to first frame (median of $RUNS): kelvane menu ${kel_ms} ms, bare window ${bare_ms} ms, ratio ${ratio}x (goal <= 1.5x)"

# --- idle CPU at the menu prompt -------------------------------------------------------
"$BUILD/kelvane" >/dev/null 2>"$WORK/kelvane.err" &
KEL=$!
PIDS+=("$KEL")
WIN=$(timeout 20 xdotool search --sync --onlyvisible --name '^Kelvane$' 2>/dev/null | head -1)
if [ -z "$WIN" ]; then
    echo "bench: no Kelvane window: $(cat "$WORK/kelvane.err")"
    exit 1
fi
sleep 2  # settle at the prompt
k0=$(cpu_ticks "$KEL")
x0=$(cpu_ticks "$XVFB_PID")
t0=$(now_ns)
sleep "$IDLE_SECONDS"
k1=$(cpu_ticks "$KEL")
x1=$(cpu_ticks "$XVFB_PID")
t1=$(now_ns)
secs=$(awk -v a="$t0" -v b="$t1" 'BEGIN { print (b - a) / 1e9 }')
kel_cpu=$(awk -v t=$((k1 - k0)) -v hz="$HZ" -v s="$secs" 'BEGIN { printf "%.2f", 100 * t / hz / s }')
x_cpu=$(awk -v t=$((x1 - x0)) -v hz="$HZ" -v s="$secs" 'BEGIN { printf "%.2f", 100 * t / hz / s }')
echo "idle at the menu prompt over ${secs%.*} s: kelvane ${kel_cpu}% of a core (goal < 2%); the X server meanwhile ${x_cpu}%"

# --- peak memory --------------------------------------------------------------------------
menu_kb=$(peak_kb "$KEL")
# Some lesson pages as well: lesson 3, then page turns and sub-menu numbers.
xdotool type --window "$WIN" --delay 30 "3"
xdotool key --window "$WIN" Return
for k in 1 2 3 4 5 6 7 8; do
    sleep 0.2
    xdotool type --window "$WIN" --delay 30 "$k"
    xdotool key --window "$WIN" Return
done
sleep 1
lesson_kb=$(peak_kb "$KEL")
"$BUILD/bench_bare_window" --stay >/dev/null 2>&1 &
BARE=$!
PIDS+=("$BARE")
timeout 20 xdotool search --sync --onlyvisible --name '^Bare$' >/dev/null 2>&1
sleep 0.5
bare_kb=$(peak_kb "$BARE")
awk -v m="$menu_kb" -v l="$lesson_kb" -v b="$bare_kb" 'BEGIN {
    printf "peak memory (VmHWM): kelvane at the menu %.1f MB, after some lesson pages %.1f MB (goal < 80 MB); bare window %.1f MB\n",
           m / 1024, l / 1024, b / 1024 }'
if [ -x /usr/bin/time ]; then
    CW_EXIT_AFTER_FIRST_FRAME=1 /usr/bin/time -v "$BUILD/kelvane" 2>"$WORK/time.txt" >/dev/null
    awk -F: '/Maximum resident set size/ { printf "peak memory (/usr/bin/time -v, start-up to the menu): %.1f MB\n", $2 / 1024 }' "$WORK/time.txt"
fi
