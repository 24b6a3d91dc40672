#!/usr/bin/env bash
# Tests the built package as it is installed, each time in a throw-away Debian 12 root that leaves
# this machine as it was: the package's autopkgtest (debian/tests) installs the .deb with its
# dependencies from Debian and plays a game of /usr/games/zarvelo (autopkgtest-virt-unshare), and
# piuparts installs, removes and purges it and looks for what it left behind.
# The roots are made with mmdebstrap from Debian's packages once and kept in
# ~/.cache/zarvelo/ (about 700 MB); unshare needs a range of subordinate ids for the user, which
# this script adds to /etc/subuid and /etc/subgid when there is none.
# Usage: check-installed.sh PACKAGE_DIR   (the folder holding zarvelo_*.deb, e.g. build-package)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
packages=$(cd "$1" && pwd)
deb=$(ls "$packages"/zarvelo_*_amd64.deb)
cache=${XDG_CACHE_HOME:-$HOME/.cache}/zarvelo
mirror=${ZARVELO_DEBIAN_MIRROR:-http://deb.debian.org/debian}
security=${ZARVELO_DEBIAN_SECURITY:-http://deb.debian.org/debian-security}
sources=("deb $mirror bookworm main" "deb $mirror bookworm-updates main"
         "deb $security bookworm-security main")
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
mkdir -p "$cache"
elapsed() { echo "$(((SECONDS - $1) / 60)) min $(((SECONDS - $1) % 60)) s"; }

# A minbase root with the given extra packages as a tarball (TYPE tar or tar.gz), made once per
# list; older ones are removed.
minbase() {
    local name=$1 include=$2 type=$3 tarball
    tarball="$cache/$name-$(printf '%s' "$include" | md5sum | cut -c1-12).$type"
    if [ ! -s "$tarball" ]; then
        rm -f "$cache/$name"-*.tar*
        echo "check-installed: making a Debian 12 minbase root ($name) with mmdebstrap" >&2
        $sudo mmdebstrap --variant=minbase ${include:+--include="$include"} bookworm \
            "$tarball.part.$type" "${sources[@]}" >"$cache/$name.log" 2>&1 ||
            { tail -20 "$cache/$name.log" >&2; rm -f "$tarball.part.$type"; exit 1; }
        mv "$tarball.part.$type" "$tarball"
    fi
    echo "$tarball"
}

# The tree as a clone would hold it, without build folders, for autopkgtest to run its tests from.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$root/scripts/clean-copy.sh" "$root" "$work/zarvelo"

# autopkgtest: the test's own dependencies come with the root, with dpkg-dev that autopkgtest uses
# to unpack the tree, so that each run downloads and installs only the package and what it
# depends on.
user=$(id -un)
if ! grep -q "^$user:" /etc/subuid 2>/dev/null || ! grep -q "^$user:" /etc/subgid 2>/dev/null; then
    echo "check-installed: giving $user subordinate ids 100000-165535 for unshare"
    $sudo usermod --add-subuids 100000-165535 --add-subgids 100000-165535 "$user"
fi
needs=$(sed -n '/^Depends:/,/^[A-Z][a-z]*:/p' "$root/debian/tests/control" | sed '$d' |
    sed -e 's/^Depends://' | tr ',' '\n' | sed -e 's/[[:space:]]//g' -e '/^$/d' -e '/^zarvelo$/d' |
    sort | paste -sd, -)
testbed=$(minbase autopkgtest "dpkg-dev,$needs" tar)
started=$SECONDS
status=0
rm -rf "$packages/autopkgtest"
autopkgtest --no-built-binaries --setup-commands="apt-get update" \
    --output-dir "$packages/autopkgtest" \
    --summary-file "$packages/autopkgtest.summary" "$deb" "$work/zarvelo/" -- \
    unshare --release bookworm --arch amd64 --tarball "$testbed" \
    >"$packages/autopkgtest.log" 2>&1 || status=$?
if [ "$status" -ne 0 ]; then
    tail -60 "$packages/autopkgtest.log"
    echo "check-installed: autopkgtest failed with status $status (log: $packages/autopkgtest.log)"
    exit 1
fi
echo "check-installed: autopkgtest passed in $(elapsed $started): $(tr '\n' ' ' <"$packages/autopkgtest.summary")"

# piuparts, in a root of its own that holds minbase alone.
if command -v piuparts >/dev/null; then
    plain=$(minbase piuparts "" tar.gz)
    started=$SECONDS
    if ! $sudo piuparts --basetgz="$plain" --distribution=bookworm --mirror="$mirror main" \
            --extra-repo="deb $mirror bookworm-updates main" \
            --extra-repo="deb $security bookworm-security main" \
            --tmpdir="$work" "$deb" >"$packages/piuparts.log" 2>&1; then
        tail -60 "$packages/piuparts.log"
        echo "check-installed: piuparts failed (log: $packages/piuparts.log)"
        exit 1
    fi
    echo "check-installed: piuparts passed in $(elapsed $started)"
fi
