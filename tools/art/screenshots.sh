#!/usr/bin/env bash
# The scene preview, from the real game: plays a short scripted game under a
# private virtual display and saves what the window shows, to look at the
# pictures as a player meets them:
#   tools/art/screenshots.sh [build folder] [output folder]
# Shots: the title, the instructions, the lake with the light focused on the
# left tree's lower branch, and the same a little later once icicles hang
# there. With faketime installed the game's clock runs ten times fast, and a
# last shot shows the dusk near the end of the game.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build="$(cd "${1:-$here/../../build}" && pwd)"
out="${2:-/tmp/brumalo-screenshots}"

if [ -z "${BRUMALO_SHOTS_DISPLAY:-}" ]; then
    BRUMALO_SHOTS_DISPLAY=1 exec "$here/../../tests/support/with-display.sh" bash "$0" "$build" "$out"
fi
mkdir -p "$out"

speed=()
if command -v faketime >/dev/null; then
    speed=(faketime -f "+0 x10")
fi
cd "$build"
"${speed[@]}" ./brumalo >"$out/stdout.txt" 2>&1 &
game=$!
trap 'kill "$game" 2>/dev/null; sleep 0.3; kill -KILL "$game" 2>/dev/null || true' EXIT

window=""
for _ in $(seq 150); do
    window=$(xdotool search --onlyvisible --name '^Brumalo$' 2>/dev/null | head -n1 || true)
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "the game window never showed" >&2; cat "$out/stdout.txt" >&2; exit 1; }

shot() {
    sleep "${2:-0.5}"
    import -window "$window" "$out/$1.png"
    echo "$out/$1.png"
}
click() {
    xdotool mousemove --window "$window" 400 300 click 1
}

shot 01-title 1
click
shot 02-instructions
click
# The pointer at window pixel (320, 125) puts the glass at (-80, 195): early
# in the game its focus lands on the left tree's lower branch.
xdotool mousemove --window "$window" 320 125
sleep 0.3
xdotool mousedown 1
shot 03-focusing 0.4
shot 04-icicles-growing 0.6
xdotool mouseup 1
shot 05-released 0.3
if [ ${#speed[@]} -gt 0 ]; then
    # About 190 s of game time have passed after some 19 s: progress 0.8.
    shot 06-dusk 16
fi
