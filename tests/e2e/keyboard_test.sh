# The keyboard alone, from the title to a dripping branch: Enter through the
# title and the instructions, the arrows to steer, Space held to focus. The
# glass starts at the canvas's centre; held down and left it stops in the
# corner, where the pointer could have put it and no further. From there a
# slow diagonal (Shift held) crosses the right tree's branches, and the
# first one the light touches drips at once.
source "$(dirname "$0")/live_lib.sh"
need_display "$@"

drips='drip[0-4]'
drips_at_least() { [ "$(plays_of "$drips")" -ge "$1" ]; }

make_live_run_folder
start_live_game || finish
point_at_game
xdotool key Return
keep_trying 30 has_line "Loaded texture ./img/instructions.jpg" || fail "Enter did not bring the instructions"
xdotool key space
keep_trying 30 has_line "Loaded loop ding" || fail "Space did not start the live game"

# The corner: 300 units a second take the glass there in under two seconds
# of play; a slow machine's frames are given far longer.
xdotool keydown Left keydown Down
sleep 8
xdotool keyup Left keyup Down
played "$drips" && fail "drops fell with no light focused"

xdotool keydown space keydown Shift_L keydown Up keydown Right
keep_trying 120 drips_at_least 1 || fail "the slow diagonal never brought the light onto a branch"
xdotool keyup Up keyup Right keyup space keyup Shift_L
screenshot dripped
# Let go, the light is out: no drop more than the one a frame may have had,
# over three drop spacings of the game's unhurried clock.
after=$(plays_of "$drips")
sleep 2
[ "$(plays_of "$drips")" -le $((after + 1)) ] || fail "drops went on with Space let go"

# The pause menu's last line quits: P, up once round to Quit, Enter.
xdotool key p Up Return
keep_trying 30 game_ended || fail "Quit on the pause menu did not end the game"

finish
