#!/usr/bin/env bash
# Prints the World's digest of bot-played dances: every scripted level at
# every difficulty, the player bot and the random bot, two seeds, up to
# FRAMES frames each. A change meant to keep the game's behaviour keeps
# every line: run it before and after and compare.
#
#   tests/sim/digests.sh path/to/velvetarium-sim [FRAMES] > digests.txt
set -euo pipefail
sim=$1
frames=${2:-3000}
for level in $(seq 0 34) 52 54 56 58 59; do
    for difficulty in 1 2 3; do
        for bot in player random; do
            for seed in 1 2; do
                echo -n "$bot "
                "$sim" --level "$level" --difficulty "$difficulty" --seed "$seed" --frames "$frames" \
                    --bot "$bot" --digest
            done
        done
    done
done
