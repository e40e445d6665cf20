#!/usr/bin/env bash
# The real game played as a player would. It opens one 1024x768 window named
# VELVETARIUM and rewrites log.txt at every start, beginning with the banner
# and an empty line. The welcome screen, a click into the menu, Play;
# switching to another window during the dance opens the menu, as Escape
# does, and Play brings the dance back (that it is the same dance, where it
# stood, the gl tests check); Escape back to the menu, Quit. The game ends
# by itself in order and leaves a progress file of 1000 bytes.
source "$(dirname "$0")/lib/common.bash"
OTHER_PID=""
trap 'cleanup; [ -n "$OTHER_PID" ] && kill "$OTHER_PID" 2>/dev/null' EXIT

new_run_dir copy
echo "an old log that must be gone" >"$RUN_DIR/log.txt"
start_to_welcome
[ "$(sed -n 1,2p "$RUN_DIR/log.txt" | tr '\n' '|')" = "VELVETARIUM V1.0c -- Log Init...||" ] ||
  fail "the log does not begin with the banner and an empty line"
grep -q "an old log" "$RUN_DIR/log.txt" && fail "the old log was not truncated"
[ "$(window_size)" = "1024x768" ] || fail "window is $(window_size), not 1024x768"
[ -f "$RUN_DIR/savegame.txt" ] || fail "no progress file after the first start"
enter_menu
start_dance

# Another window takes the input focus, as Alt-Tab gives it.
xmessage -geometry 200x80+20+20 "elsewhere" 2>/dev/null &
OTHER_PID=$!
other_shown() { other=$(xdotool search --name '^xmessage$' 2>/dev/null | head -n 1) && [ -n "$other" ]; }
wait_until 10 other_shown || fail "no other window to switch to"
xdotool windowfocus "$other" || fail "could not focus the other window"
wait_for_screen away menu -lt 25 20 || fail "leaving the window did not open the menu"
# Back in the game: the menu stays up, the cat on Play.
xdotool windowfocus "$WINDOW_ID"
kill "$OTHER_PID" 2>/dev/null
OTHER_PID=""
wait_for_screen back menu -lt 25 20 || fail "the menu went away when the focus came back"
click
wait_for_screen resumed back -gt 40 20 || fail "Play did not resume the dance"

press_escape
wait_for_screen paused menu -lt 25 20 || fail "Escape did not bring the menu back"
# The menu put the cat on Play; Quit lies 1.67 units to the right.
sleep 0.5
steps 17 10 0
sleep 0.5
click
expect_clean_end
[ "$(stat -c %s "$RUN_DIR/savegame.txt")" = 1000 ] || fail "savegame.txt is not 1000 bytes"
echo "game-flow: ok"
