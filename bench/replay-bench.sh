#!/usr/bin/env bash
# Times tolm-replay on 100,000 ticks of busy two-player games: 250 games of
# 400 ticks in which the players wait while items pile up, then set off;
# the trace goes nowhere. Also counts the ticks on which a game was running.
# Usage: bench/replay-bench.sh [path/to/tolm-replay] [runs]
set -euo pipefail
replay=${1:-build/test/bin/tolm-replay}
runs=${2:-5}
script=$(mktemp)
trap 'rm -f "$script"' EXIT

{
    echo "seed 12345"
    echo "busy 1"
    for game in $(seq 1 250); do
        echo "start 2"
        echo "tick 250"
        echo "down 0x27"; echo "down 0x53"; echo "tick 50"
        echo "up 0x27"; echo "down 0x26"; echo "up 0x53"; echo "down 0x41"; echo "tick 100"
        echo "up 0x26"; echo "up 0x41"
    done
    echo "dump"
} > "$script"

"$replay" "$script" | awk '/^tick /{all++; if ($4 == 0) running++}
    END {print "ticks replayed: " all ", with a game running: " running}'
for run in $(seq 1 "$runs"); do
    start=$(date +%s%N)
    "$replay" "$script" > /dev/null
    end=$(date +%s%N)
    echo "run $run: $(( (end - start) / 1000000 )) ms"
done
