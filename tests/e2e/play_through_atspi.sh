#!/usr/bin/env bash
# Plays one game of the built program through the accessibility bus alone, as a screen reader's
# user would: in Xvfb, with a session bus and an accessibility bus of its own. Leaves the
# accessible tree seen during the game in OUTPUT_DIR/tree.txt.
# Usage: play_through_atspi.sh BIN_DIR OUTPUT_DIR
# Exits 77 (skipped) where python3-pyatspi is missing or the buses cannot start.
set -euo pipefail
bin=$1
out=$2
here=$(cd "$(dirname "$0")" && pwd)
skip() {
    echo "e2e (AT-SPI): skipped: $*"
    exit 77
}

python=
for candidate in python3 /usr/bin/python3; do
    if command -v "$candidate" >/dev/null && "$candidate" -c 'import pyatspi' 2>/dev/null; then
        python=$candidate
        break
    fi
done
[ -n "$python" ] || skip "python3-pyatspi is not installed"
launcher=
for candidate in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
    [ -x "$candidate" ] && launcher=$candidate && break
done
[ -n "$launcher" ] || skip "at-spi2-core (at-spi-bus-launcher) is not installed"
command -v dbus-daemon >/dev/null || skip "dbus-daemon is not installed"

rm -rf "$out"
mkdir -p "$out"
work=$(mktemp -d)
# Everything started here is ended by its own process id: the launcher takes the accessibility
# bus with it, and the registry leaves with the session bus.
cleanup() {
    for pid in "${game:-}" "${launcherpid:-}" "${xvfb:-}" "${bus:-}"; do
        if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; fi
    done
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# An empty program directory of the game's own, so its data files start from nothing.
cp "$bin/zarvelo" "$bin/libzarvelo_sound.so" "$bin"/*.wav "$work/"
export HOME="$work/home" XDG_DATA_HOME="$work/home/data" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

# A session bus, and on it the launcher of the accessibility bus.
dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$work/bus-address" \
    2>"$out/dbus.log" &
bus=$!
for _ in $(seq 100); do [ -s "$work/bus-address" ] && break; sleep 0.05; done
[ -s "$work/bus-address" ] || skip "the session bus did not start (see $out/dbus.log)"
DBUS_SESSION_BUS_ADDRESS=$(head -1 "$work/bus-address")
export DBUS_SESSION_BUS_ADDRESS
unset AT_SPI_BUS_ADDRESS
"$launcher" --launch-immediately >"$out/at-spi.log" 2>&1 &
launcherpid=$!
a11y_bus() {
    "$python" - <<'EOF'
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
address=
for _ in $(seq 100); do
    address=$(a11y_bus 2>/dev/null) && [ -n "$address" ] && break
    kill -0 "$launcherpid" 2>/dev/null || break
    sleep 0.1
done
[ -n "$address" ] || skip "the accessibility bus did not start (see $out/at-spi.log)"

# An X server on a display nobody uses.
xvfb=
for display in $(shuf -i 57-199); do
    [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ] && continue
    Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >"$out/xvfb.log" 2>&1 &
    xvfb=$!
    for _ in $(seq 100); do
        DISPLAY=":$display" xdpyinfo >/dev/null 2>&1 && break
        kill -0 "$xvfb" 2>/dev/null || break
        sleep 0.05
    done
    if DISPLAY=":$display" xdpyinfo >/dev/null 2>&1; then
        export DISPLAY=":$display"
        break
    fi
    kill "$xvfb" 2>/dev/null || true
    xvfb=
done
[ -n "$xvfb" ] || { echo "e2e (AT-SPI): no X server could start" >&2; exit 1; }

# The game exposes itself on the accessibility bus whether or not a screen reader runs.
(cd "$work" && QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 exec ./zarvelo \
    >"$out/game.log" 2>&1) &
game=$!

status=0
"$python" "$here/atspi_player.py" "$work" --tree "$out/tree.txt" || status=$?
if [ -f "$out/tree.txt" ]; then
    echo "== The accessible tree after the first card was taken"
    cat "$out/tree.txt"
fi
[ "$status" -eq 0 ] || { echo "e2e (AT-SPI): the game's log:" >&2; cat "$out/game.log" >&2; exit 1; }

# Quit through the menu ends the program, and well.
for _ in $(seq 100); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
kill -0 "$game" 2>/dev/null && { echo "e2e (AT-SPI): the game did not quit from the menu" >&2; exit 1; }
wait "$game" || { echo "e2e (AT-SPI): the game exited with an error" >&2; exit 1; }
game=
cp "$work"/*.dat "$out/"
