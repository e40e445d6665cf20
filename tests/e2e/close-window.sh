#!/usr/bin/env bash
# Closing the window ends the game in order: exit code 0, and the log ends
# with an empty line and the closing line.
source "$(dirname "$0")/lib/common.bash"

copy_run_dir
start_game
wait_for_window 30
sleep 2
game_running || fail "the game ended on its own"
close_and_expect_clean_end
lines=$(wc -l <"$RUN_DIR/log.txt")
[ "$(sed -n "$((lines - 1))p" "$RUN_DIR/log.txt")" = "" ] || fail "no empty line before the closing line"
echo "close-window: ok"
