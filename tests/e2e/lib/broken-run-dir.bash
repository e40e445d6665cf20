# A dance played in a run directory whose files were damaged: the game must
# start, let the player into a dance, bring the menu back on Escape and end
# in order when its window is closed (exit code 0, the log's closing line),
# whatever its pictures and sounds hold. Each test sources this after
# common.bash, damages $RUN_DIR with the helpers below, then calls
# play_a_dance.

# A click the game sees: its frames read the held buttons.
click() {
  xdotool mousedown 1
  sleep 0.3
  xdotool mouseup 1
  sleep 0.5
}

# The cat follows the mouse by at most 30 pixels a frame: small steps.
steps() {
  local count=$1 dx=$2 dy=$3
  for _ in $(seq 1 "$count"); do
    xdotool mousemove_relative -- "$dx" "$dy"
    sleep 0.12
  done
}

# The cat into the lower left corner of the menu (see game-flow.sh).
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

# Every picture file of the run directory (the pictures and the icon).
picture_files() {
  find "$RUN_DIR" -maxdepth 1 -type f \( -iname '*.tga' -o -iname '*.bmp' -o -iname '*.pcx' \) | sort
}

sound_files() {
  find "$RUN_DIR" -maxdepth 1 -type f -iname '*.wav' | sort
}

# Replaces each named file by garbage of one of several kinds, the same on
# every run: random bytes of random length, nothing at all, the file's own
# first half, its header with sides of 65535 (or a negative height) over the
# rest, and random bytes behind the right magic bytes.
garble_files() {
  perl -e '
    use strict; use warnings;
    srand(20240611);
    my $n = 0;
    for my $path (@ARGV) {
      open(my $in, "<:raw", $path) or die "$path: $!";
      local $/; my $bytes = <$in> // ""; close($in);
      my $kind = $n++ % 6;
      my $out;
      if ($kind == 0) { $out = join("", map { chr(int(rand(256))) } 1 .. int(rand(3000))); }
      elsif ($kind == 1) { $out = ""; }
      elsif ($kind == 2) { $out = substr($bytes, 0, int(length($bytes) / 2)); }
      elsif ($kind == 3) {
        $out = $bytes;
        if (length($out) >= 26) {
          if ($path =~ /\.tga$/i) { substr($out, 12, 4) = pack("vv", 65535, 65535); }
          else { substr($out, 18, 8) = pack("VV", 65535, 0xFFFFFF00); }
        }
      }
      elsif ($kind == 4) { $out = substr($bytes, 0, 18) . join("", map { chr(int(rand(256))) } 1 .. 64); }
      else { $out = substr($bytes, 0, 2) . join("", map { chr(int(rand(256))) } 1 .. int(rand(70000))); }
      open(my $fh, ">:raw", $path) or die "$path: $!";
      print $fh $out; close($fh);
    }
  ' "$@" || fail "could not damage the files"
}

# A screenshot of every step, in $E2E_SHOTS when that is set (to look at
# them), else beside the game.
shots_dir() {
  if [ -n "${E2E_SHOTS:-}" ]; then echo "$E2E_SHOTS"; else echo "$RUN_DIR/shots"; fi
}
shot() {
  mkdir -p "$(shots_dir)"
  import -window root "$(shots_dir)/$1.png" || fail "no screenshot $1"
}

# Share of pixels that differ noticeably between two screenshots, in percent.
differs() {
  local pixels
  pixels=$(compare -metric AE -fuzz 10% "$(shots_dir)/$1.png" "$(shots_dir)/$2.png" null: 2>&1 | cut -d' ' -f1)
  echo $((${pixels%.*} * 100 / (1024 * 768)))
}

# Welcome screen, a click into the menu, Play, some seconds of dancing with
# the cat moving, Escape back to the menu, the window closed.
play_a_dance() {
  start_game
  wait_for_window 30
  sleep 3
  game_running || fail "the game ended on its welcome screen"
  shot 1-welcome
  click
  sleep 1
  shot 2-menu
  cat_to_lower_left
  shot 3-corner
  # From the corner onto Play: 1.3 units right, 0.15 up.
  steps 13 10 0
  steps 1 0 -15
  sleep 0.5
  shot 4-on-play
  click
  sleep 2
  shot 5-dance
  game_running || fail "the game ended when the dance started"
  [ "$(differs 2-menu 5-dance)" -gt 40 ] || fail "Play did not start the dance"
  # Dance a little: the cat runs about, the Prima Ballerina after it.
  steps 15 20 0
  steps 15 0 -20
  steps 15 -20 20
  sleep 2
  shot 6-danced
  game_running || fail "the game ended during the dance"
  xdotool keydown Escape
  sleep 0.3
  xdotool keyup Escape
  sleep 1.7
  game_running || fail "the game ended on Escape"
  shot 7-escape
  [ "$(differs 2-menu 7-escape)" -lt 25 ] || fail "Escape did not bring the menu back"
  # The end as a player's close button asks for it: the orderly shutdown,
  # exit code 0. (Steering the cat onto Quit again depends on how many
  # frames a second a loaded machine gives the game; the close does not.)
  close_window
  wait_for_exit 30
  [ "$GAME_STATUS" = 0 ] || fail "exit code $GAME_STATUS after closing the window"
  [ "$(tail -n 1 "$RUN_DIR/log.txt")" = "-- Closing Log..." ] || fail "the log does not end with the closing line"
  if [ -s "$RUN_DIR/stderr.txt" ] && grep -qE 'Sanitizer|runtime error' "$RUN_DIR/stderr.txt"; then
    fail "a sanitizer reported a fault"
  fi
}
