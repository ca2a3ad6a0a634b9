#!/usr/bin/env bash
# Sets up and builds only what the game needs (the game, its pictures and
# sounds; not the tests, benchmarks or measuring tools), then starts Brumalo
# from its run folder.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
BRUMALO_TARGETS="brumalo pictures brumalo_sounds" "$here/setup.sh"
echo "Starting Brumalo"
cd "$here/../build"
exec ./brumalo "$@"
