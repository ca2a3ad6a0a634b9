# The window opens at 800 by 600 and keeps 4:3 when resized, with the
# canvas stretched to fill it.
source "$(dirname "$0")/lib.sh"
need_display "$@"

make_run_folder
start_game || finish
[ "$(window_size)" = "800x600" ] || fail "the window opened at $(window_size), not 800x600"
wait_for_colour 400 300 "$splash_colour" "the splash at start"

xdotool windowsize "$game_window" 1000 400
wait_for_size 1000x750
# The splash square spans the canvas's whole width and more than its
# height, so at any size it reaches every edge of the window.
for corner in "2 2" "997 2" "2 747" "997 747"; do
    wait_for_colour $corner "$splash_colour" "corner ($corner) at 1000x750"
done

finish
