#!/usr/bin/env bash
# Soak: every scripted level at every difficulty, a few hundred frames each,
# with the simulation's invariants checked after every frame, and the JSON
# line of each run read back.
#   levels.sh SIM [FRAMES]
set -u
sim=${1:?usage: levels.sh path-to-velvetarium-sim [frames]}
frames=${2:-300}
failures=0
runs=0
for level in $(seq 0 34) 52 54 56 58 59; do
  for difficulty in 1 2 3; do
    runs=$((runs + 1))
    seed=$((level * 7 + difficulty))
    if ! out=$("$sim" --level "$level" --difficulty "$difficulty" --seed "$seed" --frames "$frames" --check); then
      echo "FAIL level $level difficulty $difficulty seed $seed" >&2
      failures=$((failures + 1))
      continue
    fi
    # One line, the level and difficulty asked for, and no number that is not finite.
    case "$out" in
      *$'\n'*) echo "FAIL level $level difficulty $difficulty: more than one line" >&2; failures=$((failures + 1)); continue ;;
    esac
    if [[ "$out" != "{\"level\":$level,\"difficulty\":$difficulty,"* ]] || [[ "$out" == *null* ]] ||
       [[ "$out" != *"\"frames\":"* ]]; then
      echo "FAIL level $level difficulty $difficulty: $out" >&2
      failures=$((failures + 1))
    fi
  done
done
echo "soak: $runs runs, $failures failed"
[ "$failures" -eq 0 ]
