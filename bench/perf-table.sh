#!/usr/bin/env bash
# The game's speed and size in one table, each figure beside its goal, with
# the machine it ran on: the in-process figures from tolm-view-bench (Google
# Benchmark, medians of 5 repetitions), the whole program's from
# bench/startup-bench.sh, once as on a desktop whose sound device opens (SDL's
# dummy driver stands in for it) and once on a machine without sound, where
# SDL first probes ALSA. Run it on a quiet machine: other work skews it.
# With a second build folder (of the unchanged game, say), its whole-program
# figures are measured in the same run, interleaved, and printed beside.
# Usage: bench/perf-table.sh [build folder] [before build folder]
#        (default build/test, which ./test.sh builds)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/test}
before=${2:-}
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

bench/startup-bench.sh "$build/bin" 10 ${before:+"$before/bin"} >"$work/whole" 2>/dev/null
whole() { awk -v key="$1" -v who="$2" '$1 == key && $2 == who { $1 = $2 = ""; print substr($0, 3) }' \
    "$work/whole"; }
"$build/bin/tolm-timer-bench" >"$work/timer"
[ -n "$before" ] && "$before/bin/tolm-timer-bench" >"$work/timer-before"
late() { # file: median and p99 from the first allowed reading
    awk '/beyond the first reading/ { printf "median %s ms, p99 %s ms", $10, $13 }' "$1"; }
# ms beside the bare window's median: how far over it, against the 15 ms goal
over() { awk -v a="$(whole startup_ms "$1")" -v b="$(whole startup_ms bare)" \
    'BEGIN { printf "%.1f ms (+%.1f)", a, a - b }'; }

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
echo "| Start-up to the first mapped window, median of 10 (beside the bare Qt window's" \
     "$(whole startup_ms bare) ms): no device / sound server / dummy driver" \
     "| $(over none) / $(over server) / $(over dummy) | within 15 ms of the bare window |"
[ -n "$before" ] && echo "| The same before | $(over before-none) / $(over before-server) /" \
     "$(over before-dummy) | |"
echo "| Resident memory 3 s after start, sound server: game / bare Qt window" \
     "| $(whole rss_mb server) MB / $(whole rss_mb bare) MB | within 6 MB of the bare window |"
[ -n "$before" ] && echo "| The same before | $(whole rss_mb before-server) MB | |"
echo "| CPU share of one core, two-player game, sound server, over 10 s" \
     "| $(whole cpu_pct server) % | < 0.5 % |"
echo "| Wake-ups (voluntary context switches) a second, the same 10 s" \
     "| $(whole wakeups_per_s server) | <= 200 |"
[ -n "$before" ] && echo "| The same before: CPU, wake-ups" \
     "| $(whole cpu_pct before-server) %, $(whole wakeups_per_s before-server) | |"
echo "| Timer lateness from the first allowed reading (tolm-timer-bench, 600 ticks)" \
     "| $(late "$work/timer")$([ -n "$before" ] && echo "; before: $(late "$work/timer-before")") |" \
     "no worse than before |"
echo
echo "Per thread, CPU share and wake-ups a second (\"tolm-game\" is the timer thread):"
echo
echo "| Thread | CPU | Wake-ups/s |$([ -n "$before" ] && echo " Before: CPU | Wake-ups/s |")"
echo "|---|---|---|$([ -n "$before" ] && echo "---|---|")"
awk -v before="$before" '$1 == "thread" && $4 + $5 > 0 { key = $3 " " (++n[$2 " " $3])
        if ($2 == "server") { cpu[key] = $4; wake[key] = $5; order[++rows] = key }
        else if ($2 == "before-server") { bcpu[key] = $4; bwake[key] = $5 } }
    END { for (i = 1; i <= rows; ++i) { k = order[i]; name = k; sub(/ 1$/, "", name)
        printf "| %s | %s %% | %s |", name, cpu[k], wake[k]
        if (before != "") printf " %s %% | %s |", bcpu[k], bwake[k]
        print "" } }' "$work/whole"
echo
for setup in bare none server dummy ${before:+before-none before-server before-dummy}; do
    echo "Start-up runs, $setup: $(whole startup_runs_ms "$setup") ms."
done
echo
echo "Resident memory by mapping, game with the sound server (KB): $(awk '$1 == "mapping" &&
    $2 == "server" { printf "%s%s %s", sep, $4, $3; sep = ", " }' "$work/whole")."
echo "The bare window's: $(awk '$1 == "mapping" && $2 == "bare" { printf "%s%s %s", sep, $4, $3;
    sep = ", " }' "$work/whole")."
echo "Load average at the start and the end of the run: $(awk '$1 == "load" { $1 = ""; printf "%s%s", sep, substr($0, 2); sep = "; " }' "$work/whole")."
