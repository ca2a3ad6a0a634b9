#!/usr/bin/env bash
# Measures the time from launching the game to its first drawn title frame,
# under a virtual display with Mesa's software renderer, beside the same
# time for an empty GLUT program that only clears and swaps. Prints the
# median, fastest and slowest of several runs of each, in milliseconds.
# Usage: tools/startup/measure.sh [build folder] [runs]
set -euo pipefail
export LC_ALL=C
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
top="$(cd "$here/../.." && pwd)"
build="$(cd "${1:-$top/build}" && pwd)"
runs=${2:-9}
probe="$build/tools/startup/libfirst_swap_probe.so"
empty="$build/tools/startup/empty_glut_window"

for needed in "$build/brumalo" "$probe" "$empty"; do
    [ -e "$needed" ] || { echo "missing $needed: build first" >&2; exit 1; }
done

# All runs share one virtual display.
if [ -z "${BRUMALO_MEASURE_DISPLAY:-}" ]; then
    BRUMALO_MEASURE_DISPLAY=1 exec "$top/tests/support/with-display.sh" bash "$0" "$build" "$runs"
fi
# An X server with no clients resets between runs; a desktop never does.
xprop -root -spy >/dev/null 2>&1 &
holder=$!
stamp=$(mktemp)
trap 'kill $holder 2>/dev/null; rm -f "$stamp"' EXIT

# Milliseconds from launch to first swap for one run of a program, started
# from a folder.
one_run() {
    local folder=$1 program=$2 start
    rm -f "$stamp"
    start=$EPOCHREALTIME
    (cd "$folder" && FIRST_SWAP_FILE="$stamp" FIRST_SWAP_EXIT=1 LD_PRELOAD="$probe" \
        timeout 30 "$program" >/dev/null 2>&1) || true
    [ -s "$stamp" ] || { echo "no frame from $program" >&2; return 1; }
    awk -v start="$start" '{ printf "%.1f\n", ($1 - start) * 1000 }' "$stamp"
}

# Prints "median fastest slowest" of the numbers on standard input.
summary() {
    sort -n | awk '{ v[NR] = $1 } END { printf "%8.1f %8.1f %8.1f\n", v[int((NR + 1) / 2)], v[1], v[NR] }'
}

measure() {
    local folder=$1 program=$2
    one_run "$folder" "$program" >/dev/null # warm the file cache
    for _ in $(seq "$runs"); do
        one_run "$folder" "$program"
    done | summary
}

game=$(measure "$build" ./brumalo)
floor=$(measure "$build" "$empty")
[ -e "$build/img/splash.jpg" ] || echo "note: $build/img/splash.jpg is missing; the title drew untextured"
echo "ms from launch to first frame, $runs runs each: median fastest slowest"
printf '%-22s %s\n' "brumalo title screen" "$game" "empty GLUT window" "$floor"
