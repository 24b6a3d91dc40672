#!/usr/bin/env bash
# Plays two games of the built program in a real X server, as a user would, with the mouse and
# the keyboard, and checks what the screen shows and the files it leaves.
# Usage: play_under_xvfb.sh BIN_DIR OUTPUT_DIR [none|openbox]
set -euo pipefail
bin=$1
out=$2
wm=${3:-none}
rm -rf "$out"
mkdir -p "$out"
work=$(mktemp -d)
trap 'kill "${game:-}" 2>/dev/null && wait "${game:-}" 2>/dev/null; kill "${wmpid:-}" "$xvfb" 2>/dev/null || true; pulseaudio --kill 2>/dev/null || true; rm -rf "$work"' EXIT

# An empty program directory of the game's own, so its data files start from nothing.
cp "$bin/zarvelo" "$bin/libzarvelo_sound.so" "$bin"/*.wav "$work/"
export HOME="$work/home" XDG_DATA_HOME="$work/home/data" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
# A sound server, as on a desktop, so the game's sounds really play while it is driven and quit.
if command -v pulseaudio >/dev/null; then
    pulseaudio --daemonize=yes --exit-idle-time=-1 -n --load="module-null-sink sink_name=e2e" \
        --load="module-native-protocol-unix" 2>/dev/null || true
fi

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >"$out/xvfb.log" 2>&1 &
xvfb=$!
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
export QT_QPA_PLATFORM=xcb
# A desktop colour nothing of the game uses, so an unpainted window shows up as that or black.
xsetroot -solid '#ff00ff'
if [ "$wm" = openbox ]; then
    openbox --sm-disable >"$out/openbox.log" 2>&1 &
    wmpid=$!
    # Ready once it frames a window of its own: a probe window gets its frame extents.
    xmessage -geometry +0+0 probe >/dev/null 2>&1 &
    probe=$!
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --pid "$probe" 2>/dev/null | head -1 || true)
        [ -n "$id" ] && xprop -id "$id" _NET_FRAME_EXTENTS 2>/dev/null | grep -q = && break
        sleep 0.1
    done
    kill "$probe"
fi

fail() { echo "e2e: $*" >&2; shot failure; exit 1; }
shot() { import -window root "$out/$1.png" 2>/dev/null || true; }
pixel() {  # colour of a screen pixel as "r,g,b"
    import -window root -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null |
        sed -n '2s/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p'
}

(cd "$work" && ZARVELO_TRACE=1 exec ./zarvelo >"$out/game.log" 2>&1) &
game=$!

splash=
for _ in $(seq 1000); do
    splash=$(xdotool search --onlyvisible --pid "$game" 2>/dev/null | head -1 || true)
    [ -n "$splash" ] && break
    sleep 0.02
done
[ -n "$splash" ] || fail "no window appeared"
viewable() { xwininfo -id "$1" 2>/dev/null | grep -q 'IsViewable'; }
# Client area of a window on the screen, as X Y WIDTH HEIGHT (a window manager reparents it).
area() { xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
    /^ *Width/ {w=$NF} /^ *Height/ {h=$NF} END {print "X=" x " Y=" y " WIDTH=" w " HEIGHT=" h}'; }
# The splash must show its picture through its whole wait, not the desktop or black behind it.
eval "$(area "$splash")"
checked=0
for moment in 100 700; do
    sleep 0.$((moment == 100 ? 1 : 6))
    import -window root -crop "${WIDTH}x${HEIGHT}+$X+$Y" "$out/01-splash-$moment.png" 2>/dev/null
    viewable "$splash" || break  # the wait was over before the picture was taken
    unpainted=$(convert "$out/01-splash-$moment.png" -fill '#ff00ff' -opaque black \
        -fill black +opaque '#ff00ff' -fill white -opaque '#ff00ff' -format '%[fx:mean]' info:)
    awk -v u="$unpainted" 'BEGIN {exit !(u < 0.2)}' ||
        fail "the splash is not painted $moment ms after it was mapped ($unpainted of it is blank)"
    checked=$((checked + 1))
done
[ "$checked" -gt 0 ] || fail "the splash was gone within 100 ms"
main=$(timeout 20 xdotool search --sync --onlyvisible --name '^Zarvelo\(NewPlayer\)$' | head -1) ||
    fail "the main window titled Zarvelo(NewPlayer) did not appear"
[ "$main" != "$splash" ] || fail "the splash has the main window's title"
sleep 0.5
eval "$(area "$main")"
[ "$WIDTH" -eq 427 ] || fail "client width $WIDTH, not 427"
menu=$((HEIGHT - 310))
[ "$menu" -gt 10 ] && [ "$menu" -lt 60 ] || fail "client height $HEIGHT leaves no room for a 310-pixel table"
wx=$X
wy=$((Y + menu))  # top left of the table
shot 02-main
[ "$(pixel $((wx + 200)) $((wy + 150)))" = "0,0,0" ] || fail "the table is not black"
[ "$(pixel $((wx + 200)) $((wy - menu / 2)))" != "0,0,0" ] || fail "no menu bar above the table"

click() { xdotool mousemove "$((wx + $1))" "$((wy + $2))" click 1; sleep 0.15; }
betVisible() { [ "$(pixel $((wx + 320)) $((wy + 288)))" != "0,0,0" ]; }

key() { xdotool key "$@"; sleep 0.15; }
crop() { import -window root -crop "$3x$4+$((wx + $1))+$((wy + $2))" "$out/$5.png" 2>/dev/null; }
same() { [ "$(compare -metric AE "$out/$1.png" "$out/$2.png" null: 2>&1)" = 0 ]; }
xdotool windowactivate --sync "$main" 2>/dev/null || xdotool windowfocus --sync "$main"

click 320 288  # "1 Bet"
click 376 288  # "Start"
sleep 0.3
betVisible && fail "the buttons did not disappear when the game started"
shot 03-dealt

# Plays the running game to its end: keys 1 to 5 in turn, or clicks on the slots.
play() {
    local how=$1 round
    for round in $(seq 400); do
        slot=$(((round - 1) % 5 + 1))
        if [ "$how" = keys ]; then key "$slot"; else click $((7 + 85 * (slot - 1) + 35)) 215; fi
        # A cleared stage shows a message box; OK goes on with the next deck.
        if box=$(xdotool search --onlyvisible --name '^Zarvelo\?$' 2>/dev/null | head -1); then
            [ -n "$box" ] && { shot 04-stage-clear; xdotool key --window "$box" Return; sleep 0.3; }
        fi
        if betVisible; then rounds=$round; return 0; fi
    done
    fail "the game did not end ($how)"
}

crop 177 7 71 96 current-before
key 1
crop 177 7 71 96 current-after
same current-before current-after && fail "key 1 did not take the card of slot 1"
shot 04-first-pick
play keys
shot 05-game-over

# Enter after a game over repeats the bet; during the game it starts, Enter changes nothing.
key Return
sleep 0.3
betVisible && fail "Enter after the game over did not start a game"
shot 06-repeated
crop 177 7 71 96 current-1
crop 56 136 41 17 credit-1
for _ in 1 2 3; do key Return; done
key KP_Enter
sleep 0.3
crop 177 7 71 96 current-2
crop 56 136 41 17 credit-2
same current-1 current-2 || fail "Enter during a game changed the current card"
same credit-1 credit-2 || fail "Enter during a game changed the credit"
betVisible && fail "Enter during a game brought the buttons back"
play clicks
round=$rounds
shot 07-game-over

# Quit through the menu: the first menu, then its only item.
xdotool mousemove "$((wx + 20))" "$((wy - menu / 2))" click 1
sleep 0.4
shot 06-menu
xdotool mousemove "$((wx + 30))" "$((wy + 12))" click 1
for _ in $(seq 50); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
kill -0 "$game" 2>/dev/null && fail "the game did not quit from the menu"
wait "$game" || fail "the game exited with an error"

today=$(date +%Y-%m-%d)
for f in NewPlayer.dat default.dat Ranking.dat; do [ -f "$work/$f" ] || fail "$f was not written"; done
line=$(cat "$work/NewPlayer.dat")
printf '%s' "$line" | grep -Eq $'^"NewPlayer",[0-9]+,0,3\r$' || fail "unexpected player line: $line"
cmp -s "$work/NewPlayer.dat" "$work/default.dat" || fail "default.dat differs from NewPlayer.dat"
[ "$(wc -l <"$work/Ranking.dat")" -eq 5 ] || fail "Ranking.dat does not have five lines"
[ "$(tr -cd '\r' <"$work/Ranking.dat" | wc -c)" -eq 5 ] || fail "Ranking.dat lines do not end in CR LF"
head -1 "$work/Ranking.dat" | grep -Eq $'^[1-9][0-9]*,1,[1-9][0-9]*,"NewPlayer",#'"$today"$'#\r$' ||
    fail "the game is not first in the ranking: $(head -1 "$work/Ranking.dat")"
tail -n 4 "$work/Ranking.dat" | grep -Evq $'^[0-9]+,[0-9]+,[0-9]+,"[^"]*",#[0-9]{4}-[0-9]{2}-[0-9]{2}#\r$' &&
    fail "a ranking line is malformed"
iconv -f CP932 -t UTF-8 "$work/Ranking.dat" >/dev/null || fail "Ranking.dat is not in code page 932"
cp "$work"/*.dat "$out/"
echo "e2e ($wm): played two games; credit line: $line"
