#!/usr/bin/env bash
# The player bot wins a level within five simulated minutes for every seed,
# with the dance's invariants checked after every frame.
#   player-wins.sh SIM LEVEL DIFFICULTY [SEEDS]
set -u
sim=${1:?usage: player-wins.sh path-to-velvetarium-sim level difficulty [seeds]}
level=${2:?level}
difficulty=${3:?difficulty}
seeds=${4:-10}
frames=18000  # 5 minutes at 60 frames a second
failures=0
for seed in $(seq 1 "$seeds"); do
  if ! out=$("$sim" --level "$level" --difficulty "$difficulty" --seed "$seed" --frames "$frames" --bot player --check); then
    echo "FAIL level $level difficulty $difficulty seed $seed: an invariant broke" >&2
    failures=$((failures + 1))
    continue
  fi
  if [[ "$out" != *'"won":true'* ]] || [[ "$out" != *'"lost":false'* ]]; then
    echo "FAIL level $level difficulty $difficulty seed $seed: not won: $out" >&2
    failures=$((failures + 1))
    continue
  fi
  echo "$out"
done
echo "player bot, level $level difficulty $difficulty: $seeds seeds, $failures not won"
[ "$failures" -eq 0 ]
