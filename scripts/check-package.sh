#!/usr/bin/env bash
# Builds the Debian package from a clean copy of the tree, running the tests as Debian's build does
# (unless DEB_BUILD_OPTIONS holds nocheck), and checks it with lintian: no error, no warning and no
# hardening remark. A failed test's output is printed; the build's folder is then kept for its
# screenshots and logs. ZARVELO_WERROR=ON makes warnings errors. Usage: check-package.sh [OUTPUT_DIR]
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
keep=
trap '[ -n "$keep" ] || rm -rf "$work"' EXIT

"$root/scripts/clean-copy.sh" "$root" "$work/zarvelo"

options="parallel=$(nproc) ${DEB_BUILD_OPTIONS:-}"
profiles=()
case " $options " in *" nocheck "*) profiles=(-Pnocheck) ;; esac
echo "check-package: building with DEB_BUILD_OPTIONS='$options' (log in $out/build.log)"
if ! (cd "$work/zarvelo" &&
      DEB_BUILD_OPTIONS="$options" nice dpkg-buildpackage -b -us -uc "${profiles[@]}" \
          >"$out/build.log" 2>&1); then
    if grep -q 'tests failed out of' "$out/build.log"; then
        # Each failed test with its output, then ctest's summary.
        awk '/\*\*\*(Failed|Timeout|Exception|Not Run)/ {show = 1}
             /^ *Start +[0-9]+:/ {show = 0}
             /tests passed, .* tests failed out of/ {show = 1}
             show' "$out/build.log"
        keep=yes
        echo "check-package: a test failed; the build's folder stays in $work"
    else
        tail -40 "$out/build.log"
    fi
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
