#!/usr/bin/env bash
# Every sound and both music tracks replaced by garbage: random bytes, empty
# files, truncated files, headers that lie. The game refuses them, plays a
# dance in silence and Quit ends it.
source "$(dirname "$0")/lib/common.bash"
source "$(dirname "$0")/lib/broken-run-dir.bash"

copy_run_dir
mapfile -t sounds < <(sound_files)
[ "${#sounds[@]}" -ge 48 ] || fail "only ${#sounds[@]} sounds in the run directory"
garble_files "${sounds[@]}"
play_a_dance
echo "dance-with-garbage-sounds: ok (${#sounds[@]} sounds damaged)"
