#!/usr/bin/env bash
# log.txt is rewritten at every start and begins with the banner and an
# empty line.
source "$(dirname "$0")/lib/common.bash"

copy_run_dir
echo "an old log that must be gone" >"$RUN_DIR/log.txt"
start_game
wait_for_window 30
[ "$(sed -n 1p "$RUN_DIR/log.txt")" = "VELVETARIUM V1.0c -- Log Init..." ] || fail "first line is not the banner"
[ "$(sed -n 2p "$RUN_DIR/log.txt")" = "" ] || fail "second line is not empty"
grep -q "an old log" "$RUN_DIR/log.txt" && fail "the old log was not truncated"
close_and_expect_clean_end
echo "log-file: ok"
