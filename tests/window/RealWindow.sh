#!/usr/bin/env bash
# Plays one test of the real-window table as a player meets the game: a copy
# of the program folder on a server of its own, X (Xvfb) or Wayland (headless
# sway), real key events, the server's view of the window and screenshots.
# Usage: RealWindow.sh TABLE x11|wayland TEST PROGRAM_FOLDER SCRATCH_FOLDER
set -euo pipefail
table=$1 server=$2 test=$3 bin=$4 dir=$5
# The caller's own desktop, platform, scale or language never reaches the game: it speaks English, whose
# texts the checks expect, until a step "lang LANGUAGE" chooses another for the next start.
unset QT_QPA_PLATFORM QT_QPA_PLATFORMTHEME QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_FONT_DPI DISPLAY \
      WAYLAND_DISPLAY WAYLAND_SOCKET XDG_SESSION_TYPE XDG_CURRENT_DESKTOP SWAYSOCK && export LANGUAGE=en
needs=(Xvfb xdotool xte xwininfo xprop xmessage setxkbmap) && [ "$server" = x11 ] || needs=(sway swaymsg wtype grim jq)
skip() { echo "skipped: $*"; exit 77; }
type -P "${needs[@]}" >/dev/null || skip "this needs ${needs[*]}"
rm -rf "$dir" && mkdir -p "$dir/game" "$dir/runtime" && chmod 700 "$dir/runtime" && cd "$dir"
cp -r "$bin/tolm-game" "$bin/Sound" "$bin/Help" game/
pids=() shot=0 menu=0 runtime= place= as=() prog=$PWD/game ini=game/Settings.ini since=0 sound=()
# A row's result is its checks: what a desktop's services mounted in its folders (the document portal's
# in a runtime folder) is unmounted before they go, and no failure of the clean-up counts.
trap 'set +e; kill "${pids[@]}" 2>/dev/null; findmnt -rn -o TARGET | grep -F -e "$dir/" ${runtime:+-e "$runtime/"} \
      ${place:+-e "$place/"} | xargs -r umount -l; rm -rf "$runtime" "$place"; true' EXIT
fail() { echo "FAIL: $*; screenshots in $dir" >&2; exit 1; }
now() { echo "${EPOCHREALTIME/[.,]/}"; } # microseconds, whatever the locale's decimal point
until_ok() { local end=$((SECONDS + 20)); until "$@"; do ((SECONDS < end)) || return 1; sleep 0.2; done; }
export SDL_AUDIODRIVER=dummy PULSE_SERVER=unix:/dev/null XDG_RUNTIME_DIR=$dir/runtime XDG_DATA_HOME=$dir/data
# No session bus: libdbus would otherwise start one of its own that outlives the game.
export DBUS_SESSION_BUS_ADDRESS=unix:path=$dir/no-bus

if [ "$server" = x11 ]; then
    # No auto-repeat within a test: a key held down sends its press alone. No
    # reset either, which would undo a layout set while no client is there.
    Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp -noreset -ardelay 60000 5>display 2>xvfb.log &
    pids+=($!) && until_ok test -s display && export DISPLAY=:$(cat display)
    visible() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1; }
    geometry() { eval "$(xwininfo -id "$game" | sed -n -e 's/^ *Absolute upper-left \([XY]\): */\1=/p' \
                         -e 's/^ *Width: */WIDTH=/p' -e 's/^ *Height: */HEIGHT=/p')"; }
    grab() { import -window root -crop "$3x$4+$1+$2" +repage "$png"; }
    press() { xdotool key --delay 150 "$@"; }
    step_down() { since=$(now) && xdotool keydown "$1"; }
    step_up() { xdotool keyup "$1"; }
    focus() { xdotool windowfocus --sync "$1"; }
    step_move() { xdotool windowmove --sync "$game" "$1" "$2"; }
    # xkb LAYOUTS [OPTION]: the server's keyboard layout. tap CODE: a key,
    # named by its code, goes down and up at once, between two ticks, so
    # that only its events tell the game; xdotool presses it in the first
    # group, xte (xte COMMAND) in the group chosen. typed CODE SYMBOL: the
    # server reported that the key typed that in the game's window (xev).
    step_xkb() { setxkbmap -layout "$1" ${2:+-option "$2"}; }
    step_tap() { xdotool key --delay 0 "$1"; }
    step_xte() { xte "$@"; }
    check_typed() { why="key $1 typed $(grep -o "keycode $1 (keysym [^)]*" keys.log | tail -n 1)" &&
                    grep -q "keycode $1 (keysym 0x[0-9a-f]*, $2)" keys.log; }
    step_other() { xmessage -geometry +500+500 "another program" 2>other.log & pids+=($!) && step_window xmessage; }
    close() { "$bin/tolm-close-window" "$game"; }
    check_hints() { why="min and max size hints differ: $(xprop -id "$game" WM_NORMAL_HINTS)" &&
                    [ "$(xprop -id "$game" WM_NORMAL_HINTS | sed -n 's/.*imum size: //p' | uniq | wc -l)" = 1 ]; }
else
    # wlroots refuses to run as root: sway runs as nobody, in a folder of its own.
    runtime=$(mktemp -d) && echo "output * mode 1600x1200" >"$runtime/config" && as_user=() && ((EUID)) ||
        { chown nobody:nogroup "$runtime" && as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups); }
    export WAYLAND_DISPLAY=$runtime/wayland-1 SWAYSOCK=$runtime/sway.sock XDG_SESSION_TYPE=wayland
    XDG_RUNTIME_DIR=$runtime WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
        "${as_user[@]}" sway -c "$runtime/config" >sway.log 2>&1 & pids+=($!)
    until_ok test -S "$WAYLAND_DISPLAY" -a -S "$SWAYSOCK" || fail "no compositor"
    wtype -s 3600000 & pids+=($!) # a keyboard for the whole test: one per wtype lost keys
    # What jq makes of the oldest window that passes the filter $2.
    window() { swaymsg -t get_tree | jq -e -r "[.. | objects | select(.pid? and $2)] | min_by(.id) // empty | $1"; }
    visible() { window .id ".visible and .name == \"$1\"" 2>/dev/null; }
    geometry() { eval "$(window '"X=\(.rect.x + .window_rect.x) Y=\(.rect.y + .window_rect.y)
                         WIDTH=\(.window_rect.width) HEIGHT=\(.window_rect.height)"' ".id == $game")"; }
    grab() { grim -g "$1,$2 $3x$4" "$png"; }
    # A Shift first, as a new keyboard may drop its first key; a key is held
    # by a keyboard that lives until the key goes up.
    press() { wtype -P shift_l -p shift_l $(printf -- '-k %s -s 150 ' "$@" |
                                            sed -E 's/-k ([a-z]+)\+([^ ]+)/-M \1 -k \2 -m \1/g'); }
    step_down() { since=$(now); wtype -P shift_l -p shift_l -P "$1" -s 3600000 & pids+=($!) holder=$! && sleep 0.1; }
    step_up() { kill "$holder"; }
    focus() { swaymsg "[con_id=$1] focus" >/dev/null; }
    # Another copy of the game, beside this one, takes the keyboard.
    step_other() { cp -r game other && { (cd other && exec ./tolm-game >../other.log 2>&1) & pids+=($!); }
                   until_ok swaymsg "[pid=$!] move position 0 0, focus" >/dev/null || fail "no other window"; }
    close() { swaymsg "[con_id=$game] kill" >/dev/null; }
    # A fixed size makes the compositor float the window at its own size.
    check_hints() { why="not a native window of a fixed size" &&
                    window '.type == "floating_con" and .shell == "xdg_shell"' ".id == $game" >/dev/null; }
fi

# The picture at the bottom of the window's client area, scaled as shown.
snap() { geometry; shot=$((shot + 1)) png=$(printf '%02d-%s.png' "$shot" "$1")
         grab "$X" "$((Y + menu))" "$WIDTH" "$((HEIGHT - menu))"; }
# The colour of a pixel of the picture, given where the picture has it at 100 %.
rgb() { convert "$png" -crop "1x1+$(($1 * WIDTH / 336))+$(($2 * WIDTH / 336))" -depth 8 txt:- |
        sed -n 's/^0,0: (\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1 \2 \3/p'; }
colours() { convert "$png" -crop "$3x$4+$1+$2" +repage -unique-colors -depth 8 txt:- | grep -c '^[0-9]'; }

step_start() {
    "${as[@]}" env -C "$prog" ./tolm-game >game.log 2>&1 & pids+=($!) game_pid=$!
    until_ok visible 'Tolm Game' >/dev/null || fail "no window titled Tolm Game"
    game=$(visible 'Tolm Game') && focus "$game"
    [ "$server" = wayland ] || { xev -id "$game" -event keyboard >keys.log 2>&1 & pids+=($!); }
    until_ok menu_bar || fail "no instructions screen under the menu bar"
}
# The menu bar ends where the instructions screen's green begins, and is of
# one colour and its bottom line at its right end: a compositor still placing
# the window may report it with its title bar above.
menu_bar() { menu=0 && snap start && menu=$(convert "$png" -crop "1x60+$((WIDTH - 1))+0" -depth 8 txt:- |
                                   sed -n 's/^0,\([0-9]*\): (0,160,0).*/\1/p' | head -n 1) &&
             ((menu > 0)) && (($(colours $((WIDTH - 1)) 0 1 "$menu") <= 2)); }
# keys: each key goes down and up, with time for a menu to open between them.
step_keys() { since=$(now) && press "$@"; sleep 0.3; }
step_sleep() { sleep "$1"; }
step_lang() { export LANGUAGE=$1; }
step_window() { until_ok visible "$1" >/dev/null || fail "no window $1"; since=$(now) && focus "$(visible "$1")"; }
# A check_ step is a state to reach: it is tried until it holds, for 20 s
# (until_ok), and says in $why what it found when it never does.
check_gone() { why="window $1 stays" && [ -z "$(visible "$1")" ]; }
check_client() { geometry && local c="$WIDTH x $((HEIGHT - menu))" && why="client area $c, not $1 x $2" &&
                 [ "$c" = "$1 x $2" ]; }
check_position() { geometry && why="window at $X,$Y, not $1,$2" && [ "$X,$Y" = "$1,$2" ]; }
check_prop() { why="$1 is not $2" && xprop -id "$game" "$1" | grep -E "$2" >/dev/null; }
# pixel x y r g b: that pixel has that colour.
check_pixel() { snap pixel && local c && c=$(rgb "$1" "$2") && why="pixel $1,$2 is $c, not $3 $4 $5" &&
                [ "$c" = "$3 $4 $5" ]; }
# text x y w h: white letters in that part of the picture.
check_text() { snap text && why="no white text there" && convert "$png" -crop "$3x$4+$1+$2" +repage \
    -fill black +opaque white -format '%[fx:maxima]' info: | grep -q '^1'; }
# newgame x1 x2 y: F2 until the cells x1..x2 of row y are open ground.
check_newgame() { why="no game with row $3 open from column $1 to $2" && press F2 && sleep 0.3 &&
                  snap newgame && [ "$(colours $(($1 * 16)) $(($3 * 16)) $((($2 - $1 + 1) * 16)) 16)" = 1 ]; }
# Where player 1 shows: the box of his skin's colour, 13 x 9 from (1, 5) of his cell, 0x0 while he stands
# on his home, whose sprite covers him. home: he has not left it (a fixed wait before gives him the time).
boy_box() { box_of '#FFE0C1'; }
box_of() { snap box && box=$(convert "$png" -fill black +opaque "$1" -format '%@' info: 2>/dev/null); }
step_home() { boy_box && [ "${box%%+*}" = 0x0 ] || fail "the boy shows: $box"; }
# boy any: he is off his home. boy right: sent right from his home (10, 9) along row 9, open to column 19,
# he is no further than a cell a tick since the last key or focus allow: in that row, or at its wall and
# turned along column 19 (or 18, a step back). Once he is off his home, that is tried at once.
check_boy() {
    boy_box && local ms=$((($(now) - since) / 1000)) && why="the boy is at $box, $ms ms after the key" &&
        IFS='x+' read -r w h x y <<<"$box" && ((w)) || return 1
    [ "$1" = any ] || { local r=$((y / 16 - 9)) && [ "$w x $h" = "13 x 9" ] && ((x % 16 == 1 && y % 16 == 5 &&
        x / 16 > 10 && (r == 0 && x / 16 <= 11 + ms / 100 || x / 16 >= 18 && (r < 0 ? -r : r) <= ms / 100 - 8))) ||
        fail "$why"; }
}
# again: F2 until the boy shows off his home, as a key still held steers each new game at once. A map
# that walls him in just ahead may send him straight back home, which ends that game ("Back Home").
check_again() { why="no new game in which the held key walked the boy off his home" && press F2 && sleep 0.3 &&
                boy_box && [ "${box%%x*}" != 0 ]; }
# moving boy|cat: player 1 (his skin) or player 2 (his magenta) shows in
# another place in a picture 0.3 s later.
check_moving() { local colour && colour=$([ "$1" = boy ] && echo '#FFE0C1' || echo '#FF00FF') && box_of "$colour" &&
                 local at=$box && sleep 0.3 && box_of "$colour" && why="the $1 stays at $box" && [ "$box" != "$at" ]; }
# turning cat|boy: the player's steps 0.3 s apart go two ways, not along one line.
check_turning() {
    local colour=$([ "$1" = boy ] && echo '#FFE0C1' || echo '#FF00FF') at=() && for _ in 1 2 3; do
        box_of "$colour" && IFS='x+' read -r _ _ x y <<<"$box" && at+=("$x" "$y") && sleep 0.3; done
    why="the $1 went ${at[*]}" &&
        (((at[2] - at[0]) * (at[5] - at[3]) != (at[3] - at[1]) * (at[4] - at[2])))
}
# still: the picture stays the same over a second.
step_still() { snap still && local a=$png && sleep 1 && snap still &&
               [ "$(convert "$a" rgb:- | md5sum)" = "$(convert "$png" rgb:- | md5sum)" ] || fail "it changed"; }
# only SERVER WHY: the test is for that server alone.
step_only() { [ "$server" = "$1" ] || skip "$2"; }
check_exited() { why="the game is still running" && [ ! -e "/proc/$game_pid" ]; }
check_ini() { why="$ini: $(cat "$ini")" && tr -d "\r" <"$ini" | grep -E "$1" >/dev/null; }
step_edit() { sed -i -E "$1" "$ini"; }
# player: from now on the game runs as nobody, from a copy he may not write, with a home (his settings in
# ~/.config, no XDG_CONFIG_HOME) and runtime folder of his own: all out of the checkout, in a folder of his.
step_player() {
    ((EUID == 0)) || skip "only root may play as another user"
    place=$(mktemp -d) && prog=$place/game ini=$place/home/.config/tolm-game/Settings.ini && cp -r game "$place" &&
        mkdir -m 700 "$place"/{home,runtime} && chown nobody:nogroup "$place"{,/home,/runtime} && chmod -R a+rX "$prog"
    as=(setpriv --reuid=nobody --regid=nogroup --clear-groups env -u XDG_CONFIG_HOME HOME="$place/home"
        XDG_RUNTIME_DIR="$place/runtime") && "${as[@]}" test -x "$prog/tolm-game" || skip "nobody may not run $prog"
}
# sound none|pulse|pipewire|dummy: what the next start finds to play through. none: no server, no card
# (where the machine has none), no driver named; pulse: a private PulseAudio that suspends an idle sink,
# as desktops load it; pipewire: PipeWire, WirePlumber and pipewire-pulse on a private bus; dummy: SDL's.
step_sound() {
    export PULSE_SERVER=unix:$dir/sound/native && unset SDL_AUDIODRIVER && mkdir -m 700 sound
    case $1 in
    dummy) export SDL_AUDIODRIVER=dummy ;;
    pulse) type -P pulseaudio >/dev/null || skip "this needs pulseaudio"
        HOME=$dir/sound XDG_RUNTIME_DIR=$dir/sound pulseaudio -n --daemonize=no --exit-idle-time=-1 \
            --use-pid-file=no -L "module-null-sink sink_name=tolm" -L module-suspend-on-idle \
            -L "module-native-protocol-unix socket=$dir/sound/native auth-anonymous=1" >sound.log 2>&1 &
        pids+=($!) sound=($!) ;;
    pipewire) type -P pipewire wireplumber pipewire-pulse dbus-daemon >/dev/null ||
            skip "this needs pipewire, wireplumber, pipewire-pulse and dbus"
        export PULSE_SERVER=unix:$dir/sound/pulse/native
        local serve=(env HOME="$dir/sound" XDG_RUNTIME_DIR="$dir/sound"
                     DBUS_SESSION_BUS_ADDRESS="unix:path=$dir/sound/bus")
        "${serve[@]}" dbus-daemon --session --address="unix:path=$dir/sound/bus" --nofork --nopidfile \
            >sound.log 2>&1 & sound=($!) && until_ok test -S sound/bus
        "${serve[@]}" pipewire >>sound.log 2>&1 & sound+=($!) && until_ok test -S sound/pipewire-0
        "${serve[@]}" wireplumber >>sound.log 2>&1 & sound+=($!)
        "${serve[@]}" pipewire-pulse >>sound.log 2>&1 & sound+=($!) && pids+=("${sound[@]}") ;;
    esac
    [ "$1" = none ] || [ "$1" = dummy ] || until_ok test -S "${PULSE_SERVER#unix:}" || fail "no sound server"
}
check_quiet() { why="the sound library's errors on the terminal" && ! grep -q ALSA game.log; }
step_killserver() { kill -9 "${sound[@]}"; }
# end exit|close|term: the game is ended by Game > Exit, the window manager's close or SIGTERM.
step_end() {
    case $1 in
    exit) press alt+g x ;;
    close) close ;;
    term) kill -TERM "$game_pid" ;;
    esac
    ended=$(now)
}
# ended: the game is gone within 2 s of the command that ended it, with exit code 0.
step_ended() {
    local rc=0 ms && for _ in $(seq 200); do [ -e "/proc/$game_pid" ] || break; sleep 0.02; done
    ms=$((($(now) - ended) / 1000))
    if [ -e "/proc/$game_pid" ]; then # hung: where each thread waits, for whoever mends it
        snap hung || true; type -P gdb >/dev/null && gdb -p "$game_pid" -batch -ex "thread apply all bt" >hung.txt 2>&1
        fail "the game had not ended $ms ms after the command"
    fi
    wait "$game_pid" || rc=$?
    ((rc == 0 && ms <= 2000)) || fail "the game ended $ms ms after the command, with exit code $rc"
}
# shot name: the picture, kept as name.png (docs/screenshot.png is one).
step_shot() { snap "$1" && cp "$png" "$1.png"; }
# like name, unlike name: the picture is, or is not, the one kept as name.png.
same() { [ "$(convert "$1.png" rgb:- | md5sum)" = "$(convert "$png" rgb:- | md5sum)" ]; }
check_like() { snap like && why="not the picture $1.png" && same "$1"; }
check_unlike() { snap unlike && why="still the picture $1.png" && ! same "$1"; }
# kept N: N games kept, each of which tolm-replay plays to the end its comments recorded, byte for byte.
check_kept() {
    local files=("${XDG_DATA_HOME}"/tolm-game/replays/*.replay) file end
    why="${#files[@]} games kept, not $1" && [ -e "${files[0]}" ] && ((${#files[@]} == $1)) || return 1
    for file in "${files[@]}"; do
        end=$(sed -n '/^# The end, as tolm-replay prints it:$/,$p' "$file" | tail -n +2 | sed 's/^#//')
        why="$file does not play to its recorded end" && [ -n "$end" ] &&
            [ "$({ cat "$file"; echo dump; } | "$bin/tolm-replay" | tail -n "$(wc -l <<<"$end")")" = "$end" ] ||
            return 1
    done
}

# A step named server:step is played on that server alone.
grep -q "^$test " "$table" || fail "no test $test in $table"
while read -r name step args; do
    [ "$name" = "$test" ] && [[ $step != *:* || $step = "$server":* ]] || continue
    eval "set -- $args" && echo "$step $*" && step=${step#*:}
    if [ "$(type -t "check_$step")" ]; then until_ok "check_$step" "$@" || fail "$why"; else "step_$step" "$@"; fi
done < <(sed -e 's/[[:space:]]#.*//' -e '/^#/d' "$table")
echo "passed: $server.$test"
