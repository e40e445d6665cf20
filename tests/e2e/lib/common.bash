# Shared functions of the end-to-end tests. Each test sources this file, makes
# a private copy of the run directory ($GAME_DIR), starts ./velvetarium there
# on the display that scripts/with-xvfb gives it, and checks the window, the
# log and the exit code. Source play.bash as well to play through the window.

set -u
E2E_LIB=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
GAME_PID="" WINDOW_ID="" RUN_DIR="" GAME_STATUS=""
source "$E2E_LIB/play.bash"

fail() {
  echo "FAIL: $*" >&2
  for f in log.txt stderr.txt; do
    [ -n "$RUN_DIR" ] && [ -s "$RUN_DIR/$f" ] && { echo "--- $f:"; cat "$RUN_DIR/$f"; } >&2
  done
  exit 1
}

# Stops the game this test started, if it still runs, and removes the copy.
cleanup() {
  if [ -n "$GAME_PID" ] && kill -0 "$GAME_PID" 2>/dev/null; then
    kill "$GAME_PID" 2>/dev/null
    wait "$GAME_PID" 2>/dev/null
  fi
  [ -n "$RUN_DIR" ] && rm -rf "$RUN_DIR"
  GAME_PID="" RUN_DIR=""
}
trap cleanup EXIT

# A fresh temporary directory, RUN_DIR; with "copy" it holds the whole run
# directory, with "bare" the game alone.
new_run_dir() {
  [ -x "${GAME_DIR:-}/velvetarium" ] || fail "no game in GAME_DIR (${GAME_DIR:-unset})"
  [ -n "${DISPLAY:-}" ] || fail "no DISPLAY: run under scripts/with-xvfb"
  RUN_DIR=$(mktemp -d "${TMPDIR:-/tmp}/velvetarium-e2e.XXXXXX") || fail "mktemp"
  case "${1:-}" in
    copy) cp -a "$GAME_DIR"/. "$RUN_DIR"/ || fail "copying $GAME_DIR" ;;
    bare) cp "$GAME_DIR/velvetarium" "$RUN_DIR"/ || fail "copying the game" ;;
  esac
}

# Starts the game in RUN_DIR, in the background.
start_game() {
  (cd "$RUN_DIR" && SDL_AUDIODRIVER=dummy exec ./velvetarium >stdout.txt 2>stderr.txt) &
  GAME_PID=$!
}

game_running() { kill -0 "$GAME_PID" 2>/dev/null; }

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
  [ -n "$WINDOW_ID" ] && xdotool windowfocus "$WINDOW_ID" 2>/dev/null
  [ -n "$WINDOW_ID" ]
}

wait_for_window() { wait_until 30 window_shown || fail "no window named VELVETARIUM within 30 s"; }

window_size() {
  xwininfo -id "$WINDOW_ID" | awk '/^ *Width:/ { w = $2 } /^ *Height:/ { h = $2 } END { print w "x" h }'
}

# Waits at most $1 seconds for the game to end; sets GAME_STATUS.
wait_for_exit() {
  wait_until "$1" eval '! game_running' || fail "the game still runs $1 s after it was asked to end"
  wait "$GAME_PID"
  GAME_STATUS=$?
  GAME_PID=""
}

# The orderly end: exit code 0, the log's empty line and closing line last.
expect_clean_end() {
  wait_for_exit 30
  [ "$GAME_STATUS" = 0 ] || fail "exit code $GAME_STATUS at the end"
  [ "$(tail -n 2 "$RUN_DIR/log.txt")" = $'\n-- Closing Log...' ] ||
    fail "the log does not end with an empty line and the closing line"
}

# Asks the window to close, as a window manager's close button does, and
# checks the orderly end.
close_and_expect_clean_end() {
  perl "$E2E_LIB/close-window.pl" "$WINDOW_ID" || fail "could not send the close request"
  expect_clean_end
}
