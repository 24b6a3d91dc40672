#!/usr/bin/env bash
# Starts the built program natively on a Wayland compositor (weston, headless) and checks, by the
# compositor's own screenshots, that the splash is painted during its wait and that the main
# window follows with the program's own title bar. Usage: start_under_weston.sh BIN_DIR OUTPUT_DIR
set -euo pipefail
bin=$1
out=$2
rm -rf "$out"
mkdir -p "$out"
work=$(mktemp -d)
trap 'kill "${game:-}" 2>/dev/null && wait "${game:-}" 2>/dev/null; kill "${damage:-}" "${weston:-}" 2>/dev/null || true; rm -rf "$work"' EXIT
cp "$bin/zarvelo" "$bin/libzarvelo_sound.so" "$bin"/*.wav "$work/"
export HOME="$work/home" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset DISPLAY

fail() { echo "weston e2e: $*" >&2; exit 1; }
socket=zarvelo-e2e
weston --backend=headless-backend.so --use-pixman --debug --socket=$socket --width=1024 \
    --height=768 --idle-time=0 >"$out/weston.log" 2>&1 &
weston=$!
for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/$socket" ] && break; sleep 0.05; done
[ -S "$XDG_RUNTIME_DIR/$socket" ] || { echo "weston e2e: skipped: weston did not start"; exit 0; }
export WAYLAND_DISPLAY=$socket

# A headless output repaints only on damage, and a screenshot waits for a repaint: a tiny client
# that damages every frame keeps them coming while the game blocks.
weston-simple-damage --width=32 --height=32 >/dev/null 2>&1 &
damage=$!
sleep 0.5
shoot() {  # a screenshot of the whole output, saved as OUTPUT_DIR/NAME.png

    :
    (cd "$work" && timeout 10 weston-screenshooter) || fail "no screenshot ($1)"
    mv "$(ls -t "$work"/wayland-screenshot-*.png | head -1)" "$out/$1.png"
}
# How many pixels of a screenshot differ from the empty desktop.
changed() { compare -fuzz 15% -metric AE "$out/desktop.png" "$out/$1.png" null: 2>&1 | cut -d' ' -f1 || true; }
shoot desktop

(cd "$work" && QT_QPA_PLATFORM=wayland exec ./zarvelo >"$out/game.log" 2>&1) &
game=$!
# The splash (462 x 303) must come on the screen, painted, before the main window follows it.
splash=0
for shot in $(seq 40); do
    shoot "splash-$shot"
    kill -0 "$game" 2>/dev/null || fail "the game ended during start-up: $(cat "$out/game.log")"
    black=$(convert "$out/splash-$shot.png" -fill white -opaque black -fill black +opaque white \
        -format '%[fx:mean*w*h]' info:)
    [ "${black%.*}" -gt $((427 * 310 / 2)) ] && break  # the main window is up
    splash=$(changed "splash-$shot")
    [ "$splash" -gt $((462 * 303 * 8 / 10)) ] && [ "$splash" -lt $((462 * 303 * 2)) ] && break
    sleep 0.05
done
[ "$splash" -gt $((462 * 303 * 8 / 10)) ] || fail "no painted splash came on the screen before the main window"

# Then the main window: a black table of 427 x 310 under our title bar and the menu bar.
sleep 2
shoot main
black=$(convert "$out/main.png" -fill white -opaque black -fill black +opaque white -format '%[fx:mean*w*h]' info:)
black=${black%.*}
[ "$black" -gt $((427 * 310 / 2)) ] || fail "no black table on the screen ($black black pixels)"
kill -0 "$game" 2>/dev/null || fail "the game ended: $(cat "$out/game.log")"
echo "weston e2e: splash painted ($splash pixels), main window shown ($black black pixels)"
