#!/usr/bin/env bash
# Every picture (the icon too), sound and music file of the run directory
# replaced by garbage: random bytes, empty files, truncated files, headers
# that lie about the size; both music tracks and two effects hold a WAV file
# with a second RIFF header inside, which once crashed the mixer. Nothing is
# read out of bounds, the game refuses what it cannot use, says so in its
# log, and a dance is played.
source "$(dirname "$0")/lib/common.bash"
source "$(dirname "$0")/lib/broken-run-dir.bash"

copy_run_dir
mapfile -t pictures < <(picture_files)
mapfile -t sounds < <(sound_files)
[ "${#pictures[@]}" -gt 100 ] || fail "only ${#pictures[@]} pictures in the run directory"
[ "${#sounds[@]}" -ge 48 ] || fail "only ${#sounds[@]} sounds in the run directory"
garble_files "${pictures[@]}" "${sounds[@]}"
crafted=(song.wav intro.wav LetterNoise.wav ProjectileExplosion.wav)
for name in "${crafted[@]}"; do
  cp "$(dirname "$0")/../fuzz/regressions/fuzz_wavecheck/nested-riff.wav" "$RUN_DIR/$name" || fail "copying the crafted file"
done
play_a_dance
for name in "${crafted[@]}"; do
  grep -q "^Sound file $name refused: " "$RUN_DIR/log.txt" || fail "the log does not name the refused $name"
done
echo "dance-with-garbage-files: ok (${#pictures[@]} pictures, ${#sounds[@]} sounds damaged)"
