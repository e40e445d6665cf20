#!/usr/bin/env bash
# The real game played as a player would: the welcome screen, a click into
# the menu, Play, Escape back to the menu, Quit. The game ends by itself
# with exit code 0 and leaves a progress file of 1000 bytes.
source "$(dirname "$0")/lib/common.bash"
source "$(dirname "$0")/lib/play.bash"

copy_run_dir
start_to_welcome
[ -f "$RUN_DIR/savegame.txt" ] || fail "no progress file after the first start"
enter_menu
start_dance
press_escape
wait_for_screen paused menu -lt 25 20 || fail "Escape did not bring the menu back"

# The menu put the cat on Play; Quit lies 1.67 units to the right.
sleep 0.5
steps 17 10 0
sleep 0.5
click
wait_for_exit 30
[ "$GAME_STATUS" = 0 ] || fail "exit code $GAME_STATUS after Quit"
[ "$(stat -c %s "$RUN_DIR/savegame.txt")" = 1000 ] || fail "savegame.txt is not 1000 bytes"
[ "$(tail -n 1 "$RUN_DIR/log.txt")" = "-- Closing Log..." ] || fail "the log does not end with the closing line"
echo "game-flow: ok"
