#!/usr/bin/env bash
# Whether the view's memory stays flat over a long run, which the soak test
# cannot assert: one view plays TICKS ticks of busy two-player games with
# random keys (default a million, 28 hours of play) while its resident memory
# is read every second; then valgrind's heap profiler (massif) follows an
# hour's worth, 36,000 ticks, and tells the heap in use at a tenth of the run
# and at its end. Leaks are the sanitizer builds' to find (ctest --preset asan).
# Usage: bench/soak-memory.sh [build folder] [ticks]   (default build/test)
set -euo pipefail
cd "$(dirname "$0")/.."
tests=${1:-build/test}/bin/tolm_view_tests
ticks=${2:-1000000}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy PULSE_SERVER=unix:/dev/null
only=--gtest_filter='TGameBoxSoakTest.*'

TOLM_SOAK="1 $ticks" "$tests" "$only" >/dev/null 2>&1 &
pid=$!
while sleep 1 && [ -r "/proc/$pid/status" ]; do
    awk '/^VmRSS/ { print $2 }' "/proc/$pid/status" >>"$work/rss" 2>/dev/null || true
done
wait "$pid"
awk -v ticks="$ticks" '{ kb[NR] = $1; if ($1 > top) top = $1 }
    END { printf "resident memory over %d ticks, read %d times: at a tenth %.1f MB," \
                 " at half %.1f MB, at the end %.1f MB, highest %.1f MB\n", ticks, NR,
                 kb[int(NR / 10) + 1] / 1024, kb[int(NR / 2) + 1] / 1024, kb[NR] / 1024, top / 1024 }' \
    "$work/rss"

TOLM_SOAK="1 36000" valgrind --tool=massif --massif-out-file="$work/massif" "$tests" "$only" \
    >/dev/null 2>&1
awk -F= '/^mem_heap_B=/ { heap[++n] = $2; if ($2 > top) top = $2 }
    END { printf "heap in use over 36000 ticks, %d snapshots: at a tenth %.1f KiB," \
                 " at the end %.1f KiB, peak %.1f KiB\n", n,
                 heap[int(n / 10) + 1] / 1024, heap[n] / 1024, top / 1024 }' "$work/massif"
