# The Debian package: lintian finds neither errors nor warnings in it, it
# depends on the DevIL, GLUT and SDL2_mixer libraries the game links, and it
# puts the game in /usr/games with its data in /usr/share/games/brumalo.
source "$(dirname "$0")/../e2e/lib.sh"

run_folder=$(mktemp -d "${TMPDIR:-/tmp}/brumalo-package.XXXXXX")
cpack --config "$build_dir/CPackConfig.cmake" -B "$run_folder" >"$run_folder/cpack.txt" 2>&1 ||
    fail "cpack failed: $(cat "$run_folder/cpack.txt")"
deb=$(ls "$run_folder"/brumalo_*_amd64.deb 2>/dev/null)
[ -f "$deb" ] || { fail "no brumalo_<version>_amd64.deb was made"; finish; }

lintian --fail-on error,warning "$deb" >"$run_folder/lintian.txt" 2>&1 ||
    fail "lintian: $(cat "$run_folder/lintian.txt")"

depends=$(dpkg-deb -f "$deb" Depends)
for library in libdevil1c2 libglut libsdl2-mixer; do
    grep -q "$library" <<<"$depends" || fail "Depends lacks $library: $depends"
done

dpkg-deb -c "$deb" >"$run_folder/contents.txt"
for file in ./usr/games/brumalo ./usr/share/games/brumalo/{img,lang/ru/img}/splash.jpg ./usr/share/games/brumalo/sounds/bg.mp3; do
    grep -q " $file\$" "$run_folder/contents.txt" || fail "the package lacks $file"
done

finish
