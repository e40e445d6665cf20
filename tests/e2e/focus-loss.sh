#!/usr/bin/env bash
# Pause when left: switching to another window during a dance opens the
# menu, as Escape does, and Play brings the dance back. (That it is the same
# dance, where it stood, the gl tests check; the floor's colours drift too
# much for screenshots to tell.)
source "$(dirname "$0")/lib/common.bash"
source "$(dirname "$0")/lib/play.bash"

OTHER_PID=""
trap 'cleanup; [ -n "$OTHER_PID" ] && kill "$OTHER_PID" 2>/dev/null' EXIT

copy_run_dir
start_to_welcome
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
close_and_expect_clean_end
echo "focus-loss: ok"
