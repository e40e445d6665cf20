#!/usr/bin/env bash
# Runs the libFuzzer targets of a fuzz build.
#
# usage: tests/fuzz/run-fuzzers.sh BUILD_DIR check [TARGET...]
#        tests/fuzz/run-fuzzers.sh BUILD_DIR SECONDS [TARGET...]
#
# check (what `make test` runs) gives the same verdict on every machine:
#   1. every seed and every regression input of every target is run through
#      every target, once each;
#   2. each target searches for a fixed number of runs (CHECK_RUNS below,
#      times FUZZ_RUNS_SCALE) with a fixed seed, from a fresh copy of its
#      seeds and regression inputs.
# SECONDS (what `make fuzz` runs) is the open-ended search: each target for
#   that long, two at a time (FUZZ_JOBS), going on from what earlier searches
#   kept in BUILD_DIR/corpus/TARGET.
# Either way a crash, hang or leak fails the run; its input is kept in
# BUILD_DIR/findings/TARGET/ for review and its log printed. A finding that
# is fixed goes into tests/fuzz/regressions/TARGET/, so it is replayed by
# every `make test` from then on.
#
# Seeds: the asset generator's small valid and refused files
# (velvetarium-assets --seeds) and a few made here.
set -u

usage="usage: run-fuzzers.sh BUILD_DIR check|SECONDS [TARGET...]"
build=${1:?$usage}
mode=${2:?$usage}
shift 2
build=$(cd "$build" && pwd) || exit 2
here=$(cd "$(dirname "$0")" && pwd)
regressions="$here/regressions"
targets=("$@")
[ $# -gt 0 ] || targets=(fuzz_tga fuzz_bmp fuzz_pcx fuzz_progress fuzz_wavecheck fuzz_soundbank fuzz_iconmask)
jobs=${FUZZ_JOBS:-$(nproc)}
[[ "$mode" = check || "$mode" =~ ^[0-9]+$ ]] || { echo "$usage" >&2; exit 2; }

seeds="$build/seeds"
rm -rf "$seeds"
"$build/velvetarium-assets" --seeds "$seeds/generated" >/dev/null || { echo "fuzz: the seed corpus could not be made" >&2; exit 1; }

# A file with its bytes given as printf escapes.
seed() { mkdir -p "$(dirname "$1")"; printf "$2" > "$1"; }

# Progress files: empty, short, a 1000-byte image of zeros, one of digits,
# one with a highscore, one longer than the image.
p="$seeds/progress"
seed "$p/empty" ''
seed "$p/three-bytes" '123'
head -c 1000 /dev/zero > "$p/zeros"
{ for level in $(seq 1 50); do printf '900\0' ; printf '600\0'; printf '300\0'; printf '%-4s' "$((level * 7))" | tr ' ' '\0'; printf '2\0\0\0'; done; } | head -c 1000 > "$p/digits"
{ head -c 560 "$p/digits"; printf 'Tanzmaus\0\0'; printf '4321'; tail -c +575 "$p/digits"; } > "$p/highscore"
{ cat "$p/digits"; head -c 300 /dev/zero | tr '\0' 'x'; } > "$p/long"

# Sound files: the generated WAV files as they are for the check, and behind
# the byte that picks the effect for the sound bank.
mkdir -p "$seeds/wavecheck" "$seeds/soundbank"
n=0
for f in "$seeds/generated/wav"/*.wav; do
  cp "$f" "$seeds/wavecheck/"
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

# Per target: its seeds, the longest input, and its runs in the
# deterministic search (each at most about ten seconds on a 2-core machine
# with sanitizers: the slow targets write files, open the mixer or check
# every pixel of large icons).
declare -A seed_dir=([fuzz_tga]=generated/tga [fuzz_bmp]=generated/bmp [fuzz_pcx]=generated/pcx
  [fuzz_progress]=progress [fuzz_wavecheck]=wavecheck [fuzz_soundbank]=soundbank [fuzz_iconmask]=iconmask)
declare -A max_len=([fuzz_tga]=16384 [fuzz_bmp]=16384 [fuzz_pcx]=16384 [fuzz_progress]=4096 [fuzz_wavecheck]=8192
  [fuzz_soundbank]=8192 [fuzz_iconmask]=4096)
declare -A check_runs=([fuzz_tga]=200000 [fuzz_bmp]=200000 [fuzz_pcx]=150000 [fuzz_progress]=8000
  [fuzz_wavecheck]=400000 [fuzz_soundbank]=20000 [fuzz_iconmask]=8000)

# Options every run shares. Leaks are looked for too: a leak per input
# would exhaust a long session.
common=(-timeout=10 -rss_limit_mb=2048)

# Every seed and regression input of every target, once, through one target.
replay() {
  local target=$1 log=$2
  {
    for t in "${targets[@]}"; do
      find "$seeds/${seed_dir[$t]}" -type f
      [ -d "$regressions/$t" ] && find "$regressions/$t" -type f
    done
  } | sort >"$log.inputs"
  xargs -a "$log.inputs" -d '\n' "$build/fuzz/$target" "${common[@]}" >>"$log" 2>&1
}

run_one() {
  local target=$1
  local findings="$build/findings/$target" log="$build/findings/$target.log"
  mkdir -p "$findings"
  rm -f "$log"
  local status=0
  if [ "$mode" = check ]; then
    replay "$target" "$log" || status=$?
    if [ "$status" -eq 0 ]; then
      local corpus="$build/check-corpus/$target"
      rm -rf "$corpus"
      mkdir -p "$corpus"
      cp "$seeds/${seed_dir[$target]}"/* "$corpus/"
      [ -d "$regressions/$target" ] && cp "$regressions/$target"/* "$corpus/"
      "$build/fuzz/$target" "$corpus" "${common[@]}" -seed=1 -runs=$((check_runs[$target] * ${FUZZ_RUNS_SCALE:-1})) \
        -max_len="${max_len[$target]}" -print_final_stats=1 -artifact_prefix="$findings/" >>"$log" 2>&1 || status=$?
    fi
  else
    local corpus="$build/corpus/$target"
    local dirs=("$corpus" "$seeds/${seed_dir[$target]}")
    [ -d "$regressions/$target" ] && dirs+=("$regressions/$target")
    mkdir -p "$corpus"
    "$build/fuzz/$target" "${dirs[@]}" "${common[@]}" \
      -max_total_time="$mode" -max_len="${max_len[$target]}" -print_final_stats=1 \
      -artifact_prefix="$findings/" >>"$log" 2>&1 || status=$?
  fi
  echo "$status" >"$log.status"
}

for target in "${targets[@]}"; do
  [ -x "$build/fuzz/$target" ] || { echo "fuzz: no target $build/fuzz/$target" >&2; exit 2; }
done

echo "fuzz: ${#targets[@]} targets, $([ "$mode" = check ] && echo "every seed and regression input, then a fixed search (seed 1)" || echo "$mode s each"), $jobs at a time"
running=0
for target in "${targets[@]}"; do
  [ $((running++)) -ge "$jobs" ] && wait -n
  run_one "$target" &
done
wait

failed=0
for target in "${targets[@]}"; do
  log="$build/findings/$target.log"
  status=$(cat "$log.status" 2>/dev/null || echo 1)
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  replayed=$(grep -c '^Executed ' "$log")
  if [ "$status" -eq 0 ]; then
    printf 'fuzz: %-16s %6s inputs replayed, %10s runs, no finding\n' "$target" "$replayed" "${runs:-?}"
  else
    failed=$((failed + 1))
    printf 'fuzz: %-16s FINDING (exit %s), kept in %s\n' "$target" "$status" "$build/findings/$target/" >&2
    tail -n 60 "$log" >&2
  fi
done
[ "$failed" -eq 0 ] || { echo "fuzz: $failed of ${#targets[@]} targets found a fault" >&2; exit 1; }
echo "fuzz: ${#targets[@]} targets, no finding"
