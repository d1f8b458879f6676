#!/usr/bin/env bash
# The real-window tests, X11 and Wayland, on a busy machine: RUNS times in a
# row, with the same -j as ./test.sh, while a load runs beside them:
#   cpu    twice as many CPU-bound processes as the machine has cores;
#   build  a Release build of the game from scratch, over and over (the load
#          under which a test once failed by chance);
#   both   the two together.
# Prints a line a run (its result, the failing tests, the load average) and
# last "passed N of RUNS". A failing test's folder (screenshots, logs) is kept
# in /tmp/real-window-load/RUN.TEST.
# Usage: bench/real-window-load.sh [build folder] [runs] [cpu|build|both]
set -euo pipefail
source=$(realpath "$(dirname "$0")/..")
build=$(realpath "${1:-build/test}") runs=${2:-10} load=${3:-cpu}
cores=$(nproc)
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; wait 2>/dev/null; rm -rf "$work"' EXIT

if [ "$load" != build ]; then
    for _ in $(seq $((2 * cores))); do sh -c 'while :; do :; done' & done
fi
if [ "$load" != cpu ]; then
    cmake -S "$source" -B "$work/build" -DCMAKE_BUILD_TYPE=Release -DTOLM_TESTS=OFF \
          -DTOLM_BENCHMARKS=OFF >/dev/null
    while :; do cmake --build "$work/build" --clean-first -j"$cores" >/dev/null 2>&1; done &
fi
sleep 10 # for the load average to show the load

passed=0
for run in $(seq "$runs"); do
    log=$work/run$run.log
    if ctest --test-dir "$build" -R '^real-window\.' -j"$cores" --output-on-failure >"$log" 2>&1; then
        passed=$((passed + 1)) result=passed
    else
        failed=$(sed -n 's/^[[:space:]]*[0-9]* - real-window\.\([^ ]*\).*/\1/p' "$log")
        for test in $failed; do
            mkdir -p /tmp/real-window-load && rm -rf "/tmp/real-window-load/$run.$test"
            cp -r "$build/tests/window/real-window/$test" "/tmp/real-window-load/$run.$test"
        done
        result="FAILED: $(echo $failed)"
        grep '^FAIL:' "$log" || true
    fi
    echo "run $run: $result; $(sed -n 's/^Total Test time (real) = *//p' "$log"); load $(cut -d' ' -f1-3 /proc/loadavg)"
done
echo "passed $passed of $runs"
