#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: a fuzzing minute; the Debian
# package, whose build is the normal build and runs the tests, checked by lintian and then tested
# as installed (autopkgtest, piuparts); and a build under AddressSanitizer and
# UndefinedBehaviorSanitizer that runs the tests again.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/ensure-packages.sh" "$root/scripts/packages-play.txt" "$root/scripts/packages.txt"
jobs=$(nproc)
step() { echo "== $1 ($((SECONDS / 60)) min $((SECONDS % 60)) s in)"; }

# ZARVELO_FUZZ_SECONDS is the time for the three fuzzers: a third to whole games through the
# rules, a quarter to the wave reader, the rest to the data files.
fuzz_seconds=${ZARVELO_FUZZ_SECONDS:-60}
wave_seconds=$(( fuzz_seconds / 4 > 0 ? fuzz_seconds / 4 : 1 ))
game_seconds=$(( fuzz_seconds / 3 > 0 ? fuzz_seconds / 3 : 1 ))
data_seconds=$(( fuzz_seconds - wave_seconds - game_seconds > 0 ? fuzz_seconds - wave_seconds - game_seconds : 1 ))
fuzz="$root/build-fuzz"
step "Fuzzing build"
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
step "Fuzzing the data-file reader"
run_fuzzer fuzz_datafile "$data_seconds" "$root/fuzz/corpus" corpus
step "Fuzzing the wave reader"
run_fuzzer fuzz_wave "$wave_seconds" "$root/fuzz/wave-corpus" wave-corpus
step "Fuzzing whole games through the rules"
run_fuzzer fuzz_game "$game_seconds" "$root/fuzz/game-corpus" game-corpus

# The package's build is the normal build: with its tests, and with warnings as errors.
step "Debian package: the normal build and its tests, then lintian"
ZARVELO_WERROR=ON "$root/scripts/check-package.sh" "$root/build-package"
# The package as installed is tested while the sanitizer build compiles: the one mostly waits on
# the disk and the network, the other on the processor.
step "The package as installed (autopkgtest, piuparts), beside the sanitizer build"
installed_log="$root/build-package/installed.log"
"$root/scripts/check-installed.sh" "$root/build-package" >"$installed_log" 2>&1 &
installed=$!
sanitize="$root/build-sanitize"
cmake -S "$root" -B "$sanitize" -G Ninja -DZARVELO_WERROR=ON -DCMAKE_BUILD_TYPE=Debug \
    -DZARVELO_SANITIZE=ON >/dev/null
built=0
cmake --build "$sanitize" -j "$jobs" || built=$?
status=0
wait "$installed" || status=$?
cat "$installed_log"
[ "$status" -eq 0 ] || { echo "test.sh: the package as installed failed its tests"; exit 1; }
[ "$built" -eq 0 ] || { echo "test.sh: the sanitizer build failed"; exit 1; }
step "Sanitizer tests"
# Their summary is the last thing printed.
ctest --test-dir "$sanitize" --output-on-failure --no-tests=error -j "$jobs"
