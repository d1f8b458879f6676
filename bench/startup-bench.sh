#!/usr/bin/env bash
# The whole program on a virtual X server of its own (Xvfb): start-up from
# exec to its first mapped window (median of RUNS starts), resident memory 3 s
# after a start, and its share of one core's CPU time over 10 s on the
# instructions screen, then over 10 s of a one-player game.
# The window is noticed by one X client, xev, listening for map events on the
# root window: nothing polls the server, whose connections a fast poll can
# use up until the game itself cannot connect. The game runs from a copy of
# its folder, so its settings file there is left alone.
# Prints "name value" lines: startup_ms (and each run's), rss_mb,
# cpu_instructions_pct, cpu_game_pct. Needs xvfb, x11-utils and xdotool.
# Usage: bench/startup-bench.sh [path/to/bin] [runs]
set -euo pipefail
bin=$(realpath "${1:-build/release/bin}")
runs=${2:-10}
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
cp -r "$bin/tolm-game" "$bin/Sound" "$bin/Help" "$work"
game=$work/tolm-game

# Xvfb writes its display number once it accepts connections.
mkfifo "$work/display" "$work/events"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
read -r display <"$work/display"
export DISPLAY=:$display
stdbuf -oL xev -root -event substructure >"$work/events" &
exec 4<"$work/events"
sleep 0.5 # until xev has selected its events

# Seconds of CPU time the process has run, all its threads, from the
# scheduler's nanosecond counts.
cpu_seconds() {
    cat /proc/"$1"/task/*/schedstat | awk '{ ns += $1 } END { printf "%.6f", ns / 1e9 }'
}
cpu_share() { # pid seconds
    local before after
    before=$(cpu_seconds "$1")
    sleep "$2"
    after=$(cpu_seconds "$1")
    awk -v a="$before" -v b="$after" -v s="$2" 'BEGIN { printf "%.2f", (b - a) / s * 100 }'
}

times=()
for run in $(seq "$runs"); do
    start=$EPOCHREALTIME
    "$game" 2>/dev/null &
    while read -r line <&4; do
        [[ $line == MapNotify* ]] && break
    done
    times+=("$(awk -v a="$start" -v b="$EPOCHREALTIME" 'BEGIN { printf "%.1f", (b - a) * 1000 }')")
    if [ "$run" -lt "$runs" ]; then
        kill $! && wait $! 2>/dev/null || true
    fi
done
echo "startup_ms $(printf '%s\n' "${times[@]}" | sort -n | awk '{ t[NR] = $1 }
    END { print (NR % 2) ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2 }')"
echo "startup_runs_ms ${times[*]}"

# The last start is left running for the rest.
pid=$!
sleep 3
echo "rss_mb $(awk '/^VmRSS/ { printf "%.1f", $2 / 1024 }' "/proc/$pid/status")"
echo "cpu_instructions_pct $(cpu_share "$pid" 10)"
window=$(xdotool search --pid "$pid" --name '^Tolm Game$' | head -n 1)
xdotool windowfocus --sync "$window" key space
sleep 1
echo "cpu_game_pct $(cpu_share "$pid" 10)"
kill "$pid" && wait "$pid" 2>/dev/null || true
