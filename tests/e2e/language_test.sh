# The player's language: the real game, run in a folder laid out as the
# build's, shows the title the build made in the language its environment
# asks for, and prints the same console lines in every language.
source "$(dirname "$0")/lib.sh"
need_display "$@"

run_folder=$(mktemp -d "${TMPDIR:-/tmp}/brumalo-e2e.XXXXXX")
for entry in brumalo img sounds lang; do
    ln -s "$build_dir/$entry" "$run_folder/$entry"
done

# How far the window is from a screen picture the build made, over the band
# of the title's subtitle, where the languages differ most: the normalised
# root-mean-square difference, both shrunk so that the jaggies of texture
# filtering do not count. A window placed a pixel off the screen's top-left
# corner is shot without that row and column, so the picture is cut to match.
distance_to() {
    local size band=(-gravity NorthWest -crop 800x50+0+135 +repage -resize '200x12!')
    size=$(identify -format '%wx%h' "$run_folder/shot.png")
    convert "$run_folder/shot.png" "${band[@]}" "$run_folder/shot-band.png"
    convert "$1" -crop 1024x768+0+128 +repage -resize '800x600!' -gravity SouthEast -crop "$size+0+0" +repage \
        "${band[@]}" "$run_folder/expected-band.png"
    compare -metric RMSE "$run_folder/shot-band.png" "$run_folder/expected-band.png" null: 2>&1 |
        sed 's/.*(\(.*\))/\1/'
}

# True when the window shows the first picture, clearly nearer to it than to
# the second.
shows() {
    timeout 10 import -window "$game_window" "$run_folder/shot.png" 2>/dev/null || return 1
    awk -v near="$(distance_to "$1")" -v far="$(distance_to "$2")" 'BEGIN { exit !(near < 0.03 && 3 * near < far) }'
}

console_is() {
    [ "$(cat "$run_folder/stdout.txt")" = "$1" ]
}

english="$build_dir/img/splash.jpg"
german="$build_dir/lang/de/img/splash.jpg"
french="$build_dir/lang/fr/img/splash.jpg"
reference=""

# Starts the game with only the given locale settings and checks that its
# title is the first picture rather than the second.
check_title() {
    local settings=$1 picture=$2 other=$3
    unset LANGUAGE LC_ALL LC_MESSAGES LANG
    # The shell itself may not have the locale; only the game needs it.
    { export $settings; } 2>/dev/null
    start_game || finish
    keep_trying 10 shows "$picture" "$other" || fail "with $settings the title is not $picture"

    # The title screen goes on to load the game's pictures, then opens the sound.
    keep_trying 10 grep -q "snowflake" "$run_folder/stdout.txt"
    if [ -z "$reference" ]; then
        sleep 1
        reference=$(cat "$run_folder/stdout.txt")
    fi
    keep_trying 10 console_is "$reference" || fail "with $settings the console differs:$(diff <(echo "$reference") "$run_folder/stdout.txt")"
    stop_game
}

check_title LANG=de_DE.UTF-8 "$german" "$english"
check_title LANGUAGE=fr:de "$french" "$german"
check_title LANG=xx_YY.UTF-8 "$english" "$german"
check_title LANG=C "$english" "$german"

finish
