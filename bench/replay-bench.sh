#!/usr/bin/env bash
# Times tolm-replay on 100,000 ticks of busy two-player games: 100 games of
# 1,000 ticks, each steered by a few key changes, the trace going nowhere.
# Usage: bench/replay-bench.sh [path/to/tolm-replay] [runs]
set -euo pipefail
replay=${1:-build/test/bin/tolm-replay}
runs=${2:-5}
script=$(mktemp)
trap 'rm -f "$script"' EXIT

{
    echo "seed 12345"
    echo "busy 1"
    for game in $(seq 1 100); do
        echo "start 2"
        echo "tick 200"
        echo "down 0x27"; echo "down 0x53"; echo "tick 300"
        echo "up 0x27"; echo "down 0x26"; echo "up 0x53"; echo "down 0x41"; echo "tick 500"
        echo "up 0x26"; echo "up 0x41"
    done
    echo "dump"
} > "$script"

ticks=$("$replay" "$script" | grep -c '^tick ')
echo "ticks replayed: $ticks"
for run in $(seq 1 "$runs"); do
    start=$(date +%s%N)
    "$replay" "$script" > /dev/null
    end=$(date +%s%N)
    echo "run $run: $(( (end - start) / 1000000 )) ms"
done
