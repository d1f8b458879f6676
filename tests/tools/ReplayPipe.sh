#!/usr/bin/env bash
# A program at the other end of a pipe plays through tolm-replay: each tick
# block comes out while the tool still waits for the next line.
# Usage: ReplayPipe.sh TOLM-REPLAY
set -euo pipefail
coproc replay { "$1"; }
printf 'seed 1\nstart 2\ncomputer 2 easy\ndown 0x27\ntick 1\n' >&"${replay[1]}"
for line in 1 2 3; do
    read -r -t 5 block <&"${replay[0]}" || { echo "no tick block while the pipe stays open"; exit 1; }
    [ "$line" != 1 ] || [[ $block == "tick 1 over 0"* ]] || { echo "not a tick block: $block"; exit 1; }
done
echo 'tick 1' >&"${replay[1]}"
read -r -t 5 block <&"${replay[0]}" && [[ $block == "tick 2 "* ]] || { echo "no second block"; exit 1; }
exec {replay[1]}>&-
wait "$replay_PID"
