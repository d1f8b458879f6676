#!/usr/bin/env bash
# Builds the fuzz targets (preset "fuzz", clang with libFuzzer) and runs each
# for SECONDS, one after another, on a working corpus in build/fuzz/corpus/
# that starts from the committed seeds in tests/fuzz/corpus/. Prints each
# target's executions and final coverage. An input that crashes a target is
# left in build/fuzz/crashes/TARGET/: fix the bug, then commit the input into
# tests/fuzz/corpus/TARGET/, where the suite replays it.
# Usage: scripts/fuzz.sh [SECONDS] [TARGET...]   (targets: settings scores replay sound)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
targets=("${@:2}")
[ ${#targets[@]} -gt 0 ] || targets=(settings scores replay sound)
scripts/install-deps.sh test
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"$(nproc)" >/dev/null
status=0
for target in "${targets[@]}"; do
    corpus=build/fuzz/corpus/$target crashes=build/fuzz/crashes/$target
    mkdir -p "$corpus" "$crashes"
    log=build/fuzz/$target.log
    echo "== $target: ${seconds}s"
    SDL_AUDIODRIVER=dummy build/fuzz/tests/fuzz/tolm-fuzz-"$target" \
        -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$crashes/" \
        -dict=tests/fuzz/"$target".dict "$corpus" tests/fuzz/corpus/"$target" > "$log" 2>&1 || status=1
    grep -E '^#[0-9]+[[:space:]]+(DONE|INITED)|^stat::number_of_executed_units|^SUMMARY|^==[0-9]+==ERROR' "$log" || true
    echo "crashes kept: $(find "$crashes" -type f | wc -l)"
done
exit "$status"
