# Esc, Ctrl+Q and Alt+F4 each end the game at once with status 0, from the
# title screen, with no window manager to help.
source "$(dirname "$0")/lib.sh"
need_display "$@"

make_run_folder
for keys in Escape ctrl+q alt+F4; do
    start_game || continue
    wait_for_colour 400 300 "$splash_colour" "the splash before $keys"
    point_at_game
    xdotool key "$keys"
    expect_exit_status 0 "$keys"
done

finish
