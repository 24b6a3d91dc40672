#!/usr/bin/env bash
# Plays two games of the game in a real X server, as a user would, with the mouse and the keyboard,
# and checks what the screen shows, what the sound server plays and the files the game leaves.
# Usage: play_under_xvfb.sh BIN_DIR|--installed OUTPUT_DIR [none|openbox]
# BIN_DIR is a build's bin folder, whose program runs from an empty copy; --installed plays the
# installed /usr/games/zarvelo, which keeps its data in the user's data folder.
set -euo pipefail
bin=$1
out=$2
wm=${3:-none}
e2e_name="e2e ($wm)"
# shellcheck source=session.sh
. "$(dirname "$0")/session.sh"

if [ "$bin" = --installed ]; then
    program=/usr/games/zarvelo
    sounds=$(dirname "$(readlink -f "$program")")
    data=$XDG_DATA_HOME/zarvelo
    run=$work
else
    # An empty program directory of the game's own, so its data files start from nothing.
    cp "$bin/zarvelo" "$bin/libzarvelo_sound.so" "$bin"/*.wav "$work/"
    program=./zarvelo
    sounds=$work
    data=$work
    run=$work
fi

e2e_bus
# A sound server, as on a desktop, whose output is recorded: the game must really sound.
e2e_sound_server e2e
e2e_record e2e sound
e2e_xvfb
export QT_QPA_PLATFORM=xcb
# A desktop colour nothing of the game uses, so an unpainted window shows up as that or black.
xsetroot -solid '#ff00ff'
[ "$wm" != openbox ] || e2e_openbox

fail() { e2e_fail "$@"; }
shot() { import -window root "$out/$1.png" 2>/dev/null || true; }
pixel() {  # colour of a screen pixel as "r,g,b"
    import -window root -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null |
        sed -n '2s/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p'
}
traced() { grep -qs "^zarvelo-trace $1 " "$out/game.log"; }
moment() { sed -n "s/^zarvelo-trace $1 //p" "$out/game.log"; }
# heard WAVE: the sound server played WAVE since the recording's byte offset in `since`.
heard() { e2e_heard "$sounds/$1" "$out/sound.raw" "$since"; }
recorded() { stat -c %s "$out/sound.raw"; }

since=$(recorded)
(cd "$run" && ZARVELO_TRACE=1 exec "$program" >"$out/game.log" 2>&1) &
game=$!
e2e_pids+=("$game")

splash=
window() { splash=$(xdotool search --onlyvisible --pid "$game" 2>/dev/null | head -1) && [ -n "$splash" ]; }
e2e_wait "the game's first window" 60 window
viewable() { [[ $(xwininfo -id "$1" 2>/dev/null) == *IsViewable* ]]; }
# Client area of a window on the screen, as X Y WIDTH HEIGHT (a window manager reparents it).
area() { xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
    /^ *Width/ {w=$NF} /^ *Height/ {h=$NF} END {print "X=" x " Y=" y " WIDTH=" w " HEIGHT=" h}'; }
# The splash must show its picture through its whole wait, not the desktop or black behind it:
# the game says when the splash is on screen and when the wait is over, and each picture taken
# between the two is judged.
e2e_wait "the splash on screen (the game's trace of it)" 60 traced splash
eval "$(area "$splash")"
checked=0
for moment in 0 600; do
    [ "$moment" -eq 0 ] || sleep 0.6
    import -window root -crop "${WIDTH}x${HEIGHT}+$X+$Y" "$out/01-splash-$moment.png" 2>/dev/null
    traced wait-over && break  # the wait was over before the picture was taken
    unpainted=$(convert "$out/01-splash-$moment.png" -fill '#ff00ff' -opaque black \
        -fill black +opaque '#ff00ff' -fill white -opaque '#ff00ff' -format '%[fx:mean]' info:)
    awk -v u="$unpainted" 'BEGIN {exit !(u < 0.2)}' ||
        fail "the splash is not painted $moment ms into its wait ($unpainted of it is blank)"
    checked=$((checked + 1))
done
e2e_wait "the end of the splash's wait (the game's trace of it)" 60 traced wait-over
waited=$((($(moment wait-over) - $(moment splash)) / 1000000))
[ "$waited" -ge 1300 ] || fail "the splash's wait lasted $waited ms"
# On a machine so busy that no picture fell within the wait, the timing above is all there is.
[ "$checked" -gt 0 ] || echo "$e2e_name: no picture of the splash fell within its wait of $waited ms"

mainwindow() {
    main=$(xdotool search --onlyvisible --name '^Zarvelo\?\(NewPlayer\)$' 2>/dev/null | head -1) &&
        [ -n "$main" ]
}
e2e_wait "the main window titled Zarvelo?(NewPlayer)" 60 mainwindow
[ "$main" != "$splash" ] || fail "the splash has the main window's title"
e2e_wait "the game's trace of the main window painted" 60 traced main
eval "$(area "$main")"
[ "$WIDTH" -eq 427 ] || fail "client width $WIDTH, not 427"
menu=$((HEIGHT - 310))
[ "$menu" -gt 10 ] && [ "$menu" -lt 60 ] || fail "client height $HEIGHT leaves no room for a 310-pixel table"
wx=$X
wy=$((Y + menu))  # top left of the table
black() { [ "$(pixel $((wx + 200)) $((wy + 150)))" = "0,0,0" ]; }
e2e_wait "a black table" 30 black
shot 02-main
[ "$(pixel $((wx + 200)) $((wy - menu / 2)))" != "0,0,0" ] || fail "no menu bar above the table"

# The start-up chime, whole, before anything else sounded.
e2e_wait "the start-up chime (Chime_2.wav) in the sound server's output, $out/sound.raw" 60 \
    heard Chime_2.wav
echo "$e2e_name: start-up chime $e2e_heard_line"

click() { xdotool mousemove "$((wx + $1))" "$((wy + $2))" click 1; }
betVisible() { [ "$(pixel $((wx + 320)) $((wy + 288)))" != "0,0,0" ]; }
betGone() { ! betVisible; }
key() { xdotool key "$@"; }
crop() { import -window root -crop "$3x$4+$((wx + $1))+$((wy + $2))" "$out/$5.png" 2>/dev/null; }
same() { [ "$(compare -metric AE "$out/$1.png" "$out/$2.png" null: 2>&1)" = 0 ]; }
# The current card differs from the picture NAME.
cardChanged() { crop 177 7 71 96 current-now && ! same "$1" current-now; }
# A menu of the game is open: a window of its own besides the main window.
popup() {
    local id
    for id in $(xdotool search --onlyvisible --pid "$game" 2>/dev/null); do
        [ "$id" != "$main" ] && return 0
    done
    return 1
}
menuOpen() {
    xdotool mousemove "$((wx + 20))" "$((wy - menu / 2))" click 1
    e2e_wait "the first menu to open" 30 popup
}
menuClosed() {
    xdotool key Escape
    e2e_wait "the menu to close" 30 eval '! popup'
}
xdotool windowactivate --sync "$main" 2>/dev/null || xdotool windowfocus --sync "$main"

since=$(recorded)
click 320 288  # "1 Bet"
e2e_wait "the stake's sound (keybd1.wav) in the sound server's output, $out/sound.raw" 60 \
    heard keybd1.wav
echo "$e2e_name: stake's sound $e2e_heard_line"
click 376 288  # "Start"
e2e_wait "the buttons to go when the game started" 30 betGone
shot 03-dealt

# Plays the running game to its end: keys 1 to 5 in turn, or clicks on the slots. Picks may run
# ahead of the game: the window takes them in order, and after the end they change nothing.
play() {
    local how=$1 round
    for round in $(seq 400); do
        slot=$(((round - 1) % 5 + 1))
        if [ "$how" = keys ]; then key "$slot"; else click $((7 + 85 * (slot - 1) + 35)) 215; fi
        # A cleared stage shows a message box; OK goes on with the next deck.
        if box=$(xdotool search --onlyvisible --name '^Zarvelo\?$' 2>/dev/null | head -1); then
            if [ -n "$box" ]; then
                shot 04-stage-clear
                xdotool key --window "$box" Return
                e2e_wait "the stage-clear box to close" 30 eval '! viewable "$box"'
            fi
        fi
        if betVisible; then return 0; fi
    done
    fail "the game did not end ($how)"
}

crop 177 7 71 96 current-before
key 1
e2e_wait "key 1 to take the card of slot 1" 30 cardChanged current-before
shot 04-first-pick
play keys
shot 05-game-over

# Enter after a game over repeats the bet; during the game it starts, Enter changes nothing.
key Return
e2e_wait "Enter after the game over to start a game" 30 betGone
shot 06-repeated
crop 177 7 71 96 current-1
crop 56 136 41 17 credit-1
for _ in 1 2 3; do key Return; done
key KP_Enter
# The window takes input in order: once the menu has opened and closed again, the Enters before
# it have been handled.
menuOpen
menuClosed
crop 177 7 71 96 current-2
crop 56 136 41 17 credit-2
same current-1 current-2 || fail "Enter during a game changed the current card"
same credit-1 credit-2 || fail "Enter during a game changed the credit"
betVisible && fail "Enter during a game brought the buttons back"
play clicks
shot 07-game-over

# Quit through the menu: the first menu, then its only item.
menuOpen
shot 06-menu
xdotool mousemove "$((wx + 30))" "$((wy + 12))" click 1
ended() { ! kill -0 "$game" 2>/dev/null; }
e2e_wait "the game to quit from the menu" 60 ended
wait "$game" || fail "the game exited with an error"

today=$(date +%Y-%m-%d)
for f in NewPlayer.dat default.dat Ranking.dat; do [ -f "$data/$f" ] || fail "$f was not written in $data"; done
line=$(cat "$data/NewPlayer.dat")
printf '%s' "$line" | grep -Eq $'^"NewPlayer",[0-9]+,0,3\r$' || fail "unexpected player line: $line"
cmp -s "$data/NewPlayer.dat" "$data/default.dat" || fail "default.dat differs from NewPlayer.dat"
[ "$(wc -l <"$data/Ranking.dat")" -eq 5 ] || fail "Ranking.dat does not have five lines"
[ "$(tr -cd '\r' <"$data/Ranking.dat" | wc -c)" -eq 5 ] || fail "Ranking.dat lines do not end in CR LF"
head -1 "$data/Ranking.dat" | grep -Eq $'^[1-9][0-9]*,1,[1-9][0-9]*,"NewPlayer",#'"$today"$'#\r$' ||
    fail "the game is not first in the ranking: $(head -1 "$data/Ranking.dat")"
tail -n 4 "$data/Ranking.dat" | grep -Evq $'^[0-9]+,[0-9]+,[0-9]+,"[^"]*",#[0-9]{4}-[0-9]{2}-[0-9]{2}#\r$' &&
    fail "a ranking line is malformed"
iconv -f CP932 -t UTF-8 "$data/Ranking.dat" >/dev/null || fail "Ranking.dat is not in code page 932"
cp "$data"/*.dat "$out/"
echo "$e2e_name: played two games; credit line: $line"
