# The site in BRUMALO_WEB_SITE (build-web/site) in headless Chromium: title and
# instructions as the desktop build's pictures, the glass under the pointer,
# an icicle grown by the light, a hidden tab pausing; Esc, then Ctrl+Q in a game played by finger,
# end a game and offer another; the keys alone and a gamepad alone, each to an icicle; mute, full screen and a lost game kept; a phone both ways; no console errors.
# What the game does is waited for on its own clock, which the page reports, and on the canvas,
# never for a set time: a browser on a busy machine draws few frames, and the icicle grows only
# as frames come. Each wait still gives up after a generous bound.
source "$(dirname "$0")/web_lib.sh"

# The canvas's screenshot in place of the window's: the median of three, in
# which the falling snowflakes, never twice in one place, leave no trace. The
# game draws on between them, unless it is paused and stands still.
screenshot() {
    for each in 1 2 3; do
        browser shot "$run_folder/$each.png" && { [ -n "${paused:-}" ] || game_seconds_pass 0.3; } || return 1
    done
    convert "$run_folder"/[123].png -evaluate-sequence median "$(shot "$1")" &&
        { [ -z "$shots_folder" ] || { mkdir -p "$shots_folder" && cp "$(shot "$1")" "$shots_folder/"; }; }
}

# The game's clock, in seconds, as its screens read it: it moves only as the game ticks a frame,
# and stands still while the game is paused.
read_clock() { browser ask "Module._brumaloClockSeconds()" && clock=${reply#ok }; }
clock_at_least() { read_clock && ! less_than "$clock" "$1"; }
live_game_current() { browser ask "Module._brumaloLiveGameCurrent()" && [ "$reply" = "ok 1" ]; }
game_seconds() { read_clock && awk -v now="$clock" -v began="$game_began" 'BEGIN { printf "%.3f\n", now - began }'; }
# Runs a check until it passes, for at most the given seconds on the game's clock (and five real
# minutes, should the clock stop).
keep_trying_game() {
    local deadline=$((SECONDS + 300)) until
    read_clock || return 1
    until=$(awk -v now="$clock" -v more="$1" 'BEGIN { print now + more }')
    shift
    until "$@"; do
        if clock_at_least "$until" || [ "$SECONDS" -ge "$deadline" ] || ! game_running; then
            return 1
        fi
        sleep 0.1
    done
}
# Until the game's clock has moved the given seconds on, so that it has drawn frames meanwhile.
game_seconds_pass() {
    read_clock || return 1
    keep_trying 300 clock_at_least "$(awk -v now="$clock" -v more="$1" 'BEGIN { print now + more }')"
}

# changed_in BOX LIMIT BEFORE PICTURE: the box (WxH+X+Y) differs by more.
changed_in() {
    convert "$3" -crop "$1" +repage "$run_folder/a.png" && convert "$4" -crop "$1" +repage "$run_folder/b.png"
    last_seen=$(difference_between "$run_folder/a.png" "$run_folder/b.png")
    less_than "$2" "$last_seen"
}

# Each screen as the desktop shows it at 800 by 600, moved on by a tap or click.
title_and_instructions() {
    local press=$1 release=$2
    wait_for_shot title 60 looks_like "$(shot expected_title)" 0.15 || fail "$press: no title ($last_seen)"
    must $press 400 300 && must $release
    wait_for_shot instructions 60 looks_like "$(shot expected_instructions)" 0.15 ||
        fail "$press: no instructions after a $press ($last_seen)"
    must $press 400 300 && must $release
    # The game's clock as the live game began, late by no more than one look.
    keep_trying 60 live_game_current && read_clock && game_began=$clock || fail "$press: the live game did not begin"
    wait_for_shot live_start 60 many_colours || fail "$press: no live game after a $press ($last_seen colours)"
}

# Glass far off on the ice, light off; steered onto the branch in one jump;
# the light held there five seconds of the game's clock, which makes a drop each 0.66 s of it.
mouse_away() { must move 700 560; }
mouse_onto_branch() { must move 320 125; }
mouse_light() { must down && game_seconds_pass 5 && must up; }
touch_away() { must touch 700 560 && must lift; }
# A finger holds the glass 64 CSS pixels (here canvas units) above itself.
touch_onto_branch() { must touch 700 560 && must drag 320 189; }
touch_light() { game_seconds_pass 5 && must lift; }

# A glass left far off focuses on the ice. The icicle grows toward the drops' length at 15 units a
# second of the frames' steps, which fall behind the clock where frames come seldom: it is given a
# minute to show. A missed aim gets the light again, twice at most.
grow_an_icicle() {
    local hand=$1 x y held
    ${hand}_away && game_seconds_pass 1 && screenshot "away_$hand"
    for held in 1 2 3; do
        read -r x y < <(focus_of 320 125 "$(game_seconds)")
        ${hand}_onto_branch
        [ "$held" -gt 1 ] || wait_for_shot "glass_$hand" 30 changed_in 60x60+290+75 0.05 "$(shot "away_$hand")" ||
            fail "$hand: the glass is not under the pointer ($last_seen)"
        ${hand}_light && ${hand}_away
        # The icicle hangs from the light's focus.
        wait_for_shot "icicle_$hand" 60 changed_in "60x70+$(awk -v x="$x" -v y="$y" 'BEGIN { printf "%d+%d", 370 + x, 300 - y }')" \
            0.08 "$(shot "away_$hand")" && return
    done
    fail "$hand: no icicle under the light on the branch ($last_seen)"
}

as_shown "$build_dir/img/splash.jpg" 800x600 expected_title
as_shown "$build_dir/img/instructions.jpg" 800x600 expected_instructions
start_browser
must open
title_and_instructions down up
grow_an_icicle mouse
# A hidden tab pauses the game (the lake dimmed), which draws again after a resize. M is checked below.
must key m && must hide 2 && must size 800 600 && paused=yes
wait_for_shot paused 30 darker_than "$(shot away_mouse)" || fail "a hidden tab did not pause the game"
must size 640 480 && must size 800 600
wait_for_shot paused_resized 30 looks_like "$(shot paused)" 0.03 ||
    fail "the paused game was not drawn after a resize ($last_seen)"
must key ESCAPE
keep_trying 30 page_shows ended || fail "Esc did not end the game with another offered"

must again && paused=""
title_and_instructions touch lift
grow_an_icicle touch
must key CONTROL q
keep_trying 30 page_shows ended || fail "Ctrl+Q did not end the game"

# The keys alone: Enter chooses; Space and the arrows go to the game, never scrolling a page taller
# than the window; the arrows steer, Shift finely, and Space focuses. A key held as the window
# loses its focus is let go, even where the focus comes back before the game's next frame.
keys_away() { must steer keys 700 560; }
keys_onto_branch() { must steer keys 320 125; }
keys_light() { must press SPACE && game_seconds_pass 5 && must release SPACE; }
tall="for (const e of [document.documentElement, document.body]) e.style.overflow = 'auto'"
tall+="; document.body.style.minHeight = '300vh'; scrollTo(0, 300); return scrollY"
must open && title_and_instructions "press ENTER" "release ENTER"
says "(() => { $tall; })()" 300 || fail "the page could not be made to scroll: $reply"
for key in SPACE ARROW_DOWN ARROW_UP PAGE_DOWN; do must press $key && must release $key; done
says scrollY 300 && must ask "scrollTo(0, 0)" || fail "Space or an arrow scrolled the page: $reply"
grow_an_icicle keys
must press ARROW_LEFT && keep_trying 30 says "Module._brumaloGlassX() < 690" True &&
    must ask "dispatchEvent(new Event('blur')) && dispatchEvent(new Event('focus'))" && must ask "Module._brumaloGlassX()" && left_at=${reply#ok } && game_seconds_pass 1 &&
    says "Module._brumaloGlassX()" "$left_at" || fail "a key held as the window lost its focus still steers"
must release ARROW_LEFT && must key ESCAPE && keep_trying 30 page_shows ended || fail "keys: Esc did not end the game"

# A standard gamepad plugged in on the title: A chooses, the stick steers, the right trigger focuses;
# unplugged, it pauses the game; plugged in again, its D-pad and A choose the pause menu's Quit.
pad_away() { must steer pad 700 560; }
pad_onto_branch() { must steer pad 320 125; }
pad_light() { must pad 7 1 && game_seconds_pass 5 && must pad 7 0; }
must gamepad && must open && must pad plug 1 && title_and_instructions "pad 0 1" "pad 0 0"
grow_an_icicle pad
must pad plug 0 && paused=yes
wait_for_shot pad_unplugged 30 darker_than "$(shot away_pad)" || fail "an unplugged gamepad did not pause the game"
must pad plug 1 && must pad 12 1 && must pad 12 0 && must pad 0 1 && paused="" &&
    keep_trying 30 page_shows ended || fail "the pause menu's Quit, chosen by the gamepad, did not end the game"

# The settings come back with the page, once copied; a kept fullscreen waits for the first press.
fullscreen() { browser ask "document.fullscreenElement !== null" && [ "$reply" = "ok True" ]; }
kept_says() { browser ask "FS.readFile('/home/web_user/$1', {encoding: 'utf8'})" && [[ $reply == *"$2"* ]]; }
must again && kept_says .config/brumalo/settings "mute = yes" || fail "M was not kept: $reply"
must key ALT ENTER && keep_trying 30 fullscreen && settings_say "fullscreen = yes" ||
    fail "Alt+Enter did not fill the screen, or was not kept: $reply"
must open && ! fullscreen && must down 400 300 && must up && keep_trying 30 fullscreen ||
    fail "the kept fullscreen did not come with the first click"

# At ten times the speed the sun sets 240 game seconds into the live game; the result's click
# ends it. A click every ten game seconds, for 400 of them.
click_ends_game() { must down 400 300 && must up && keep_trying_game 10 page_shows ended; }
must fast && must open && click_ends_game
keep_trying_game 400 click_ends_game || fail "no end at sunset, or the result screen's click did nothing"
must open && kept_says .local/share/brumalo/records "games played 1|games won 0|" || fail "the lost game is not in the record: $reply"

# A phone held sideways, then upright: the whole canvas shows, as large as the screen allows, with
# nothing to scroll; a finger puts the glass 64 CSS pixels above itself, as the game hears it
# (in the canvas's drawing pixels); upright, a line suggests turning the phone.
fills="const r = canvas.getBoundingClientRect(), e = document.scrollingElement; return r.left >= 0 && r.top >= 0"
fills+=" && r.right <= innerWidth + 0.5 && r.bottom <= innerHeight + 0.5 && e.scrollHeight <= innerHeight"
fills+=" && e.scrollWidth <= innerWidth && Math.max(r.width / innerWidth, r.height / innerHeight) > 0.99"
canvas_fills() { says "(() => { $fills; })()" True; }
glass_at() { says "Math.abs(Browser.mouseY * canvas.getBoundingClientRect().height / canvas.height - $1) <= 1" True; }
hint_shown() { says "getComputedStyle(document.getElementById('turn-hint')).display !== 'none'" "$1"; }
must phone 844 390 && must open && canvas_fills && hint_shown False || fail "sideways, the canvas does not fill the phone"
must touch 260 300 && glass_at 236 && must drag 260 100 && glass_at 50 && must lift ||
    fail "the glass is not above the finger: $reply"
must phone 390 844 && must open && canvas_fills && hint_shown True || fail "upright, no whole canvas or no hint: $reply"

finish_browser
