# Shared functions of the end-to-end tests. Each test sources this file, makes
# a private copy of the run directory ($GAME_DIR), starts ./velvetarium there
# on the display that scripts/with-xvfb gives it, and checks the window, the
# log and the exit code.

set -u

E2E_LIB=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
GAME_PID=""
WINDOW_ID=""
RUN_DIR=""
GAME_STATUS=""

fail() {
  echo "FAIL: $*" >&2
  if [ -n "$RUN_DIR" ] && [ -f "$RUN_DIR/log.txt" ]; then
    echo "--- log.txt:" >&2
    cat "$RUN_DIR/log.txt" >&2
  fi
  if [ -n "$RUN_DIR" ] && [ -s "$RUN_DIR/stderr.txt" ]; then
    echo "--- stderr:" >&2
    cat "$RUN_DIR/stderr.txt" >&2
  fi
  exit 1
}

# Stops the game this test started, if it still runs, and removes the copy.
cleanup() {
  if [ -n "$GAME_PID" ] && kill -0 "$GAME_PID" 2>/dev/null; then
    kill "$GAME_PID" 2>/dev/null
    wait "$GAME_PID" 2>/dev/null
  fi
  if [ -n "$RUN_DIR" ] && [ -d "$RUN_DIR" ]; then
    rm -rf "$RUN_DIR"
  fi
}
trap cleanup EXIT

# Copies the whole run directory to a fresh temporary directory, RUN_DIR.
copy_run_dir() {
  [ -n "${GAME_DIR:-}" ] || fail "GAME_DIR is not set"
  [ -x "$GAME_DIR/velvetarium" ] || fail "no game in $GAME_DIR"
  [ -n "${DISPLAY:-}" ] || fail "no DISPLAY: run under scripts/with-xvfb"
  RUN_DIR=$(mktemp -d "${TMPDIR:-/tmp}/velvetarium-e2e.XXXXXX") || fail "mktemp"
  cp -a "$GAME_DIR"/. "$RUN_DIR"/ || fail "copying $GAME_DIR"
}

# A temporary directory that holds the game and nothing else.
bare_run_dir() {
  [ -n "${GAME_DIR:-}" ] || fail "GAME_DIR is not set"
  [ -x "$GAME_DIR/velvetarium" ] || fail "no game in $GAME_DIR"
  [ -n "${DISPLAY:-}" ] || fail "no DISPLAY: run under scripts/with-xvfb"
  RUN_DIR=$(mktemp -d "${TMPDIR:-/tmp}/velvetarium-e2e.XXXXXX") || fail "mktemp"
  cp "$GAME_DIR/velvetarium" "$RUN_DIR"/ || fail "copying the game"
}

# Starts the game in RUN_DIR, in the background.
start_game() {
  (cd "$RUN_DIR" && SDL_AUDIODRIVER=dummy exec ./velvetarium >stdout.txt 2>stderr.txt) &
  GAME_PID=$!
}

game_running() {
  kill -0 "$GAME_PID" 2>/dev/null
}

# Waits (at most $1 seconds, default 30) for the game's window to be mapped;
# sets WINDOW_ID.
wait_for_window() {
  local limit=${1:-30}
  local tries=$((limit * 10))
  for _ in $(seq 1 "$tries"); do
    game_running || fail "the game ended before its window appeared"
    WINDOW_ID=$(xdotool search --onlyvisible --name '^VELVETARIUM$' 2>/dev/null | head -n 1)
    if [ -n "$WINDOW_ID" ]; then
      # Give it the input focus, as a window manager would.
      xdotool windowfocus "$WINDOW_ID" 2>/dev/null
      return 0
    fi
    sleep 0.1
  done
  fail "no window named VELVETARIUM within ${limit} s"
}

# Waits (at most $1 seconds, default 20) until the log holds a line matching
# the fixed text $2.
wait_for_log_line() {
  local limit=$1 text=$2
  for _ in $(seq 1 $((limit * 10))); do
    if [ -f "$RUN_DIR/log.txt" ] && grep -qF -- "$text" "$RUN_DIR/log.txt"; then
      return 0
    fi
    sleep 0.1
  done
  fail "the log never showed \"$text\""
}

# Width and height of the game's window, as "WIDTHxHEIGHT".
window_size() {
  xwininfo -id "$WINDOW_ID" | awk '/^ *Width:/ { w = $2 } /^ *Height:/ { h = $2 } END { print w "x" h }'
}

# Puts the game's pointer at window position ($1, $2).
#
# Fullscreen with a hidden pointer, the game reads relative mouse motion
# (absolute moves such as `xdotool mousemove` do not reach it). So the pointer
# is first sent home: a long move to the left ends at the window's edge,
# where the game sends it back to (512, 512); from there one relative move
# reaches the target. Targets within 100 pixels of the left, right or top
# edge, or 99 of the bottom, are sent home again by the game itself.
move_pointer_to() {
  xdotool mousemove_relative -- -3000 0
  sleep 0.3
  xdotool mousemove_relative -- $(($1 - 512)) $(($2 - 512))
  sleep 0.3
}

# Asks the window to close, as a window manager's close button does.
close_window() {
  perl "$E2E_LIB/close-window.pl" "$WINDOW_ID" || fail "could not send the close request"
}

# Waits (at most $1 seconds, default 20) for the game to end; sets GAME_STATUS.
wait_for_exit() {
  local limit=${1:-20}
  for _ in $(seq 1 $((limit * 10))); do
    if ! game_running; then
      wait "$GAME_PID"
      GAME_STATUS=$?
      GAME_PID=""
      return 0
    fi
    sleep 0.1
  done
  fail "the game still runs ${limit} s after it was asked to end"
}

# Closes the window and checks the orderly end: exit code 0 and the log's
# closing line last.
close_and_expect_clean_end() {
  close_window
  wait_for_exit 30
  [ "$GAME_STATUS" = 0 ] || fail "exit code $GAME_STATUS after closing the window"
  [ "$(tail -n 1 "$RUN_DIR/log.txt")" = "-- Closing Log..." ] ||
    fail "the log does not end with the closing line"
}
