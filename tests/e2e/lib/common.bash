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

# A fresh temporary directory, RUN_DIR, for a copy of the game.
new_run_dir() {
  [ -n "${GAME_DIR:-}" ] || fail "GAME_DIR is not set"
  [ -x "$GAME_DIR/velvetarium" ] || fail "no game in $GAME_DIR"
  [ -n "${DISPLAY:-}" ] || fail "no DISPLAY: run under scripts/with-xvfb"
  RUN_DIR=$(mktemp -d "${TMPDIR:-/tmp}/velvetarium-e2e.XXXXXX") || fail "mktemp"
}

# RUN_DIR holding the whole run directory.
copy_run_dir() {
  new_run_dir
  cp -a "$GAME_DIR"/. "$RUN_DIR"/ || fail "copying $GAME_DIR"
}

# RUN_DIR holding the game and nothing else.
bare_run_dir() {
  new_run_dir
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

game_ended() {
  ! game_running
}

# Runs the command "$2..." every tenth of a second until it succeeds; false
# if it did not within $1 seconds.
wait_until() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.1
  done
}

# The game's window, once mapped, in WINDOW_ID with the input focus, as a
# window manager would give it.
window_shown() {
  game_running || fail "the game ended before its window appeared"
  WINDOW_ID=$(xdotool search --onlyvisible --name '^VELVETARIUM$' 2>/dev/null | head -n 1)
  [ -n "$WINDOW_ID" ] || return 1
  xdotool windowfocus "$WINDOW_ID" 2>/dev/null
  return 0
}

# Waits at most $1 seconds (default 30) for the game's window; sets WINDOW_ID.
wait_for_window() {
  wait_until "${1:-30}" window_shown || fail "no window named VELVETARIUM within ${1:-30} s"
}

# Waits at most $1 seconds until the log holds a line with the fixed text $2.
wait_for_log_line() {
  wait_until "$1" grep -qsF -- "$2" "$RUN_DIR/log.txt" || fail "the log never showed \"$2\""
}

# Width and height of the game's window, as "WIDTHxHEIGHT".
window_size() {
  xwininfo -id "$WINDOW_ID" | awk '/^ *Width:/ { w = $2 } /^ *Height:/ { h = $2 } END { print w "x" h }'
}

# Asks the window to close, as a window manager's close button does.
close_window() {
  perl "$E2E_LIB/close-window.pl" "$WINDOW_ID" || fail "could not send the close request"
}

# Waits at most $1 seconds (default 20) for the game to end; sets GAME_STATUS.
wait_for_exit() {
  wait_until "${1:-20}" game_ended || fail "the game still runs ${1:-20} s after it was asked to end"
  wait "$GAME_PID"
  GAME_STATUS=$?
  GAME_PID=""
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
