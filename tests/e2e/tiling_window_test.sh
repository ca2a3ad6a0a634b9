# Under a tiling window manager the game's window gets the manager's shape,
# not 4:3: the whole canvas still shows, centred between plain black bars,
# and the glass stays under the pointer, so the light held where the canvas
# shows branch 1 makes drops fall there.
source "$(dirname "$0")/live_lib.sh"
need_display "$@"

# ratpoison gives every window the whole screen, less its border.
ratpoison >/dev/null 2>&1 &
window_manager=$!
trap 'kill $window_manager 2>/dev/null; clean_up' EXIT
for _ in $(seq 50); do
    timeout 2 ratpoison -c version >/dev/null 2>&1 && break
    sleep 0.1
done

make_live_run_folder
start_live_game || finish
enter_game || finish

# The manager may let the game's request for 4:3 through for a moment
# before it takes the window back: wait for a size that holds.
settled_size() {
    local before
    before=$(window_size)
    sleep 0.5
    last_seen=$(window_size)
    [ "$before" = "$last_seen" ]
}
keep_trying 10 settled_size || fail "the window never settled at one size (last $last_seen)"
read -r width height < <(echo "$last_seen" | tr x ' ')
echo "window ${width}x${height}"

# The canvas takes the full width, the rows left over split between a bar
# above and one below (or the full height, with bars beside it).
read -r left top area_width area_height < <(awk -v w="$width" -v h="$height" 'BEGIN {
    ah = int(w * 0.75)
    if (ah <= h) print 0, int((h - ah) / 2), w, ah
    else { aw = int(h * 4 / 3); print int((w - aw) / 2), 0, aw, h }
}')

[ "$left" -gt 0 ] || [ "$top" -gt 0 ] || fail "the window manager left the window at 4:3; no bars to see"

screenshot letterboxed || fail "no screenshot of the letterboxed game"
[ "$(identify -format '%wx%h' "$(shot letterboxed)")" = "${width}x${height}" ] ||
    fail "the window changed size again before the screenshot"
brightest() { convert "$(shot letterboxed)" -crop "$1" +repage -format '%[fx:int(255*maxima)]' info:; }
if [ "$top" -gt 0 ]; then
    [ "$(brightest "${width}x${top}+0+0")" -eq 0 ] || fail "the bar above the canvas is not plain black"
    below=$((top + area_height))
    [ "$(brightest "${width}x$((height - below))+0+$below")" -eq 0 ] || fail "the bar below the canvas is not plain black"
elif [ "$left" -gt 0 ]; then
    [ "$(brightest "${left}x${height}+0+0")" -eq 0 ] || fail "the bar left of the canvas is not plain black"
fi
# The scene reaches every edge of the area: its first and last rows and
# columns are painted, not bar.
convert "$(shot letterboxed)" -crop "${area_width}x${area_height}+${left}+${top}" +repage "$run_folder/area.png"
for edge in "${area_width}x1+0+0" "${area_width}x1+0+$((area_height - 1))" "1x${area_height}+0+0" \
    "1x${area_height}+$((area_width - 1))+0"; do
    [ "$(convert "$run_folder/area.png" -crop "$edge" +repage -format '%[fx:int(255*maxima)]' info:)" -gt 40 ] ||
        fail "the canvas does not reach its area's edge $edge"
done
[ "$(colour_count "$run_folder/area.png")" -gt 1000 ] || fail "the canvas area shows no scene"

# The window pixel over canvas point (x, y), where an 800 by 600 window has
# it at (x + 400, 300 - y): through the area's scale and centre.
in_window() {
    awk -v x="$1" -v y="$2" -v l="$left" -v t="$top" -v w="$area_width" -v h="$area_height" 'BEGIN {
        printf "%d %d\n", l + int(w / 2) + (x - 400) * w / 800 + 0.5, t + h - int(h / 2) - (300 - y) * h / 600 + 0.5
    }'
}

# The pointer where the canvas shows what pixel (320, 125) of an 800 by 600
# window shows: the light focuses on branch 1 there.
read -r branch_x branch_y < <(in_window 320 125)
xdotool mousemove --window "$game_window" "$branch_x" "$branch_y" mousedown 1
wait_for_play 'drip[0-4]' 6 "the light held on branch 1 in the letterboxed window"
xdotool mouseup 1

finish
