# The site as an app, in headless Chromium: Chromium finds it installable; its
# service worker keeps it, so that with the server gone a second visit shows
# the title and plays.
source "$(dirname "$0")/web_lib.sh"

start_browser
worker_serves() { browser await "navigator.serviceWorker.ready.then(() => !!navigator.serviceWorker.controller)" &&
    [ "$reply" = "ok True" ]; }

new_page open || fail "no title on the first visit"
must installable && [ "$reply" = "ok yes" ] || fail "Chromium does not find the page installable: $reply"
keep_trying 60 worker_serves || fail "no service worker serves the page: $reply"

# No network at all: the next visit comes from the worker's cache, and plays.
must serve off
new_page revisit || fail "no title on a visit without a network"
enter_game
must serve on

finish_browser
