#!/usr/bin/env bash
# Prints the performance figures on this machine: in-process timings (Google Benchmark) and the
# whole program under Xvfb: start-up times, resident memory and idle CPU.
# Usage: bench/run.sh [RUNS] [--whole-only]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-5}
"$root/scripts/ensure-packages.sh" "$root/scripts/packages.txt"
build="$root/build-bench"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZARVELO_BENCH=ON -DZARVELO_TESTS=OFF >/dev/null
cmake --build "$build" --target zarvelo zarvelo_bench bare_window >/dev/null

if [ "${2:-}" != --whole-only ]; then
    echo "== In-process timings"
    "$build/bin/zarvelo_bench" --benchmark_min_time=0.2
fi

work=$(mktemp -d)
trap 'kill "${game:-}" "${xvfb:-}" 2>/dev/null || true; pulseaudio --kill 2>/dev/null || true; rm -rf "$work"' EXIT
cp "$build/bin/zarvelo" "$build/bin/bare_window" "$build/bin/libzarvelo_sound.so" "$build"/bin/*.wav "$work/"
export HOME="$work/home" XDG_RUNTIME_DIR="$work/run" QT_QPA_PLATFORM=xcb ZARVELO_TRACE=1
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
# A sound server, as on a desktop: the start-up sound then really opens an audio stream.
if command -v pulseaudio >/dev/null; then
    pulseaudio --daemonize=yes --exit-idle-time=-1 -n --load="module-null-sink sink_name=bench" \
        --load="module-native-protocol-unix" 2>/dev/null && echo "(with a PulseAudio null sink)"
fi
export DISPLAY=:$((90 + RANDOM % 100))
Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }
: >"$work/splash" >"$work/main" >"$work/bare"
for run in $(seq "$runs"); do
    # The yardstick first, started and waited for exactly as the game is below: a bare Qt window.
    start=$(date +%s%N)
    (cd "$work" && exec ./bare_window 2>"$work/bare-trace") &
    bare=$!
    for _ in $(seq 100); do grep -q ' splash ' "$work/bare-trace" 2>/dev/null && break; sleep 0.05; done
    wait "$bare" 2>/dev/null || true
    awk -v s="$start" '$2 == "splash" {printf "%.1f\n", ($3 - s) / 1e6}' "$work/bare-trace" >>"$work/bare"
    sleep 0.3
    rm -f "$work"/*.dat
    start=$(date +%s%N)
    (cd "$work" && exec ./zarvelo 2>"$work/trace") &
    game=$!
    for _ in $(seq 100); do grep -q ' main ' "$work/trace" 2>/dev/null && break; sleep 0.05; done
    awk -v s="$start" '$2 == "splash" {printf "%.1f\n", ($3 - s) / 1e6}' "$work/trace" >>"$work/splash"
    awk '$2 == "wait-over" {w = $3} $2 == "main" {printf "%.1f\n", ($3 - w) / 1e6}' "$work/trace" >>"$work/main"
    if [ "$run" -lt "$runs" ]; then kill "$game"; wait "$game" 2>/dev/null || true; sleep 0.5; fi
done
echo "== Whole program under Xvfb ($runs runs, medians)"
echo "exec to splash, every run (ms):      $(tr '\n' ' ' <"$work/splash")"
echo "exec to a bare Qt window, every run:  $(tr '\n' ' ' <"$work/bare")"
splash_ms=$(median <"$work/splash")
bare_ms=$(median <"$work/bare")
echo "exec to splash on screen:            $splash_ms ms   (target 60 ms)"
echo "exec to a bare Qt window on screen:  $bare_ms ms"
echo "splash against the bare window:      $(awk -v a="$splash_ms" -v b="$bare_ms" 'BEGIN {printf "%.2f", a / b}')   (target at most 1.30)"
echo "end of the wait to main window:      $(median <"$work/main") ms   (target 100 ms)"
sleep 1
rss=$(awk '/VmRSS/ {print $2}' "/proc/$game/status")
echo "resident memory after start-up:      $((rss / 1024)) MiB ($rss KiB)   (target 40 MiB)"
ticks() { awk '{print $14 + $15}' "/proc/$game/stat"; }
before=$(ticks)
sleep 10
after=$(ticks)
echo "CPU while idle for 10 s:             $((after - before)) clock ticks of $(getconf CLK_TCK)/s   (target 0)"
