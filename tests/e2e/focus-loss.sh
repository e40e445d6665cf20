#!/usr/bin/env bash
# Pause when left: switching to another window during a dance opens the
# menu, as Escape does; the dance stands still meanwhile, and Play brings
# back the same dance.
source "$(dirname "$0")/lib/common.bash"
source "$(dirname "$0")/lib/play.bash"

SHOTS=$(mktemp -d "${TMPDIR:-/tmp}/velvetarium-focus.XXXXXX") || fail "mktemp"
OTHER_PID=""
trap 'cleanup; [ -n "$OTHER_PID" ] && kill "$OTHER_PID" 2>/dev/null; rm -rf "$SHOTS"' EXIT

copy_run_dir
start_game
wait_for_window 30
sleep 3
shot welcome
click
wait_for_screen menu welcome -gt 40 15 || fail "the click did not leave the welcome screen"
sleep 1
shot menu
click_play_from_menu
wait_for_screen dance menu -gt 40 15 || fail "Play did not start the dance"
sleep 1

# Another window takes the input focus, as Alt-Tab gives it.
xmessage -geometry 200x80+20+20 "elsewhere" 2>/dev/null &
OTHER_PID=$!
other=""
for _ in $(seq 1 50); do
  other=$(xdotool search --name '^xmessage$' 2>/dev/null | head -n 1)
  [ -n "$other" ] && break
  sleep 0.1
done
[ -n "$other" ] || fail "no other window to switch to"
xdotool windowfocus "$other" || fail "could not focus the other window"
sleep 1
game_running || fail "the game ended when it lost the focus"

# Back in the game: the menu is up.
xdotool windowfocus "$WINDOW_ID"
kill "$OTHER_PID" 2>/dev/null
OTHER_PID=""
wait_for_screen back menu -lt 25 15 || fail "leaving the window did not open the menu"

# The menu put the cat on Play: the dance comes back. (That it is the same
# dance, where it stood, the scripted-play tests check; the floor's colours
# drift too much for screenshots to tell.)
click
wait_for_screen resumed back -gt 40 15 || fail "Play did not resume the dance"
game_running || fail "the game ended"

close_and_expect_clean_end
echo "focus-loss: ok"
