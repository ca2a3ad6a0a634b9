# A player's first icicle, played through the real game: the light held on a
# branch makes melt water drip and an icicle grow under it; the light moved
# onto the icicle melts it loose, and it falls onto the ice. The effect sounds
# are missing from the run folder, so each event shows on the console as the
# sound bank's ERROR lines for that sound.
source "$(dirname "$0")/live_lib.sh"
need_display "$@"

drips='drip[0-4]'
drop_spacing=0.66

# The waits for what the game does are long and end as soon as it happens: a
# slow game (a busy machine, the sanitizers) steps its drops and icicles at
# most 30 ms a frame, and they fall behind its clock.
drips_at_least() {
    [ "$(plays_of "$drips")" -ge "$1" ]
}

make_live_run_folder
start_live_game || finish
enter_game || finish
size_is 800x600 || fail "the window is $(window_size), and the aiming below assumes 800x600"

# The one sound file present loads and plays without a complaint.
grep -q "^ERROR: .*\bbg\b" "$console" && fail "the background music did not play"

# The glass over a branch focuses nothing until the button is held: no drop
# falls in two drop spacings.
branch_x=320
branch_y=125
xdotool mousemove --window "$game_window" "$branch_x" "$branch_y"
sleep 1.5
screenshot live_start
played "$drips" && fail "drops fell with the button up"

# The light held on branch 1. The first drop makes an icicle hanging 10
# units under the focus; each later drop lengthens it, at 15 units a second.
pressed_at=$(game_seconds)
read -r icicle_x focus_y < <(focus_of "$branch_x" "$branch_y" "$pressed_at")
icicle_top=$(awk -v y="$focus_y" 'BEGIN { print y - 10 }')
xdotool mousedown 1
hold_began=$(game_seconds)
wait_for_play "$drips" 60 "the light held on a branch" || finish

sleep 1
screenshot ray_on_branch
# Three drops down means at least three made: the icicle grows toward 31.
keep_trying 60 drips_at_least 3 || fail "fewer than three drops dripped with the light on the branch"
sleep_until_game_second "$(awk -v began="$hold_began" 'BEGIN { print began + 4.5 }')"
played break && fail "an icicle broke while the light was on the branch"

# Onto the icicle, 18 units below its top: inside it only once it is longer
# than 16 units (its melting box is 1.25 times its size), past the 11 its
# first drop gives it, so a later drop must have lengthened it. A slow game's
# icicle is still growing toward that length; the light waits there for it,
# and follows the sinking sun meanwhile, as a player's hand would.
target_y=$(awk -v top="$icicle_top" 'BEGIN { print top - 18 }')
melt_x=""
melt_y=""
aimed_until_broken() {
    local x y
    read -r x y < <(pointer_for "$icicle_x" "$target_y" "$(game_seconds)")
    if [ "$x $y" != "$melt_x $melt_y" ]; then
        xdotool mousemove --window "$game_window" "$x" "$y"
        melt_x=$x
        melt_y=$y
    fi
    played break
}
aimed_until_broken
hold_ended=$(game_seconds)
echo "icicle at x $icicle_x from y $icicle_top; pointer moved to ($melt_x, $melt_y)"
landed=""
if ! keep_trying 120 aimed_until_broken; then
    game_running || fail "the game ended"
    fail "the light held on the icicle: no 'break' within 120 s"
else
    # It falls onto the ice: a splash, or a fish caught under it.
    if wait_for_play 'plop|ding' 60 "the broken icicle falling"; then
        landed=yes
        [ "$(first_play_line 'plop|ding')" -gt "$(first_play_line break)" ] ||
            fail "the icicle landed before it broke"
        echo "the icicle caught $(plays_of ding) fish"
    fi
fi
xdotool mouseup 1

# Every drop made on the branch has dripped by now, one drip each: a drop
# reaches the ice within 1.4 s, and the icicle took a second of light and its
# fall. They came at most one per drop spacing while the light stayed there.
[ -n "$landed" ] || sleep 1.5
drip_count=$(plays_of "$drips")
most=$(awk -v began="$hold_began" -v ended="$hold_ended" -v spacing="$drop_spacing" \
    'BEGIN { print int((ended - began) / spacing) + 2 }')
[ "$drip_count" -ge 3 ] || fail "only $drip_count drop(s) dripped in 4.5 s of light on the branch"
[ "$drip_count" -le "$most" ] || fail "$drip_count drops dripped, more than one per $drop_spacing s (at most $most)"

# With the button released, the glass back over the branch melts nothing.
xdotool mousemove --window "$game_window" "$branch_x" "$branch_y"
sleep 2.5
[ "$(plays_of "$drips")" -eq "$drip_count" ] || fail "drops fell after the button was released"

# The game goes on after the landing, and still paints the whole scene.
game_running || fail "the game ended after the icicle landed"
wait_for_shot after_landing 30 many_colours ||
    fail "the window shows only ${last_seen:-no} colours after the landing"

finish
