#!/usr/bin/env bash
# Runs the tests of a build that drive whole programs (by default the end-to-end, sound, file-order
# and start tests) RUNS times in a row while stress-ng keeps every core busy, and prints for each
# test how often it passed. The log of every run stays in OUT_DIR.
# Usage: under_load.sh BUILD_DIR [RUNS] [OUT_DIR] [TEST_REGEX]
set -euo pipefail
build=$(cd "$1" && pwd)
runs=${2:-20}
out=${3:-$build/under-load}
tests=${4:-'^(EndToEnd|Sounds|Files|Start)[.]'}
command -v stress-ng >/dev/null || { echo "under_load: stress-ng is not installed" >&2; exit 1; }
rm -rf "$out"
mkdir -p "$out"

# One worker per core at full load, for as long as the runs last; ended by its process id.
stress-ng --cpu "$(nproc)" --cpu-load 100 --quiet &
stress=$!
trap 'kill "$stress" 2>/dev/null || true; wait "$stress" 2>/dev/null || true' EXIT

declare -A passed failed
start=$SECONDS
for run in $(seq "$runs"); do
    log="$out/run-$run.log"
    ctest --test-dir "$build" -R "$tests" --output-on-failure --no-tests=error >"$log" 2>&1 || true
    # ctest's lines: "1/4 Test #37: EndToEnd.PlayUnderOpenbox ...   Passed   9.87 sec"
    while read -r name result; do
        if [ "$result" = Passed ]; then
            passed[$name]=$((${passed[$name]:-0} + 1))
        else
            failed[$name]=$((${failed[$name]:-0} + 1))
            echo "under_load: run $run: $name $result (see $log)"
        fi
    done < <(sed -nE 's/^ *[0-9]+\/[0-9]+ Test +#[0-9]+: ([^ ]+) [. ]*\**([A-Za-z]+).*/\1 \2/p' "$log")
    echo "under_load: run $run of $runs done, $(((SECONDS - start) / 60)) min, load $(cut -d' ' -f1 /proc/loadavg)"
done

printf '\n%-45s %6s %6s %6s\n' "Test ($runs runs, every core busy)" passed failed of
names=$(printf '%s\n' "${!passed[@]}" "${!failed[@]}" | sort -u)
status=0
for name in $names; do
    printf '%-45s %6d %6d %6d\n' "$name" "${passed[$name]:-0}" "${failed[$name]:-0}" "$runs"
    [ "${failed[$name]:-0}" -eq 0 ] && [ "${passed[$name]:-0}" -eq "$runs" ] || status=1
done
exit $status
