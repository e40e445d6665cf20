#!/usr/bin/env bash
# A dance played in a run directory whose files were damaged, then in one
# that holds nothing but the game: either way the game opens its 1024x768
# window, lets the player into a dance, brings the menu back on Escape, ends
# in order when its window is closed, and says in its log what it refused or
# missed.
source "$(dirname "$0")/lib/common.bash"

# Welcome screen, a click into the menu, Play, some seconds of dancing with
# the cat moving, Escape back to the menu, the window closed. Pictures that
# cannot be read draw as plain white squares: the menu over the white
# welcome screen changes a few percent of the pixels only.
play_a_dance() {
  start_to_welcome
  [ "$(window_size)" = "1024x768" ] || fail "window is $(window_size), not 1024x768"
  enter_menu 0
  start_dance
  steps 15 20 0
  steps 15 0 -20
  steps 15 -20 20
  press_escape
  wait_for_screen escape menu -lt 25 20 || fail "Escape did not bring the menu back"
  close_and_expect_clean_end
  grep -qE 'Sanitizer|runtime error' "$RUN_DIR/stderr.txt" && fail "a sanitizer reported a fault"
}

# Every picture (the icon too), sound and music file replaced by garbage of
# one of several kinds, the same on every run: random bytes of random length,
# nothing at all, the file's own first half, its header with sides of 65535
# (or a negative height) over the rest, random bytes behind the header or
# behind the right magic bytes. Both music tracks and two effects hold a WAV
# file with a second RIFF header inside, which once crashed the mixer.
new_run_dir copy
mapfile -t files < <(find "$RUN_DIR" -maxdepth 1 -type f \( -iname '*.tga' -o -iname '*.bmp' -o -iname '*.pcx' -o -iname '*.wav' \) | sort)
[ "${#files[@]}" -gt 150 ] || fail "only ${#files[@]} pictures and sounds in the run directory"
perl -e '
  srand(20240611);
  my $n = 0;
  for my $path (@ARGV) {
    open(my $in, "<:raw", $path) or die "$path: $!";
    local $/; my $bytes = <$in> // ""; close($in);
    my $kind = $n++ % 6;
    my $noise = sub { join("", map { chr(int(rand(256))) } 1 .. $_[0]) };
    my $out = $kind == 0 ? $noise->(int(rand(3000))) : $kind == 1 ? "" : $kind == 2 ? substr($bytes, 0, length($bytes) / 2)
      : $kind == 4 ? substr($bytes, 0, 18) . $noise->(64) : $kind == 5 ? substr($bytes, 0, 2) . $noise->(int(rand(70000))) : $bytes;
    if ($kind == 3 && length($out) >= 26) {
      if ($path =~ /\.tga$/i) { substr($out, 12, 4) = pack("vv", 65535, 65535); }
      else { substr($out, 18, 8) = pack("VV", 65535, 0xFFFFFF00); }
    }
    open(my $fh, ">:raw", $path) or die "$path: $!";
    print $fh $out; close($fh);
  }' "${files[@]}" || fail "could not damage the files"
crafted=(song.wav intro.wav LetterNoise.wav ProjectileExplosion.wav)
for name in "${crafted[@]}"; do
  cp "$(dirname "$0")/../fuzz/regressions/fuzz_wavecheck/nested-riff.wav" "$RUN_DIR/$name" || fail "copying the crafted file"
done
play_a_dance
for name in "${crafted[@]}"; do
  grep -q "^Sound file $name refused: " "$RUN_DIR/log.txt" || fail "the log does not name the refused $name"
done
cleanup

# Nothing but the game: no pictures, sounds, music or icon; a dance in silence.
new_run_dir bare
play_a_dance
grep -qF "Unable to load icon: " "$RUN_DIR/log.txt" || fail "the log does not say the icon is missing"
grep -q '^Game files: ' "$RUN_DIR/log.txt" && fail "the game read an installed copy's files instead of playing without any"
echo "dance-with-broken-files: ok (${#files[@]} pictures and sounds damaged, then none at all)"
