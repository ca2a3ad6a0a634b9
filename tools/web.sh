#!/usr/bin/env bash
# Builds Brumalo for the browser into build-web/ (or the folder given) and
# serves the site it leaves in its site/ on this machine only, at
# http://127.0.0.1:8080/.
#   --port N     serves on port N instead
#   --no-serve   only builds
# Like setup.sh it first installs the Debian packages that are missing (the
# web build makes its pictures and sounds with the same tools as the desktop
# one), prints a line per stage, a stage's whole output only when it fails,
# and rebuilds only what changed.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
top="$(cd "$here/.." && pwd)"
build="$top/build-web"
port=8080
serve=yes

usage() {
    echo "usage: $0 [--port N] [--no-serve] [build folder]" >&2
    exit 2
}
while [ $# -gt 0 ]; do
    case $1 in
    --port)
        [ $# -ge 2 ] && [[ $2 =~ ^[0-9]+$ ]] && [ "$2" -ge 1 ] && [ "$2" -le 65535 ] || usage
        port=$2
        shift 2
        ;;
    --no-serve)
        serve=""
        shift
        ;;
    -*) usage ;;
    *)
        build=$(realpath -m "$1")
        shift
        ;;
    esac
done

# A port that cannot be had is told before the build, not after it (where
# python3 is still to be installed, the server tells).
if [ -n "$serve" ] && command -v python3 >/dev/null &&
    ! python3 -c 'import socket, sys; socket.socket().bind(("127.0.0.1", int(sys.argv[1])))' "$port" 2>/dev/null; then
    echo "Port $port cannot be had (taken, or kept for root); choose another with --port N" >&2
    exit 1
fi

web_packages=yes
# shellcheck source=setup_steps.sh
source "$here/setup_steps.sh"

# Debian's emscripten runs its JavaScript optimiser on the system's node,
# which finds the optimiser's modules only here.
export NODE_PATH=/usr/share/nodejs

if [ ! -f "$build/CMakeCache.txt" ]; then
    stage "Configuring $build" emcmake cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=Release
fi
stage "Building the site" cmake --build "$build" -j "$(nproc)"

site="$build/site"
if [ ! -f "$site/index.html" ]; then
    echo "The build left no $site/index.html" >&2
    exit 1
fi
echo "The site is in $site"
[ -n "$serve" ] || exit 0

# Only this machine may reach the server: it is for playing here, not for
# publishing the game.
echo "Play Brumalo at http://127.0.0.1:$port/ (Ctrl+C stops the server)"
exec python3 -m http.server --bind 127.0.0.1 "$port" --directory "$site"
