#!/usr/bin/env bash
# The whole program on a virtual X server of its own (Xvfb), under three sound
# set-ups: no device at all ("none": no sound server, no card, so SDL probes
# and gives up), a sound server ("server": a private PulseAudio with a null
# sink on a socket of its own, as on a desktop) and SDL's dummy driver
# ("dummy": a device that opens at once); beside a bare Qt window ("bare",
# tolm-bare-window), the floor. Each round starts every one of them once, in
# turn, so that the machine's load falls on all alike.
# Then, with the sound server: resident memory 3 s after a start (and where
# it lies, by mapping), and over 10 s of a two-player game the CPU share and
# the wake-ups (voluntary context switches) of every thread.
# Start-up is timed from exec to the X server's map event for the first
# window, which one client, xev, listens for on the root window: nothing polls
# the server. The games run from copies of their folders, so their settings
# files there are left alone.
# With a second folder (a build of the unchanged game, say), its game is
# started in every round too, as "before-none", "before-server" and
# "before-dummy", and measured in the same way after the first.
# Start-up is also told as the CPU time the process had used by its map
# event, all its threads, which a busy machine disturbs less than the wall.
# Prints "name value" lines: startup_ms SETUP MEDIAN, startup_runs_ms SETUP
# RUNS..., startup_cpu_ms SETUP MEDIAN, rss_mb WHO MB, mapping WHO KB NAME, thread WHO NAME CPU_PCT
# WAKEUPS_PER_S, cpu_pct WHO PCT, wakeups_per_s WHO N, load LOAD-AVERAGES.
# Needs xvfb, x11-utils, xdotool and pulseaudio.
# Usage: bench/startup-bench.sh [path/to/bin] [runs] [path/to/before/bin]
set -euo pipefail
bin=$(realpath "${1:-build/release/bin}")
runs=${2:-10}
before=${3:+$(realpath "$3")}
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; wait 2>/dev/null; rm -rf "$work"' EXIT
copy() { # folder name
    mkdir "$work/$2"
    cp -r "$1/tolm-game" "$1/Sound" "$1/Help" "$work/$2"
}
copy "$bin" after
[ -n "$before" ] && copy "$before" before
cp "$bin/tolm-bare-window" "$work"

# Xvfb writes its display number once it accepts connections.
mkfifo "$work/display" "$work/events"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
read -r display <"$work/display"
export DISPLAY=:$display
stdbuf -oL xev -root -event substructure >"$work/events" &
exec 4<"$work/events"

# The sound server: PulseAudio with its home, its runtime folder and its only
# socket in the work folder, with a null sink and no other device.
mkdir "$work/pulse"
HOME=$work/pulse XDG_RUNTIME_DIR=$work/pulse pulseaudio -n --daemonize=no \
    --exit-idle-time=-1 --use-pid-file=no --log-target=stderr -L module-null-sink \
    -L "module-native-protocol-unix socket=$work/pulse/socket auth-anonymous=1" \
    2>"$work/pulse/log" &
for _ in $(seq 100); do [ -S "$work/pulse/socket" ] && break; sleep 0.05; done
sleep 0.5 # until xev has selected its events and the server has loaded its modules

# Runs a set-up's program with its sound environment: none names a socket
# that nobody serves, so no server is found; the game then finds no card.
launch() { # setup program
    case $1 in
    *none) exec env -u SDL_AUDIODRIVER PULSE_SERVER="unix:$work/no-server" "$2" ;;
    *server) exec env -u SDL_AUDIODRIVER PULSE_SERVER="unix:$work/pulse/socket" "$2" ;;
    *dummy) SDL_AUDIODRIVER=dummy exec "$2" ;;
    bare) exec "$2" ;;
    esac
}
program() { # setup
    case $1 in
    bare) echo "$work/tolm-bare-window" ;;
    before-*) echo "$work/before/tolm-game" ;;
    *) echo "$work/after/tolm-game" ;;
    esac
}

# Milliseconds of CPU time a process has run, from the scheduler's counts.
cpu_ms() { cat /proc/"$1"/task/*/schedstat | awk '{ ns += $1 } END { printf "%.1f", ns / 1e6 }'; }

# Starts setup's program, left running as $started, and sets $took to the
# milliseconds from its start to its first mapped window, $cpu to the CPU
# time it had used by then.
started=
took=
cpu=
time_start() { # setup
    local path start line
    path=$(program "$1")
    start=$EPOCHREALTIME
    launch "$1" "$path" >/dev/null 2>&1 &
    started=$!
    while read -r line <&4; do
        [[ $line == MapNotify* ]] && break
    done
    took=$(awk -v a="$start" -v b="$EPOCHREALTIME" 'BEGIN { printf "%.1f", (b - a) * 1000 }')
    cpu=$(cpu_ms "$started")
}
stop() { kill "$1" && wait "$1" 2>/dev/null || true; }

echo "load $(cut -d' ' -f1-3 /proc/loadavg)"
setups=(bare none server dummy)
[ -n "$before" ] && setups+=(before-none before-server before-dummy)
declare -A times cpus
for _ in $(seq "$runs"); do
    for setup in "${setups[@]}"; do
        time_start "$setup"
        times[$setup]+="$took "
        cpus[$setup]+="$cpu "
        stop "$started"
        sleep 0.2
    done
done
median() { tr ' ' '\n' | sed '/^$/d' | sort -n | awk '{ t[NR] = $1 }
    END { print (NR % 2) ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2 }'; }
for setup in "${setups[@]}"; do
    echo "startup_ms $setup $(median <<<"${times[$setup]}")"
    echo "startup_runs_ms $setup ${times[$setup]% }"
    echo "startup_cpu_ms $setup $(median <<<"${cpus[$setup]}")"
done

# Resident memory, all told and by mapping (the largest twelve; "[anon]" is
# the heap and the threads' stacks and other memory of no file).
memory() { # who pid
    echo "rss_mb $1 $(awk '/^VmRSS/ { printf "%.1f", $2 / 1024 }' "/proc/$2/status")"
    awk -v who="$1" '/^[0-9a-f]+-[0-9a-f]+ / { name = (NF >= 6) ? $6 : "[anon]" }
        /^Rss:/ { kb[name] += $2 }
        END { for (n in kb) printf "mapping %s %d %s\n", who, kb[n], n }' "/proc/$2/smaps" |
        sort -k3,3nr | head -n 12
}

# Per thread over seconds: CPU share of one core, from the scheduler's
# nanosecond counts, and voluntary context switches a second, each of which
# is the thread going to sleep and so, later, a wake-up.
# The main thread, whose name is the program's, is called GUI.
threads() { # pid
    local task name
    for task in /proc/"$1"/task/*; do
        name=$(tr ' ' _ <"$task/comm")
        [ "${task##*/}" = "$1" ] && name=GUI
        printf '%s %s %s %s\n' "${task##*/}" "$(cut -d' ' -f1 "$task/schedstat")" \
            "$(awk '/^voluntary_ctxt_switches/ { print $2 }' "$task/status")" "$name"
    done
}
per_thread() { # who pid seconds
    threads "$2" >"$work/threads.before"
    sleep "$3"
    threads "$2" >"$work/threads.after"
    awk -v who="$1" -v s="$3" '
        NR == FNR { ns[$1] = $2; sw[$1] = $3; next }
        { cpu = ($2 - ns[$1]) / s / 1e7; wake = ($3 - sw[$1]) / s
          printf "thread %s %s %.3f %.1f\n", who, $4, cpu, wake; tc += cpu; tw += wake }
        END { printf "cpu_pct %s %.3f\nwakeups_per_s %s %.1f\n", who, tc, who, tw }' \
        "$work/threads.before" "$work/threads.after"
}

whole() { # setup
    time_start "$1"
    local pid=$started
    sleep 3
    memory "$1" "$pid"
    if [ "$1" != bare ]; then
        xdotool windowfocus --sync "$(xdotool search --pid "$pid" --name '^Tolm Game$' | head -n 1)" key F3
        sleep 1
        per_thread "$1" "$pid" 10
    fi
    stop "$pid"
}
whole bare
whole server
[ -n "$before" ] && whole before-server
echo "load $(cut -d' ' -f1-3 /proc/loadavg)"
