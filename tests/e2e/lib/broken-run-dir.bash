# A dance played in a run directory whose files were damaged or removed: the
# game must open its 1024x768 window, let the player into a dance, bring the
# menu back on Escape and end in order when its window is closed (exit code
# 0, the log's closing line), whatever its pictures and sounds hold. Each
# test sources this after common.bash, damages $RUN_DIR with the helpers
# below, then calls play_a_dance.

source "$E2E_LIB/play.bash"

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

# Welcome screen, a click into the menu, Play, some seconds of dancing with
# the cat moving, Escape back to the menu, the window closed.
# Pictures that cannot be read draw as plain white squares: the menu over
# the white welcome screen changes a few percent of the pixels only.
play_a_dance() {
  start_to_welcome
  [ "$(window_size)" = "1024x768" ] || fail "window is $(window_size), not 1024x768"
  enter_menu 0
  start_dance
  # Dance a little: the cat runs about, the Prima Ballerina after it.
  steps 15 20 0
  steps 15 0 -20
  steps 15 -20 20
  game_running || fail "the game ended during the dance"
  press_escape
  wait_for_screen escape menu -lt 25 20 || fail "Escape did not bring the menu back"
  # The end as a player's close button asks for it. (Steering the cat onto
  # Quit again depends on how many frames a second a loaded machine gives
  # the game; the close does not.)
  close_and_expect_clean_end
  if [ -s "$RUN_DIR/stderr.txt" ] && grep -qE 'Sanitizer|runtime error' "$RUN_DIR/stderr.txt"; then
    fail "a sanitizer reported a fault"
  fi
}
