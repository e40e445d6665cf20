#!/usr/bin/env bash
# Runs every libFuzzer target of a fuzz build for a set time over its seed
# corpus, two at a time (FUZZ_JOBS), and fails on any finding.
#
# usage: tests/fuzz/run-fuzzers.sh BUILD_DIR SECONDS [TARGET...]
#
# Seeds: the asset generator's small valid and refused files
# (velvetarium-assets --seeds) and a few made here. Each target keeps the
# inputs it finds in BUILD_DIR/corpus/TARGET, so later runs go on from
# there; a crash, hang or leak is kept in BUILD_DIR/findings/TARGET/ and
# its log printed.
set -u

build=${1:?usage: run-fuzzers.sh BUILD_DIR SECONDS [TARGET...]}
seconds=${2:?usage: run-fuzzers.sh BUILD_DIR SECONDS [TARGET...]}
shift 2
build=$(cd "$build" && pwd) || exit 2
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  targets=(fuzz_tga fuzz_bmp fuzz_pcx fuzz_progress fuzz_wavecheck fuzz_soundbank fuzz_iconmask)
fi
jobs=${FUZZ_JOBS:-$(nproc)}

seeds="$build/seeds"
rm -rf "$seeds"
mkdir -p "$seeds"
"$build/velvetarium-assets" --seeds "$seeds/generated" >/dev/null || { echo "fuzz: the seed corpus could not be made" >&2; exit 1; }

# A file with its bytes given as printf escapes.
seed() { mkdir -p "$(dirname "$1")"; printf "$2" > "$1"; }

# Progress files: empty, short, a 1000-byte image of zeros, one of digits,
# one with a highscore, one longer than the image.
p="$seeds/progress"
mkdir -p "$p"
: > "$p/empty"
seed "$p/three-bytes" '123'
head -c 1000 /dev/zero > "$p/zeros"
{ for level in $(seq 1 50); do printf '900\0' ; printf '600\0'; printf '300\0'; printf '%-4s' "$((level * 7))" | tr ' ' '\0'; printf '2\0\0\0'; done; } | head -c 1000 > "$p/digits"
{ head -c 560 "$p/digits"; printf 'Tanzmaus\0\0'; printf '4321'; tail -c +575 "$p/digits"; } > "$p/highscore"
{ cat "$p/digits"; head -c 300 /dev/zero | tr '\0' 'x'; } > "$p/long"

# Sound files: the generated WAV files, for the check behind four bytes of
# extra length, for the sound bank behind the byte that picks the effect.
mkdir -p "$seeds/wavecheck" "$seeds/soundbank"
n=0
for f in "$seeds/generated/wav"/*.wav; do
  { printf '\0\0\0\0'; cat "$f"; } > "$seeds/wavecheck/$(basename "$f")"
  { printf "\\$(printf '%03o' $((n * 17 % 46)))"; cat "$f"; } > "$seeds/soundbank/$(basename "$f")"
  n=$((n + 1))
done

# Icon surfaces: width, height and pitch as 32-bit little-endian numbers, then pixels.
i="$seeds/iconmask"
seed "$i/32x32" '\040\0\0\0\040\0\0\0\040\0\0\0\0\0\1\1\2\2\0\0\3'
seed "$i/8x1-padded" '\010\0\0\0\001\0\0\0\014\0\0\0\7\0\7\0\7\0\7\0'
seed "$i/odd-width" '\011\0\0\0\004\0\0\0\014\0\0\0\1\2\3'
seed "$i/negative" '\370\377\377\377\010\0\0\0\010\0\0\0\1'
seed "$i/short-pitch" '\020\0\0\0\002\0\0\0\010\0\0\0\1'

seed_dir() {
  case "$1" in
    fuzz_tga) echo "$seeds/generated/tga" ;;
    fuzz_bmp) echo "$seeds/generated/bmp" ;;
    fuzz_pcx) echo "$seeds/generated/pcx" ;;
    fuzz_progress) echo "$seeds/progress" ;;
    fuzz_wavecheck) echo "$seeds/wavecheck" ;;
    fuzz_soundbank) echo "$seeds/soundbank" ;;
    fuzz_iconmask) echo "$seeds/iconmask" ;;
  esac
}

max_len() {
  case "$1" in
    fuzz_tga | fuzz_bmp | fuzz_pcx) echo 16384 ;;
    fuzz_soundbank | fuzz_wavecheck) echo 8192 ;;
    *) echo 4096 ;;
  esac
}

run_one() {
  local target=$1
  local corpus="$build/corpus/$target" findings="$build/findings/$target" log="$build/findings/$target.log"
  mkdir -p "$corpus" "$findings"
  rm -f "$log"
  # Leaks are looked for too: a leak per input would exhaust a long session.
  "$build/fuzz/$target" "$corpus" "$(seed_dir "$target")" \
    -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len="$(max_len "$target")" \
    -print_final_stats=1 -artifact_prefix="$findings/" >"$log" 2>&1
  echo $? >"$log.status"
}

for target in "${targets[@]}"; do
  [ -x "$build/fuzz/$target" ] || { echo "fuzz: no target $build/fuzz/$target" >&2; exit 2; }
done

echo "fuzz: ${#targets[@]} targets, ${seconds} s each, ${jobs} at a time"
running=0
for target in "${targets[@]}"; do
  if [ "$running" -ge "$jobs" ]; then
    wait -n
    running=$((running - 1))
  fi
  run_one "$target" &
  running=$((running + 1))
done
wait

failed=0
for target in "${targets[@]}"; do
  log="$build/findings/$target.log"
  status=$(cat "$log.status" 2>/dev/null || echo 1)
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  if [ "$status" -eq 0 ]; then
    printf 'fuzz: %-16s %10s runs, no finding\n' "$target" "${runs:-?}"
  else
    failed=$((failed + 1))
    printf 'fuzz: %-16s FINDING (exit %s), kept in %s\n' "$target" "$status" "$build/findings/$target/" >&2
    tail -n 60 "$log" >&2
  fi
done
if [ "$failed" -ne 0 ]; then
  echo "fuzz: $failed of ${#targets[@]} targets found a fault" >&2
  exit 1
fi
echo "fuzz: ${#targets[@]} targets, no finding"
