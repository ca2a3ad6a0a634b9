# Installed into a scratch prefix P and started as P/games/brumalo from a
# folder with no data, the game finds the pictures and sounds of that
# prefix: every picture and all nine sounds are opened, none is reported
# missing, and Esc ends it with status 0.
source "$(dirname "$0")/lib.sh"
need_display "$@"

source_dir=${BRUMALO_SOURCE_DIR:?the source folder}
run_folder=$(mktemp -d "${TMPDIR:-/tmp}/brumalo-installed.XXXXXX")
prefix="$run_folder/prefix"
data="$prefix/share/games/brumalo"
mkdir "$run_folder/elsewhere"
cmake --install "$build_dir" --prefix "$prefix" >/dev/null || fail "cmake --install failed"

# Every file the game opens, as it names them: ./img/<picture>, ./sounds/<sound>.
mapfile -t game_files < <(grep -ohE '"\./(img|sounds)/[^"]+"' \
    "$source_dir/src/gfx/picture_paths.h" "$source_dir/src/game/live_mode.cpp" | tr -d '"' | sort -u)
[ "$(printf '%s\n' "${game_files[@]}" | grep -c '^\./sounds/')" -eq 9 ] ||
    fail "the game's sound table no longer names nine sounds"
for file in "${game_files[@]}"; do
    [ -f "$data/$file" ] || fail "$file is not installed in $data"
done

# Which installed data files the game opens, as the kernel sees them.
inotifywait -m -r -e open --format '%w%f' "$data" >"$run_folder/opened.txt" 2>"$run_folder/watch.txt" &
watcher=$!
trap 'kill "$watcher" 2>/dev/null; clean_up' EXIT
for _ in $(seq 300); do
    grep -q 'Watches established' "$run_folder/watch.txt" && break
    sleep 0.1
done

# In English, whatever the desktop's language, so that it opens img/'s screens.
(cd "$run_folder/elsewhere" && exec env -u LANGUAGE -u LC_ALL -u LC_MESSAGES -u LANG SDL_AUDIODRIVER=dummy "$prefix/games/brumalo" \
    >"$run_folder/stdout.txt" 2>"$run_folder/stderr.txt") &
game_pid=$!
keep_trying 60 window_found || { fail "the game window never showed"; show_output; finish; }

# Whether the game has opened each of the given files of the installed data.
opened_all() {
    local file
    for file in "$@"; do
        grep -qx "$data/${file#./}" "$run_folder/opened.txt" || return 1
    done
}
# The win and lose pictures are opened when a game ends; the instructions on
# the first click; the title screen opens the live game's pictures itself.
mapfile -t title_files < <(printf '%s\n' "${game_files[@]}" | grep '^\./img/' |
    grep -vE '/(win|lose|instructions)\.jpg$')
keep_trying 60 opened_all "${title_files[@]}" || fail "the title screen did not open every picture"

# Two clicks: the instructions, then the live game, which loads every sound
# and starts the music.
has_line() { grep -qx -- "$1" "$run_folder/stdout.txt"; }
point_at_game
xdotool click 1
keep_trying 30 has_line "Loaded texture ./img/instructions.jpg" || fail "the first click did nothing"
xdotool click 1
keep_trying 30 has_line "Loaded loop ding" || fail "the second click did not start the game"
sync_with_game

grep -E "^(Couldn't load texture|ERROR:)" "$run_folder/stdout.txt" >&2 &&
    fail "the installed game missed some of its files"
for file in "${game_files[@]}"; do
    case "$file" in ./img/win.jpg | ./img/lose.jpg) continue ;; esac
    opened_all "$file" || fail "the game never opened $file"
done

xdotool key Escape
expect_exit_status 0 "Esc in the installed game"
finish
