#!/usr/bin/env bash
# Fails when a C++ file of the project differs from the style in .clang-format, naming each one.
# Usage: check_format.sh CLANG_FORMAT SOURCE_ROOT
set -euo pipefail
format=$1
root=$2
cd "$root"
# Outside a clone (a package build's copy), the build folders are left out: Debian's lies inside.
mapfile -t files < <(git ls-files '*.cpp' '*.h' 2>/dev/null ||
    find . \( -path './build*' -o -path './obj-*' -o -path './debian' \) -prune -o \
        \( -name '*.cpp' -o -name '*.h' \) -print)
status=0
for file in "${files[@]}"; do
    if ! "$format" --dry-run -Werror --style=file "$file" >/dev/null 2>&1; then
        echo "not formatted: $file (clang-format -i $file)"
        status=1
    fi
done
[[ $status == 0 ]] && echo "${#files[@]} files formatted"
exit $status
