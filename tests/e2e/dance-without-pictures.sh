#!/usr/bin/env bash
# Every picture of the run directory (and the icon) removed: the game starts
# from its own directory all the same, a dance is played, Quit ends it.
source "$(dirname "$0")/lib/common.bash"
source "$(dirname "$0")/lib/broken-run-dir.bash"

copy_run_dir
count=$(picture_files | wc -l)
[ "$count" -gt 100 ] || fail "only $count pictures in the run directory"
picture_files | xargs rm -f
[ "$(picture_files | wc -l)" = 0 ] || fail "pictures are left"
play_a_dance
grep -q '^Game files: ' "$RUN_DIR/log.txt" &&
  fail "the game read an installed copy's pictures instead of playing without any"
echo "dance-without-pictures: ok ($count pictures removed)"
