# Helpers for the end-to-end tests. Each test runs the real game in a scratch
# run folder, with small flat-coloured pictures it makes itself, under a
# private virtual display, and drives it with xdotool. Every wait is bounded,
# so a broken game fails the test instead of hanging it, and ends as soon as
# the game has done what it waits for: the bounds are generous, since a busy
# machine may take many times as long as a quiet one, and cost nothing when
# the game is quick.
set -u

build_dir=${BRUMALO_BUILD_DIR:?the build folder that holds brumalo}
run_folder=""
game_pid=""
game_window=""
failures=0
sync_width=800
last_seen=""
display_holder=""

# Colours of the pictures the tests make, as "red green blue".
splash_colour="255 0 0"
instructions_colour="0 0 255"
plain_white="255 255 255"

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# Runs the calling script again under its own virtual display. An X server
# with no clients left resets itself and turns away connections meanwhile;
# a desktop always has other clients, so a quiet one stays connected here,
# and the game's restarts between checks never meet a resetting server.
need_display() {
    if [ -z "${BRUMALO_E2E_DISPLAY:-}" ]; then
        BRUMALO_E2E_DISPLAY=1 exec "${WITH_DISPLAY:?}" bash "$0" "$@"
    fi
    xprop -root -spy >/dev/null 2>&1 &
    display_holder=$!
}

# A fresh run folder: the game, and img/ with a red splash and a blue
# instructions picture.
make_run_folder() {
    run_folder=$(mktemp -d "${TMPDIR:-/tmp}/brumalo-e2e.XXXXXX")
    ln -s "$build_dir/brumalo" "$run_folder/brumalo"
    mkdir "$run_folder/img" "$run_folder/sounds"
    convert -size 64x64 xc:'#ff0000' "$run_folder/img/splash.jpg"
    convert -size 64x64 xc:'#0000ff' "$run_folder/img/instructions.jpg"
}

# Once the sound library is up it turns SIGTERM into an event the game never
# reads, so a game that ignores the polite request gets the blunt one.
stop_game() {
    if [ -n "$game_pid" ] && kill -0 "$game_pid" 2>/dev/null; then
        kill "$game_pid" 2>/dev/null
        keep_trying 2 game_ended
        kill -KILL "$game_pid" 2>/dev/null
        wait "$game_pid" 2>/dev/null
    fi
    game_pid=""
}

clean_up() {
    stop_game
    if [ -n "$display_holder" ]; then
        kill "$display_holder" 2>/dev/null
        wait "$display_holder" 2>/dev/null
    fi
    [ -n "$run_folder" ] && rm -rf "$run_folder"
    run_folder=""
}
trap clean_up EXIT

window_found() {
    game_window=$(xdotool search --onlyvisible --name '^Brumalo$' 2>/dev/null | head -n1)
    [ -n "$game_window" ]
}

# Starts the game from the run folder, with the VAR=value words given added
# to its environment, and waits up to a minute for its window to show.
# The game keeps its record and settings in the run folder, never in the
# home of whoever runs the tests.
start_game() {
    (cd "$run_folder" && exec env XDG_DATA_HOME="$run_folder/data" \
        XDG_CONFIG_HOME="$run_folder/config" "$@" ./brumalo >stdout.txt 2>stderr.txt) &
    game_pid=$!
    sync_width=800
    game_window=""
    keep_trying 60 window_found && return 0
    fail "the game window never showed; its output was:"
    show_output
    return 1
}

# Prints the game's first console line. The window can show before a slow
# game has printed it, so it is waited for.
first_console_line() {
    keep_trying 30 printed_something
    head -n1 "$run_folder/stdout.txt"
}

printed_something() {
    [ -s "$run_folder/stdout.txt" ]
}

# Prints the window's size as WIDTHxHEIGHT.
window_size() {
    local WIDTH="" HEIGHT=""
    eval "$(timeout 10 xdotool getwindowgeometry --shell "$game_window" | grep -E '^(WIDTH|HEIGHT)=')"
    echo "${WIDTH}x${HEIGHT}"
}

game_running() {
    [ -n "$game_pid" ] && kill -0 "$game_pid" 2>/dev/null
}

game_ended() {
    ! game_running
}

show_output() {
    cat "$run_folder/stdout.txt" "$run_folder/stderr.txt" >&2
}

# Checks on the window cannot go on once the game has gone (and X calls on
# a window that no longer exists may never return), so the test ends there.
require_game() {
    game_running && return 0
    fail "the game ended unexpectedly; its output was:"
    show_output
    finish
}

# Runs a check until it passes, for at most the given seconds; gives up at
# once if the game has ended.
keep_trying() {
    local deadline=$((SECONDS + $1))
    shift
    while ! "$@"; do
        if [ "$SECONDS" -ge "$deadline" ] || ! game_running; then
            return 1
        fi
        sleep 0.1
    done
}

size_is() {
    last_seen=$(window_size)
    [ "$last_seen" = "$1" ]
}

wait_for_size() {
    require_game
    keep_trying 30 size_is "$1" && return 0
    require_game
    fail "the window stayed $last_seen, wanted $1"
    return 1
}

# Makes sure the game has handled every input sent so far. X hands a client
# its events in order, so once the game has answered a resize sent after the
# input, it has seen the input too. The game keeps the window at 4:3, so the
# height it settles at tells that it answered. The resize leaves it a little
# short of that, so that a pointer over the window stays over it: one that
# left would pause a live game.
sync_with_game() {
    sync_width=$((sync_width == 800 ? 808 : 800))
    require_game
    xdotool windowsize "$game_window" "$sync_width" $((sync_width * 3 / 4 - 10))
    wait_for_size "${sync_width}x$((sync_width * 3 / 4))"
}

# Prints the colour at a window pixel as "red green blue".
colour_at() {
    local shot="$run_folder/shot.png"
    timeout 10 import -window "$game_window" "$shot" 2>/dev/null || return 1
    convert "$shot" -format "%[fx:int(255*p{$1,$2}.r+0.5)] %[fx:int(255*p{$1,$2}.g+0.5)] %[fx:int(255*p{$1,$2}.b+0.5)]" info:
}

# True when two colours differ by little in every channel (JPEG and texture
# filtering do not give back exact bytes).
same_colour() {
    local a b
    read -r -a a <<<"$1"
    read -r -a b <<<"$2"
    [ ${#a[@]} -eq 3 ] || return 1
    for i in 0 1 2; do
        local difference=$((a[i] - b[i]))
        [ ${difference#-} -le 40 ] || return 1
    done
}

colour_is() {
    last_seen=$(colour_at "$1" "$2")
    same_colour "$last_seen" "$3"
}

# Waits up to half a minute for a window pixel to show a colour.
wait_for_colour() {
    require_game
    keep_trying 30 colour_is "$1" "$2" "$3" && return 0
    require_game
    fail "$4: pixel ($1, $2) is ($last_seen), wanted ($3)"
    return 1
}

not_colour() {
    ! colour_is "$@"
}

# Waits up to half a minute for the game to end and checks its exit status.
expect_exit_status() {
    local wanted=$1 what=$2 status
    if ! keep_trying 30 game_ended; then
        fail "$what: the game is still running"
        stop_game
        return 1
    fi
    wait "$game_pid"
    status=$?
    game_pid=""
    [ "$status" -eq "$wanted" ] || fail "$what: exit status $status, wanted $wanted"
}

# Gives the game the keyboard and puts the pointer over its window, so that
# input goes where a player's would.
point_at_game() {
    require_game
    xdotool mousemove --window "$game_window" 400 300 windowfocus "$game_window"
}

finish() {
    if [ "$failures" -gt 0 ]; then
        echo "$failures check(s) failed" >&2
        exit 1
    fi
    echo "all checks passed"
    exit 0
}
