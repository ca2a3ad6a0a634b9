# The player's language: the real game, in a folder laid out as the build's
# and installed, shows the title the build made in the language its
# environment asks for, and prints the same console lines in every language.
source "$(dirname "$0")/lib.sh"
need_display "$@"

run_folder=$(mktemp -d "${TMPDIR:-/tmp}/brumalo-e2e.XXXXXX")
for entry in brumalo img sounds lang; do
    ln -s "$build_dir/$entry" "$run_folder/$entry"
done

# How far the window is from a screen picture over the subtitle's band, where
# the languages differ most, both shrunk so that texture filtering's jaggies
# do not count. The window sits a pixel off the screen's top-left corner, so
# the picture is cut to the shot's size from the bottom right.
distance_to() {
    local band=(-gravity NorthWest -crop 800x50+0+135 +repage -resize '200x12!')
    convert "$run_folder/shot.png" "${band[@]}" "$run_folder/a.png"
    convert "$1" -crop 1024x768+0+128 +repage -resize '800x600!' -gravity SouthEast \
        -crop "$(identify -format '%wx%h' "$run_folder/shot.png")+0+0" +repage "${band[@]}" "$run_folder/b.png"
    compare -metric RMSE "$run_folder/a.png" "$run_folder/b.png" null: 2>&1 | sed 's/.*(\(.*\))/\1/'
}

# True when the window shows the first picture, clearly nearer to it than to the second.
shows() {
    timeout 10 import -window "$game_window" "$run_folder/shot.png" 2>/dev/null || return 1
    awk -v near="$(distance_to "$1")" -v far="$(distance_to "$2")" 'BEGIN { exit !(near < 0.03 && 3 * near < far) }'
}

console_is() {
    [ "$(cat "$run_folder/stdout.txt")" = "$1" ]
}

# Starts the game with only the given locale setting; its title must be the
# first picture, and its console, once the title screen has loaded the
# game's pictures, the same as the first run's.
check_title() {
    unset LANGUAGE LC_ALL LC_MESSAGES LANG
    { export "$1"; } 2>/dev/null # the shell itself may lack the locale
    start_game || finish
    keep_trying 30 shows "$build_dir/$2" "$build_dir/$3" || fail "with $1 the title is not $2"
    keep_trying 30 grep -q snowflake "$run_folder/stdout.txt"
    [ -n "${reference:-}" ] || { sleep 1; reference=$(cat "$run_folder/stdout.txt"); }
    keep_trying 30 console_is "$reference" || fail "with $1 the console differs from the first run's"
    stop_game
}

check_title LANG=de_DE.UTF-8 lang/de/img/splash.jpg img/splash.jpg
check_title LANGUAGE=fr:de lang/fr/img/splash.jpg lang/de/img/splash.jpg
check_title LANG=xx_YY.UTF-8 img/splash.jpg lang/de/img/splash.jpg
check_title LANG=C img/splash.jpg lang/de/img/splash.jpg

# Installed under a scratch prefix and started from a folder with no data.
cmake --install "$build_dir" --prefix "$run_folder/prefix" >/dev/null || fail "cmake --install failed"
rm "$run_folder"/{brumalo,img,sounds,lang}
ln -s "$run_folder/prefix/games/brumalo" "$run_folder/brumalo"
check_title LANG=de_DE.UTF-8 lang/de/img/splash.jpg img/splash.jpg

finish
