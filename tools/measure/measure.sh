#!/usr/bin/env bash
# Measures the game beside the emptiest GLUT program, side by side under one
# virtual display with Mesa's software renderer, and prints the medians of
# several rounds for each:
#   - launch to first frame (the game's title), and its ratio to the empty
#     program's;
#   - during five seconds of play with the light held on a branch (the empty
#     program: five seconds of its frames): frames per second, the 95th
#     percentile frame, and the CPU used, in cores and in milliseconds per
#     frame (the figure a busy machine disturbs least);
#   - the longest frame from the click that starts the game to the end of
#     that play;
#   - the CPU of the game paused (P) for five seconds after that play, in
#     cores;
#   - peak resident memory, and the game's above the empty program's.
# Give more than one build folder to measure their games side by side in the
# same run, e.g. before and after a change; the probe and the empty program
# come from the first.
#
#   tools/measure/measure.sh [rounds] [build folder ...]
set -euo pipefail
export LC_ALL=C
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
top="$(cd "$here/../.." && pwd)"
rounds=${1:-5}
shift || true
builds=()
for folder in "${@:-$top/build}"; do
    builds+=("$(cd "$folder" && pwd)")
done
probe="${builds[0]}/tools/measure/libswap_probe.so"
empty="${builds[0]}/tools/measure/empty_glut_window"
for needed in "$probe" "$empty"; do
    [ -e "$needed" ] || { echo "missing $needed: build first" >&2; exit 1; }
done
for build in "${builds[@]}"; do
    [ -e "$build/brumalo" ] || { echo "missing $build/brumalo: build first" >&2; exit 1; }
done

# Every run shares one virtual display.
if [ -z "${BRUMALO_MEASURE_DISPLAY:-}" ]; then
    BRUMALO_MEASURE_DISPLAY=1 exec "$top/tests/support/with-display.sh" bash "$0" "$rounds" "${builds[@]}"
fi
# An X server with no clients resets between runs; a desktop never does.
xprop -root -spy >/dev/null 2>&1 &
holder=$!
scratch=$(mktemp -d)
trap 'kill $holder 2>/dev/null; rm -rf "$scratch"' EXIT

ticks_per_second=$(getconf CLK_TCK)
now() { echo "${EPOCHREALTIME/./}000"; } # nanoseconds, like the probe's log
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
peak_mb() { awk '/^VmHWM/ { printf "%.1f\n", $2 / 1024 }' "/proc/$1/status"; }

wait_for_swaps() {
    for _ in $(seq 300); do
        [ -s "$1" ] && return 0
        sleep 0.05
    done
    echo "no frame logged in $1" >&2
    return 1
}

# Milliseconds from launch to the first frame of a program run from a folder.
start_up() {
    local folder=$1 program=$2 log="$scratch/first" start
    rm -f "$log"
    start=$(now)
    (cd "$folder" && SWAP_LOG="$log" SWAP_EXIT_AFTER_FIRST=1 LD_PRELOAD="$probe" \
        timeout 30 "$program" >/dev/null 2>&1) || true
    [ -s "$log" ] || { echo "no frame from $program" >&2; return 1; }
    awk -v start="$start" 'NR == 1 { printf "%.1f\n", ($1 - start) / 1e6 }' "$log"
}

# "frames-per-second 95th-percentile-ms" of the swaps logged between two moments.
frame_stats() {
    awk -v from="$2" -v to="$3" '
        $1 > from && $1 <= to { if (previous) gaps[++n] = ($1 - previous) / 1e6; frames++ }
        { previous = $1 }
        END {
            for (i = 2; i <= n; i++) { v = gaps[i]; for (j = i - 1; j > 0 && gaps[j] > v; j--) gaps[j + 1] = gaps[j]; gaps[j + 1] = v }
            k = int(0.95 * n + 0.999); if (k < 1) k = 1
            printf "%.1f %.1f\n", frames / ((to - from) / 1e9), gaps[k]
        }' "$1"
}

# The longest gap between swaps, in milliseconds, among frames that end after a moment.
longest_after() {
    awk -v from="$2" 'NR > 1 && $1 > from { gap = $1 - previous; if (gap > worst) worst = gap }
        { previous = $1 } END { printf "%.1f\n", worst / 1e6 }' "$1"
}

# Notes one figure of one program in one round.
note() { echo "$3" >>"$scratch/$1.$2"; }

# Five seconds of a started program's frames and CPU from now: notes frame
# rate, 95th percentile and cores.
watch_play() {
    local label=$1 pid=$2 log=$3 from cpu_from to cpu_to stats
    from=$(now)
    cpu_from=$(cpu_ticks "$pid")
    sleep 5
    to=$(now)
    cpu_to=$(cpu_ticks "$pid")
    read -r -a stats < <(frame_stats "$log" "$from" "$to")
    note "$label" fps "${stats[0]}"
    note "$label" p95 "${stats[1]}"
    note "$label" cores "$(awk -v t="$((cpu_to - cpu_from))" -v hz="$ticks_per_second" -v s="$(((to - from) / 1000000))" \
        'BEGIN { printf "%.2f\n", t / hz / (s / 1000) }')"
    note "$label" cpu_per_frame "$(awk -v c="$(tail -n1 "$scratch/$label.cores")" -v f="${stats[0]}" \
        'BEGIN { printf "%.1f\n", (f > 0 ? c * 1000 / f : 0) }')"
    note "$label" memory "$(peak_mb "$pid")"
}

play_empty() {
    local log="$scratch/empty.log" pid
    rm -f "$log"
    SWAP_LOG="$log" LD_PRELOAD="$probe" "$empty" >/dev/null 2>&1 &
    pid=$!
    wait_for_swaps "$log"
    sleep 1
    watch_play empty "$pid" "$log"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
}

# The game: title, instructions, then play with the light held on branch 1.
play_game() {
    local label=$1 build=$2 log="$scratch/$1.log" pid window started
    rm -f "$log"
    (cd "$build" && exec env SWAP_LOG="$log" LD_PRELOAD="$probe" XDG_DATA_HOME="$scratch/data" \
        XDG_CONFIG_HOME="$scratch/config" ./brumalo >/dev/null 2>&1) &
    pid=$!
    wait_for_swaps "$log"
    window=$(xdotool search --sync --name '^Brumalo$' | head -n1)
    sleep 1
    xdotool mousemove --window "$window" 400 300 click 1
    sleep 0.5
    started=$(now)
    xdotool click 1
    sleep 0.5
    xdotool mousemove --window "$window" 320 125 mousedown 1
    sleep 1
    watch_play "$label" "$pid" "$log"
    note "$label" longest "$(longest_after "$log" "$started")"
    xdotool mouseup 1 key p
    sleep 1
    local cpu_from cpu_to
    cpu_from=$(cpu_ticks "$pid")
    sleep 5
    cpu_to=$(cpu_ticks "$pid")
    note "$label" paused "$(awk -v t="$((cpu_to - cpu_from))" -v hz="$ticks_per_second" \
        'BEGIN { printf "%.3f\n", t / hz / 5 }')"
    xdotool key Escape
    wait "$pid" 2>/dev/null || true
}

labels=(empty)
for i in "${!builds[@]}"; do
    labels+=("game$i")
done

# Warm the file cache, then take the rounds in turn, so that a busy moment
# of the machine falls on every program alike.
start_up "${builds[0]}" "$empty" >/dev/null
for build in "${builds[@]}"; do
    start_up "$build" ./brumalo >/dev/null
done
for _ in $(seq "$rounds"); do
    for _ in 1 2; do
        note empty launch "$(start_up "${builds[0]}" "$empty")"
        for i in "${!builds[@]}"; do
            note "game$i" launch "$(start_up "${builds[$i]}" ./brumalo)"
        done
    done
    play_empty
    for i in "${!builds[@]}"; do
        play_game "game$i" "${builds[$i]}"
    done
done

median() { sort -g "$scratch/$1.$2" 2>/dev/null | awk '{ v[NR] = $1 } END { print (NR ? v[int((NR + 1) / 2)] : "-") }'; }

echo "medians of $rounds rounds (launch: $((rounds * 2)) runs each)"
printf '%-28s %10s %7s %7s %7s %11s %6s %8s %7s %9s %10s\n' program "launch ms" ratio fps "p95 ms" "longest ms" cores "cpu ms" paused "peak MB" "above empty"
empty_launch=$(median empty launch)
empty_memory=$(median empty memory)
for label in "${labels[@]}"; do
    if [ "$label" = empty ]; then
        name="empty GLUT window"
    else
        name="${builds[${label#game}]}"
        [ ${#name} -le 28 ] || name="...${name: -25}"
    fi
    launch=$(median "$label" launch)
    memory=$(median "$label" memory)
    printf '%-28s %10s %7s %7s %7s %11s %6s %8s %7s %9s %10s\n' "$name" "$launch" \
        "$(awk -v a="$launch" -v b="$empty_launch" 'BEGIN { printf "%.2f", a / b }')" \
        "$(median "$label" fps)" "$(median "$label" p95)" "$(median "$label" longest)" \
        "$(median "$label" cores)" "$(median "$label" cpu_per_frame)" "$(median "$label" paused)" "$memory" \
        "$(awk -v a="$memory" -v b="$empty_memory" 'BEGIN { printf "%+.1f", a - b }')"
done
