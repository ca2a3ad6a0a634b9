#!/usr/bin/env bash
# Measures the browser build in headless Chromium (software WebGL), serving
# the site itself on 127.0.0.1, and prints the median and the range of
# several rounds for each figure, beside the limit it is held to:
#   - the download of an English player's first visit: every file the page
#     fetched, uncompressed, as the browser counts it, listed once and summed;
#     and the game's code alone, brumalo.js and brumalo.wasm;
#   - navigation to the title drawn (the game's first draw call, shown at the
#     next animation frame): cold, in a fresh browser profile, and warm, on a
#     second visit in the same profile;
#   - during five seconds of play with the light held on a branch, on a page
#     of 800 by 600: frames per second and the 95th percentile frame;
#   - the game's fill, in full windows of pixels drawn a frame while the
#     light is held and again once the dusk has darkened (the page's clocks
#     run ten times as fast to reach it, then at their real pace), and its
#     frames per second and 95th percentile at the full 800-pixel canvas
#     (the page not let draw fewer pixels) beside a page that draws one
#     full-window textured blended layer a frame and nothing else, both
#     measured in each round, with their ratios;
#   - a first visit over a phone's slow link (Chromium's network emulation:
#     1.6 Mbit/s, 150 ms round trips, the cache disabled): navigation to the
#     title, to the lake ready for play (every picture and sound the live
#     game needs in the page) and to everything in (the music), the page's
#     Largest Contentful Paint, the bytes that came before the title and
#     the bytes of every file.
# It reports figures and judges none: it fails only when it cannot measure
# (no site, no browser, a game that never draws).
#
#   tools/measure/web_measure.sh [rounds] [site folder]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
top="$(cd "$here/../.." && pwd)"
rounds=${1:-5}
site=${2:-$top/build-web/site}
[[ $rounds =~ ^[1-9][0-9]*$ ]] || { echo "usage: $0 [rounds] [site folder]" >&2; exit 2; }
[ -f "$site/index.html" ] || { echo "no $site/index.html: build the site first (tools/web.sh --no-serve)" >&2; exit 1; }
for needed in /usr/bin/python3 /usr/bin/chromedriver; do
    [ -x "$needed" ] || { echo "missing $needed: install chromium-driver and python3-selenium" >&2; exit 1; }
done
# Debian's selenium is the system python's.
exec /usr/bin/python3 "$here/web_measure.py" "$rounds" "$(cd "$site" && pwd)"
