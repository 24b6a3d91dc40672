#!/usr/bin/env bash
# Starts the built program natively on a Wayland compositor (weston, headless) and checks, by the
# compositor's own screenshots, that the splash is painted during its wait and that the main
# window follows with the program's own title bar. Usage: start_under_weston.sh BIN_DIR OUTPUT_DIR
set -euo pipefail
bin=$1
out=$2
e2e_name="weston e2e"
# shellcheck source=session.sh
. "$(dirname "$0")/session.sh"
cp "$bin/zarvelo" "$bin/libzarvelo_sound.so" "$bin"/*.wav "$work/"

# Screenshots come from the compositor; the newest one it wrote becomes OUT/NAME.png.
e2e_screenshot() {
    rm -f "$work"/wayland-screenshot-*.png
    (cd "$work" && timeout 20 weston-screenshooter) >/dev/null 2>&1 || return 1
    mv "$(ls -t "$work"/wayland-screenshot-*.png | head -1)" "$out/$1.png"
}
shoot() { e2e_screenshot "$1" || e2e_fail "weston gave no screenshot ($1)"; }

e2e_bus
# A desktop of one colour that nothing of the game uses, drawn at once: no background picture
# that the shell loads when it gets to it, and no panel.
cat >"$work/weston.ini" <<'EOF'
[shell]
background-image=/nonexistent
background-color=0xffff00ff
panel-position=none
EOF
socket=zarvelo-e2e
e2e_start weston weston --backend=headless-backend.so --use-pixman --debug --socket=$socket \
    --width=1024 --height=768 --idle-time=0 --config="$work/weston.ini"
e2e_wait "weston's socket $XDG_RUNTIME_DIR/$socket (see $out/weston.log)" 60 \
    test -S "$XDG_RUNTIME_DIR/$socket"
export WAYLAND_DISPLAY=$socket

# A headless output repaints only on damage, and a screenshot waits for a repaint: a tiny client
# that damages every frame keeps them coming while the game blocks.
e2e_start damage weston-simple-damage --width=32 --height=32

# How many pixels of a screenshot differ from the empty desktop.
changed() { compare -fuzz 15% -metric AE "$out/desktop.png" "$out/$1.png" null: 2>&1 | cut -d' ' -f1 || true; }
blackPixels() {
    local n
    n=$(convert "$out/$1.png" -fill white -opaque black -fill black +opaque white -format '%[fx:mean*w*h]' info:)
    echo "${n%.*}"
}
# The desktop shell has painted the desktop: nearly all of the screen is its colour.
desktop() {
    local n
    e2e_screenshot desktop || return 1
    n=$(convert "$out/desktop.png" -fill black +opaque '#ff00ff' -fill white -opaque '#ff00ff' \
        -format '%[fx:mean*w*h]' info:)
    [ "${n%.*}" -gt $((1024 * 768 * 9 / 10)) ]
}
e2e_wait "the desktop's colour in a screenshot" 60 desktop
traced() { grep -qs "^zarvelo-trace $1 " "$out/game.log"; }

(cd "$work" && QT_QPA_PLATFORM=wayland ZARVELO_TRACE=1 exec ./zarvelo >"$out/game.log" 2>&1) &
game=$!
e2e_pids+=("$game")
# The splash (462 x 303) must be on the screen, painted, during its wait: the game says when the
# wait begins and ends, and each screenshot taken between the two is judged.
e2e_wait "the splash on screen (the game's trace of it)" 60 traced splash
splash=0
judged=0
for shot in 1 2 3; do
    shoot "splash-$shot"
    traced wait-over && break  # taken after the wait
    splash=$(changed "splash-$shot")
    [ "$splash" -gt $((462 * 303 * 8 / 10)) ] && [ "$splash" -lt $((462 * 303 * 2)) ] ||
        e2e_fail "the splash is not on the screen during its wait ($splash pixels changed)"
    judged=$((judged + 1))
done
# On a machine so busy that no screenshot fell within the wait, there is nothing to judge.
[ "$judged" -gt 0 ] || echo "$e2e_name: no screenshot fell within the splash's wait"

# Then the main window: a black table of 427 x 310 under our title bar and the menu bar.
e2e_wait "the game's trace of the main window painted" 60 traced main
table() { shoot main && [ "$(blackPixels main)" -gt $((427 * 310 / 2)) ]; }
e2e_wait "a black table of 427 x 310 on the screen" 60 table
kill -0 "$game" 2>/dev/null || e2e_fail "the game ended"
echo "$e2e_name: splash painted in $judged screenshots ($splash pixels), main window shown ($(blackPixels main) black pixels)"
