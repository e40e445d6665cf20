#!/usr/bin/env bash
# The long soak: every scripted level, each at every difficulty with the
# random and the player bot, for SECONDS simulated seconds per level in all
# (shared evenly by its six runs), dance after dance, soak_runner checking
# its invariants after every frame.
#   usage: tests/soak/soak.sh SOAK_RUNNER SECONDS_PER_LEVEL [JOBS]
set -u
runner=${1:?usage: soak.sh SOAK_RUNNER SECONDS_PER_LEVEL [JOBS]}
per_run=$(( (${2:?seconds per level} + 5) / 6 ))
jobs=${3:-$(nproc)}
[ -x "$runner" ] || { echo "soak: no runner $runner" >&2; exit 2; }
results=$(mktemp -d "${TMPDIR:-/tmp}/velvetarium-soak.XXXXXX") || exit 2
trap 'rm -rf "$results"' EXIT
echo "soak: every level at every difficulty with both bots, ${per_run} simulated seconds a run, ${jobs} at a time"
count=0
for level in $(seq 0 34) 52 54 56 58 59; do
  for difficulty in 1 2 3; do
    for bot in random player; do
      [ "$count" -ge "$jobs" ] && wait -n
      out="$results/$(printf '%02d' "$level")-$difficulty-$bot"
      { "$runner" "$level" "$difficulty" "$bot" "$per_run" $((level * 100 + difficulty * 10 + 1)) >"$out.out" 2>"$out.err"
        echo $? >"$out.status"; } &
      count=$((count + 1))
    done
  done
done
wait
failed=0
for status in "$results"/*.status; do
  run=${status%.status}
  if [ "$(cat "$status")" = 0 ]; then
    cat "$run.out"
  else
    failed=$((failed + 1))
    echo "soak: FAILED $(basename "$run") (exit $(cat "$status")):" >&2
    cat "$run.err" >&2
  fi
done
echo "soak: $count runs, $failed failed"
[ "$failed" -eq 0 ]
