#!/usr/bin/env bash
# Installs what building and playing need, builds the game and starts it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/ensure-packages.sh" "$root/scripts/packages-play.txt"
# A build of its own, with warnings as errors; `cmake --build build` adds the tests to it.
cmake -S "$root" -B "$root/build" -G Ninja -DZARVELO_WERROR=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    >/dev/null
cmake --build "$root/build" --target zarvelo
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "play.sh: the game is built (build/bin/zarvelo), but there is no display to show it on:" \
         "neither DISPLAY nor WAYLAND_DISPLAY is set. Run it from a desktop session." >&2
    exit 1
fi
exec "$root/build/bin/zarvelo"
