#!/usr/bin/env bash
# Builds the Debian package from a clean copy of the tree and checks it with lintian: no error, no
# warning and no hardening remark. Usage: check-package.sh [OUTPUT_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/build-package}
for tool in dpkg-buildpackage dh lintian; do
    if ! command -v "$tool" >/dev/null; then
        echo "check-package: $tool is not installed, so the package is not checked"
        exit 0
    fi
done
rm -rf "$out"
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The files a clone would hold, with the changes not yet committed: no build folder comes along.
mkdir "$work/zarvelo"
if git -C "$root" rev-parse --git-dir >/dev/null 2>&1; then
    (cd "$root" && git ls-files -z --cached --others --exclude-standard |
        tar --null -T - --ignore-failed-read -cf - 2>/dev/null) | tar -C "$work/zarvelo" -xf -
else
    tar -C "$root" --exclude='./build*' -cf - . | tar -C "$work/zarvelo" -xf -
fi

# The tests have run in the normal build already.
echo "check-package: building (log in $out/build.log)"
if ! (cd "$work/zarvelo" &&
      DEB_BUILD_OPTIONS="nocheck parallel=$(nproc)" nice dpkg-buildpackage -b -us -uc -Pnocheck \
          >"$out/build.log" 2>&1); then
    tail -40 "$out/build.log"
    echo "check-package: the package did not build"
    exit 1
fi
cp "$work"/*.deb "$work"/*.changes "$work"/*.buildinfo "$out/"

status=0
lintian --display-info --fail-on error,warning "$out"/*.changes >"$out/lintian.txt" 2>&1 || status=1
cat "$out/lintian.txt"
if grep -q 'hardening-' "$out/lintian.txt"; then
    echo "check-package: lintian finds the program not hardened"
    status=1
fi
[ "$status" -eq 0 ] && echo "check-package: $(cd "$out" && ls -- *.deb | tr '\n' ' ')pass lintian"
exit "$status"
