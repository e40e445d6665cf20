#!/usr/bin/env bash
# Every sound and both music tracks removed: the game plays a dance in
# silence and Quit ends it.
source "$(dirname "$0")/lib/common.bash"
source "$(dirname "$0")/lib/broken-run-dir.bash"

copy_run_dir
count=$(sound_files | wc -l)
[ "$count" -ge 48 ] || fail "only $count sounds in the run directory"
sound_files | xargs rm -f
play_a_dance
echo "dance-without-sounds: ok ($count sounds removed)"
