# Sourced by the end-to-end scripts: a work folder, and an X server, a session bus and a sound
# server of the script's own, each ended by its own process id (never by name), so that a script
# touches no display and no process it did not start. Waits end on an event or a time limit, never
# on a fixed sleep; a failure says what was awaited and where its screenshot is.
# The sourcing script sets e2e_name (for messages) and out (its output folder, made here) first.

e2e_pids=()
rm -rf "$out"
mkdir -p "$out"
work=$(mktemp -d)

# Ends what the script started, the last started first, by process id: politely, then for good.
e2e_end() {
    local i pid
    for ((i = ${#e2e_pids[@]} - 1; i >= 0; i--)); do
        pid=${e2e_pids[i]}
        kill "$pid" 2>/dev/null || continue
        for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
        kill -KILL "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap e2e_end EXIT

# Nothing of the user's session may be reached: not their buses, sound server or display.
unset DISPLAY WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS PULSE_SERVER \
    PULSE_RUNTIME_PATH PULSE_COOKIE SESSION_MANAGER
export HOME="$work/home" XDG_DATA_HOME="$work/home/data" XDG_CONFIG_HOME="$work/home/config" \
    XDG_CACHE_HOME="$work/home/cache" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

# A screenshot of the whole screen as OUT/NAME.png; scripts without an X server replace it.
e2e_screenshot() { [ -n "${DISPLAY:-}" ] && import -window root "$out/$1.png" 2>/dev/null; }

e2e_fail() {
    echo "$e2e_name: $*" >&2
    if e2e_screenshot failure; then echo "$e2e_name: the screen then: $out/failure.png" >&2; fi
    if [ -s "$out/game.log" ]; then
        echo "$e2e_name: the game's log ($out/game.log) ends:" >&2
        tail -n 20 "$out/game.log" >&2
    fi
    exit 1
}
# A command that fails where nothing else checks it ends the script through here, saying which.
e2e_error() {
    local status=$1 line=$2 command=$3
    [ "$BASHPID" = "$$" ] || return 0  # inside a substitution: its caller decides
    trap - ERR
    e2e_fail "line $line: '$command' failed with status $status"
}
set -E
trap 'e2e_error $? $LINENO "$BASH_COMMAND"' ERR

# e2e_within SECONDS COMMAND...: whether COMMAND succeeds within SECONDS, tried again and again.
e2e_within() {
    local end=$((SECONDS + $1))
    shift
    until "$@"; do
        [ "$SECONDS" -lt "$end" ] || return 1
        sleep 0.05
    done
}

# e2e_wait WHAT SECONDS COMMAND...: until COMMAND succeeds, at most SECONDS long.
e2e_wait() {
    local what=$1
    shift
    e2e_within "$@" || e2e_fail "gave up after $1 s waiting for $what"
}

# e2e_start NAME COMMAND...: runs COMMAND in the background, output in OUT/NAME.log, and records
# its process id in e2e_pid for the end.
e2e_start() {
    local name=$1
    shift
    "$@" >"$out/$name.log" 2>&1 &
    e2e_pid=$!
    e2e_pids+=("$e2e_pid")
}

# A session bus of the script's own.
e2e_bus() {
    dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$work/bus-address" \
        2>"$out/dbus.log" &
    e2e_pids+=($!)
    e2e_wait "the session bus to give its address" 30 test -s "$work/bus-address"
    DBUS_SESSION_BUS_ADDRESS=$(head -1 "$work/bus-address")
    export DBUS_SESSION_BUS_ADDRESS
}

# An X server on a display it finds free itself (-displayfd), named in DISPLAY once it answers.
# Without -noreset it would start afresh whenever its last client left (a probe such as xdpyinfo
# or xsetroot), refusing whoever connects meanwhile and forgetting the desktop's colour.
e2e_xvfb() {
    Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" \
        >"$out/xvfb.log" 2>&1 &
    e2e_pids+=($!)
    e2e_wait "Xvfb to name the display it took (see $out/xvfb.log)" 60 test -s "$work/display"
    export DISPLAY=":$(head -1 "$work/display")"
}

# openbox as the window manager, once it frames windows. A window mapped while openbox starts up
# can be lost for good: first openbox says on the root window that it runs, then a probe window
# must get its frame.
e2e_wm_running() { [[ $(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null) == *"window id"* ]]; }
e2e_probe_framed() {
    local id
    id=$(xdotool search --onlyvisible --name '^zarvelo-probe$' 2>/dev/null | head -1) || return 1
    # Whole outputs are read: grep -q would end a pipe early, and pipefail count that.
    [ -n "$id" ] && [[ $(xprop -id "$id" _NET_FRAME_EXTENTS 2>/dev/null) == *=* ]]
}
e2e_openbox() {
    local attempt probe
    e2e_start openbox openbox --sm-disable
    e2e_wait "openbox to announce itself on the root window" 60 e2e_wm_running
    # A probe mapped at a bad moment of openbox's start-up is never framed: another one is.
    for attempt in 1 2 3 4 5 6; do
        [ "$attempt" -lt 6 ] || e2e_fail "openbox framed none of five probe windows"
        xmessage -title zarvelo-probe -geometry +0+0 probe >"$out/probe.log" 2>&1 &
        probe=$!
        e2e_pids+=("$probe")
        e2e_within 10 e2e_probe_framed && break
        echo "$e2e_name: openbox did not frame probe window $attempt within 10 s"
        kill "$probe"
    done
    kill "$probe"
}

# The launcher of the accessibility bus (its path in LAUNCHER) on the session bus; PYTHON has the
# GObject bindings. Fails where the bus does not come up: then it cannot start here.
e2e_a11y_bus() {
    local launcher=$1
    e2e_a11y_python=$2
    e2e_start at-spi "$launcher" --launch-immediately
    e2e_a11y_launcher=$e2e_pid
    e2e_wait "the accessibility bus (see $out/at-spi.log)" 60 e2e_a11y_up
    e2e_a11y_address >/dev/null 2>&1
}
e2e_a11y_address() {
    "$e2e_a11y_python" - <<'EOF'
import sys
from gi.repository import Gio, GLib
try:
    bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    reply = bus.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress", None,
                          GLib.VariantType("(s)"), Gio.DBusCallFlags.NO_AUTO_START, 2000, None)
except GLib.Error:
    sys.exit(1)
print(reply.unpack()[0])
EOF
}
# The bus answers, or its launcher gives up.
e2e_a11y_up() { e2e_a11y_address >/dev/null 2>&1 || ! kill -0 "$e2e_a11y_launcher" 2>/dev/null; }

# A sound server with a null sink called SINK as its only output, and a silent stream into it, so
# that a recording of the sink keeps real time between sounds.
e2e_sound_server() {
    local sink=$1
    e2e_start pulse pulseaudio --daemonize=no --exit-idle-time=-1 --disallow-exit -n \
        --load="module-null-sink sink_name=$sink" --load="module-native-protocol-unix"
    e2e_wait "the sound server to answer (see $out/pulse.log)" 60 pactl info >/dev/null 2>&1
    pactl set-default-sink "$sink"
    pacat --raw --rate=44100 --channels=2 --format=s16le </dev/zero >/dev/null 2>&1 &
    e2e_pids+=($!)
}

# Records SINK into OUT/NAME.raw (44.1 kHz, 16-bit, mono) until the end of the script.
e2e_record() {
    local sink=$1 name=$2
    parec --device="$sink.monitor" --rate=44100 --channels=1 --format=s16le --latency-msec=20 \
        >"$out/$name.raw" 2>"$out/$name.log" &
    e2e_pids+=($!)
}
e2e_raw() { echo -t raw -r 44100 -e signed -b 16 -c 1; }

# Seconds between the first and the last sound of a recording (wav or raw from a byte offset).
e2e_sounding() {
    sox "$@" -n remix 1 silence 1 0.002 0.3% reverse silence 1 0.002 0.3% reverse stat 2>&1 |
        awk '/Length/ {print $3}'
}

# e2e_heard WAVE RECORDING OFFSET: whether the recording, from byte OFFSET on, holds a sound as
# long as WAVE's, with the last 0.3 s silent again (the sound is over). Prints what it measured.
e2e_heard() {
    local wave=$1 recording=$2 offset=$3 want got peak last piece="$work/heard.raw"
    tail -c +"$((offset + 1))" "$recording" >"$piece"
    [ "$(stat -c %s "$piece")" -gt 44100 ] || return 1
    want=$(e2e_sounding "$wave")
    got=$(e2e_sounding $(e2e_raw) "$piece")
    peak=$(sox $(e2e_raw) "$piece" -n stat 2>&1 | awk '/Maximum amplitude/ {print $3}')
    # The end: nothing above the silence threshold in the last 0.3 s.
    last=$(sox $(e2e_raw) "$piece" -n trim -0.3 stat 2>&1 | awk '/Maximum amplitude/ {print $3}')
    e2e_heard_line="sounded ${got:-0} s of ${want} s, peak ${peak:-0}"
    awk -v g="${got:-0}" -v w="$want" -v p="${peak:-0}" -v l="${last:-1}" \
        'BEGIN {exit !(g > 0.8 * w && p > 0.05 && l < 0.003)}'
}
