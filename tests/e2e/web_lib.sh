# Helpers for the browser tests: the site in BRUMALO_WEB_SITE (build-web/site)
# served to headless Chromium, which web_browser.py drives a command at a
# time. The general helpers (failing, waiting, screenshots) come from
# live_lib.sh and lib.sh.
web_site=${BRUMALO_WEB_SITE:-}
if [ ! -f "$web_site/index.html" ]; then
    echo "skipped: no web build (BRUMALO_WEB_SITE names no folder with an index.html)"
    exit 0
fi
source "$(dirname "${BASH_SOURCE[0]}")/live_lib.sh"
run_folder=$(mktemp -d "${TMPDIR:-/tmp}/brumalo-web.XXXXXX")
console="$run_folder/console.txt"

# start_browser [SITE]: the driver, serving the site given or the build's. It
# stands for the game in lib.sh: every wait gives up once it has gone.
start_browser() {
    coproc BROWSER { exec /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/web_browser.py" "${1:-$web_site}" \
        "$console" "$run_folder/problems.txt" 2>"$run_folder/driver.txt"; }
    game_pid=$BROWSER_PID
    must
}

# Sends a command (none: reads the greeting), its answer left in reply: for
# at most five minutes, as opening a page on a busy machine may take a few.
browser() {
    [ $# -eq 0 ] || echo "$*" >&"${BROWSER[1]}"
    read -r -t 300 reply <&"${BROWSER[0]}" || reply="error: no answer $(cat "$run_folder/driver.txt")"
    [[ $reply == ok* ]]
}
must() { browser "$@" || { fail "'$*': $reply" && finish; }; }
says() { browser ask "$1" && [ "$reply" = "ok $2" ]; }
page_shows() { browser shown "$1" && [ "$reply" = "ok yes" ]; }

# The game's console so far: each command fetches the page's new lines.
lines_of() { browser poll && grep -c -- "$1" "$console"; }
more_lines() { [ "$(lines_of "$1")" -gt "$2" ]; }
# after_line SECONDS PATTERN COMMAND...: the command, then one more such line.
after_line() {
    local seconds=$1 pattern=$2 before
    shift 2
    before=$(lines_of "$pattern")
    "$@" && keep_trying "$seconds" more_lines "$pattern" "$before"
}

# stored_says FOLDER FILE TEXT: once the page's copies are done, as the
# site's storage holds the file, not as the page has it in memory.
saved() { says "!(Module.savesInFlight > 0)" True; }
stored_says() { saved && browser kept "/home/web_user/$1" "$2" && [[ $reply == *"$3"* ]]; }
records_say() { keep_trying 30 stored_says .local/share brumalo/records "$1"; }
settings_say() { keep_trying 30 stored_says .config brumalo/settings "$1"; }

click() { must down 400 300 && must up; }
new_page() { after_line 60 'Loaded texture ./img/splash.jpg' must "$@"; }
enter_game() {
    after_line 20 'Loaded texture ./img/instructions.jpg' click &&
        after_line 20 'Loaded loop ding' click || fail "no live game after two clicks"
}

# The end of every browser test: nothing logged as an error by the browser or
# complained of by the game.
finish_browser() {
    must poll
    [ -s "$run_folder/problems.txt" ] && fail "the browser logged errors: $(cat "$run_folder/problems.txt")"
    grep -E '^ERROR\b' "$console" >&2 && fail "the game complained on the console"
    finish
}
