#!/usr/bin/env bash
# The game opens one 1024x768 window named VELVETARIUM and keeps running;
# log.txt is rewritten at every start, beginning with the banner and an
# empty line. Closing the window ends the game in order: exit code 0, and
# the log ends with an empty line and the closing line.
source "$(dirname "$0")/lib/common.bash"

copy_run_dir
echo "an old log that must be gone" >"$RUN_DIR/log.txt"
start_game
wait_for_window 30
[ "$(sed -n 1p "$RUN_DIR/log.txt")" = "VELVETARIUM V1.0c -- Log Init..." ] || fail "first line is not the banner"
[ "$(sed -n 2p "$RUN_DIR/log.txt")" = "" ] || fail "second line is not empty"
grep -q "an old log" "$RUN_DIR/log.txt" && fail "the old log was not truncated"
size=$(window_size)
[ "$size" = "1024x768" ] || fail "window is $size, not 1024x768"
sleep 2
game_running || fail "the game ended on its own"
close_and_expect_clean_end
lines=$(wc -l <"$RUN_DIR/log.txt")
[ "$(sed -n "$((lines - 1))p" "$RUN_DIR/log.txt")" = "" ] || fail "no empty line before the closing line"
echo "window: ok"
