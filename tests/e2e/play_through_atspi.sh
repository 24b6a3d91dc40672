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

e2e_name="e2e (AT-SPI)"
# shellcheck source=session.sh
. "$here/session.sh"

# An empty program directory of the game's own, so its data files start from nothing.
cp "$bin/zarvelo" "$bin/libzarvelo_sound.so" "$bin"/*.wav "$work/"

# A session bus, and on it the launcher of the accessibility bus.
e2e_bus
e2e_a11y_bus "$launcher" "$python" || skip "the accessibility bus did not start (see $out/at-spi.log)"

e2e_xvfb

# The game exposes itself on the accessibility bus whether or not a screen reader runs.
(cd "$work" && QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 exec ./zarvelo \
    >"$out/game.log" 2>&1) &
game=$!
e2e_pids+=("$game")

status=0
"$python" "$here/atspi_player.py" "$work" --tree "$out/tree.txt" || status=$?
if [ -f "$out/tree.txt" ]; then
    echo "== The accessible tree after the first card was taken"
    cat "$out/tree.txt"
fi
[ "$status" -eq 0 ] || e2e_fail "the game was not played through to its end (the player says why above)"

# Quit through the menu ends the program, and well.
ended() { ! kill -0 "$game" 2>/dev/null; }
e2e_wait "the game to quit from the menu" 60 ended
wait "$game" || e2e_fail "the game exited with an error"
cp "$work"/*.dat "$out/"
