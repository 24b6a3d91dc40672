#!/usr/bin/env bash
# Copies the files a clone of the tree would hold, with the changes not yet committed, and no build
# folder. Usage: clean-copy.sh SOURCE_DIR DEST_DIR
set -euo pipefail
src=$1
dest=$2
mkdir -p "$dest"
if git -C "$src" rev-parse --git-dir >/dev/null 2>&1; then
    (cd "$src" && git ls-files -z --cached --others --exclude-standard |
        tar --null -T - --ignore-failed-read -cf - 2>/dev/null) | tar -C "$dest" -xf -
else
    tar -C "$src" --exclude='./build*' -cf - . | tar -C "$dest" -xf -
fi
