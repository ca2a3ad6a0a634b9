#!/usr/bin/env bash
# Measures the game beside the smallest GLUT program, side by side under one
# virtual display: the time from launch to the first frame on screen, the
# frame rate (the game's with the light held on a branch), the longest
# frame of the game's run (the click that starts the game included), and
# the game's peak resident memory. Prints medians of several rounds.
#
#   tools/frame_timing/measure.sh [build-dir] [rounds]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build="$(cd "${1:-$here/../../build}" && pwd)"
rounds="${2:-5}"

if [ -z "${DISPLAY:-}" ]; then
    exec "$here/../../tests/support/with-display.sh" "$0" "$build" "$rounds"
fi

shim="$build/tools/libswap_log.so"
empty="$build/tools/startup/empty_glut_window"
scratch=$(mktemp -d)
# An X server with no clients resets between runs, which a desktop never
# does; a client that stays connected keeps every run alike.
xprop -root -spy >/dev/null 2>&1 &
holder=$!
trap 'kill $holder 2>/dev/null; rm -rf "$scratch"' EXIT

now() { echo "${EPOCHREALTIME/./}000"; } # nanoseconds, like the shim's log

# frames per second over the log's last `seconds` seconds
rate() {
    awk -v seconds="$2" '{ t[NR] = $1 } END {
        last = t[NR]; n = 0
        for (i = NR; i > 0 && last - t[i] <= seconds * 1e9; i--) n++
        printf "%.1f", (n - 1) / seconds }' "$1"
}

# longest gap between swaps, in milliseconds, among the frames that end
# after the given moment and, if given, before the other
longest() {
    awk -v from="$2" -v to="${3:-0}" '
        NR > 1 && $1 > from && (to == 0 || $1 <= to) { gap = $1 - previous; if (gap > worst) worst = gap }
        { previous = $1 }
        END { printf "%.1f", worst / 1e6 }' "$1"
}

median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

wait_for_swaps() {
    for _ in $(seq 200); do
        [ -s "$1" ] && return 0
        sleep 0.05
    done
    return 1
}

for round in $(seq "$rounds"); do
    # The empty program.
    log="$scratch/empty$round"
    start=$(now)
    SWAP_LOG="$log" LD_PRELOAD="$shim" "$empty" &
    pid=$!
    wait_for_swaps "$log"
    sleep 5
    kill "$pid"; wait "$pid" 2>/dev/null || true
    echo $(( ($(head -n1 "$log") - start) / 1000 )) >>"$scratch/empty_start"
    rate "$log" 4 >>"$scratch/empty_rate"; echo >>"$scratch/empty_rate"

    # The game: title, instructions, then four seconds of play with the
    # light held on a branch.
    log="$scratch/game$round"
    cd "$build"
    start=$(now)
    SWAP_LOG="$log" LD_PRELOAD="$shim" ./brumalo >/dev/null 2>&1 &
    pid=$!
    wait_for_swaps "$log"
    echo $(( ($(head -n1 "$log") - start) / 1000 )) >>"$scratch/game_start"
    window=$(xdotool search --sync --name '^Brumalo$' | head -n1)
    sleep 1
    xdotool mousemove --window "$window" 400 300 click 1
    sleep 0.5
    started=$(now)
    xdotool click 1
    sleep 0.5
    xdotool mousemove --window "$window" 320 125 mousedown 1
    sleep 5
    grep VmHWM "/proc/$pid/status" | awk '{ print $2 / 1024 }' >>"$scratch/game_memory"
    xdotool mouseup 1 key Escape
    wait "$pid" || true
    rate "$log" 4 >>"$scratch/game_rate"; echo >>"$scratch/game_rate"
    longest "$log" 0 "$started" >>"$scratch/title_longest"; echo >>"$scratch/title_longest"
    longest "$log" "$started" >>"$scratch/game_longest"; echo >>"$scratch/game_longest"
done

printf 'rounds: %s\n' "$rounds"
printf 'launch to first frame (ms):  empty GLUT %s   game %s\n' \
    "$(awk '{ print $1 / 1000 }' "$scratch/empty_start" | median)" \
    "$(awk '{ print $1 / 1000 }' "$scratch/game_start" | median)"
empty_fps=$(median <"$scratch/empty_rate")
game_fps=$(median <"$scratch/game_rate")
printf 'frames per second:           empty GLUT %s   game %s   ratio %s\n' "$empty_fps" "$game_fps" \
    "$(awk -v g="$game_fps" -v e="$empty_fps" 'BEGIN { printf "%.2f", g / e }')"
printf 'longest title frame (ms):    median %s   worst %s   (loading ahead while the picture stands still)\n' \
    "$(median <"$scratch/title_longest")" "$(sort -g "$scratch/title_longest" | tail -n1)"
printf 'longest game frame (ms):     median %s   worst %s   (from the click that starts the game on)\n' \
    "$(median <"$scratch/game_longest")" "$(sort -g "$scratch/game_longest" | tail -n1)"
printf 'game peak resident (MB):     median %s   worst %s\n' "$(median <"$scratch/game_memory")" \
    "$(sort -g "$scratch/game_memory" | tail -n1)"
