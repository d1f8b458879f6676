#!/usr/bin/env bash
# Start-up of two builds of the game, from exec to its first mapped window,
# on one virtual X server (Xvfb), their starts interleaved so that the noise
# of a shared machine falls on both alike. Each runs from a copy of its
# folder. Prints for each the medians of the wall time, "startup_ms_A", and
# of the CPU time the process had used by then, all its threads,
# "startup_cpu_ms_A", which a busy machine disturbs less; then the runs.
# Needs xvfb and x11-utils.
# Usage: bench/startup-compare.sh path/to/binA path/to/binB [runs]
set -euo pipefail
runs=${3:-20}
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
for side in A B; do
    bin=$(realpath "$([ $side = A ] && echo "$1" || echo "$2")")
    mkdir "$work/$side"
    cp -r "$bin/tolm-game" "$bin/Sound" "$bin/Help" "$work/$side"
done

# Xvfb writes its display number once it accepts connections; xev hears the
# windows mapped, so nothing polls the server.
mkfifo "$work/display" "$work/events"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
read -r display <"$work/display"
export DISPLAY=:$display
stdbuf -oL xev -root -event substructure >"$work/events" &
exec 4<"$work/events"
sleep 0.5

# Milliseconds of CPU time the process has run, from the scheduler's counts.
cpu_ms() { cat /proc/"$1"/task/*/schedstat | awk '{ ns += $1 } END { printf "%.1f", ns / 1e6 }'; }

declare -A times cpus
for run in $(seq "$runs"); do
    for side in A B; do
        start=$EPOCHREALTIME
        "$work/$side/tolm-game" 2>/dev/null &
        while read -r line <&4; do
            [[ $line == MapNotify* ]] && break
        done
        times[$side]+="$(awk -v a="$start" -v b="$EPOCHREALTIME" 'BEGIN { printf "%.1f", (b - a) * 1000 }') "
        cpus[$side]+="$(cpu_ms $!) "
        kill $! && wait $! 2>/dev/null || true
    done
done
median() { tr ' ' '\n' | grep . | sort -n | awk '{ t[NR] = $1 }
    END { print (NR % 2) ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2 }'; }
for side in A B; do
    echo "startup_ms_$side $(median <<<"${times[$side]}")"
    echo "startup_cpu_ms_$side $(median <<<"${cpus[$side]}")"
    echo "startup_runs_ms_$side ${times[$side]}"
done
