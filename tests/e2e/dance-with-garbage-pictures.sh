#!/usr/bin/env bash
# Every picture of the run directory (and the icon) replaced by garbage:
# random bytes, empty files, truncated files, headers that lie about the
# size. Nothing is read out of bounds, a dance is played, Quit ends it.
source "$(dirname "$0")/lib/common.bash"
source "$(dirname "$0")/lib/broken-run-dir.bash"

copy_run_dir
mapfile -t pictures < <(picture_files)
[ "${#pictures[@]}" -gt 100 ] || fail "only ${#pictures[@]} pictures in the run directory"
garble_files "${pictures[@]}"
play_a_dance
echo "dance-with-garbage-pictures: ok (${#pictures[@]} pictures damaged)"
