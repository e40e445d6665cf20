#!/usr/bin/env bash
# Started in a directory that holds nothing but the game (no pictures, no
# sounds, no music, no icon), it opens its 1024x768 window, says in the log
# that the icon is missing, and a dance is played in silence all the same.
source "$(dirname "$0")/lib/common.bash"
source "$(dirname "$0")/lib/broken-run-dir.bash"

bare_run_dir
play_a_dance
grep -qF "Unable to load icon: " "$RUN_DIR/log.txt" || fail "the log does not say the icon is missing"
grep -q '^Game files: ' "$RUN_DIR/log.txt" &&
  fail "the game read an installed copy's files instead of playing without any"
echo "dance-without-files: ok"
