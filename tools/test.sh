#!/usr/bin/env bash
# Sets everything up, builds, and runs every test twice: on the normal build
# and on a build with AddressSanitizer and UndefinedBehaviorSanitizer, where
# the game also runs slower, as it does on a slow machine. The normal run
# also plays the browser build in headless Chromium.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
top="$(cd "$here/.." && pwd)"

"$here/setup.sh" "$top/build"
BUILD_TYPE=Debug "$here/setup.sh" "$top/build-asan" -DBRUMALO_SANITIZE=ON
# The site for the browser, which the normal run's browser test plays.
"$here/web.sh" --no-serve "$top/build-web"

# The two runs go side by side: most of their time is spent on games that
# play in real time, and each slows the other's games down as a busy machine
# would. The sanitized run plays its games after its short tests, so that its
# long game does not reach its timed moments together with the other run's.
# Each run's report follows once both are done.
run_tests() {
    local build=$1 failed=0 labels
    shift
    for labels in "$@"; do
        # shellcheck disable=SC2086 # the label options are words
        (cd "$build" && ctest --output-on-failure -j 2 $labels) || failed=1
    done >"$build/test-report.txt" 2>&1
    return "$failed"
}
status=0
BRUMALO_WEB_SITE="$top/build-web/site" run_tests "$top/build" "" &
normal=$!
run_tests "$top/build-asan" "-LE e2e" "-L e2e" &
sanitized=$!
wait "$normal" || status=1
wait "$sanitized" || status=1
for build in build build-asan; do
    echo "=== $build"
    cat "$top/$build/test-report.txt"
done
exit "$status"
