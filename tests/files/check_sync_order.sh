#!/usr/bin/env bash
# Ends the running program with SIGTERM, which saves its data files, and checks on the system
# calls themselves (strace) that each file is saved in the one safe order: a new file written,
# synced and closed, renamed over the old one, and then its folder synced. The unit tests see the
# same steps only through the fault seam, which runs before each call whether the call follows.
# Usage: check_sync_order.sh BIN_DIR OUTPUT_DIR
set -euo pipefail
bin=$1
out=$2
e2e_name="sync order"
# shellcheck source=../e2e/session.sh
. "$(dirname "$0")/../e2e/session.sh"
cp "$bin/zarvelo" "$bin/libzarvelo_sound.so" "$work/"

(cd "$work" && QT_QPA_PLATFORM=offscreen ZARVELO_TRACE=1 exec ./zarvelo >"$out/game.log" 2>&1) &
game=$!
e2e_pids+=("$game")
traced() { grep -qs "^zarvelo-trace $1 " "$out/game.log"; }
e2e_wait "the main window (the game's trace of it)" 60 traced main

strace -f -y -p "$game" -o "$out/calls.txt" \
    -e trace=openat,open,creat,write,pwrite64,writev,fsync,fdatasync,sync_file_range,close,rename,renameat,renameat2 \
    2>"$out/strace.log" &
e2e_pids+=($!)
attached() { grep -qs 'attached' "$out/strace.log"; }
e2e_wait "strace to attach to the game (see $out/strace.log)" 60 attached
kill -TERM "$game"
ended() { ! kill -0 "$game" 2>/dev/null; }
e2e_wait "the game to end on SIGTERM" 60 ended
wait "$game" || e2e_fail "the game ended with status $? on SIGTERM"

# Each temporary file that took a data file's place must show: created (c), written (w), synced
# (f), closed (x), renamed (r), and then its folder opened and synced (d), before the next save.
awk -v expected="NewPlayer.dat default.dat Ranking.dat" '
    function path(text) { sub(/^[^"]*"/, "", text); sub(/".*/, "", text); return text }
    function fdpath(text) { sub(/^[^<]*</, "", text); sub(/>.*/, "", text); return text }
    function mark(tmp, step) {
        if (substr(steps[tmp], length(steps[tmp])) != step) steps[tmp] = steps[tmp] step
    }
    / (openat|open|creat)\(.*\.zarvelo-[^"]*\.tmp".*O_CREAT/ && !/ = -1/ {
        tmp = path($0); steps[tmp] = "c"; order[++n] = tmp; folder = ""; next
    }
    / (openat|open)\(.*O_DIRECTORY/ && !/ = -1/ {
        if (folder != "" && path($0) == folder) folderfd = fdpath($NF) ; next
    }
    / (write|pwrite64|writev)\(/ { if (fdpath($0) in steps) mark(fdpath($0), "w"); next }
    / (fsync|fdatasync)\(/ {
        p = fdpath($0)
        if (p in steps) mark(p, "f")
        else if (folder != "" && folderfd != "" && p == folderfd) { mark(renamed, "d"); folder = "" }
        next
    }
    / close\(/ { if (fdpath($0) in steps) mark(fdpath($0), "x"); next }
    / rename(at2?)?\(/ && / = 0/ {
        line = $0; sub(/^[^"]*"[^"]*"/, "", line); dest = path(line); tmp = path($0)
        if (!(tmp in steps)) next
        mark(tmp, "r"); renamed = tmp; folderfd = ""
        folder = dest; sub(/\/[^\/]*$/, "", folder)
        name = dest; sub(/.*\//, "", name); saved[name] = tmp
        next
    }
    END {
        status = 0
        for (i = 1; i <= n; i++) {
            tmp = order[i]
            if (steps[tmp] !~ /r/) continue  # a probe whether files can be made: never renamed
            printf "%-28s %s\n", tmp, steps[tmp]
            if (steps[tmp] != "cwfxrd") {
                print "sync order: the save through " tmp " went " steps[tmp] ", not cwfxrd " \
                      "(created, written, synced, closed, renamed, folder synced)" > "/dev/stderr"
                status = 1
            }
        }
        split(expected, names, " ")
        for (i in names) if (!(names[i] in saved)) {
            print "sync order: " names[i] " was not saved on SIGTERM" > "/dev/stderr"; status = 1
        }
        exit status
    }' "$out/calls.txt" || e2e_fail "the saves did not take the safe order (the calls: $out/calls.txt)"
echo "sync order: every data file written, synced, closed, renamed and its folder synced"
