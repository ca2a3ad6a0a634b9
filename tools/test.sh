#!/usr/bin/env bash
# Sets everything up, builds, and runs every test twice: on the normal build,
# then on a build with AddressSanitizer and UndefinedBehaviorSanitizer, where
# the game also runs slower, as it does on a slow machine.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
top="$(cd "$here/.." && pwd)"

"$here/setup.sh" "$top/build"
(cd "$top/build" && ctest --output-on-failure -j 2)

BUILD_TYPE=Debug "$here/setup.sh" "$top/build-asan" -DBRUMALO_SANITIZE=ON
(cd "$top/build-asan" && ctest --output-on-failure -j 2)
