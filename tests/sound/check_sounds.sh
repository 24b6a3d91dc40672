#!/usr/bin/env bash
# Plays the six sounds through the game's sound path into a PulseAudio null sink, records the
# sink and checks with sox that each one really sounded, whole and in order.
# Usage: check_sounds.sh BIN_DIR OUT_DIR
set -euo pipefail
bin=$1
out=$2
names=(keybd1.wav crystal.wav floop_be.wav space152.wav boingg.wav Chime_2.wav)
e2e_name=check_sounds
# shellcheck source=../e2e/session.sh
. "$(dirname "$0")/../e2e/session.sh"

# A sound server of its own with a null sink; the silent stream that keeps it running keeps the
# recording in real time between sounds.
e2e_sound_server check
parecord --latency-msec=20 --device=check.monitor --file-format=wav "$out/recording.wav" &
rec=$!
e2e_pids+=("$rec")
# The recording runs once the server lists it.
recording() { [[ $(pactl list short source-outputs 2>/dev/null) == *[0-9]* ]]; }
e2e_wait "the recording to start" 60 recording
QT_QPA_PLATFORM=offscreen "$bin/play_sounds" "$bin" "${names[@]}" 2>"$out/play.log"
kill -INT "$rec"
wait "$rec" 2>/dev/null || true

# Cut the recording at its silences: one piece for each sound.
sox "$out/recording.wav" "$out/piece.wav" remix 1 silence 1 0.002 0.3% 1 0.4 0.3% : newfile : restart 2>/dev/null
length() { sox "$1" -n stat 2>&1 | awk '/Length/ {print $3}'; }
sounding() { sox "$1" -n remix 1 silence 1 0.002 0.3% reverse silence 1 0.002 0.3% reverse stat 2>&1 | awk '/Length/ {print $3}'; }
pieces=()
for piece in "$out"/piece*.wav; do
    awk -v l="$(length "$piece")" 'BEGIN {exit !(l > 0.02)}' && pieces+=("$piece")
done
status=0
[ ${#pieces[@]} -eq ${#names[@]} ] || { echo "recorded ${#pieces[@]} sounds, expected ${#names[@]}" >&2; status=1; }
for i in "${!names[@]}"; do
    name=${names[$i]}
    piece=${pieces[$i]:-}
    want=$(sounding "$bin/$name")
    got=$([ -n "$piece" ] && sounding "$piece" || echo 0)
    rms=$([ -n "$piece" ] && sox "$piece" -n stat 2>&1 | awk '/RMS +amplitude/ {print $3}' || echo 0)
    printf '%-14s sounded %6.3f s of %6.3f s, RMS %s\n' "$name" "$got" "$want" "$rms"
    awk -v g="$got" -v w="$want" -v r="$rms" 'BEGIN {exit !(g > 0.8 * w && r > 0.01)}' ||
        { echo "$name did not sound as it should" >&2; status=1; }
done
exit $status
