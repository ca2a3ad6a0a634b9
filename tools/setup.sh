#!/usr/bin/env bash
# Installs whatever Debian packages are missing, then configures and builds
# the game into build/ (or the folder given as the first argument; further
# arguments go to CMake). BRUMALO_TARGETS names what to build, everything
# when unset.
# Safe to run again: it installs nothing that is already there, configures
# a build folder only the first time or when its settings change, and lets
# CMake rebuild only what changed. It prints a line per stage, and a stage's
# whole output only when that stage fails.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
top="$(cd "$here/.." && pwd)"
build="${1:-$top/build}"
shift || true
build_type="${BUILD_TYPE:-RelWithDebInfo}"

# shellcheck source=setup_steps.sh
source "$here/setup_steps.sh"

# A new build folder uses Ninja, which finds in a moment that nothing needs
# rebuilding. An existing one keeps its generator and settings unless new
# ones are asked for; the build itself reconfigures when a CMake file changes.
cache="$build/CMakeCache.txt"
if [ ! -f "$cache" ]; then
    stage "Configuring $build" cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE="$build_type" "$@"
elif [ $# -gt 0 ] || ! grep -qx "CMAKE_BUILD_TYPE:STRING=$build_type" "$cache"; then
    stage "Configuring $build" cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE="$build_type" "$@"
fi

if [ -n "${BRUMALO_TARGETS:-}" ]; then
    read -r -a targets <<<"$BRUMALO_TARGETS"
    stage "Building ${targets[*]}" cmake --build "$build" -j "$(nproc)" --target "${targets[@]}"
else
    stage "Building everything" cmake --build "$build" -j "$(nproc)"
fi
