# Under a tiling window manager (ratpoison: every window takes the whole
# screen, less its border) the window is taller than 4:3: the whole canvas
# still shows, centred between plain black bars above and below, and the
# glass stays under the pointer, so the light held where the canvas shows
# branch 1 makes drops fall there.
source "$(dirname "$0")/live_lib.sh"
need_display "$@"

ratpoison >/dev/null 2>&1 &
window_manager=$!
trap 'kill $window_manager 2>/dev/null; clean_up' EXIT
for _ in $(seq 300); do
    timeout 2 ratpoison -c version >/dev/null 2>&1 && break
    sleep 0.1
done

make_live_run_folder
start_live_game || finish
enter_game || finish

# The manager lets the game's request for 4:3 through for a moment before it
# takes the window back: wait for a size that holds.
settled_size() {
    local before
    before=$(window_size)
    sleep 0.5
    last_seen=$(window_size)
    [ "$before" = "$last_seen" ]
}
keep_trying 30 settled_size || fail "the window never settled at one size (last $last_seen)"
read -r width height < <(echo "$last_seen" | tr x ' ')
area_height=$((width * 3 / 4))
top=$(((height - area_height) / 2))
bottom=$((top + area_height))
echo "window ${width}x${height}: the canvas in rows $top to $((bottom - 1))"
[ "$top" -gt 0 ] || fail "the window is not taller than 4:3; no bars to see"

screenshot letterboxed || fail "no screenshot of the letterboxed game"
brightest() { convert "$(shot letterboxed)" -crop "$1" +repage -format '%[fx:int(255*maxima)]' info:; }
[ "$(brightest "${width}x${top}+0+0")" -eq 0 ] || fail "the bar above the canvas is not plain black"
[ "$(brightest "${width}x$((height - bottom))+0+$bottom")" -eq 0 ] || fail "the bar below is not plain black"
# The scene reaches the area's first and last rows.
[ "$(brightest "${width}x1+0+$top")" -gt 40 ] || fail "the canvas does not reach the bar above"
[ "$(brightest "${width}x1+0+$((bottom - 1))")" -gt 40 ] || fail "the canvas does not reach the bar below"

# The pixel an 800 by 600 window would need for the light to focus on the
# middle of branch 1 now, then the same canvas point through the area's scale.
read -r x y < <(pointer_for -110 182 "$(game_seconds)")
read -r branch_x branch_y < <(awk -v x="$x" -v y="$y" -v w="$width" -v h="$area_height" -v t="$top" \
    'BEGIN { printf "%d %d\n", w / 2 + (x - 400) * w / 800 + 0.5, t + h / 2 + (y - 300) * h / 600 + 0.5 }')
xdotool mousemove --window "$game_window" "$branch_x" "$branch_y" mousedown 1
wait_for_play 'drip[0-4]' 60 "the light held on branch 1 in the letterboxed window"
xdotool mouseup 1

finish
