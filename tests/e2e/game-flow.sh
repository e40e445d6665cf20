#!/usr/bin/env bash
# The real game played as a player would: the welcome screen, a click into
# the menu, Play, Escape back to the menu, Quit. The game ends by itself
# with exit code 0 and leaves a progress file of 1000 bytes.
source "$(dirname "$0")/lib/common.bash"

SHOTS=$(mktemp -d "${TMPDIR:-/tmp}/velvetarium-flow.XXXXXX") || fail "mktemp"
trap 'cleanup; rm -rf "$SHOTS"' EXIT

# A click the game sees: its frames read the held buttons, so the button
# (and below, the key) stays down for a few frames.
click() {
  xdotool mousedown 1
  sleep 0.3
  xdotool mouseup 1
  sleep 0.5
}

# The cat follows the mouse by at most 30 pixels a frame, so the pointer
# moves in small steps, each in a frame of its own.
steps() {
  local count=$1 dx=$2 dy=$3
  for _ in $(seq 1 "$count"); do
    xdotool mousemove_relative -- "$dx" "$dy"
    sleep 0.12
  done
}

# The cat into the lower left corner of the menu, where the window holds
# it. The pointer first goes home (the game sends it back to 512, 512 from
# the window's edge); single long jumps move the cat by one frame's step
# only, so they bring the pointer back without moving the cat far.
cat_to_lower_left() {
  xdotool mousemove_relative -- -3000 0
  sleep 0.5
  for _ in 1 2; do
    xdotool mousemove_relative -- 0 -380
    sleep 0.3
    steps 19 0 20
  done
  xdotool mousemove_relative -- 390 0
  sleep 0.3
  steps 39 -20 0
}

shot() {
  import -window root "$SHOTS/$1.png" || fail "no screenshot $1"
}

# Share of pixels that differ noticeably between two screenshots, in percent.
differs() {
  local pixels
  pixels=$(compare -metric AE -fuzz 10% "$SHOTS/$1.png" "$SHOTS/$2.png" null: 2>&1 | cut -d' ' -f1)
  echo $((${pixels%.*} * 100 / (1024 * 768)))
}

copy_run_dir
start_game
wait_for_window 30
sleep 3
shot welcome
[ -f "$RUN_DIR/savegame.txt" ] || fail "no progress file after the first start"

click
sleep 1
shot menu
[ "$(differs welcome menu)" -gt 40 ] || fail "the click did not leave the welcome screen"

cat_to_lower_left
# From the corner onto Play: 1.3 units right, 0.15 up.
steps 13 10 0
steps 1 0 -15
sleep 0.5
click
sleep 2
shot dance
[ "$(differs menu dance)" -gt 40 ] || fail "Play did not start the dance"
game_running || fail "the game ended during the dance"

xdotool keydown Escape
sleep 0.3
xdotool keyup Escape
sleep 1.2
shot paused
[ "$(differs menu paused)" -lt 25 ] || fail "Escape did not bring the menu back"

# The menu put the cat on Play; Quit lies 1.67 units to the right.
sleep 0.5
steps 17 10 0
sleep 0.5
click
wait_for_exit 20
[ "$GAME_STATUS" = 0 ] || fail "exit code $GAME_STATUS after Quit"
[ "$(stat -c %s "$RUN_DIR/savegame.txt")" = 1000 ] || fail "savegame.txt is not 1000 bytes"
[ "$(tail -n 1 "$RUN_DIR/log.txt")" = "-- Closing Log..." ] || fail "the log does not end with the closing line"
echo "game-flow: ok"
