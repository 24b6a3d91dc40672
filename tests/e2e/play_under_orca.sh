#!/usr/bin/env bash
# Plays one game of the built program by keys alone under the Orca screen reader, then opens each
# small window from the menus and asks Orca "Where Am I" (keypad Enter) there. What Orca says is
# read from its debug log. Leaves in OUTPUT_DIR the spoken lines by key (transcript.txt), the keys
# (keys.txt), the time from each key to the first line spoken after it (latency.txt) and the
# Where Am I results (where_am_i.txt). The checks at the end say what must have been spoken.
# Usage: play_under_orca.sh BIN_DIR OUTPUT_DIR
# Exits 77 (skipped) where Orca, speech-dispatcher, the buses or a tool they need cannot start.
set -euo pipefail
bin=$1
out=$2
skip() {
    echo "e2e (Orca): skipped: $*"
    exit 77
}

# Orca runs on the system's python3, whatever python3 comes first in PATH.
python=/usr/bin/python3
command -v orca >/dev/null || skip "orca is not installed"
command -v speech-dispatcher >/dev/null || skip "speech-dispatcher is not installed"
if ! [ -x "$python" ] || ! "$python" -c 'import pyatspi, speechd' 2>/dev/null; then
    skip "Orca's python3-pyatspi or python3-speechd is missing"
fi
speechd_modules=/usr/lib/speech-dispatcher-modules
[ -x "$speechd_modules/sd_dummy" ] || skip "speech-dispatcher's dummy module is missing"
compgen -G '/usr/lib/*/speech-dispatcher/spd_libao.so' >/dev/null ||
    skip "speech-dispatcher's libao output (speech-dispatcher-audio-plugins) is missing"
launcher=
for candidate in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
    [ -x "$candidate" ] && launcher=$candidate && break
done
[ -n "$launcher" ] || skip "at-spi2-core (at-spi-bus-launcher) is not installed"
for tool in dbus-daemon Xvfb openbox xdotool xprop xwininfo xmessage xset script md5sum; do
    command -v "$tool" >/dev/null || skip "$tool is not installed"
done

e2e_name="e2e (Orca)"
# shellcheck source=session.sh
. "$(dirname "$0")/session.sh"
# Orca speaks English whatever the machine's language; nothing reaches another speech server.
export LANG=C.UTF-8 LC_ALL=C.UTF-8 GSETTINGS_BACKEND=memory
unset LANGUAGE SPEECHD_ADDRESS QT_LINUX_ACCESSIBILITY_ALWAYS_ON

e2e_bus
e2e_a11y_bus "$launcher" "$python" || skip "the accessibility bus did not start (see $out/at-spi.log)"
# As on a desktop whose screen reader is switched on: Orca and the game read this status.
"$python" - <<'EOF' || skip "the accessibility bus's status cannot be set"
from gi.repository import Gio, GLib
bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
for name in ("IsEnabled", "ScreenReaderEnabled"):
    bus.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Set",
                  GLib.Variant("(ssv)", ("org.a11y.Status", name, GLib.Variant("b", True))),
                  None, Gio.DBusCallFlags.NONE, 60000, None)
EOF
e2e_xvfb
# A key held down while Orca answers must not repeat.
xset r off
e2e_openbox

# A speech server of our own that speaks into nothing: the dummy module, through libao's null
# driver. Its settings sit where an autospawned server would look too, and forbid autospawn, so
# that a client missing this server starts no other.
speechd_conf=$XDG_CONFIG_HOME/speech-dispatcher
mkdir -p "$speechd_conf" "$out/speechd"
cat >"$speechd_conf/speechd.conf" <<'EOF'
LogLevel 5
AudioOutputMethod "libao"
AddModule "dummy" "sd_dummy" ""
DefaultModule dummy
DisableAutoSpawn
EOF
printf 'default_driver=null\n' >"$HOME/.libao"
socket=$XDG_RUNTIME_DIR/speechd.sock
export SPEECHD_ADDRESS="unix_socket:$socket"
e2e_start speechd speech-dispatcher --run-single --timeout 0 --config-dir "$speechd_conf" \
    --module-dir "$speechd_modules" --communication-method unix_socket --socket-path "$socket" \
    --log-dir "$out/speechd"
speechd=$e2e_pid
speechd_up() { [ -S "$socket" ] || ! kill -0 "$speechd" 2>/dev/null; }
e2e_wait "speech-dispatcher's socket (see $out/speechd.log)" 60 speechd_up
[ -S "$socket" ] || skip "speech-dispatcher did not start (see $out/speechd.log)"

# Orca with settings of its own: speech on, the desktop keyboard layout, no braille, no key echo
# (what is spoken is the game's).
prefs=$work/orca
mkdir -p "$prefs" "$work/shim"
cat >"$prefs/user-settings.conf" <<'EOF'
{
    "general": {
        "enableSpeech": true,
        "keyboardLayout": 1,
        "enableBraille": false,
        "enableBrailleMonitor": false,
        "enableKeyEcho": false,
        "enableTutorialMessages": false,
        "startingProfile": ["Default", "default"]
    },
    "profiles": {"default": {"profile": ["Default", "default"], "pronunciations": {},
                             "keybindings": {}}},
    "pronunciations": {},
    "keybindings": {}
}
EOF
# Orca refuses to start while any other Orca of this user runs (it asks pgrep -u UID -x orca),
# even one on another display and bus. This pgrep answers that one question with "none".
cat >"$work/shim/pgrep" <<'EOF'
#!/bin/sh
[ "$*" = "-u $(id -u) -x orca" ] && exit 1
exec /usr/bin/pgrep "$@"
EOF
chmod +x "$work/shim/pgrep"
# Orca's debug log is written in blocks unless it is a terminal: script gives Orca one and copies
# each line to the log file at once, so a spoken line can be waited for.
log=$out/orca.log
PATH="$work/shim:$PATH" script --quiet --flush --return --command \
    "echo \$\$ >'$work/orca.pid' && exec orca --user-prefs '$prefs' --debug-file /dev/stdout" \
    "$log" </dev/null >/dev/null 2>"$out/orca-script.log" &
terminal=$!
e2e_pids+=("$terminal")
orca_started() { [ -s "$work/orca.pid" ] || ! kill -0 "$terminal" 2>/dev/null; }
e2e_wait "Orca to start (see $out/orca-script.log)" 60 orca_started
[ -s "$work/orca.pid" ] || skip "orca did not start (see $out/orca-script.log)"
e2e_pids+=("$(cat "$work/orca.pid")")  # ended before its terminal, as the last one started

# The spoken lines of the log, as LINE<TAB>TIME<TAB>TEXT (LINE: the log's line number). Orca writes
# TIME - SPEECH OUTPUT: 'TEXT', then maybe a voice's name, then the voice.
spoken_line="s/^([0-9]+):([0-9:.]+) - SPEECH OUTPUT: '(.*)' ?( voice=[a-z]+)?(None|\[?\{.*\}\]?)$"
speech() {
    tr -d '\r' <"$log" | grep -an " - SPEECH OUTPUT: '" | sed -nE "$spoken_line/\1\t\2\t\3/p" || true
}
# The texts spoken after log line N.
spoken_after() { speech | awk -F'\t' -v n="$1" '$1 > n {print $3}'; }
# said N REGEX: a line spoken after log line N matches REGEX.
said() {
    local texts
    texts=$(spoken_after "$1")
    grep -Eq -- "$2" <<<"$texts"
}
orca_alive() { kill -0 "$(cat "$work/orca.pid")" 2>/dev/null; }
ready() { said 0 '^Screen reader on\.$' || ! orca_alive; }
e2e_wait "Orca to say it is on (see $log)" 120 ready
orca_alive || skip "orca ended at its start (see $log and $out/orca-script.log)"

lines() { wc -l <"$log"; }
# Orca takes each key twice, pressed and released; the release ends its handling.
handled() { tr -d '\r' <"$log" | grep -ac "^^^^^^ PROCESS ATSPI_KEY_$1_EVENT" || true; }
released() { handled RELEASED; }
released_more() { [ "$(released)" -gt "$1" ]; }
pressed_more() { [ "$(handled PRESSED)" -gt "$1" ]; }
# Orca has said all it says about a key once its log stays still a while.
quiet_seconds=1
quiet() {
    local size
    size=$(stat -c %s "$log")
    sleep "$quiet_seconds"
    [ "$size" = "$(stat -c %s "$log")" ]
}
now() { date +%H:%M:%S.%N | cut -c1-15; }

keys=$out/keys.txt
printf '# key\ttime\tkey name\twhat for\n' >"$keys"
marks=$work/marks  # NUMBER<TAB>TIME<TAB>LOG LINE<TAB>KEY<TAB>WHAT, for the transcript
: >"$marks"
sent=0
last_key_line=0
# The game's windows on screen.
windows() { xdotool search --onlyvisible --pid "$game" 2>/dev/null | sort | paste -sd ' ' || true; }
# Orca took another key since BEFORE, or the game's windows are no longer WINDOWS: a key that opens
# or closes a window can be released where no window of the game has the focus, out of Orca's
# reach.
taken() { released_more "$1" || [ "$(windows)" != "$2" ]; }
# send KEY WHAT [last|held]: KEY to the focused window; then waits until Orca has taken it and
# fallen quiet, but not after the last key, which ends the game before it is released. A held key
# is released only once Orca has taken its press and fallen quiet.
send() {
    local key=$1 what=$2 mode=${3:-} before shown time
    before=$(released)
    shown=$(windows)
    sent=$((sent + 1))
    last_key_line=$(lines)
    time=$(now)
    if [ "$mode" = held ]; then
        local pressed
        pressed=$(handled PRESSED)
        xdotool keydown "$key"
        e2e_wait "Orca to take the press of key $sent ($key, $what)" 120 pressed_more "$pressed"
        e2e_wait "Orca to fall quiet with key $sent ($key, $what) down" 120 quiet
        time=$(now)  # what a held key does, it does on its release
        xdotool keyup "$key"
    else
        xdotool key "$key"
    fi
    printf '%d\t%s\t%s\t%s\n' "$sent" "$time" "$key" "$what" >>"$keys"
    printf '%d\t%s\t%d\t%s\t%s\n' "$sent" "$time" "$last_key_line" "$key" "$what" >>"$marks"
    [ "$mode" != last ] || return 0
    e2e_wait "Orca to take key $sent ($key, $what)" 120 taken "$before" "$shown"
    e2e_wait "Orca to fall quiet after key $sent ($key, $what)" 120 quiet
}
# What Orca said after the last key, on one line.
said_last() { spoken_after "$last_key_line" | paste -sd '|'; }

# The game, from an empty program folder of its own so that its data files start from nothing.
program=$work/program
mkdir -p "$program"
cp "$bin/zarvelo" "$bin/libzarvelo_sound.so" "$bin"/*.wav "$program/"
printf '0\t%s\t%d\t-\tthe game starts\n' "$(now)" "$(lines)" >>"$marks"
start_line=$(lines)
(cd "$program" && QT_QPA_PLATFORM=xcb exec ./zarvelo >"$out/game.log" 2>&1) &
game=$!
e2e_pids+=("$game")
main=
mainwindow() {
    main=$(xdotool search --onlyvisible --name '^Zarvelo\?\(NewPlayer\)$' 2>/dev/null | head -1) &&
        [ -n "$main" ]
}
e2e_wait "the main window titled Zarvelo?(NewPlayer)" 120 mainwindow
xdotool windowactivate --sync "$main" 2>/dev/null || xdotool windowfocus --sync "$main"
# The focus starts on the stake's button, and Orca says so.
e2e_wait "Orca to name the focused button (see $log)" 120 said "$start_line" '^1 Bet push button\.$'
e2e_wait "Orca to fall quiet after the start" 120 quiet
focused="1 Bet"

# Tab until Orca names button NAME as the focused one.
focus() {
    local name=$1 button
    for _ in 1 2 3 4 5; do
        [ "$focused" = "$name" ] && return 0
        send Tab "to $name"
        button=$(spoken_after "$last_key_line" | sed -n 's/ push button\.$//p' | tail -1)
        [ -n "$button" ] || e2e_fail "Tab brought Orca to name no button: $(said_last)"
        focused=$button
    done
    e2e_fail "Tab never brought Orca to '$name push button'"
}

# Three stakes of one, and the start.
for stake in 1 2 3; do
    focus "1 Bet"
    send space "stake $stake"
done
focus Start
dealt=$(lines)
send space "start the game"
e2e_wait "Orca to read the dealt table" 120 said "$dealt" '^Game started\. Table: '
# The table, the money and the last announcement on demand.
send t "read the table"
send m "read the money"
send r "hear the last announcement again"

# Another window of the game than the main one: a box or one of the small windows.
other=
other_window() {
    local id
    for id in $(xdotool search --onlyvisible --pid "$game" 2>/dev/null); do
        [ "$id" != "$main" ] && other=$id && return 0
    done
    return 1
}
viewable() { [[ $(xwininfo -id "$1" 2>/dev/null) == *IsViewable* ]]; }
closed() { ! viewable "$other"; }

# The slots that Orca last said may be taken ("playable 1, 3."), best first: a card that leaves
# the most of the others to take next, as read from the deal and the picks Orca told. One a line.
playable_slots() {
    spoken_after "$dealt" | "$python" -c '
import re, sys
table, playable = [None] * 6, []
for line in sys.stdin:
    deal = re.match(r"(?:.*\. )?Game started\. Table: (.*); ", line)
    if deal:
        table[1:] = deal.group(1).split(", ")
    took = re.match(r"Took (.*); slot ([1-5]) now (.*?); (.*?)\.", line)
    if took:
        table[0], table[int(took.group(2))] = took.group(1), took.group(3)
    said = re.search(r"; (?:playable ([0-9, ]+)|(every card playable))\.", line)
    if said:
        playable = [1, 2, 3, 4, 5] if said.group(2) else [int(s) for s in said.group(1).split(", ")]
def matches(a, b):
    (va, _, sa), (vb, _, sb) = a.partition(" of "), b.partition(" of ")
    return b != "empty" and (va == vb or sa == sb)
def after(slot):
    return sum(matches(table[slot], table[s]) for s in range(1, 6) if s != slot)
for slot in sorted(playable, key=lambda s: -after(s) if table[s] else 0):
    print(slot)
'
}
# Digits take the table's cards until Orca says the game is over: a slot Orca says may be taken, or
# each slot in turn while it says none. The first few times a slot that may not be taken is tried
# before, as a player may. A game that ends before a card could be refused is followed by another,
# started with Enter, as the game over announcement offers.
slot=0
refused=0
games=1
first_game=$dealt
while :; do
    until said "$dealt" 'Game over: won'; do
        [ "$sent" -lt 300 ] || e2e_fail "no game over after 300 keys"
        mapfile -t playable < <(playable_slots)
        if [ ${#playable[@]} -eq 0 ]; then
            slot=$((slot % 5 + 1))
        else
            slot=${playable[0]}
            for other_slot in 1 2 3 4 5; do
                [ "$refused" -lt 3 ] || break
                [[ " ${playable[*]} " == *" $other_slot "* ]] && continue
                send "$other_slot" "take slot $other_slot, which may not be taken"
                refused=$((refused + 1))
                break
            done
        fi
        send "$slot" "take slot $slot"
        # A cleared stage shows a box; its button deals the next deck.
        if other_window; then
            send Return "close the box $(xdotool getwindowname "$other" 2>/dev/null || true)"
            e2e_wait "the box to close" 60 closed
        fi
    done
    # On until a card was refused and something was paid, as a longer game would show.
    paid_lines='[0-9]+ cards: [0-9]+ points?|(Flush|Full House|4 Cards|Straight Flush): [0-9]+'
    { [ "$refused" -eq 0 ] || ! said "$first_game" "$paid_lines"; } && [ "$games" -lt 6 ] || break
    games=$((games + 1))
    dealt=$(lines)
    send Return "stake 3 again and start game $games"
    e2e_wait "Orca to read game $games's stake and deal" 120 said "$dealt" \
        '^Bet 3, credit [0-9]+\. Game started\. Table: '
done
played=$(lines)

# open_menu TITLE ITEM [last]: Alt onto the menu bar, Right to the menu TITLE, Down onto its ITEM,
# each step checked by what Orca says, and Return.
menu_titles='^(ｹﾞｰﾑ|ｵﾌﾟｼｮﾝ|ﾍﾙﾌﾟ)\.$'
open_menu() {
    local title=$1 item=$2 at=''
    # Alt turns the menu bar on or off, as Orca tells: it is on when the last thing Orca said is a
    # menu title. Qt hands each key on to the program once Orca has answered; when it hands the
    # press on after the release, the menu bar turns on and at once off again: so Alt is held
    # until Orca has answered (mostly: on a busy machine a second try may be needed). When Orca
    # said nothing, Right tells whether the bar is on.
    for _ in $(seq 10); do
        send Alt_L "the menu bar" held
        at=$(spoken_after "$last_key_line" | tail -1)
        [[ $at =~ $menu_titles ]] && break
        if [ -z "$at" ]; then
            send Right "the next menu title, if the menu bar is on"
            at=$(spoken_after "$last_key_line" | tail -1)
            [[ $at =~ $menu_titles ]] && break
        fi
    done
    [[ $at =~ $menu_titles ]] || e2e_fail "Alt never brought Orca to name a menu title"
    for _ in 1 2 3; do
        [ "$at" = "$title." ] && break
        send Right "to the menu $title"
        at=$(spoken_after "$last_key_line" | tail -1)
    done
    [ "$at" = "$title." ] || e2e_fail "Right never brought Orca to the menu $title: $at"
    send Down "into the menu $title"
    at=$(spoken_after "$last_key_line" | tail -1)
    for _ in 1 2 3 4 5; do
        [ "$at" = "$item." ] && break
        send Down "to the item $item"
        at=$(spoken_after "$last_key_line" | tail -1)
    done
    [ "$at" = "$item." ] || e2e_fail "Down never brought Orca to the item $item of $title: $at"
    send Return "open $item" "${3:-}"
}

data() { (cd "$program" && md5sum -- *.dat); }
where=$out/where_am_i.txt
: >"$where"
declare -A where_am_i_result
# In the main window after a game over, where Enter would stake again: Where Am I stakes nothing.
before=$(data)
send KP_Enter "Where Am I in the main window"
answer=$(said_last)
if [ -n "$answer" ] && [[ $answer != *"Bet "* && $answer != *"Game started"* ]] &&
    [ "$(data)" = "$before" ]; then
    where_am_i_result[main]=pass
else
    where_am_i_result[main]=fail
fi
printf 'main window: %s; Orca said: %s\n' "${where_am_i_result[main]}" "$answer" >>"$where"
# visit TITLE ITEM CLOSE: opens ITEM of the menu TITLE, asks Where Am I there, and closes the
# window with the key CLOSE if it is still open.
visit() {
    local title=$1 item=$2 close=$3 name before answer problems=()
    open_menu "$title" "$item"
    e2e_wait "the window of $item" 60 other_window
    name=$(xdotool getwindowname "$other" 2>/dev/null || true)
    before=$(data)
    send KP_Enter "Where Am I in $item"
    answer=$(said_last)
    viewable "$other" || problems+=("the window closed")
    [ -n "$answer" ] || problems+=("Orca said nothing")
    [ "$(data)" = "$before" ] || problems+=("the data files changed")
    [ "$(xdotool getwindowname "$main" 2>/dev/null || true)" = "Zarvelo?(NewPlayer)" ] ||
        problems+=("the main window's title changed")
    if [ ${#problems[@]} -eq 0 ]; then
        where_am_i_result[$item]=pass
    else
        where_am_i_result[$item]=fail
    fi
    printf '%s (window "%s"): %s%s; Orca said: %s\n' "$item" "$name" "${where_am_i_result[$item]}" \
        "$(printf ', %s' "${problems[@]}" | sed 's/^, $//')" "$answer" >>"$where"
    if viewable "$other"; then
        send "$close" "close $item"
        e2e_wait "the window of $item to close" 60 closed
    fi
}
visit ｵﾌﾟｼｮﾝ ﾕｰｻﾞｰ情報 space
visit ｵﾌﾟｼｮﾝ ﾗﾝｷﾝｸﾞ情報 space
# The name entry's focus is in its text box, where Return is its OK.
visit ｵﾌﾟｼｮﾝ ﾌﾟﾚｲﾔｰ名の入力 Return
visit ﾍﾙﾌﾟ 遊び方 space

# Quit through the menu.
open_menu ｹﾞｰﾑ 終了 last
ended() { ! kill -0 "$game" 2>/dev/null; }
e2e_wait "the game to quit from the menu" 60 ended
wait "$game" || e2e_fail "the game exited with an error"
cp "$program"/*.dat "$out/"

# The transcript: each key, and under it each line spoken after it with the seconds since the key.
speech >"$work/speech"
awk -F'\t' '
    function seconds(t,  p) { split(t, p, ":"); return p[1] * 3600 + p[2] * 60 + p[3] }
    function since(t, k,  d) { d = seconds(t) - seconds(k); return d < -43200 ? d + 86400 : d }
    function heading(i) {
        if (key[i] == 0) printf "%s %s\n", time[i], what[i]
        else printf "%s key %d: %s (%s)\n", time[i], key[i], name[i], what[i]
    }
    FNR == NR { n++; key[n] = $1; time[n] = $2; line[n] = $3; name[n] = $4; what[n] = $5; next }
    {
        while (m < n && line[m + 1] < $1) heading(++m)
        if (m == 0) printf "%s before the game: %s\n", $2, $3
        else printf "    %+7.3f s  %s\n", since($2, time[m]), $3
    }
    END { while (m < n) heading(++m) }' "$marks" "$work/speech" >"$out/transcript.txt"
# From each key to the first line spoken after it, for the keys followed by speech.
awk -F'\t' '
    function seconds(t,  p) { split(t, p, ":"); return p[1] * 3600 + p[2] * 60 + p[3] }
    function since(t, k,  d) { d = seconds(t) - seconds(k); return d < -43200 ? d + 86400 : d }
    FNR == NR { if ($1 > 0) { n++; key[n] = $1; time[n] = $2; line[n] = $3; name[n] = $4 }; next }
    {
        while (m < n && line[m + 1] < $1) m++
        if (m > 0 && !(m in first)) first[m] = since($2, time[m])
    }
    END {
        for (i = 1; i <= n; i++) if (i in first) { c++; v[c] = first[i] }
        for (i = 2; i <= c; i++) for (j = i; j > 1 && v[j - 1] > v[j]; j--) {
            t = v[j]; v[j] = v[j - 1]; v[j - 1] = t
        }
        median = c == 0 ? 0 : (c % 2 ? v[(c + 1) / 2] : (v[c / 2] + v[c / 2 + 1]) / 2)
        printf "keys %d, followed by speech %d\nmedian %.3f s\nmax %.3f s\n", n, c, median, v[c]
        for (i = 1; i <= n; i++)
            printf "key %d %s: %s\n", key[i], name[i], i in first ? sprintf("%.3f s", first[i]) : "-"
    }' "$marks" "$work/speech" >"$out/latency.txt"
echo "$e2e_name: $sent keys; Where Am I:"
sed 's/^/  /' "$where"
head -3 "$out/latency.txt" | sed "s/^/$e2e_name: latency: /"

# ----------------------------------------------------------------------------------------------
# The checks: what must have been spoken. Each entry of must_say is an extended regular
# expression that some spoken line must match.
must_say=(
    '^1 Bet push button\.$'
    '^Start push button\.$'
    '^Bet [0-9]+, credit [0-9]+\.$'
    '^Game started\. Table: .*; every card playable\.$'
    '^Current card: .*\. Slot 1: .*\. Slot 5: .* cards left in the deck\.$'
    '^Credit [0-9]+, bet 3, win [0-9]+, score [0-9]+, stage 1\.$'
    '^Card table, current card [A-Z][a-z]+ of [A-Z][a-z]+\.$'
    '^Took .*; slot [1-5] now .*; (playable [0-9, ]+|nothing playable)\.'
    '^Slot [1-5], .*, is not playable\.$'
    'Game over: won [0-9]+, credit [0-9]+\. Enter stakes 3 again and starts\.$'
)
# yes: no line may be spoken twice in a row while the game is played.
no_line_twice=yes
# Where Am I (keypad Enter) in each small window must leave it open, get Orca's answer and change
# no data. fail: known to fail today (a window whose Enter shortcut takes the key before Orca
# sees it closes); the test then fails if it passes, so set it to pass once it holds.
declare -A where_am_i_expected=(
    [main]=pass
    [ﾕｰｻﾞｰ情報]=pass
    [ﾗﾝｷﾝｸﾞ情報]=pass
    [ﾌﾟﾚｲﾔｰ名の入力]=pass
    [遊び方]=pass
)
# ----------------------------------------------------------------------------------------------
failures=()
cut -f3 "$work/speech" >"$work/spoken"
for pattern in "${must_say[@]}"; do
    grep -Eq -- "$pattern" "$work/spoken" || failures+=("no spoken line matches '$pattern'")
done
if [ "$no_line_twice" = yes ]; then
    twice=$(awk -F'\t' -v from="$first_game" -v to="$played" '$1 > from && $1 <= to {print $3}' \
        "$work/speech" | uniq -d | paste -sd '|')
    [ -z "$twice" ] || failures+=("spoken twice in a row: $twice")
fi
# Every payout is told: in each game, the points and prizes said add up to the win said at its end.
sums=$(awk -F'\t' -v from="$first_game" '$1 > from {print $3}' "$work/speech" | awk '
    { n = split($0, parts, /\. /)
      for (i = 1; i <= n; i++) {
          if (parts[i] ~ /^[0-9]+ cards: [0-9]+ points?\.?$/) { split(parts[i], w, " "); paid += w[3] }
          else if (parts[i] ~ /^(Royal Straight Flush|Straight Flush|4 Cards|Full House|Flush): [0-9]+\.?$/) {
              sub(/^.*: /, "", parts[i]); paid += parts[i] + 0 }
          else if (parts[i] ~ /^Game over: won [0-9]+/) {
              split(parts[i], w, /[ ,]+/); printf "%d=%d ", paid, w[4]; paid = 0 } } }')
for sum in $sums; do
    [ "${sum%=*}" = "${sum#*=}" ] || failures+=("payouts said add up to ${sum%=*}, the win said is ${sum#*=}")
done
[ -n "$sums" ] || failures+=("no game over was said")
for item in "${!where_am_i_expected[@]}"; do
    got=${where_am_i_result[$item]:-not reached}
    [ "$got" = "${where_am_i_expected[$item]}" ] ||
        failures+=("Where Am I in $item: $got, expected ${where_am_i_expected[$item]}")
done
# Orca's speech went to our own speech server (as SSML: a mark before each word).
sed 's/<[^>]*>//g' "$out/speechd/speech-dispatcher.log" >"$work/served"
grep -aq 'Game over' "$work/served" ||
    failures+=("the game over never reached the speech server ($out/speechd)")
if [ ${#failures[@]} -gt 0 ]; then
    printf '%s: %s\n' "$e2e_name" "${failures[@]}" >&2
    e2e_fail "${#failures[@]} checks failed; what was spoken: $out/transcript.txt"
fi
echo "$e2e_name: played one game by keys under Orca; ${#must_say[@]} expected lines spoken"
