#!/usr/bin/env bash
# The game opens one 1024x768 window named VELVETARIUM and keeps running.
source "$(dirname "$0")/lib/common.bash"

copy_run_dir
start_game
wait_for_window 30
size=$(window_size)
[ "$size" = "1024x768" ] || fail "window is $size, not 1024x768"
sleep 1
game_running || fail "the game ended on its own"
close_and_expect_clean_end
echo "window: ok"
