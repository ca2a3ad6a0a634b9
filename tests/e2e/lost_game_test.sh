# The sun sets on a game nobody plays: at 240 game seconds the lose picture
# replaces the darkened lake, a click in its first 5 seconds is lost, so that
# a player still clicking away at the end does not skip it, and a later click
# ends the program cleanly. libfaketime runs the game's clock faster.
source "$(dirname "$0")/live_lib.sh"
need_display "$@"

# At four times real speed the game lasts 60 real seconds and the result
# screen's first 5 game seconds last 1.25 real ones: room enough for the test
# to see the picture and click inside them on a busy machine. At ten times
# the room shrinks to half a second, less than a busy machine can promise.
speed=4
lose_line="Loaded texture ./img/lose.jpg"

make_live_run_folder
start_live_game "$speed" || finish
enter_game || finish

# The lake, once the game has drawn it in place of the instructions.
as_shown "$run_folder/img/instructions.jpg" 800x600 instructions
wait_for_shot live_start 30 differs_from "$(shot instructions)" 0.3 ||
    fail "the window still shows the instructions (difference $last_seen)"

# Dusk: an orange tint darkening toward black lies over the whole lake.
sleep_until_game_second 204
wait_for_shot dusk 5 differs_from "$(shot live_start)" 0.2 ||
    fail "the lake at dusk looks like the lake at the start (difference $last_seen)"

# The loss, watched closely from well before it comes so that the click lands
# early on the result screen. The loop spawns one grep a turn and keeps its
# clock in bash: on a busy machine every process started here delays the
# click.
sleep_until_game_second 215
deadline=$(awk -v began="$game_began" -v speed="$speed" 'BEGIN { printf "%.6f\n", began + 270 / speed }')
deadline=${deadline/./}
seen=""
while game_running && [ "${EPOCHREALTIME/[.,]/}" -lt "$deadline" ]; do
    if has_line "$lose_line"; then
        seen=yes
        break
    fi
    sleep 0.02
done
if [ -z "$seen" ]; then
    game_running || fail "the game ended before the sun set"
    fail "no lose picture by 270 game seconds; the console ends with:"
    tail -n 5 "$console" >&2
    finish
fi
xdotool click 1
clicked_at=$(real_now)

# The lose line is the last the idle game prints, so the console's time of
# change is when the result screen came up: 240 game seconds after the game
# began, which was after the test sent the click that started it and before
# the game had loaded its sounds.
lost_at=$(stat -c %.6Y "$console")
early_click=$(awk -v lost="$lost_at" -v now="$clicked_at" -v speed="$speed" \
    'BEGIN { printf "%.2f\n", (now - lost) * speed }')
read -r longest shortest < <(awk -v lost="$lost_at" -v speed="$speed" \
    -v earliest="$game_began_earliest" -v latest="$game_began" \
    'BEGIN { printf "%.1f %.1f\n", (lost - earliest) * speed, (lost - latest) * speed }')
echo "lost after $shortest to $longest game seconds; clicked $early_click game seconds later"
less_than 239 "$longest" || fail "the sun set after only $longest game seconds"
less_than "$shortest" 244 || fail "the sun set only after $shortest game seconds"

if less_than "$early_click" 4; then
    sync_with_game || fail "the game did not answer after the early click"
    game_running || fail "a click $early_click game seconds into the result screen ended the game"
else
    fail "the test clicked only $early_click game seconds after the loss, too late to tell"
fi

# The lose picture fills the window, whatever its size after the check
# above. Right after the switch a slow game may still show its last live
# frame, so the picture is waited for.
size=$(window_size)
as_shown "$run_folder/img/lose.jpg" "$size" expected_lose
if wait_for_shot lost 30 looks_like "$(shot expected_lose)" 0.15; then
    convert "$(shot live_start)" -resize "${size}!" "$(shot live_start_resized)"
    differs_from "$(shot live_start_resized)" 0.3 "$(shot lost)" ||
        fail "the result screen looks like the live game (difference $last_seen)"
else
    fail "the result screen does not show the lose picture (difference $last_seen)"
fi

# A click well after the first 5 game seconds ends the program.
sleep "$(awk -v clicked="$clicked_at" -v now="$(real_now)" -v speed="$speed" \
    'BEGIN { left = clicked + 10 / speed - now; print (left > 0 ? left : 0) }')"
game_running || fail "the game ended on its own on the result screen"
xdotool click 1
expect_exit_status 0 "a late click on the result screen"

finish
