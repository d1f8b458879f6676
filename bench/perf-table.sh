#!/usr/bin/env bash
# The game's speed and size in one table, each figure beside its goal, with
# the machine it ran on: the in-process figures from tolm-view-bench (Google
# Benchmark, medians of 5 repetitions), the whole program's from
# bench/startup-bench.sh: with a private PulseAudio and a private PipeWire
# (each with a null sink, as on a desktop), with SDL's dummy driver standing
# in for a card, and with no sound at all. Run it on a quiet machine: other
# work skews it.
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
echo "| Recording a game, per tick; the script of a 5-minute game (3,000 ticks, a key every 0.7 s)" \
     "| $(figure RecordTick real_time | awk '{ printf "%.0f ns", $1 }');" \
     "$(figure RecordTick script_bytes | awk '{ printf "%.1f KB", $1 / 1000 }') | <= 1 µs; < 20 KB |"
echo "| Start-up to the first mapped window, median of 10 (beside the bare Qt window's" \
     "$(whole startup_ms bare) ms): no device / PulseAudio / PipeWire / dummy driver" \
     "| $(over none) / $(over pulse) / $(over pipewire) / $(over dummy) | within 15 ms of the bare window |"
[ -n "$before" ] && echo "| The same before | $(over before-none) / $(over before-pulse) /" \
     "$(over before-pipewire) / $(over before-dummy) | |"
echo "| Resident memory 3 s after start, PulseAudio: game / bare Qt window" \
     "| $(whole rss_mb pulse) MB / $(whole rss_mb bare) MB | within 12 MB of the bare window |"
[ -n "$before" ] && echo "| The same before | $(whole rss_mb before-pulse) MB | |"
echo "| Shared libraries mapped: game / bare Qt window" \
     "| $(whole libraries pulse) / $(whole libraries bare)$([ -n "$before" ] &&
         echo "; before: $(whole libraries before-pulse)") | |"
# phase GOAL: the CPU, wake-up and server rows of one phase, for each server.
phase() {
    local server who
    for server in pulse pipewire; do
        for who in "$server-$1" ${before:+"before-$server-$1"}; do
            [ -n "$(whole cpu_pct "$who")" ] || continue
            echo "| ${who/-$1/}: CPU share of one core, wake-ups a second; the server's" \
                 "| $(whole cpu_pct "$who") %, $(whole wakeups_per_s "$who");" \
                 "$(whole server_wakeups_per_s "$who") | $([ "$who" = "$server-$1" ] && echo "$2") |"
        done
    done
}
echo "| **Instructions screen, sound on, over 10 s** | | |"
phase instructions "<= 0.5 %, <= 150; server <= 5"
echo "| **Two-player game with effects, over 10 s** | | |"
phase game "<= 0.8 %, <= 200"
# The CPU of a game against the computer beside a two-player game's, each the median of the five runs.
runs() { awk -v want="$1" '$1 == "cpu_pct" && index($2, want) == 1 { print $3 }' "$work/whole" |
    sort -n | awk '{ t[NR] = $1 } END { if (NR) print t[int((NR + 1) / 2)] }'; }
[ -n "$(runs pulse-computer-)" ] &&
    echo "| Game against the computer beside a two-player game, steered alike, PulseAudio: CPU share of" \
         "one core, median of 5 runs of 10 s | $(runs pulse-computer-) % against $(runs pulse-twoplayer-) %" \
         "($(awk -v a="$(runs pulse-computer-)" -v b="$(runs pulse-twoplayer-)" \
             'BEGIN { printf "%+.2f", a - b }') points) | <= +0.2 points |"
echo "| **From 7 s after a game's end, over 10 s** | | |"
phase ended "below the instructions' before; server 0"
echo "| **A paused game, from 7 s after the pause, over 10 s** | | |"
phase paused "as after a game's end; server 0"
for server in pulse pipewire; do
    whole latency_ms "$server" | awk -v s="$server" '{ printf "| Effect start, play call to the" \
        " first loud frame on the %s monitor: median, 99th percentile (%d plays) | %s ms, %s ms" \
        " | <= 25 ms, <= 40 ms |\n", s, $3, $1, $2 }'
done
echo "| Timer lateness from the first allowed reading (tolm-timer-bench, 600 ticks)" \
     "| $(late "$work/timer")$([ -n "$before" ] && echo "; before: $(late "$work/timer-before")") |" \
     "no worse than before |"
echo
echo "Per thread, CPU share and wake-ups a second (\"tolm-game\" is the timer thread):"
echo
# thread_table WHO: one column pair per phase.
thread_table() {
    echo "| Thread ($1) | Instructions: CPU | Wake-ups/s | Game | | After its end | | Paused | |"
    echo "|---|---|---|---|---|---|---|---|---|"
    awk -v who="$1" 'BEGIN { split("instructions game ended paused", names); for (p in names) at[who "-" names[p]] = p }
        $1 == "thread" && ($2 in at) {
            phase = at[$2]; key = $3 " " (++n[$2 " " $3])
            if (!(key in seen)) { seen[key] = 1; order[++rows] = key }
            cpu[key, phase] = $4; wake[key, phase] = $5 }
        END { for (i = 1; i <= rows; ++i) { k = order[i]; name = k; sub(/ 1$/, "", name); sum = 0; line = ""
            for (p = 1; p <= 4; ++p) { sum += cpu[k, p] + wake[k, p]; line = line sprintf(" %s %% | %s |", cpu[k, p], wake[k, p]) }
            if (sum > 0) printf "| %s |%s\n", name, line } }' "$work/whole"
    echo
}
thread_table pulse
thread_table pipewire
[ -n "$before" ] && thread_table before-pulse
for setup in bare none pulse pipewire dummy ${before:+before-none before-pulse before-pipewire before-dummy}; do
    echo "Start-up runs, $setup: $(whole startup_runs_ms "$setup") ms."
done
echo
echo "Resident memory by mapping, game with PulseAudio (KB): $(awk '$1 == "mapping" &&
    $2 == "pulse" { printf "%s%s %s", sep, $4, $3; sep = ", " }' "$work/whole")."
echo "The bare window's: $(awk '$1 == "mapping" && $2 == "bare" { printf "%s%s %s", sep, $4, $3;
    sep = ", " }' "$work/whole")."
echo "Load average at the start and the end of the run: $(awk '$1 == "load" { $1 = ""; printf "%s%s", sep, substr($0, 2); sep = "; " }' "$work/whole")."
