#!/usr/bin/env bash
# Every scripted level at one difficulty played by the random bot, with the
# dance's invariants (finite positions, valid kinds, counts within the
# pools, goal totals that never fall) checked after every frame.
#   random-sweep.sh SIM DIFFICULTY [FRAMES]
set -u
sim=${1:?usage: random-sweep.sh path-to-velvetarium-sim difficulty [frames]}
difficulty=${2:?difficulty}
frames=${3:-1800}
failures=0
runs=0
for level in $(seq 0 34) 52 54 56 58 59; do
  runs=$((runs + 1))
  seed=$((level * 13 + difficulty))
  if ! out=$("$sim" --level "$level" --difficulty "$difficulty" --seed "$seed" --frames "$frames" --bot random --check); then
    echo "FAIL level $level difficulty $difficulty seed $seed" >&2
    failures=$((failures + 1))
    continue
  fi
  if [[ "$out" != "{\"level\":$level,\"difficulty\":$difficulty,"* ]] || [[ "$out" == *null* ]] ||
     [[ "$out" != *'"frames":'* ]] || [[ "$out" == *$'\n'* ]]; then
    echo "FAIL level $level difficulty $difficulty: $out" >&2
    failures=$((failures + 1))
  fi
done
echo "random bot, difficulty $difficulty: $runs levels, $failures failed"
[ "$failures" -eq 0 ]
