#!/usr/bin/env bash
# The installed game, started from an unrelated directory as a desktop menu
# starts it, reads its pictures, sounds and music from
# <prefix>/share/games/velvetarium and keeps "savegame.txt" in
# ~/.local/share/velvetarium and "log.txt" in ~/.local/state/velvetarium,
# or below $XDG_DATA_HOME and $XDG_STATE_HOME when those are set. The
# temporary prefix is not the one the game was built for, so the game finds
# its data relative to its own executable (a relocated install).
source "$(dirname "$0")/lib/common.bash"

new_run_dir
BUILD_DIR=$(cd "$GAME_DIR/.." && pwd)
PREFIX=$RUN_DIR/prefix
PLAYER_HOME=$RUN_DIR/home
ELSEWHERE=$RUN_DIR/elsewhere
DATA=$PREFIX/share/games/velvetarium
mkdir -p "$PLAYER_HOME" "$ELSEWHERE"

cmake --install "$BUILD_DIR" --prefix "$PREFIX" >"$RUN_DIR/install.txt" 2>&1 ||
  fail "cmake --install: $(tail -n 5 "$RUN_DIR/install.txt")"
[ -x "$PREFIX/games/velvetarium" ] || fail "no program in $PREFIX/games"

# Every picture, sound and music file of the run directory, byte for byte,
# and nothing else.
count=0
for file in "$GAME_DIR"/*; do
  name=$(basename "$file")
  case "$name" in velvetarium | log.txt | savegame.txt) continue ;; esac
  cmp -s "$file" "$DATA/$name" || fail "$name is not installed as built"
  count=$((count + 1))
done
[ "$count" -gt 100 ] || fail "only $count data files in the run directory"
installed=$(find "$DATA" -type f | wc -l)
[ "$installed" = "$count" ] || fail "$installed files installed, $count expected"

# Starts the installed game in $ELSEWHERE with the temporary home and the
# given extra environment; the common functions read its log through
# $RUN_DIR/log.txt, a link to where the game writes it.
start_installed() {
  local state_dir=$1
  shift
  ln -sfn "$state_dir/log.txt" "$RUN_DIR/log.txt"
  (cd "$ELSEWHERE" && exec env -u XDG_DATA_HOME -u XDG_STATE_HOME HOME="$PLAYER_HOME" \
    SDL_AUDIODRIVER=dummy "$@" "$PREFIX/games/velvetarium" >"$RUN_DIR/stdout.txt" 2>"$RUN_DIR/stderr.txt") &
  GAME_PID=$!
}

# Plays one start and checks where everything went.
check_start() {
  local data_dir=$1 state_dir=$2
  shift 2
  start_installed "$state_dir" "$@"
  wait_for_window 30
  wait_for_log_line 20 "Game files: $DATA"
  wait_until 20 test -f "$data_dir/savegame.txt" || fail "no $data_dir/savegame.txt"
  [ "$(stat -c %s "$data_dir/savegame.txt")" = 1000 ] || fail "savegame.txt is not 1000 bytes"
  [ "$(stat -c %a "$data_dir")" = 700 ] || fail "$data_dir is not private"
  [ "$(stat -c %a "$state_dir")" = 700 ] || fail "$state_dir is not private"
  # The window icon is read from the data directory too.
  grep -q "Unable to load icon" "$RUN_DIR/log.txt" && fail "the icon was not found"
  sleep 1
  game_running || fail "the installed game ended on its own"
  close_and_expect_clean_end
  [ -z "$(ls -A "$ELSEWHERE")" ] || fail "files were written to the working directory: $(ls -A "$ELSEWHERE")"
  [ ! -s "$RUN_DIR/stderr.txt" ] || fail "the game complained: $(cat "$RUN_DIR/stderr.txt")"
}

# The defaults below the home directory, made as needed.
check_start "$PLAYER_HOME/.local/share/velvetarium" "$PLAYER_HOME/.local/state/velvetarium"
grep -qF "Progress: $PLAYER_HOME/.local/share/velvetarium/savegame.txt" "$RUN_DIR/log.txt" ||
  fail "the log does not say where the progress is"

# The XDG variables, when set to absolute paths, win.
check_start "$RUN_DIR/xdg-data/velvetarium" "$RUN_DIR/xdg-state/velvetarium" \
  XDG_DATA_HOME="$RUN_DIR/xdg-data" XDG_STATE_HOME="$RUN_DIR/xdg-state"
echo "installed-game: ok"
