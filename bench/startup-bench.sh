#!/usr/bin/env bash
# Starts the game under a private Xvfb several times and reports how long it
# takes until its window is mapped, and its resident memory 3 s after start.
# The game runs from a scratch copy of its folder, so no settings file of a
# real run is read or written. Needs xvfb and xdotool.
# Usage: bench/startup-bench.sh [path/to/bin] [runs]
set -euo pipefail
bin=$(realpath "${1:-build/release/bin}")
runs=${2:-10}
scratch=$(mktemp -d)
trap 'kill "${xvfb:-}" 2>/dev/null || true; cat "$scratch/log" >&2; rm -rf "$scratch"' EXIT
cp -r "$bin/tolm-game" "$bin/Sound" "$bin/Help" "$scratch/"

Xvfb -displayfd 3 -screen 0 1280x1024x24 3>"$scratch/display" 2>/dev/null &
xvfb=$!
while [ ! -s "$scratch/display" ]; do sleep 0.05; done
export DISPLAY=":$(cat "$scratch/display")"
until xdotool getdisplaygeometry >/dev/null 2>&1; do sleep 0.05; done

start_game() {
    rm -f "$scratch/Settings.ini"
    SDL_AUDIODRIVER=dummy "$scratch/tolm-game" 2>>"$scratch/log" &
    game=$!
}

for run in $(seq 1 "$runs"); do
    start=$(date +%s%N)
    start_game
    # Asks the X server every 5 ms for a mapped window of that name.
    until xdotool search --onlyvisible --name '^Tolm Game$' >/dev/null 2>&1; do
        kill -0 "$game" 2>/dev/null || { echo "the game ended before its window showed" >&2; exit 1; }
        sleep 0.005
    done
    mapped=$(date +%s%N)
    kill "$game"; wait "$game" 2>/dev/null || true
    echo $(( (mapped - start) / 1000000 ))
done | sort -n | awk -v runs="$runs" '{t[NR]=$1} END {
    printf "start-up to a mapped window over %d runs: median %d ms, min %d ms, max %d ms\n",
           runs, t[int((NR + 1) / 2)], t[1], t[NR]}'

start_game
sleep 3
echo "resident memory 3 s after start: $(awk '/VmRSS/{print int($2 / 1024 + 0.5)}' "/proc/$game/status") MiB"
kill "$game"; wait "$game" 2>/dev/null || true
