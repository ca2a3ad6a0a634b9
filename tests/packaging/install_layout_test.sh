# Installed into a scratch prefix, the menu entry and the AppStream metadata
# pass their validators, with their translations, and name each other, the
# entry starts the installed program, and its icon is installed in the
# hicolor theme, scalable and at each pixel size. Every language's folder
# shares the other pictures and the sounds through relative links that stay
# inside the data.
source "$(dirname "$0")/../e2e/lib.sh"

run_folder=$(mktemp -d "${TMPDIR:-/tmp}/brumalo-layout.XXXXXX")
prefix="$run_folder/prefix"
share="$prefix/share"
cmake --install "$build_dir" --prefix "$prefix" >/dev/null || fail "cmake --install failed"

entry=$(ls "$share"/applications/*.desktop 2>/dev/null)
metainfo=$(ls "$share"/metainfo/*.metainfo.xml 2>/dev/null)
[ "$(echo "$entry" | grep -c .)" -eq 1 ] || fail "wanted one desktop entry, found: $entry"
[ "$(echo "$metainfo" | grep -c .)" -eq 1 ] || fail "wanted one metainfo file, found: $metainfo"
[ "$failures" -eq 0 ] || finish

desktop-file-validate "$entry" || fail "desktop-file-validate rejects $(basename "$entry")"
appstreamcli validate --no-net "$metainfo" >"$run_folder/appstream.txt" 2>&1 ||
    fail "appstreamcli rejects $(basename "$metainfo"): $(cat "$run_folder/appstream.txt")"
grep -qF "<launchable type=\"desktop-id\">$(basename "$entry")</launchable>" "$metainfo" ||
    fail "the metainfo does not launch $(basename "$entry")"

program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
[ -x "$prefix/games/$program" ] || fail "Exec=$program is not the installed program"

icon=$(sed -n 's/^Icon=//p' "$entry")
[ -f "$share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no scalable icon named $icon"
for size in 48 128 256; do
    picture="$share/icons/hicolor/${size}x${size}/apps/$icon.png"
    [ "$(identify -format '%wx%h' "$picture" 2>/dev/null)" = "${size}x${size}" ] ||
        fail "no ${size}x${size} icon named $icon"
done

data=$(realpath "$share/games/brumalo")
for language in $(grep -v '^#' "${BRUMALO_SOURCE_DIR:?}/po/LINGUAS"); do
    grep -q "^Comment\[$language\]=" "$entry" || fail "the menu entry has no $language comment"
    for link in "$data/lang/$language/sounds" "$data/lang/$language"/img/*.png; do
        [[ $(readlink "$link") != /* && $(realpath -e "$link") == "$data"/* ]] || fail "$link leads out of the data"
    done
done

finish
