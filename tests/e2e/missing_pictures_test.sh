# Without its pictures, or with garbage in their place, the title screen
# reports each one, shows a plain white square and still works.
source "$(dirname "$0")/lib.sh"
need_display "$@"

check_plain_title() {
    local what=$1
    start_game || return
    first_line=$(first_console_line)
    [ "$first_line" = "Couldn't load texture ./img/splash.jpg" ] ||
        fail "$what: first console line is '$first_line'"
    wait_for_colour 400 300 "$plain_white" "$what: the plain splash"

    point_at_game
    xdotool click 1
    sync_with_game
    grep -qx "Couldn't load texture ./img/instructions.jpg" "$run_folder/stdout.txt" ||
        fail "$what: the instructions picture was not reported missing"
    wait_for_colour 400 300 "$plain_white" "$what: the plain instructions"
    stop_game
}

make_run_folder
rm "$run_folder"/img/*
check_plain_title "no pictures"

head -c 3000 /dev/urandom >"$run_folder/img/splash.jpg"
printf '\xff\xd8\xff\xe0garbage' >"$run_folder/img/instructions.jpg"
check_plain_title "garbage pictures"

finish
