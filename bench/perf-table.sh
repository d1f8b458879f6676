#!/usr/bin/env bash
# The game's speed and size in one table, each figure beside its goal, with
# the machine it ran on: the in-process figures from tolm-view-bench (Google
# Benchmark, medians of 5 repetitions), the whole program's from
# bench/startup-bench.sh, once as on a desktop whose sound device opens (SDL's
# dummy driver stands in for it) and once on a machine without sound, where
# SDL first probes ALSA. Run it on a quiet machine: other work skews it.
# Usage: bench/perf-table.sh [build folder]   (default build/test, which ./test.sh builds)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/test}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$build/bin/tolm-view-bench" --benchmark_out="$work/bench.json" --benchmark_out_format=json \
    >/dev/null 2>&1
# figure BENCHMARK KEY: KEY of the median aggregate of BENCHMARK (times in ns).
figure() {
    awk -v want="$1" -v key="\"$2\":" '
        /"name":/ { name = $2; gsub(/[",]/, "", name) }
        index(name, want) == 1 && name ~ /_median$/ && $1 == key {
            gsub(/,/, "", $2); print $2; exit }' "$work/bench.json"
}
us() { awk -v ns="$1" 'BEGIN { printf "%.1f µs", ns / 1000 }'; }

SDL_AUDIODRIVER=dummy bench/startup-bench.sh "$build/bin" >"$work/sound" 2>/dev/null
env -u SDL_AUDIODRIVER bench/startup-bench.sh "$build/bin" >"$work/silent" 2>/dev/null
whole() { awk -v key="$2" '$1 == key { $1 = ""; print substr($0, 2) }' "$work/$1"; }

cpu=$(lscpu | sed -n 's/^Model name: *//p')
memory=$(free -g | awk '/^Mem:/ { print $2 }')
qt=$(dpkg-query -W -f='${Version}' libqt6core6 2>/dev/null | cut -d+ -f1)
echo "Machine: $cpu, $(nproc) cores, $memory GiB, $(. /etc/os-release && echo "$PRETTY_NAME"),"
echo "Linux $(uname -r), Qt $qt, $(g++ --version | head -n 1); whole program on Xvfb."
echo
echo "| Figure | Measured | Goal |"
echo "|---|---|---|"
echo "| Tick plus draw on the real canvas, busy two-player game, median per tick" \
     "| $(figure TickAndDraw median_us | awk '{ printf "%.1f µs", $1 }')" \
     "(99th percentile $(figure TickAndDraw p99_us | awk '{ printf "%.1f µs", $1 }')) | < 20 µs |"
echo "| Full repaint after a start: all 399 cells and the status line" \
     "| $(us "$(figure RepaintAfterStart real_time)") | |"
echo "| Paint of the view at 100 % / 150 % / 200 %" \
     "| $(us "$(figure Paint/100 real_time)") / $(us "$(figure Paint/150 real_time)")" \
     "/ $(us "$(figure Paint/200 real_time)") | |"
echo "| The generator's draw | $(figure RandomDraw real_time | awk '{ printf "%.1f ns", $1 }') | |"
echo "| Start-up to the first mapped window, median of 10: with a sound device / without" \
     "| $(whole sound startup_ms) ms / $(whole silent startup_ms) ms | < 150 ms |"
echo "| Resident memory 3 s after start: with a sound device / without" \
     "| $(whole sound rss_mb) MB / $(whole silent rss_mb) MB | < 40 MB |"
echo "| CPU share of one core over 10 s, instructions screen: with a sound device / without" \
     "| $(whole sound cpu_instructions_pct) % / $(whole silent cpu_instructions_pct) % | |"
echo "| CPU share of one core over 10 s, during a game: with a sound device / without" \
     "| $(whole sound cpu_game_pct) % / $(whole silent cpu_game_pct) % | < 1 % |"
echo
echo "Start-up of each run, with a sound device: $(whole sound startup_runs_ms) ms;" \
     "without: $(whole silent startup_runs_ms) ms."
