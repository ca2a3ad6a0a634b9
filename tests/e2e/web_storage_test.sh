# The site in BRUMALO_WEB_SITE (build-web/site) in two tabs of headless
# Chromium at ten times the speed: an ended game stays ended; held keys act
# once; blur pauses; the wall clock set back changes nothing; both tabs' games
# are kept in the record; a kept fullscreen comes with a first F11. Last, the
# site as an app: installable, played from its worker's cache with the server
# gone, and a new build taken whole; the browser's storage refused; and the
# site in a portal's frame.
source "$(dirname "$0")/web_lib.sh"

# The game's idle passes stop while it is held (paused, or ended).
paused() { says "GLUT.idleFunc === 0" True; }
running() { says "GLUT.idleFunc !== 0" True; }

start_browser
must tab 1 && must fast && new_page open || fail "no title in the first tab"
must tab 2 && must fast && new_page open || fail "no title in the second tab"

# Esc ends the second tab's game. The pointer then leaves the canvas for the
# page's panel, and Pause is pressed: neither the game nor its music may
# start again (given the seconds the Pause key's check takes to come round).
enter_game
must key ESCAPE && keep_trying 30 page_shows ended || fail "Esc did not end the game"
must move 20 20 && must move 400 300 && must key PAUSE
keep_trying 3 says "GLUT.idleFunc !== 0 || !!(SDL.music.audio && !SDL.music.audio.paused)" True &&
    fail "the ended game started again after the pointer left and Pause"

# Held keys act once: P pauses (four presses would not), M mutes.
new_page again && enter_game
must hold p 3 && keep_trying 30 paused || fail "a held P did not leave the game paused"
must key p && keep_trying 30 running || fail "P did not resume"
must hold m 3 && settings_say "mute = yes" || fail "a held M did not mute once: $reply"
# The window losing the keyboard pauses the game.
must ask "window.dispatchEvent(new Event('blur'))" && keep_trying 30 paused || fail "blur did not pause"
must key p && keep_trying 30 running || fail "P did not resume after blur"

# The wall clock set back an hour: the game still ends at sunset, which at
# ten times the speed is 24 s away.
after_line 120 'Loaded texture ./img/lose.jpg' must ask \
    "(() => { const wallClock = Date.now; Date.now = () => wallClock() - 3600000; return 1; })()" ||
    fail "the game did not end at sunset after the clock went back"
records_say "games played 1|games won 0|best winning time none|" || fail "the lost game is not kept: $reply"
keep_trying 60 eval 'click && page_shows ended' || fail "the result screen's click did not end the game"

# The first tab loaded the record before that game was kept. Its M, twice
# (muting, then not), saves only its settings, and its game is merged into
# the record kept meanwhile.
must tab 1 && must key m && must key m && settings_say "mute = no" && records_say "games played 1|" ||
    fail "an M in another tab lost the record: $reply"
after_line 120 'Loaded texture ./img/lose.jpg' enter_game || fail "the first tab's game did not end"
records_say "games played 2|games won 0|best winning time none|" || fail "the two tabs' games are not both kept: $reply"

# A kept fullscreen, then F11 as the page's first press: full screen, and
# kept (with the M that follows, written together with it a second later).
fullscreen() { says "document.fullscreenElement !== null" True; }
keep_trying 60 eval 'click && page_shows ended' && new_page again && must key F11 &&
    keep_trying 30 fullscreen && settings_say "fullscreen = yes|mute = no" ||
    fail "F11 did not fill the screen, or it was not kept: $reply"
new_page open && ! fullscreen && must key F11 && keep_trying 30 fullscreen && must key m &&
    settings_say "fullscreen = yes|mute = yes" ||
    fail "with fullscreen kept, the first F11 did not fill the screen and keep it: $reply"

# Chromium finds the site installable; its worker keeps it, and with the
# server gone the next visit shows the title and plays.
worker_serves() { browser await "navigator.serviceWorker.ready.then(() => !!navigator.serviceWorker.controller)" &&
    [ "$reply" = "ok True" ]; }
must installable && [ "$reply" = "ok yes" ] || fail "Chromium does not find the page installable: $reply"
keep_trying 60 worker_serves || fail "no service worker serves the page: $reply"
must serve off
new_page revisit || fail "no title on a visit without a network"
enter_game

# A new build with one file changed, served in the old one's place: the old
# build's page finds it, and once it is installed (a busy machine takes a
# while to copy the site) the next visit is the new build's, whole: the
# changed file shows, and only the new build's cache is left (or the visit
# after, where a tab of the old build just closed still counted).
build_is() { says "getComputedStyle(document.documentElement).getPropertyValue('--brumalo-build').trim() || 1" "$1"; }
new_build_waits() { browser await "navigator.serviceWorker.getRegistration().then((r) => !!r.waiting)" && [ "$reply" = "ok True" ]; }
# Where the new build's worker installs before the old page starts its game,
# it takes over at once and the page reloads whole, already the new build.
taken_or_waiting() { new_build_waits || build_is 2; }
must rebuild && new_page revisit && keep_trying 180 taken_or_waiting ||
    fail "the old build's page did not find and install the new one: $reply"
new_build_whole() { new_page revisit && build_is 2 && browser await "caches.keys().then((names) => names.length)" && [ "$reply" = "ok 1" ]; }
new_build_whole || new_build_whole || fail "neither of the next two visits took the new build whole: $reply"

# With the browser's storage refused, a game still plays to its end, and the
# result screen says that it is not kept; the console warns once.
must fast && must refuse && new_page open &&
    after_line 120 'Loaded texture ./img/lose.jpg' enter_game && keep_trying 30 page_shows not-kept ||
    fail "with storage refused, no game to its end, or no word that it is not kept"
[ "$(grep -c 'cannot keep its record' "$console")" = 1 ] || fail "not one warning of the storage refused"

# A portal's page of another origin frames the site from a sub-folder: the
# fullscreen button shows only where the frame allows it, and a game plays.
button_hidden() { says "document.getElementById('fullscreen').hidden" "$1"; }
in_live_game() { click && says "Module._brumaloLiveGameCurrent()" 1; }
must tab 2 && must portal deny && button_hidden True || fail "the fullscreen button shows in a frame that forbids it"
must portal allow && button_hidden False && keep_trying 60 in_live_game || fail "no game in a portal's frame"

finish_browser
