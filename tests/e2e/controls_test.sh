# The player's controls and memory, played through the real game: a pause
# that stops the sun for as long as it lasts, the record a lost game leaves
# (a damaged one set aside first), F11 to fullscreen and back under a window
# manager, M silencing the sound on SDL's disk driver, held keys acting once,
# and another window taking the keyboard pausing the game.
source "$(dirname "$0")/live_lib.sh"
need_display "$@"

speed=10
lose_line="Loaded texture ./img/lose.jpg"

lost() {
    has_line "$lose_line"
}

# --- A paused game stands still, and the paused time never counts --------------

make_live_run_folder
records="$run_folder/data/brumalo/records"
mkdir -p "$(dirname "$records")"
printf 'brumalo records 1\ngames played 3\n\x01\x02 not a record\n' >"$records"
cp "$records" "$run_folder/damaged-copy"

start_live_game "$speed" || finish
enter_game || finish
sleep_until_game_second 40
screenshot playing

# Paused at 40 game seconds for 300 on the sped-up clock the game reads (30
# real ones): longer than a whole game. The game takes the P, and the click
# that resumes, when it next reads its events: once it has answered a resize
# sent after one, it has taken it. So the pause as the game counts it lies
# between the test's clock readings either side of each.
pause_sent=$(game_seconds)
xdotool key p
sync_with_game
pause_taken=$(game_seconds)
# Painted at the new size: a slow game's window just resized is black at its corner.
painted_darker() { darker_than "$(shot playing)" "$1" && [ "$(convert "$1" -format '%[fx:p{w-3,h-3}.intensity > 0.05]' info:)" = 1 ]; }
wait_for_shot paused_first 30 painted_darker || fail "P did not dim the game"
sleep_until_game_second "$(awk -v at="$pause_taken" 'BEGIN { print at + 290 }')"
screenshot paused_last
game_running || fail "the game ended while paused"
lost && fail "the sun set during the pause"
looks_like "$(shot paused_first)" 0.001 "$(shot paused_last)" ||
    fail "the paused scene moved (difference $last_seen)"
less_than "$(mean_of "$(shot paused_last)")" "$(mean_of "$(shot playing)")" ||
    fail "the paused scene is not dimmed"

# A click beside the pause menu resumes (one on a line chooses that line);
# the sun then sets once the rest of the 240 seconds has passed, the paused
# seconds left out. It set at the console's last line, after the game began
# and its sounds loaded.
click_beside_menu() { xdotool mousemove --window "$game_window" 400 570 click 1; }
resume_sent=$(game_seconds)
click_beside_menu
sync_with_game
resume_taken=$(game_seconds)
keep_trying 60 lost || fail "no lose picture within 600 game seconds of resuming"
read -r shortest longest < <(awk -v lost="$(stat -c %.6Y "$console")" -v speed="$clock_speed" \
    -v earliest="$game_began_earliest" -v latest="$game_began" \
    -v p0="$pause_sent" -v p1="$pause_taken" -v r0="$resume_sent" -v r1="$resume_taken" \
    'BEGIN { printf "%.1f %.1f\n", (lost - latest) * speed - (r1 - p0), (lost - earliest) * speed - (r0 - p1) }')
echo "lost after $shortest to $longest game seconds of play"
less_than 230 "$longest" || fail "the sun set after only $longest game seconds of play"
less_than "$shortest" 280 || fail "the sun set only after $shortest game seconds of play"

# --- The record: the damaged one kept aside, the lost game counted ---------------

record_rewritten() { compgen -G "$records.damaged-*" >/dev/null && test -s "$records"; }
keep_trying 30 record_rewritten || fail "the lost game left no record"
grep -qx 'games played 1' "$records" || fail "the record does not count one game: $(cat "$records")"
grep -qx 'games won 0' "$records" || fail "the record counts a win for a lost game"
set_aside=$(ls "$records".damaged-* 2>/dev/null | head -n1)
cmp -s "$set_aside" "$run_folder/damaged-copy" || fail "the damaged record was not kept aside whole"
grep -qF "${set_aside:-?}" "$run_folder/stderr.txt" || fail "stderr does not say where the record went"
stop_game

# --- M: silence on the disk audio driver ------------------------------------------

# The loudest 16-bit sample in a stretch (first and last byte) of the raw output.
loudest() {
    python3 -c 'import array, sys; f = open(sys.argv[1], "rb"); start, end = int(sys.argv[2]) & ~1, int(sys.argv[3]) & ~1
f.seek(start); print(max(map(abs, array.array("h", f.read(end - start))), default=0))' "$@"
}

# The stretches are told in the output's own length, which grows by 176400
# bytes a second of sound (44100 samples of two channels of two bytes),
# however slowly a busy machine writes it.
audio="$run_folder/audio.raw"
size_at_least() { [ "$(stat -c %s "$audio")" -ge "$1" ]; }
sound_passes() { keep_trying $((60 + 10 * $1)) size_at_least $(($(stat -c %s "$audio") + $1 * 176400)); }
start_game SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$audio" || finish
enter_game || finish
game_from=$(stat -c %s "$audio")
sound_passes 2 || fail "the game wrote no sound"
before=$(stat -c %s "$audio")
xdotool key m
# Once the game has answered a later resize it has heard M; then the sound
# mixed before it is written out.
sync_with_game
sound_passes 1
muted_from=$(stat -c %s "$audio")
sound_passes 2
muted_to=$(stat -c %s "$audio")
loud=$(loudest "$audio" "$game_from" "$before")
quiet=$(loudest "$audio" "$muted_from" "$muted_to")
echo "loudest sample $loud before M, $quiet after"
# The music opens softly; silence is nothing at all.
less_than 100 "$loud" || fail "the music was not heard before M (loudest $loud)"
[ "$quiet" = 0 ] || fail "M left sound in the output (loudest $quiet)"
# The settings are written a second after the last change.
settings_say() { grep -qx "$1" "$run_folder/config/brumalo/settings" 2>/dev/null; }
keep_trying 30 settings_say 'mute = yes' || fail "the settings do not keep the mute"
stop_game

# --- F11: fullscreen and back, under a window manager ----------------------------
# Last, as the window manager stays: once gone it leaves its mark on the
# root window, which GLUT would take for a manager still there. GLUT looks
# for it once, as the game starts: it must be up by then.
openbox >/dev/null 2>&1 &
for _ in $(seq 300); do
    xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id' && break
    sleep 0.1
done
sleep 0.5
start_game SDL_AUDIODRIVER=dummy || finish
windowed=$(window_size)
point_at_game
xdotool key F11
screen=$(xdpyinfo | awk '/dimensions:/ { print $2; exit }')
keep_trying 30 size_is "$screen" || fail "F11 gave a window of $last_seen, not the screen's $screen"
xdotool key F11
keep_trying 30 size_is "$windowed" || fail "F11 again gave $last_seen, not the old $windowed"
keep_trying 30 settings_say 'fullscreen = no' ||
    fail "the settings do not say windowed: $(cat "$run_folder/config/brumalo/settings")"
stop_game


# --- Held keys act once; another window taking the keyboard pauses ---------------
# Still under the window manager: it gives the keyboard to another window as
# a desktop does on Alt+Tab, the pointer left over the game.
settings_folder="$run_folder/config/brumalo"
mkdir -p "$settings_folder"
rm -f "$settings_folder/settings"
inotifywait -m -q -e moved_to --format %f "$settings_folder" >"$run_folder/writes.txt" 2>/dev/null &
watcher=$!
start_live_game || finish
enter_game || finish
sleep_until_game_second 2
screenshot playing

# A held key repeats (some 20 presses a second here): M held writes the
# settings once, a second after it was pressed.
xdotool keydown m && sleep 1.5 && xdotool keyup m
settings_written() { grep -qx settings "$run_folder/writes.txt"; }
keep_trying 30 settings_written || fail "M held never wrote the settings"
sleep 1.5
writes=$(grep -cx settings "$run_folder/writes.txt")
[ "$writes" = 1 ] || fail "M held wrote the settings $writes times"
grep -qx 'mute = yes' "$settings_folder/settings" || fail "M held did not mute: $(cat "$settings_folder/settings")"
kill "$watcher" 2>/dev/null

# P held pauses once: the scene stays dimmed and still for the whole hold.
xdotool keydown p
sleep 0.5
screenshot held_first
sleep 1
screenshot held_last
xdotool keyup p
less_than "$(mean_of "$(shot held_last)")" "$(mean_of "$(shot playing)")" ||
    fail "P held did not leave the game paused"
looks_like "$(shot held_first)" 0.001 "$(shot held_last)" ||
    fail "the game moved while P was held (difference $last_seen)"
xdotool key p
wait_for_shot resumed 30 differs_from "$(shot held_last)" 0.01 || fail "P did not resume the game"

# Another window takes the keyboard: the game pauses. Back at the game, a
# click plays on, and the game does not pause again for a loss it already
# paused for, nor for one while it was paused by P.
xmessage -name other -geometry +1000+800 'another window' >/dev/null 2>&1 &
other_pid=$!
other_window() { other=$(xdotool search --onlyvisible --name '^other$' 2>/dev/null | head -n1); [ -n "$other" ]; }
keep_trying 30 other_window || fail "no other window to focus"
dimmed() { less_than "$(mean_of "$1")" "$(mean_of "$(shot playing)")"; }
bright() { ! dimmed "$1"; }
game_has_keyboard() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$game_window" ]; }
for paused_first in no yes; do
    [ "$paused_first" = no ] || { xdotool key p && wait_for_shot paused_by_p 30 dimmed; }
    xdotool windowactivate "$other" 2>/dev/null || xdotool windowfocus "$other"
    wait_for_shot "away_$paused_first" 30 dimmed ||
        fail "the game was not paused with another window holding the keyboard (paused first: $paused_first)"
    # The window manager hands the keyboard back in its own time, and moves
    # it about as it does: the click comes once the game holds it, or the
    # hand-over would land after the resume as a loss of its own.
    xdotool windowactivate --sync "$game_window" 2>/dev/null
    keep_trying 30 game_has_keyboard || fail "the game never got the keyboard back"
    point_at_game
    click_beside_menu
    wait_for_shot "back_$paused_first" 30 bright || fail "the click did not resume the game"
    sleep 1
    shot_passes "later_$paused_first" bright ||
        fail "the game paused again after it resumed (paused first: $paused_first)"
done
kill "$other_pid" 2>/dev/null
stop_game

finish
