#!/usr/bin/env bash
# Every picture (the icon too), sound and music file of the run directory
# replaced by garbage: random bytes, empty files, truncated files, headers
# that lie about the size. Nothing is read out of bounds, the game refuses
# what it cannot use and a dance is played.
source "$(dirname "$0")/lib/common.bash"
source "$(dirname "$0")/lib/broken-run-dir.bash"

copy_run_dir
mapfile -t pictures < <(picture_files)
mapfile -t sounds < <(sound_files)
[ "${#pictures[@]}" -gt 100 ] || fail "only ${#pictures[@]} pictures in the run directory"
[ "${#sounds[@]}" -ge 48 ] || fail "only ${#sounds[@]} sounds in the run directory"
garble_files "${pictures[@]}" "${sounds[@]}"
play_a_dance
echo "dance-with-garbage-files: ok (${#pictures[@]} pictures, ${#sounds[@]} sounds damaged)"
