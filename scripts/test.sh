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

echo "== Fuzzing the data-file reader"
fuzz="$root/build-fuzz"
CXX=clang++ cmake -S "$root" -B "$fuzz" -G Ninja -DZARVELO_FUZZ=ON -DZARVELO_WERROR=ON \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$fuzz"
mkdir -p "$fuzz/corpus"
"$fuzz/bin/fuzz_datafile" -max_total_time="${ZARVELO_FUZZ_SECONDS:-60}" -timeout=10 -print_final_stats=1 \
    "$fuzz/corpus" "$root/fuzz/corpus" 2>"$fuzz/fuzz.log" || { tail -50 "$fuzz/fuzz.log"; exit 1; }
grep -E 'stat::number_of_executed_units' "$fuzz/fuzz.log" || true

echo "== Debian package"
"$root/scripts/check-package.sh" "$root/build-package"
echo "== Sanitizer build"
run_suite "$root/build-sanitize" -DCMAKE_BUILD_TYPE=Debug -DZARVELO_SANITIZE=ON
echo "== Normal build"
# The folder and options of scripts/play.sh, so one build serves both. Its test summary is the
# last thing printed.
run_suite "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
