# What tools/setup.sh and tools/web.sh share: running a stage with its output
# kept aside, and installing the Debian packages of tools/packages/*.txt that
# are missing. Sourced, with $here set to the tools folder.

log="$(mktemp)"
trap 'rm -f "$log"' EXIT

# Runs one stage with its output kept aside, and shows that output only if
# the stage fails.
stage() {
    local what=$1
    shift
    echo "$what"
    if ! "$@" >"$log" 2>&1; then
        cat "$log" >&2
        echo "Failed: $what" >&2
        exit 1
    fi
}

install_packages() {
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get update -qq && $sudo apt-get install -y -qq --no-install-recommends "$@"
}

# The browser build's compiler and browser are large, and only web.sh (and
# so the test command) needs them: it sets web_packages=yes before sourcing.
lists=()
for list in "$here"/packages/*.txt; do
    [ "$(basename "$list")" != web.txt ] || [ "${web_packages:-}" = yes ] || continue
    lists+=("$list")
done

# One query for every package: the installed ones show as "ii".
mapfile -t wanted < <(cat "${lists[@]}" | sed -e 's/#.*//' -e 's/[[:space:]]//g' | grep -v '^$' | sort -u)
mapfile -t missing < <(comm -23 <(printf '%s\n' "${wanted[@]}") \
    <(dpkg-query -W -f='${db:Status-Abbrev} ${Package}\n' "${wanted[@]}" 2>/dev/null |
        awk '$1 == "ii" { print $2 }' | sort -u))
if [ ${#missing[@]} -gt 0 ]; then
    stage "Installing ${missing[*]}" install_packages "${missing[@]}"
fi
