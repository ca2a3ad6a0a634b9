# The site in BRUMALO_WEB_SITE (build-web/site) in headless Chromium: title and
# instructions as the desktop build's pictures, the glass under the pointer,
# an icicle grown by the light, a hidden tab pausing; Esc, then Ctrl+Q in a game played by finger,
# end a game and offer another; mute, full screen and a lost game kept; no console errors.
site=${BRUMALO_WEB_SITE:-}
if [ ! -f "$site/index.html" ]; then
    echo "skipped: no web build (BRUMALO_WEB_SITE names no folder with an index.html)"
    exit 0
fi
source "$(dirname "$0")/live_lib.sh"
run_folder=$(mktemp -d "${TMPDIR:-/tmp}/brumalo-web.XXXXXX")
problems="$run_folder/problems.txt"

# The driver's process stands for the game's in lib.sh: every wait gives up
# once the browser has gone.
coproc BROWSER { exec /usr/bin/python3 "$(dirname "$0")/web_browser.py" "$site" "$run_folder/console.txt" "$problems" 2>"$run_folder/driver.txt"; }
game_pid=$BROWSER_PID

# Sends a command (none: reads the greeting), its answer left in reply.
browser() {
    [ $# -eq 0 ] || echo "$*" >&"${BROWSER[1]}"
    read -r -t 90 reply <&"${BROWSER[0]}" || reply="error: no answer $(cat "$run_folder/driver.txt")"
    [[ $reply == ok* ]]
}
must() { browser "$@" || { fail "'$*': $reply" && finish; }; }
# The canvas's screenshot in place of the window's: the median of three, in
# which the falling snowflakes, never twice in one place, leave no trace.
screenshot() {
    for each in 1 2 3; do browser shot "$run_folder/$each.png" && sleep 0.3 || return 1; done
    convert "$run_folder"/[123].png -evaluate-sequence median "$(shot "$1")" &&
        { [ -z "$shots_folder" ] || { mkdir -p "$shots_folder" && cp "$(shot "$1")" "$shots_folder/"; }; }
}
page_shows() { browser shown "$1" && [ "$reply" = "ok yes" ]; }

# changed_in BOX LIMIT BEFORE PICTURE: the box (WxH+X+Y) differs by more.
changed_in() {
    convert "$3" -crop "$1" +repage "$run_folder/a.png" && convert "$4" -crop "$1" +repage "$run_folder/b.png"
    last_seen=$(difference_between "$run_folder/a.png" "$run_folder/b.png")
    less_than "$2" "$last_seen"
}

# Each screen as the desktop shows it at 800 by 600, moved on by a tap or click.
title_and_instructions() {
    local press=$1 release=$2
    wait_for_shot title 30 looks_like "$(shot expected_title)" 0.15 || fail "$press: no title ($last_seen)"
    must $press 400 300 && must $release
    wait_for_shot instructions 10 looks_like "$(shot expected_instructions)" 0.15 ||
        fail "$press: no instructions after a $press ($last_seen)"
    must $press 400 300 && must $release
    wait_for_shot live_start 10 many_colours || fail "$press: no live game after a $press ($last_seen colours)"
    game_began=$(real_now)
}

# Glass far off on the ice, light off; steered onto the branch in one jump;
# the light held there five seconds.
mouse_away() { must move 700 560; }
mouse_onto_branch() { must move 320 125; }
mouse_light() { must down && sleep 5 && must up; }
touch_away() { must touch 700 560 && must lift; }
touch_onto_branch() { must touch 700 560 && must drag 320 125; }
touch_light() { sleep 5 && must lift; }

# A glass left far off focuses on the ice; a game slowed by a busy machine may need the light thrice.
grow_an_icicle() {
    local hand=$1 x y held
    ${hand}_away && sleep 1 && screenshot "away_$hand"
    for held in 1 2 3; do
        read -r x y < <(focus_of 320 125 "$(game_seconds)")
        ${hand}_onto_branch
        [ "$held" -gt 1 ] || wait_for_shot "glass_$hand" 5 changed_in 60x60+290+75 0.05 "$(shot "away_$hand")" ||
            fail "$hand: the glass is not under the pointer ($last_seen)"
        ${hand}_light && ${hand}_away
        # The icicle hangs from the light's focus.
        wait_for_shot "icicle_$hand" 5 changed_in "60x70+$(awk -v x="$x" -v y="$y" 'BEGIN { printf "%d+%d", 370 + x, 300 - y }')" \
            0.08 "$(shot "away_$hand")" && return
    done
    fail "$hand: no icicle under the light on the branch ($last_seen)"
}

as_shown "$build_dir/img/splash.jpg" 800x600 expected_title
as_shown "$build_dir/img/instructions.jpg" 800x600 expected_instructions
must
must open
title_and_instructions down up
grow_an_icicle mouse
# A hidden tab pauses the game (the lake dimmed), which draws again after a resize. M is checked below.
must key m && must hide 2 && must size 800 600 && screenshot paused
must size 640 480 && must size 800 600 && sleep 1 && screenshot paused_resized
less_than "$(mean_of "$(shot paused)")" "$(mean_of "$(shot "away_mouse")")" || fail "a hidden tab did not pause the game"
looks_like "$(shot paused)" 0.03 "$(shot paused_resized)" || fail "the paused game was not drawn after a resize ($last_seen)"
must key ESCAPE
keep_trying 10 page_shows ended || fail "Esc did not end the game with another offered"

must again
title_and_instructions touch lift
grow_an_icicle touch
must key CONTROL q
keep_trying 10 page_shows ended || fail "Ctrl+Q did not end the game"

# The settings come back with the page, once copied; a kept fullscreen waits for the first press.
fullscreen() { browser ask "document.fullscreenElement !== null" && [ "$reply" = "ok True" ]; }
saved() { browser ask "!(Module.savesInFlight > 0)" && [ "$reply" = "ok True" ]; }
kept_says() { browser ask "FS.readFile('/home/web_user/$1', {encoding: 'utf8'})" && [[ $reply == *"$2"* ]]; }
must again && kept_says .config/brumalo/settings "mute = yes" || fail "M was not kept: $reply"
must key ALT ENTER && keep_trying 5 fullscreen && keep_trying 5 saved || fail "Alt+Enter did not fill the screen, or was not kept"
must open && ! fullscreen && must down 400 300 && must up && keep_trying 5 fullscreen ||
    fail "the kept fullscreen did not come with the first click"

# At ten times the speed the sun sets in 24 s; the result's click ends it.
click_ends_game() { must down 400 300 && must up && sleep 1 && page_shows ended; }
must fast && must open && click_ends_game
keep_trying 60 click_ends_game || fail "no end at sunset, or the result screen's click did nothing"
must open && kept_says .local/share/brumalo/records "games played 1|games won 0|" || fail "the lost game is not in the record: $reply"

must poll
[ -s "$problems" ] && fail "the browser logged errors: $(cat "$problems")"
grep -E '^ERROR\b' "$run_folder/console.txt" >&2 && fail "the game complained on the console"
finish
