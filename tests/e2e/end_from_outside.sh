#!/usr/bin/env bash
# Ends the game from outside while a box waits for the player: a termination signal, the session
# manager's shutdown, the loss of the X server. Each must end the program within moments, having
# saved what a quit at that moment saves. Then: a second start on the same folder gives way to
# the running copy, and what a killed copy leaves (its lock, a half-written file) does not stand
# in the way of the next start.
# Usage: end_from_outside.sh BIN_DIR OUTPUT_DIR
# Every case runs even when one before it failed; the summary lists them with their times.
# Exits 77 (skipped) where a tool it needs is missing.
set -uo pipefail
shopt -s extglob
bin=$(cd "$1" && pwd)
out=$2

skip() {
    echo "e2e (ended from outside): skipped: $*"
    exit 77
}
for tool in Xvfb openbox xdotool xprop xwininfo xmessage import dbus-daemon xsm iceauth; do
    command -v "$tool" >/dev/null || skip "$tool is not installed (scripts/packages.txt names its package)"
done

rm -rf "$out"
mkdir -p "$out"
out=$(cd "$out" && pwd)
work=$(mktemp -d)
started=()  # every process started here; each is ended by its own id

now_ms() {
    local t=${EPOCHREALTIME/[.,]/}
    echo $((t / 1000))
}
# Runs the command every 50 ms until it succeeds or MS milliseconds have passed.
poll() {  # MS COMMAND...
    local end=$(($(now_ms) + $1))
    shift
    until "$@"; do
        (($(now_ms) < end)) || return 1
        sleep 0.05
    done
}
# A child of this shell, ended or not: the id of a reaped process may be another's by now.
ours() {
    local stat
    stat=$(cat "/proc/$1/stat" 2>/dev/null) || return 1
    stat=${stat##*) }
    [ "$(echo "$stat" | cut -d' ' -f2)" = "$$" ]
}
# A process of ours that has ended, reaped or not.
gone() { ! ours "$1" || grep -q '^State:[[:space:]]*Z' "/proc/$1/status" 2>/dev/null; }
# Asks the processes to end, and kills those still there after three seconds. The shell's
# notices of ended jobs ("Killed", "Terminated") come out while it waits, and are not wanted.
stop() {
    local pid
    {
        for pid in "$@"; do gone "$pid" || kill "$pid"; done
        for pid in "$@"; do poll 3000 gone "$pid" || kill -KILL "$pid"; done
        for pid in "$@"; do poll 3000 gone "$pid"; wait "$pid"; done
    } 2>/dev/null
}
kill_now() {  # PID
    { gone "$1" || kill -KILL "$1"; poll 5000 gone "$1"; wait "$1"; } 2>/dev/null
}
cleanup() {
    local i
    for ((i = ${#started[@]} - 1; i >= 0; i--)); do stop "${started[i]}"; done
    rm -rf "$work"
}
trap cleanup EXIT

# Giving up: what was awaited or found wrong, and a picture of the screen at that moment.
why=
give_up() {
    local shot="$out/$case_id-failure.png"
    import -window root "$shot" 2>/dev/null || shot="none (no display to take it from)"
    why="$* (screenshot: $shot)"
    return 1
}
timed_out() { give_up "gave up waiting for $*"; }
setup_failed() {
    echo "e2e (ended from outside): $why" >&2
    exit 1
}

# The game's surroundings, all inside the work folder: no desktop service of the machine's, no
# session manager but the test's own.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/config" XDG_DATA_HOME="$work/home/data"
export XDG_CACHE_HOME="$work/home/cache" XDG_STATE_HOME="$work/home/state"
export XDG_RUNTIME_DIR="$work/run" QT_QPA_PLATFORM=xcb
unset SESSION_MANAGER ICEAUTHORITY AT_SPI_BUS_ADDRESS WAYLAND_DISPLAY
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
case_id=setup

# A session bus that starts nothing on request.
cat >"$work/bus.conf" <<EOF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir=$work</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
EOF
dbus-daemon --config-file="$work/bus.conf" --nofork --nopidfile --print-address=3 \
    3>"$work/bus-address" 2>"$out/dbus.log" &
started+=($!)
poll 10000 test -s "$work/bus-address" || { why="the session bus did not start (see $out/dbus.log)"; setup_failed; }
DBUS_SESSION_BUS_ADDRESS=$(head -1 "$work/bus-address")
export DBUS_SESSION_BUS_ADDRESS
# A sound server with a null sink, so sounds really play while the game is ended.
if command -v pulseaudio >/dev/null; then
    pulseaudio -n --daemonize=no --exit-idle-time=-1 --load="module-null-sink sink_name=e2e" \
        --load="module-native-protocol-unix" --log-target=file:"$out/pulse.log" >/dev/null 2>&1 &
    started+=($!)
    poll 10000 test -S "$XDG_RUNTIME_DIR/pulse/native" || echo "note: no sound server (see $out/pulse.log)"
fi

# An X server on a display nobody uses, managed by openbox: sets DISPLAY, xvfb and wm. Other
# servers come and go on the machine meanwhile; a display that openbox cannot open is given up
# for another.
start_display() {  # NAME
    local name=$1
    for _ in 1 2 3; do
        Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp 3>"$work/$name.display" \
            >"$out/$name-xvfb.log" 2>&1 &
        xvfb=$!
        started+=("$xvfb")
        poll 20000 said_display
        if ! grep -qx '[0-9][0-9]*' "$work/$name.display"; then
            stop "$xvfb"
            continue
        fi
        DISPLAY=":$(head -1 "$work/$name.display")"
        export DISPLAY
        openbox --sm-disable >"$out/$name-openbox.log" 2>&1 &
        wm=$!
        started+=("$wm")
        poll 20000 wm_up && wm_ready && return 0
        stop "$wm" "$xvfb"
    done
    timed_out "an X server managed by openbox (see $out/$name-xvfb.log and $out/$name-openbox.log)"
}
said_display() { grep -qx '[0-9][0-9]*' "$work/$name.display" || gone "$xvfb"; }
wm_up() { wm_ready || gone "$wm" || gone "$xvfb"; }
wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

# Window helpers. No helper passes an empty window id to xwininfo, which would wait for a click.
window_type() {  # ID: its first type, as NORMAL, DIALOG, DROPDOWN_MENU
    xprop -id "$1" _NET_WM_WINDOW_TYPE 2>/dev/null | sed -n 's/.*= _NET_WM_WINDOW_TYPE_\([A-Z_]*\).*/\1/p'
}
gx=0 gy=0 gw=0 gh=0
geometry() {  # ID: sets gx gy gw gh, its place on the screen and its size
    [ -n "$1" ] || return 1
    eval "$(xwininfo -id "$1" 2>/dev/null | awk '/Absolute upper-left X/ {x=$NF}
        /Absolute upper-left Y/ {y=$NF} /^ *Width/ {w=$NF} /^ *Height/ {h=$NF}
        END {print "gx=" x+0 " gy=" y+0 " gw=" w+0 " gh=" h+0}')"
}
# The first visible window of PID of the type TYPE (an extended pattern) named NAME (a pattern),
# other than EXCEPT: sets found.
window_of() {  # PID TYPE NAME [EXCEPT]
    local id
    for id in $(xdotool search --onlyvisible --pid "$1" 2>/dev/null); do
        [ "$id" != "${4:-}" ] || continue
        # shellcheck disable=SC2053 # the name is matched against a pattern
        [[ $(window_type "$id") == @($2) && $(xdotool getwindowname "$id" 2>/dev/null) == $3 ]] || continue
        found=$id
        return 0
    done
    return 1
}
pixel() {  # X Y: the colour of a screen pixel as "r,g,b"
    import -window root -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null |
        sed -n '2s/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p'
}
active_window() { xprop -root _NET_ACTIVE_WINDOW 2>/dev/null | sed -n 's/.*# \(0x[0-9a-f]*\).*/\1/p'; }
is_active() { [ "$(($(active_window)))" = "$1" ]; }

# The game. Every case runs its own copy of the program from a folder of its own, where the
# data files are written.
new_folder() {  # NAME: sets dir
    dir="$work/$1"
    mkdir -p "$dir" && cp "$bin/zarvelo" "$bin/libzarvelo_sound.so" "$bin"/*.wav "$dir/"
}
# Starts the copy in FOLDER, its output in LOG.out and LOG.err: sets game. SIGINT as a terminal
# sends it, not ignored as it is for background commands.
launch() {  # FOLDER LOG [NAME=VALUE...]
    local folder=$1
    log=$2
    shift 2
    (
        trap - INT QUIT
        cd "$folder" && exec env "$@" ./zarvelo >"$log.out" 2>"$log.err"
    ) &
    game=$!
    started+=("$game")
    case_games+=("$game")
}
# Starts the copy and waits until its main window is up and painted: sets game, main and the
# table's top left on the screen (wx, wy) below the menu bar (menu high).
start_game() {  # FOLDER LOG [NAME=VALUE...]
    launch "$@"
    poll 30000 window_of "$game" NORMAL '*\(NewPlayer\)' ||
        { timed_out "the main window of the game started in $1 (see $log.err)"; return 1; }
    main=$found
    geometry "$main"
    menu=$((gh - 310))
    wx=$gx
    wy=$((gy + menu))
    poll 10000 painted || { timed_out "the main window to be painted"; return 1; }
    timeout 10 xdotool windowactivate --sync "$main" >/dev/null 2>&1 || true
}
# The table black and the "1 Bet" button on it.
painted() { [ "$(pixel $((wx + 200)) $((wy + 150)))" = "0,0,0" ] && [ "$(pixel $((wx + 320)) $((wy + 288)))" != "0,0,0" ]; }
credit() { import -window root -crop "41x17+$((wx + 56))+$((wy + 136))" -depth 8 rgb:- 2>/dev/null | md5sum; }
credit_changed() { [ "$(credit)" != "$1" ]; }
# Stakes 3: three clicks on "1 Bet", each seen to lower the credit before the next.
stake_three() {
    local click before
    for click in 1 2 3; do
        before=$(credit)
        xdotool mousemove $((wx + 320)) $((wy + 288)) click 1
        poll 10000 credit_changed "$before" ||
            { timed_out "the credit to change after click $click on \"1 Bet\""; return 1; }
    done
}
# Opens the menu ｹﾞｰﾑ: sets popup and its geometry.
open_game_menu() {
    xdotool mousemove $((wx + 20)) $((wy - menu / 2)) click 1
    poll 5000 window_of "$game" '@(DROPDOWN|POPUP)_MENU' '*' || { timed_out "the menu ｹﾞｰﾑ to open"; return 1; }
    popup=$found
    geometry "$popup"
}
# ｹﾞｰﾑ > 終了, its only item.
choose_quit() {
    open_game_menu || return 1
    xdotool mousemove $((gx + 30)) $((gy + gh / 2)) click 1
}

# The boxes the game is ended in; each sets box to the box's window.
open_quit_box() {
    choose_quit || return 1
    poll 10000 window_of "$game" DIALOG Information ||
        { timed_out "the quit warning \"This bet is discarded.\""; return 1; }
    box=$found
}
open_refusal_box() {
    open_game_menu || return 1
    xdotool key Right
    poll 5000 window_of "$game" '@(DROPDOWN|POPUP)_MENU' '*' "$popup" ||
        { timed_out "the menu ｵﾌﾟｼｮﾝ to open"; return 1; }
    geometry "$found"
    xdotool mousemove $((gx + 40)) $((gy + gh - 12)) click 1  # its last item, ﾌﾟﾚｲﾔｰ名の入力
    poll 10000 window_of "$game" NORMAL '*' "$main" || { timed_out "the name entry window"; return 1; }
    timeout 10 xdotool windowactivate --sync "$found" >/dev/null 2>&1 || true
    xdotool key ctrl+a
    xdotool type Ranking
    xdotool key Return
    poll 10000 window_of "$game" DIALOG '*' || { timed_out "the box refusing the name \"Ranking\""; return 1; }
    box=$found
}
open_save_error_box() {
    mkdir "$dir/Ranking.dat"  # a folder where the ranking goes: its save fails
    open_quit_box || return 1
    timeout 10 xdotool windowactivate --sync "$box" >/dev/null 2>&1 || true
    xdotool key Return
    poll 10000 window_of "$game" DIALOG 'Save Error' ||
        { timed_out "the box saying Ranking.dat could not be saved"; return 1; }
    box=$found
}

# Waits for the game to end after WHAT, sent at T0 (ms): adds the time it took to the case's note.
await_end() {  # WHAT T0
    { poll 10000 gone "$game"; } 2>/dev/null ||
        { timed_out "the game to end after $1 (it still ran 10 s later)"; return 1; }
    local took=$(($(now_ms) - $2)) status=0
    wait "$game" 2>/dev/null || status=$?
    note+="ended ${took} ms after $1, exit status $status; "
}
# What a quit with 3 staked saves: credit 97 in the player's file and the last-player file, the
# ranking written (or, with "folder", the folder in its place left alone), and no half-written
# file.
check_saved() {  # [folder]
    local f leftovers
    for f in NewPlayer.dat default.dat; do
        [ -f "$dir/$f" ] || { give_up "$f was not saved"; return 1; }
        printf '"NewPlayer",97,0,1\r\n' | cmp -s - "$dir/$f" ||
            { give_up "$f holds '$(tr '\r\n' '^$' <"$dir/$f")', not '\"NewPlayer\",97,0,1^\$'"; return 1; }
    done
    if [ "${1:-}" = folder ]; then
        [ -d "$dir/Ranking.dat" ] || { give_up "the folder Ranking.dat was not left alone"; return 1; }
    else
        if [ ! -f "$dir/Ranking.dat" ] || [ "$(tr -cd '\n' <"$dir/Ranking.dat" | wc -c)" -ne 5 ]; then
            give_up "Ranking.dat was not saved with its five lines"
            return 1
        fi
    fi
    leftovers=$(temp_files "$dir")
    [ -z "$leftovers" ] || { give_up "half-written files were left: $leftovers"; return 1; }
}

# Case: SIGNAL while the box BOX (quit, refusal, save-error) is open.
signal_with_box() {  # BOX SIGNAL
    local t0
    new_folder "$case_id-$1-$2"
    start_game "$dir" "$out/$case_id-game" || return 1
    stake_three || return 1
    "open_${1//-/_}_box" || return 1
    t0=$(now_ms)
    kill -s "$2" "$game"
    await_end "SIG$2" "$t0" || return 1
    check_saved "$([ "$1" = save-error ] && echo folder)"
}

# Case: the X server ends while the quit box is open; on a display of its own.
x_server_lost() {
    local display=$DISPLAY main_xvfb=$xvfb main_wm=$wm status=0
    xvfb='' wm=
    lose_display || status=$?
    [ -z "$wm" ] || stop "$wm"
    [ -z "$xvfb" ] || stop "$xvfb"
    export DISPLAY=$display
    xvfb=$main_xvfb wm=$main_wm
    return $status
}
lose_display() {
    local t0
    start_display lost || return 1
    new_folder "$case_id-x-lost"
    start_game "$dir" "$out/$case_id-game" || return 1
    stake_three || return 1
    open_quit_box || return 1
    t0=$(now_ms)
    kill "$xvfb"
    await_end "the X server's end" "$t0" || return 1
    check_saved
}

# Case: xsm, the X session manager, ends its session with 3 staked, with the quit box open or
# none: through its menu Shutdown > Immediately, or (checkpoint) by SIGTERM, which it answers
# with a shutdown that asks every client to save first, fast and without interaction.
session_shutdown() {  # immediately|checkpoint quit|none
    local sm="$work/$case_id-session" xsmpid status=0
    mkdir -p "$sm"
    # The session's only program leaves the manager's address for the test.
    cat >"$sm/tell-address" <<EOF
#!/bin/sh
printf '%s\n' "\$SESSION_MANAGER" >"$sm/address.new" && mv "$sm/address.new" "$sm/address"
EOF
    chmod +x "$sm/tell-address"
    echo "$sm/tell-address" >"$sm/.xsmstartup"
    (
        export HOME="$sm" SM_SAVE_DIR="$sm" ICEAUTHORITY="$sm/iceauthority"
        exec xsm -display "$DISPLAY" >"$out/$case_id-xsm.log" 2>&1 </dev/null
    ) &
    xsmpid=$!
    started+=("$xsmpid")
    in_session "$1" "$2" "$sm" "$xsmpid" || status=$?
    [ "$status" -ne 0 ] || poll 10000 gone "$xsmpid" || note+="xsm still ran 10 s after its session ended; "
    stop "$xsmpid"
    return $status
}
in_session() {  # HOW BOX SESSION_FOLDER XSM_PID
    local t0
    poll 20000 test -s "$3/address" || { timed_out "xsm to start its session (see $out/$case_id-xsm.log)"; return 1; }
    poll 10000 xsm_window || { timed_out "xsm's main window"; return 1; }
    # Out of the way of the game's window, which openbox places where there is room.
    timeout 10 xdotool windowmove --sync "$xsm" 0 0 >/dev/null 2>&1 || true
    new_folder "$case_id-session-$1-$2"
    start_game "$dir" "$out/$case_id-game" SESSION_MANAGER="$(head -1 "$3/address")" \
        ICEAUTHORITY="$3/iceauthority" || return 1
    poll 10000 in_the_session || { timed_out "the game to join the session (SM_CLIENT_ID on its client leader)"; return 1; }
    stake_three || return 1
    [ "$2" = none ] || open_quit_box || return 1
    t0=$(now_ms)
    if [ "$1" = immediately ]; then
        shutdown_immediately || return 1
        await_end "xsm's Shutdown > Immediately" "$t0" || return 1
    else
        kill "$4"
        await_end "xsm's shutdown with checkpoint" "$t0" || return 1
    fi
    check_saved
}
xsm_window() { xsm=$(xdotool search --onlyvisible --name '^xsm: ' 2>/dev/null | head -1) && [ -n "$xsm" ]; }
in_the_session() {
    local leader
    leader=$(xprop -id "$main" WM_CLIENT_LEADER 2>/dev/null | sed -n 's/.*# \(0x[0-9a-f]*\).*/\1/p')
    [ -n "$leader" ] && xprop -id "$leader" SM_CLIENT_ID 2>/dev/null | grep -q '= "'
}
# xsm draws Athena buttons: Shutdown is the bottom right one of its main window, and pressing
# it pops up a menu whose second entry is Immediately, chosen by releasing the button on it.
shutdown_immediately() {
    local button
    button=$(xwininfo -id "$xsm" -tree 2>/dev/null | awk '
        /^ +0x[0-9a-f]+ / && match($0, /[0-9]+x[0-9]+\+-?[0-9]+\+-?[0-9]+ +\+-?[0-9]+\+-?[0-9]+$/) {
            split(substr($0, RSTART), g, /[x+ ]+/)
            if (g[2] < 40 && g[5] + g[6] > best) { best = g[5] + g[6]; found = g[5] " " g[6] " " g[1] " " g[2] }
        }
        END { print found }')
    [ -n "$button" ] || { give_up "xsm's Shutdown button was not found"; return 1; }
    read -r bx by bw bh <<<"$button"
    xdotool mousemove $((bx + bw / 2)) $((by + bh / 2)) mousedown 1
    if ! poll 5000 xsm_menu; then
        xdotool mouseup 1
        timed_out "xsm's Shutdown menu"
        return 1
    fi
    xdotool mousemove $((gx + gw / 2)) $((gy + gh * 3 / 4)) mouseup 1
}
# The menu, an override-redirect window just below the button: sets its geometry.
xsm_menu() {
    local id info
    for id in $(xwininfo -root -children 2>/dev/null | awk '/^ +0x[0-9a-f]+ / {print $1}'); do
        info=$(xwininfo -id "$id" 2>/dev/null)
        [[ $info == *'Override Redirect State: yes'* && $info == *IsViewable* ]] || continue
        geometry "$id"
        ((gx > bx - 40 && gx < bx + 40 && gy >= by + bh && gy < by + bh + 40 && gw > 40)) && return 0
    done
    return 1
}

# Case: a second start on the same folder. The running copy is behind another window; the
# second must end at once with status 0 and a line on standard error, bring the first copy's
# window to the front and touch none of the folder's files, not even a temporary file that may
# be the first copy's save under way. The first copy is left running for the next case.
second_copy() {
    local t0 other before status=0
    new_folder "$case_id-one-folder"
    shared=$dir
    start_game "$dir" "$out/$case_id-first" || return 1
    first=$game
    first_main=$main
    : >"$dir/.zarvelo-5e5e5e.tmp"
    xmessage -geometry +0+0 "another program" >/dev/null 2>&1 &
    other=$!
    started+=("$other")
    case_games+=("$other")
    poll 10000 xmessage_window || { timed_out "another program's window"; return 1; }
    timeout 10 xdotool windowactivate --sync "$found" >/dev/null 2>&1 || true
    poll 5000 is_active "$found" || { timed_out "another program's window to be active"; return 1; }
    before=$(snapshot "$dir")
    launch "$dir" "$out/$case_id-second"
    t0=$(now_ms)
    { poll 15000 gone "$game"; } 2>/dev/null ||
        { timed_out "the second copy to end (it still ran 15 s after its start)"; return 1; }
    wait "$game" 2>/dev/null || status=$?
    note+="the second copy ended after $(($(now_ms) - t0)) ms with status $status, saying: $(head -c 200 "$log.err" | tr '\n' ' '); "
    [ "$status" -eq 0 ] || { give_up "the second copy exited with status $status"; return 1; }
    [ -s "$log.err" ] || { give_up "the second copy said nothing on standard error"; return 1; }
    gone "$first" && { give_up "the first copy ended"; return 1; }
    poll 5000 is_active "$first_main" ||
        { give_up "the first copy's window was not brought to the front (active: $(active_window) \"$(xdotool getwindowname "$(($(active_window)))" 2>/dev/null)\")"; return 1; }
    [ "$(snapshot "$dir")" = "$before" ] ||
        { give_up "the second copy changed the folder: $(diff <(echo "$before") <(snapshot "$dir") | tr '\n' ' ')"; return 1; }
    stop "$other"
    keep=$first
}
xmessage_window() { found=$(xdotool search --onlyvisible --class Xmessage 2>/dev/null | head -1) && [ -n "$found" ]; }
snapshot() { (cd "$1" && find . -printf '%y %p\n' | sort && find . -type f -exec md5sum {} + | sort -k2); }

# Case: the running copy is killed (kill -9); the next start on the folder is not kept out by
# what it left. The copy started is left running for the next case.
killed_copy() {
    if [ -z "${first:-}" ] || gone "$first"; then
        new_folder "$case_id-one-folder"
        shared=$dir
        start_game "$dir" "$out/$case_id-first" || return 1
        first=$game
    fi
    dir=$shared
    kill_now "$first"
    gone "$first" || { timed_out "the killed copy to end"; return 1; }
    # What a kill during a save leaves, and names alike that are not the game's own.
    : >"$dir/.zarvelo-a1b2c3.tmp"
    : >"$dir/.zarvelo-a1b2.tmp"
    : >"$dir/zarvelo-a1b2c3.tmp"
    start_game "$dir" "$out/$case_id-after-kill" || return 1
    keep=$game
    restarted=$game
}

# Case: the start after the kill removed the killed copy's temporary files and no other file.
leftover_temp_files() {
    local t0
    dir=$shared
    game=${restarted:-}
    if [ -z "$game" ] || gone "$game"; then
        give_up "not judged: the game did not start after the kill"
        return 1
    fi
    case_games+=("$game")
    poll 5000 no_temp_files ||
        { give_up "left by a killed copy and still there after the next start: $(temp_files "$dir")"; return 1; }
    if [ ! -e "$dir/.zarvelo-a1b2.tmp" ] || [ ! -e "$dir/zarvelo-a1b2c3.tmp" ]; then
        give_up "a file not named as the game's temporary files was removed"
        return 1
    fi
    choose_quit || return 1
    t0=$(now_ms)
    await_end "ｹﾞｰﾑ > 終了 with nothing staked" "$t0"
}
no_temp_files() { [ -z "$(temp_files "$dir")" ]; }
# The game's temporary files in a folder: .zarvelo-, six hexadecimal digits, .tmp.
temp_files() {  # FOLDER
    local f
    for f in "$1"/.zarvelo-*.tmp; do
        [[ ${f##*/} =~ ^\.zarvelo-[0-9a-f]{6}\.tmp$ ]] && printf '%s ' "${f##*/}"
    done
}

results=()
failures=0
run() {  # LABEL FUNCTION [ARGS...]
    local label=$1 t0 pid
    shift
    case_id=$(printf 'case%02d' $((${#results[@]} + 1)))
    why='' note='' keep='' case_games=()
    echo "== $case_id: $label"
    t0=$(now_ms)
    if "$@"; then
        results+=("PASS  $case_id $label: ${note}the case took $(($(now_ms) - t0)) ms")
    else
        results+=("FAIL  $case_id $label: $why${note:+; $note}")
        echo "   $why"
        failures=$((failures + 1))
    fi
    # A game still running after its case is not let into the next.
    for pid in "${case_games[@]}"; do
        [ "$pid" = "$keep" ] || kill_now "$pid"
    done
}

start_display main || setup_failed
for kind in quit refusal save-error; do
    for signal in TERM HUP INT; do
        run "SIG$signal with the $kind box open" signal_with_box "$kind" "$signal"
    done
done
run "the X server ends with the quit box open" x_server_lost
for how in immediately checkpoint; do
    run "xsm: shutdown $how, 3 staked, no box open" session_shutdown "$how" none
    run "xsm: shutdown $how with the quit box open" session_shutdown "$how" quit
done
run "a second copy on the same folder" second_copy
run "a copy killed with kill -9 does not keep the next start out" killed_copy
run "temporary files left by the killed copy are removed at the next start" leftover_temp_files

echo
echo "== Summary (logs and screenshots in $out)"
printf '%s\n' "${results[@]}"
echo "$((${#results[@]} - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
