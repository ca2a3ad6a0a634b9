#!/usr/bin/env bash
# Sets everything up, builds, and runs every test twice: on the normal build
# and on a build with AddressSanitizer and UndefinedBehaviorSanitizer, where
# the game also runs slower, as it does on a slow machine.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
top="$(cd "$here/.." && pwd)"

"$here/setup.sh" "$top/build"
BUILD_TYPE=Debug "$here/setup.sh" "$top/build-asan" -DBRUMALO_SANITIZE=ON

# The two runs go side by side: most of their time is spent on games that
# play in real time, and the second slows the first's games down as a busy
# machine would. Each run's report follows once both are done.
run_tests() {
    (cd "$1" && ctest --output-on-failure -j 2) >"$1/test-report.txt" 2>&1
}
status=0
run_tests "$top/build" &
normal=$!
run_tests "$top/build-asan" &
sanitized=$!
wait "$normal" || status=1
wait "$sanitized" || status=1
for build in build build-asan; do
    echo "=== $build"
    cat "$top/$build/test-report.txt"
done
exit "$status"
