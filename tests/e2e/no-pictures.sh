#!/usr/bin/env bash
# Started in a directory that holds nothing but the game (no pictures, no
# sounds, no music, no icon), it still opens, runs and closes cleanly.
source "$(dirname "$0")/lib/common.bash"

bare_run_dir
start_game
wait_for_window 30
sleep 2
game_running || fail "the game ended without its pictures"
size=$(window_size)
[ "$size" = "1024x768" ] || fail "window is $size, not 1024x768"
close_and_expect_clean_end
echo "no-pictures: ok"
