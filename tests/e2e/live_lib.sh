# Helpers for the end-to-end tests of the live game. Each test runs the real
# game with its real pictures from a scratch run folder, under a private
# virtual display, and drives it with xdotool. The run folder holds only the
# background music: every effect the game plays then prints the sound bank's
# ERROR lines, so the console tells the test what happened on the lake.
# Every wait is bounded, so a broken game fails the test instead of hanging,
# and ends as soon as the console or the window shows what it waits for.
# Where a check needs a span of time, it is told on the game's clock: under
# libfaketime, the faked one the game reads.
#
# The general helpers (failing, waiting, stopping the game, clean-up) come
# from lib.sh, shared with the title screen tests.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

console=""
game_began=""
game_began_earliest=""
clock_speed=1

# Screenshots stay in the run folder unless BRUMALO_E2E_SHOTS names a folder
# to keep them in, for a person to look at.
shots_folder=${BRUMALO_E2E_SHOTS:-}

# A fresh run folder: the game and its pictures, and of the sounds only the
# background music.
make_live_run_folder() {
    run_folder=$(mktemp -d "${TMPDIR:-/tmp}/brumalo-live.XXXXXX")
    console="$run_folder/stdout.txt"
    ln -s "$build_dir/brumalo" "$run_folder/brumalo"
    ln -s "$build_dir/img" "$run_folder/img"
    mkdir "$run_folder/sounds"
    cp "$build_dir/sounds/bg.mp3" "$run_folder/sounds/"
}

# Finds libfaketime wherever this machine's architecture keeps it.
faketime_library() {
    dpkg -L libfaketime 2>/dev/null | grep -m1 '/libfaketime\.so\.1$'
}

# Starts the game from the run folder and waits up to fifteen seconds for its
# window. With a number, the game's clock (and only the game's: Xvfb and
# xdotool keep real time) runs that many times faster than the real one.
start_live_game() {
    clock_speed=${1:-1}
    local speed_up=()
    if [ "$clock_speed" != 1 ]; then
        local library
        library=$(faketime_library)
        if [ -z "$library" ]; then
            fail "libfaketime is not installed"
            return 1
        fi
        speed_up=(LD_PRELOAD="$library" FAKETIME="+0 x$clock_speed")
    fi
    start_game SDL_AUDIODRIVER=dummy "${speed_up[@]}"
}

# --- The console -------------------------------------------------------------

has_line() {
    grep -qx -- "$1" "$console"
}

# How many times the game played one of the sounds matched by an extended
# regular expression, e.g. 'drip[0-4]'. Each play of a sound whose file is
# missing ends with this line.
plays_of() {
    grep -cE -- "^ERROR: Sample ($1) not found$" "$console"
}

played() {
    [ "$(plays_of "$1")" -gt 0 ]
}

# The console line number of the first play of a sound, or nothing.
first_play_line() {
    grep -nE -m1 -- "^ERROR: Sample ($1) not found$" "$console" | cut -d: -f1
}

# Waits up to the given seconds for a sound to be played.
wait_for_play() {
    local sound=$1 seconds=$2 what=$3
    keep_trying "$seconds" played "$sound" && return 0
    game_running || fail "the game ended"
    fail "$what: no '$sound' within $seconds s"
    return 1
}

# --- Entering the game -------------------------------------------------------

# Seconds (with a fraction) since the epoch, from bash itself.
real_now() {
    echo "${EPOCHREALTIME/,/.}"
}

# Game seconds since the live game began, as the test's clock tells them.
game_seconds() {
    awk -v now="$(real_now)" -v began="$game_began" -v speed="$clock_speed" \
        'BEGIN { printf "%.3f\n", (now - began) * speed }'
}

# Two left clicks, as a player would: the splash goes, then the instructions,
# and the live game begins, loading its sounds.
enter_game() {
    point_at_game
    xdotool click 1
    if ! keep_trying 30 has_line "Loaded texture ./img/instructions.jpg"; then
        fail "the first click did not bring the instructions"
        return 1
    fi
    game_began_earliest=$(real_now)
    xdotool click 1
    if ! keep_trying 30 has_line "Loaded loop ding"; then
        fail "the second click did not start the live game"
        return 1
    fi
    # The game started its clock just before it loaded its sounds, and prints
    # nothing more until something happens on the lake: the console's time of
    # change is when the game began, late by the time the loading took.
    # xdotool's own return comes later still on a busy machine.
    game_began=$(stat -c %.6Y "$console")
}

# Sleeps until the live game is at least the given game seconds old.
sleep_until_game_second() {
    sleep "$(awk -v t="$1" -v now="$(game_seconds)" -v speed="$clock_speed" \
        'BEGIN { left = (t - now) / speed; print (left > 0 ? left : 0) }')"
}

# --- Aiming the light ----------------------------------------------------------
# The same arithmetic the unit tests aim with, for an 800 by 600 window.

# Prints the focus "x y" on the canvas for the pointer at a window pixel, at a
# game time in seconds.
focus_of() {
    "$build_dir/tests/brumalo_aim" focus "$1" "$2" "$3"
}

# Prints the window pixel "x y" to put the pointer on so that the light
# focuses at a canvas point, at a game time in seconds.
pointer_for() {
    "$build_dir/tests/brumalo_aim" pointer "$1" "$2" "$3"
}

# --- Screenshots -------------------------------------------------------------

# Takes a screenshot of the game window into the run folder, keeping a copy
# when a folder for them was given. import waits forever for a window that
# has gone, so it is only asked while the game runs, and not for long.
screenshot() {
    local name=$1
    game_running || return 1
    timeout 20 import -window "$game_window" "$run_folder/$name.png" 2>/dev/null || return 1
    if [ -n "$shots_folder" ]; then
        mkdir -p "$shots_folder" && cp "$run_folder/$name.png" "$shots_folder/"
    fi
}

shot() {
    echo "$run_folder/$1.png"
}

# Takes screenshots until one passes a check or the seconds run out, since a
# game that draws slowly can still show an earlier frame just after an event:
#   wait_for_shot NAME SECONDS CHECK [ARGUMENTS...]
# runs the check with its arguments and then the shot's path.
wait_for_shot() {
    local name=$1 seconds=$2
    shift 2
    keep_trying "$seconds" shot_passes "$name" "$@"
}

shot_passes() {
    local name=$1
    shift
    screenshot "$name" && "$@" "$(shot "$name")"
}

# How many colours a picture has: a blank or flat window has a handful, the
# painted scene tens of thousands.
colour_count() {
    convert "$1" -format '%k' info:
}

# How bright a picture is, from 0 (black) to 1.
mean_of() { convert "$1" -colorspace Gray -format '%[fx:mean]' info:; }

# Checks for wait_for_shot; each keeps what it measured in last_seen.
many_colours() {
    last_seen=$(colour_count "$1")
    less_than 1000 "$last_seen"
}

# darker_than REFERENCE PICTURE: the picture is the darker on the whole.
darker_than() {
    last_seen=$(mean_of "$2")
    less_than "$last_seen" "$(mean_of "$1")"
}

# looks_like REFERENCE LIMIT PICTURE: they differ by less than the limit.
looks_like() {
    last_seen=$(difference_between "$3" "$1")
    less_than "$last_seen" "$2"
}

# differs_from REFERENCE LIMIT PICTURE: they differ by more than the limit.
differs_from() {
    last_seen=$(difference_between "$3" "$1")
    less_than "$2" "$last_seen"
}

# Makes a screen picture as the window shows it at a size: a square as wide
# as the window, its top and bottom eighths outside it.
as_shown() {
    local picture=$1 size=$2 name=$3
    local width=${size%x*}
    convert "$picture" -resize "${width}x${width}!" -gravity center \
        -crop "${size}+0+0" +repage "$(shot "$name")"
}

# How far apart two pictures of one size are: the root mean square of their
# differences, from 0 (the same) to 1.
difference_between() {
    compare -metric RMSE "$1" "$2" null: 2>&1 | sed -n 's/.*(\(.*\)).*/\1/p'
}

# True when a number is below another (both may have fractions). Anything
# that is not a number, such as the empty answer of a failed measurement, is
# below nothing and has nothing below it.
less_than() {
    awk -v a="$1" -v b="$2" 'BEGIN {
        number = "^-?[0-9]+([.][0-9]*)?([eE][-+]?[0-9]+)?$"
        exit !(a ~ number && b ~ number && a + 0 < b + 0)
    }'
}
