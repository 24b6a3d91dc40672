#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: once in a normal build and
# once under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/ensure-packages.sh" "$root/scripts/packages-play.txt" "$root/scripts/packages.txt"
jobs=$(nproc)

run_suite() {
    local dir=$1
    shift
    cmake -S "$root" -B "$dir" -G Ninja -DZARVELO_WERROR=ON "$@" >/dev/null
    cmake --build "$dir" -j "$jobs"
    ctest --test-dir "$dir" --output-on-failure --no-tests=error -j "$jobs"
}

# ZARVELO_FUZZ_SECONDS is the time for both fuzzers: three quarters to the data files, the rest to
# the wave reader.
fuzz_seconds=${ZARVELO_FUZZ_SECONDS:-60}
wave_seconds=$(( fuzz_seconds / 4 > 0 ? fuzz_seconds / 4 : 1 ))
data_seconds=$(( fuzz_seconds - wave_seconds > 0 ? fuzz_seconds - wave_seconds : 1 ))
fuzz="$root/build-fuzz"
CXX=clang++ cmake -S "$root" -B "$fuzz" -G Ninja -DZARVELO_FUZZ=ON -DZARVELO_WERROR=ON \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$fuzz"
# A fuzzer, its seconds, its seeds and a name for its growing corpus and log in the fuzz build.
run_fuzzer() {
    local program=$1 seconds=$2 seeds=$3 name=$4
    mkdir -p "$fuzz/$name"
    "$fuzz/bin/$program" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
        "$fuzz/$name" "$seeds" 2>"$fuzz/$name.log" || { tail -50 "$fuzz/$name.log"; exit 1; }
    grep -E 'stat::number_of_executed_units' "$fuzz/$name.log" || true
}
echo "== Fuzzing the data-file reader"
run_fuzzer fuzz_datafile "$data_seconds" "$root/fuzz/corpus" corpus
echo "== Fuzzing the wave reader"
run_fuzzer fuzz_wave "$wave_seconds" "$root/fuzz/wave-corpus" wave-corpus

echo "== Debian package"
"$root/scripts/check-package.sh" "$root/build-package"
echo "== Sanitizer build"
run_suite "$root/build-sanitize" -DCMAKE_BUILD_TYPE=Debug -DZARVELO_SANITIZE=ON
echo "== Normal build"
# The folder and options of scripts/play.sh, so one build serves both. Its test summary is the
# last thing printed.
run_suite "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
