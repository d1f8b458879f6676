#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DTOLM_TESTS=OFF -DTOLM_BENCHMARKS=OFF >/dev/null
cmake --build build/release -j"$(nproc)"
exec build/release/bin/tolm-game
