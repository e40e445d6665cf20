#!/usr/bin/env bash
# What `cmake --install` gives: every data file as built, a valid menu entry
# that starts the installed program, a valid AppStream metainfo file, the
# icons in the hicolor theme and the manual page. The installed game,
# started from an unrelated directory as a desktop menu starts it, reads its
# pictures, sounds and music from <prefix>/share/games/velvetarium and keeps
# "savegame.txt" in ~/.local/share/velvetarium and "log.txt" in
# ~/.local/state/velvetarium, or below $XDG_DATA_HOME and $XDG_STATE_HOME
# when those are set. The temporary prefix is not the one the game was built
# for, so the game finds its data relative to its own executable.
source "$(dirname "$0")/lib/common.bash"

new_run_dir
PREFIX=$RUN_DIR/prefix SHARE=$RUN_DIR/prefix/share PLAYER_HOME=$RUN_DIR/home ELSEWHERE=$RUN_DIR/elsewhere
DATA=$SHARE/games/velvetarium
mkdir -p "$PLAYER_HOME" "$ELSEWHERE"
cmake --install "$GAME_DIR/.." --prefix "$PREFIX" >"$RUN_DIR/install.txt" 2>&1 ||
  fail "cmake --install: $(tail -n 5 "$RUN_DIR/install.txt")"
[ -x "$PREFIX/games/velvetarium" ] || fail "no program in $PREFIX/games"
for tool in desktop-file-validate appstreamcli; do
  command -v $tool >/dev/null || fail "$tool is missing (scripts/install-deps)"
done

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
[ "$(find "$DATA" -type f | wc -l)" = "$count" ] || fail "other files installed than the $count of the run directory"

# The menu entry: valid, in Game;ArcadeGame;, naming the icon and the
# installed program (by name on the path or by its full path).
entry=$SHARE/applications/velvetarium.desktop
desktop-file-validate "$entry" >"$RUN_DIR/validate.txt" 2>&1 && [ ! -s "$RUN_DIR/validate.txt" ] ||
  fail "desktop entry: $(cat "$RUN_DIR/validate.txt")"
for line in 'Name=.' 'Comment=.' 'Exec=.' 'Icon=velvetarium$' 'Categories=Game;ArcadeGame;$'; do
  grep -q "^$line" "$entry" || fail "the desktop entry lacks $line"
done
exec_value=$(sed -n 's/^Exec=//p' "$entry")
[ -x "$exec_value" ] || [ -x "$PREFIX/games/$exec_value" ] || fail "Exec=$exec_value is not the installed program"

# The metainfo file, checked without the network, names that entry.
metainfo=$SHARE/metainfo/velvetarium.metainfo.xml
appstreamcli validate --no-net "$metainfo" >"$RUN_DIR/appstream.txt" 2>&1 || fail "metainfo: $(cat "$RUN_DIR/appstream.txt")"
for tag in '<launchable type="desktop-id">velvetarium.desktop</launchable>' '<id>' '<name>' '<summary>' \
  '<description>' '<content_rating' '<project_license>' '<categories>'; do
  grep -qF "$tag" "$metainfo" || fail "the metainfo has no $tag"
done

# Icons: PNG of their theme size, transparent around the emblem, opaque in
# the middle.
for size in 16 32 48 64 128 256; do
  icon=$SHARE/icons/hicolor/${size}x${size}/apps/velvetarium.png
  [ "$(identify -format '%m %wx%h' "$icon")" = "PNG ${size}x${size}" ] || fail "$icon is not a ${size}px PNG"
  [ "$(convert "$icon" -format '%[fx:int(255*p{0,0}.a)] %[fx:int(255*p{w/2,h/2}.a)]' info:)" = "0 255" ] ||
    fail "the ${size}px icon is not transparent in its corner and opaque in its middle"
done

# The manual page: how to play and where the files are.
text=$(zcat "$SHARE/man/man6/velvetarium.6.gz") || fail "no gzipped manual page"
for needle in '.SH NAME' '.SH HOW TO PLAY' '.SH FILES' 'Freezing time' 'The name game' 'F1' 'Escape' \
  '.local/share/velvetarium/savegame.txt' '.local/state/velvetarium/log.txt' 'share/games/velvetarium'; do
  grep -qF -- "$needle" <<<"$text" || fail "the manual page does not mention $needle"
done
if command -v groff >/dev/null; then
  warnings=$(groff -man -ww -z -Tutf8 <<<"$text" 2>&1)
  [ -z "$warnings" ] || fail "the manual page has troff warnings: $warnings"
fi
[ -f "$SHARE/doc/velvetarium/copyright" ] || fail "no copyright file"

# check_start DATA_DIR STATE_DIR [VARIABLE=VALUE...]: the installed game
# started in $ELSEWHERE with the temporary home and the given environment;
# the common functions read its log through $RUN_DIR/log.txt, a link to
# where the game writes it.
check_start() {
  local data_dir=$1 state_dir=$2
  shift 2
  ln -sfn "$state_dir/log.txt" "$RUN_DIR/log.txt"
  (cd "$ELSEWHERE" && exec env -u XDG_DATA_HOME -u XDG_STATE_HOME HOME="$PLAYER_HOME" \
    SDL_AUDIODRIVER=dummy "$@" "$PREFIX/games/velvetarium" >"$RUN_DIR/stdout.txt" 2>"$RUN_DIR/stderr.txt") &
  GAME_PID=$!
  wait_for_window
  wait_until 20 grep -qsF -- "Game files: $DATA" "$RUN_DIR/log.txt" || fail "the log never named $DATA"
  wait_until 20 test -f "$data_dir/savegame.txt" || fail "no $data_dir/savegame.txt"
  [ "$(stat -c %s "$data_dir/savegame.txt")" = 1000 ] || fail "savegame.txt is not 1000 bytes"
  [ "$(stat -c %a "$data_dir") $(stat -c %a "$state_dir")" = "700 700" ] || fail "$data_dir or $state_dir is not private"
  # The window icon is read from the data directory too.
  grep -q "Unable to load icon" "$RUN_DIR/log.txt" && fail "the icon was not found"
  sleep 1
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
