#!/usr/bin/env bash
# Without its icon file the game says so in the log and runs on.
source "$(dirname "$0")/lib/common.bash"

copy_run_dir
rm -f "$RUN_DIR/whirligig.bmp"
start_game
wait_for_window 30
wait_for_log_line 10 "Unable to load icon: "
sleep 1
game_running || fail "the game ended without its icon"
close_and_expect_clean_end
echo "missing-icon: ok"
