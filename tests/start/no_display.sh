#!/usr/bin/env bash
# Started with no display, the program says so in one line and ends with status 1, not Qt's abort.
# Usage: no_display.sh PROGRAM
set -uo pipefail
program=$1
fail() { echo "no_display: $*" >&2; exit 1; }

check() {  # check DESCRIPTION EXPECTED-TEXT ENV-ASSIGNMENTS...
    local what=$1 expected=$2
    shift 2
    local err status
    err=$(env -u DISPLAY -u WAYLAND_DISPLAY -u WAYLAND_SOCKET -u QT_QPA_PLATFORM "$@" \
          timeout 20 "$program" 2>&1 >/dev/null)
    status=$?
    [ "$status" -eq 1 ] || fail "$what: exit status $status, not 1 (stderr: $err)"
    [ "$(printf '%s\n' "$err" | wc -l)" -eq 1 ] || fail "$what: more than one line: $err"
    [[ $err == *"$expected"* ]] || fail "$what: '$err' does not say '$expected'"
    echo "$what: $err"
}

# A display number no X server holds, neither as a socket file nor as an abstract socket, so that
# the program reaches nobody's screen.
display=87
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ] ||
    grep -q "@/tmp/.X11-unix/X$display\$" /proc/net/unix 2>/dev/null; do
    display=$((display + 1))
done

check "nothing set" "neither DISPLAY nor WAYLAND_DISPLAY is set"
check "X11 only, nothing set" "DISPLAY is not set" QT_QPA_PLATFORM=xcb
check "an X server that is not there" "nothing answers at DISPLAY=:$display" DISPLAY=:$display
check "a compositor that is not there" "nothing answers at WAYLAND_DISPLAY=zarvelo-none" \
    WAYLAND_DISPLAY=zarvelo-none XDG_RUNTIME_DIR=/nonexistent
check "both missing" "DISPLAY=:$display or WAYLAND_DISPLAY=wayland-87" \
    DISPLAY=:$display WAYLAND_DISPLAY=wayland-87 XDG_RUNTIME_DIR=/nonexistent
