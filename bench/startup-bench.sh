#!/usr/bin/env bash
# The whole program on a virtual X server of its own (Xvfb), under four sound
# set-ups: no device at all ("none": no sound server, no card, so SDL probes
# and gives up), two sound servers as on a desktop, each private, with a
# null sink and its socket in the work folder ("pulse": PulseAudio, which
# suspends an idle sink as desktops do; "pipewire": PipeWire with
# WirePlumber and pipewire-pulse, where installed) and SDL's dummy driver
# ("dummy": a card that opens at once, where no server answers); beside a
# bare Qt window ("bare", tolm-bare-window), the floor. Each round starts
# every one of them once, in turn, so that the machine's load falls on all
# alike.
# Then, with each server: resident memory 3 s after a start (and where it
# lies, by mapping; PulseAudio only), and over 10 s on the instructions
# screen from 7 s after the start (the servers suspend an idle sink after
# 5 s), then over 10 s of a two-player game whose players are steered
# into walls and items, over 10 s from 7 s after a game's end and from 7 s
# after a game was paused (the servers suspend an idle sink after 5 s), and (PulseAudio only) five times over 10 s of a
# two-player game, then of a game against the computer, steered alike; the CPU share and the wake-ups (voluntary context
# switches) of every thread, and the wake-ups of the server's own processes;
# last, an effect's start through each server (tolm-sound-latency).
# Start-up is timed from exec to the X server's map event for the first
# window, which one client, xev, listens for on the root window: nothing polls
# the server. The games run from copies of their folders, so their settings
# files there are left alone.
# With a second folder (a build of the unchanged game, say), its game is
# started in every round too, as "before-none", "before-server" and
# "before-dummy", and measured in the same way after the first.
# Start-up is also told as the CPU time the process had used by its map
# event, all its threads, which a busy machine disturbs less than the wall.
# Each start is ended by Game > Exit, timed from the key to the process's
# end (not for the bare window, which is stopped); "hung" where it had not
# ended 5 s later, when it is killed.
# Prints "name value" lines: startup_ms SETUP MEDIAN, exit_ms SETUP MEDIAN runs RUNS..., startup_runs_ms SETUP
# RUNS..., startup_cpu_ms SETUP MEDIAN, rss_mb WHO MB, mapping WHO KB NAME, thread WHO NAME CPU_PCT
# WAKEUPS_PER_S, libraries WHO N (shared libraries mapped), cpu_pct WHO PCT, wakeups_per_s WHO N, server_wakeups_per_s
# WHO N, latency_ms SERVER MEDIAN P99 PLAYS, load LOAD-AVERAGES; WHO is a
# set-up and a phase, such as pulse-instructions or before-pipewire-game.
# Needs xvfb, x11-utils, xdotool and pulseaudio; pipewire, pipewire-pulse,
# wireplumber and dbus for the PipeWire set-up.
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

# The sound servers, each with its home, runtime folder and socket in the
# work folder and a null sink named tolm as its only device.
declare -A servers  # set-up: the server's process ids
wait_for() { for _ in $(seq 100); do [ -e "$1" ] && return; sleep 0.05; done; }
mkdir -m 700 "$work/pulse" "$work/pipewire"
HOME=$work/pulse XDG_RUNTIME_DIR=$work/pulse pulseaudio -n --daemonize=no \
    --exit-idle-time=-1 --use-pid-file=no --log-target=stderr \
    -L "module-null-sink sink_name=tolm" -L module-suspend-on-idle \
    -L "module-native-protocol-unix socket=$work/pulse/native auth-anonymous=1" \
    2>"$work/pulse/log" &
servers[pulse]=$!
wait_for "$work/pulse/native"
if command -v pipewire-pulse wireplumber dbus-daemon >/dev/null; then
    (
        export HOME=$work/pipewire XDG_RUNTIME_DIR=$work/pipewire
        export DBUS_SESSION_BUS_ADDRESS=unix:path=$work/pipewire/bus
        dbus-daemon --session --address="$DBUS_SESSION_BUS_ADDRESS" --nofork --nopidfile &
        echo $! >"$work/pipewire/pids"
        wait_for "$work/pipewire/bus"
        pipewire &
        echo $! >>"$work/pipewire/pids"
        wait_for "$work/pipewire/pipewire-0"
        wireplumber &
        echo $! >>"$work/pipewire/pids"
        pipewire-pulse &
        echo $! >>"$work/pipewire/pids"
        wait_for "$work/pipewire/pulse/native"
        sleep 1 # until WirePlumber has taken over the graph
        export PULSE_SERVER=unix:$work/pipewire/pulse/native
        pactl load-module module-null-sink sink_name=tolm >/dev/null
        pactl set-default-sink tolm
    ) >"$work/pipewire/log" 2>&1
    servers[pipewire]=$(tail -n 3 "$work/pipewire/pids" | tr '\n' ' ')
fi
sleep 0.5 # until xev has selected its events and the servers have loaded their modules

# Runs a set-up's program with its sound environment: none names a socket
# that nobody serves, so no server is found; the game then finds no card.
launch() { # setup program
    case $1 in
    *none) exec env -u SDL_AUDIODRIVER PULSE_SERVER="unix:$work/no-server" "$2" ;;
    *pulse | *pipewire) exec env -u SDL_AUDIODRIVER PULSE_SERVER="$(address "$1")" "$2" ;;
    *dummy) SDL_AUDIODRIVER=dummy PULSE_SERVER="unix:$work/no-server" exec "$2" ;;
    bare) exec "$2" ;;
    esac
}
address() { # setup: its server's socket
    case ${1#before-} in
    pulse) echo "unix:$work/pulse/native" ;;
    pipewire) echo "unix:$work/pipewire/pulse/native" ;;
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
# Ends setup's program, left running as $started, by Game > Exit, and sets
# $ended to the milliseconds from the key that chose Exit to the process's
# end; the bare window has no menu and is stopped.
ended=
end_by_exit() { # setup
    local start
    [ "$1" = bare ] && { stop "$started"; return; }
    xdotool windowfocus --sync "$(xdotool search --pid "$started" --name '^Tolm Game$' | head -n 1)" \
        key alt+g
    sleep 0.3
    start=$EPOCHREALTIME
    xdotool key x
    # A game that has not ended 5 s after Exit hangs, and is killed.
    for _ in $(seq 500); do [ -e "/proc/$started" ] || break; sleep 0.01; done
    ended=$(awk -v a="$start" -v b="$EPOCHREALTIME" 'BEGIN { printf "%.1f", (b - a) * 1000 }')
    [ -e "/proc/$started" ] && ended=hung && kill -9 "$started"
    wait "$started" 2>/dev/null || true
    # The menu's own map events are not the next start's.
    while read -r -t 0.2 _ <&4; do :; done
}

echo "load $(cut -d' ' -f1-3 /proc/loadavg)"
servers_here=(pulse ${servers[pipewire]:+pipewire})
setups=(bare none "${servers_here[@]}" dummy)
[ -n "$before" ] && setups+=(before-none "${servers_here[@]/#/before-}" before-dummy)
declare -A times cpus exits
for _ in $(seq "$runs"); do
    for setup in "${setups[@]}"; do
        time_start "$setup"
        times[$setup]+="$took "
        cpus[$setup]+="$cpu "
        sleep 0.5 # until the sound has opened, or given up
        end_by_exit "$setup"
        exits[$setup]+="$ended "
        sleep 0.2
    done
done
median() { tr ' ' '\n' | sed '/^$/d' | sort -n | awk '{ t[NR] = $1 }
    END { print (NR % 2) ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2 }'; }
for setup in "${setups[@]}"; do
    echo "startup_ms $setup $(median <<<"${times[$setup]}")"
    echo "startup_runs_ms $setup ${times[$setup]% }"
    echo "startup_cpu_ms $setup $(median <<<"${cpus[$setup]}")"
    exit_median=$(median <<<"${exits[$setup]}")
    [[ ${exits[$setup]} != *hung* ]] || exit_median=hung
    [ "$setup" = bare ] || echo "exit_ms $setup $exit_median runs ${exits[$setup]% }"
done

# Resident memory, all told and by mapping (the largest twelve; "[anon]" is
# the heap and the threads' stacks and other memory of no file).
memory() { # who pid
    echo "rss_mb $1 $(awk '/^VmRSS/ { printf "%.1f", $2 / 1024 }' "/proc/$2/status")"
    echo "libraries $1 $(awk '$6 ~ /\.so/ { print $6 }' "/proc/$2/maps" | sort -u | wc -l)"
    awk -v who="$1" '/^[0-9a-f]+-[0-9a-f]+ / { name = (NF >= 6) ? $6 : "[anon]" }
        /^Rss:/ { kb[name] += $2 }
        END { for (n in kb) printf "mapping %s %d %s\n", who, kb[n], n }' "/proc/$2/smaps" |
        sort -k3,3nr | sed -n 1,12p
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
# Voluntary context switches of every thread of the processes, together.
switches() { # pids...
    local pid
    for pid in "$@"; do cat /proc/"$pid"/task/*/status; done |
        awk '/^voluntary_ctxt_switches/ { n += $2 } END { print n + 0 }'
}
per_thread() { # who pid seconds server-pids...
    local who=$1 pid=$2 seconds=$3 served
    shift 3
    threads "$pid" >"$work/threads.before"
    served=$(switches "$@")
    sleep "$seconds"
    threads "$pid" >"$work/threads.after"
    echo "server_wakeups_per_s $who $(awk -v a="$served" -v b="$(switches "$@")" -v s="$seconds" \
        'BEGIN { printf "%.1f", (b - a) / s }')"
    awk -v who="$who" -v s="$seconds" '
        NR == FNR { ns[$1] = $2; sw[$1] = $3; next }
        { cpu = ($2 - ns[$1]) / s / 1e7; wake = ($3 - sw[$1]) / s
          printf "thread %s %s %.3f %.1f\n", who, $4, cpu, wake; tc += cpu; tw += wake }
        END { printf "cpu_pct %s %.3f\nwakeups_per_s %s %.1f\n", who, tc, who, tw }' \
        "$work/threads.before" "$work/threads.after"
}

# Both players steered round and round, a key every 150 ms: they run into
# walls and over items, and the effects play.
steer() {
    local arrows=(Left Up Right Down) letters=(a w d s) i=0
    while :; do
        xdotool key "${arrows[i % 4]}" "${letters[i % 4]}"
        i=$((i + 1))
        sleep 0.15
    done
}

whole() { # setup
    time_start "$1"
    local pid=$started server steering
    read -ra server <<<"${servers[${1#before-}]:-}"
    sleep 3
    [[ $1 == bare || $1 == *pulse ]] && memory "$1" "$pid"
    if [ "$1" != bare ]; then
        sleep 4 # the servers suspend a sink that has been idle for 5 s
        per_thread "$1-instructions" "$pid" 10 "${server[@]}"
        xdotool windowfocus --sync "$(xdotool search --pid "$pid" --name '^Tolm Game$' | head -n 1)" key F3
        steer &
        steering=$!
        sleep 1
        per_thread "$1-game" "$pid" 10 "${server[@]}"
        kill "$steering"
        # With PulseAudio, five pairs of a two-player game and a game against
        # the computer, steered alike, one after the other.
        for run in $([ "$1" = pulse ] && seq 5); do
            for kind in F3:twoplayer F6:computer; do
                xdotool key "${kind%%:*}"
                steer &
                steering=$!
                sleep 1
                per_thread "$1-${kind#*:}-$run" "$pid" 10 "${server[@]}" | grep '^cpu_pct'
                kill "$steering"
            done
        done
        # A one-player game walked off the home and back onto it ends at
        # once ("Back Home"). The servers suspend a sink 5 s after its last
        # stream corks, which the game does once the end's effect has played.
        xdotool key F2 sleep 0.5 keydown Right sleep 0.25 keyup Right keydown Left sleep 1 keyup Left
        sleep 7
        per_thread "$1-ended" "$pid" 10 "${server[@]}"
        xdotool key F3 sleep 1 key p
        sleep 7
        per_thread "$1-paused" "$pid" 10 "${server[@]}"
    fi
    stop "$pid"
}
whole bare
for setup in "${servers_here[@]}"; do
    whole "$setup"
    [ -n "$before" ] && whole "before-$setup"
done
for setup in "${servers_here[@]}"; do
    [ -x "$bin/tolm-sound-latency" ] &&
        echo "$(PULSE_SERVER=$(address "$setup") "$bin/tolm-sound-latency" "$bin/Sound/Cake.wav" \
            tolm.monitor 100 | sed "s/latency_ms/latency_ms $setup/")"
done
echo "load $(cut -d' ' -f1-3 /proc/loadavg)"
