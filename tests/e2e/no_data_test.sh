# A copy of the game with no pictures or sounds beside it, started from a
# folder without them either, says in one line on standard error where it
# looked, and exits with a failure status before loading or drawing anything.
source "$(dirname "$0")/lib.sh"

run_folder=$(mktemp -d "${TMPDIR:-/tmp}/brumalo-nodata.XXXXXX")
mkdir "$run_folder/games" "$run_folder/elsewhere"
cp "$build_dir/brumalo" "$run_folder/games/"
cd "$run_folder/elsewhere" || exit 1

timeout 60 "$run_folder/games/brumalo" >stdout.txt 2>stderr.txt
status=$?
if [ "$status" -eq 0 ] || [ "$status" -ge 124 ]; then
    fail "exit status $status, wanted a plain failure"
fi
[ "$(grep -c . stderr.txt)" -eq 1 ] || fail "wanted one line on standard error, got: $(cat stderr.txt)"
for place in "$run_folder/elsewhere" "$run_folder/games" "$run_folder/share/games/brumalo"; do
    grep -qF "$place" stderr.txt || fail "the message does not name $place: $(cat stderr.txt)"
done
[ -s stdout.txt ] && fail "the game went on to load pictures: $(cat stdout.txt)"

finish
