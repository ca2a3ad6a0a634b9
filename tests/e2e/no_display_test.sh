# Started where no X display can be reached, the game says so in one line on
# standard error and exits with a failure status, without crashing.
source "$(dirname "$0")/lib.sh"

make_run_folder
cd "$run_folder" || exit 1
ulimit -c unlimited 2>/dev/null

check_refusal() {
    local what=$1 status lines
    shift
    timeout 60 "$@" ./brumalo >stdout.txt 2>stderr.txt
    status=$?
    lines=$(grep -c . stderr.txt)
    if [ "$status" -eq 0 ] || [ "$status" -ge 124 ]; then
        fail "$what: exit status $status, wanted a plain failure"
    fi
    [ "$lines" -eq 1 ] || fail "$what: $lines lines on standard error, wanted one"
    grep -qi display stderr.txt || fail "$what: the message does not mention the display"
    [ -s stdout.txt ] && fail "$what: the game went on to load pictures"
    ls core* >/dev/null 2>&1 && fail "$what: the game dumped core"
    rm -f stdout.txt stderr.txt
}

check_refusal "no DISPLAY" env -u DISPLAY
check_refusal "a display that does not exist" env DISPLAY=:987

finish
