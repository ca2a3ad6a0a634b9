# The title screen as a player meets it: the splash picture in an 800 by 600
# window, only a left-button release moving on, the instructions, then the
# game.
source "$(dirname "$0")/lib.sh"
need_display "$@"

make_run_folder
start_game || finish

first_line=$(first_console_line)
[ "$first_line" = "Loaded texture ./img/splash.jpg" ] || fail "first console line is '$first_line'"
[ "$(window_size)" = "800x600" ] || fail "the window opened at $(window_size), not 800x600"
wait_for_colour 400 300 "$splash_colour" "the splash at start"

# The desktop knows the window: its class is the one the menu entry names,
# and it carries the game's icon, at each size, and the game's process id.
properties=$(timeout 10 xprop -id "$game_window")
menu_class=$(sed -n 's/^StartupWMClass=//p' "${BRUMALO_SOURCE_DIR:?}"/packaging/*.desktop.in)
grep -qxF "WM_CLASS(STRING) = \"brumalo\", \"$menu_class\"" <<<"$properties" ||
    fail "the window's class is not brumalo, $menu_class: $(grep WM_CLASS <<<"$properties")"
grep -qx "_NET_WM_PID(CARDINAL) = $game_pid" <<<"$properties" || fail "the window does not name process $game_pid"
for size in 16 32 48 64; do
    grep -qF "Icon ($size x $size):" <<<"$properties" || fail "the window carries no $size px icon"
done

# Nothing but a left-button release moves the screen on: not the other
# buttons, plain keys, the pointer moving or the press itself.
point_at_game
xdotool click 3 click 2 key a key q mousemove --window "$game_window" 100 100
sync_with_game
wait_for_colour 400 300 "$splash_colour" "after right and middle clicks, keys and motion"

xdotool mousedown 1
sync_with_game
wait_for_colour 400 300 "$splash_colour" "while the left button is held"

# Had any earlier input moved the screen on, this release would start the
# game instead of showing the instructions.
xdotool mouseup 1
wait_for_colour 400 300 "$instructions_colour" "after the left-button release"
grep -qx "Loaded texture ./img/instructions.jpg" "$run_folder/stdout.txt" ||
    fail "the instructions picture was not reported loaded"

xdotool click 1
keep_trying 30 not_colour 400 300 "$instructions_colour" ||
    fail "the second left click did not leave the instructions"
require_game

finish
