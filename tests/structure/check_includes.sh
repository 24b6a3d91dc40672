#!/usr/bin/env bash
# Fails when a module includes one it must not: the arrows between the folders point one way
# (windows/ above screen/ above rules/, with no arrow back: the screen fills the named controls
# it declares, which the main window builds), and the rules see no widget at all.
# Usage: check_includes.sh SOURCE_ROOT
set -euo pipefail
root=$1

# Folder: the folders it may include besides itself.
declare -A allowed=(
    [state]=""
    [platform]=""
    [cardlib]=""
    [artwork]="cardlib platform"
    [tables]="state platform"
    [files]="state platform tables"
    [rules]="state platform cardlib tables files"
    [screen]="state platform cardlib tables rules"
    [windows]="state platform cardlib tables files rules screen artwork"
    [app]="state platform cardlib tables files rules screen windows artwork"
)

status=0
for folder in "${!allowed[@]}"; do
    [[ -d $root/$folder ]] || continue
    while IFS= read -r line; do
        file=${line%%:*}
        target=$(sed -E 's/.*#include "([^"]+)".*/\1/' <<<"${line#*:}")
        to=${target%%/*}
        [[ $to == "$folder" || $target != */* ]] && continue
        if [[ " ${allowed[$folder]} " == *" $to "* ]]; then continue; fi
        echo "${file#"$root"/} may not include $target"
        status=1
    done < <(grep -rHE '^#include "' "$root/$folder" --include='*.cpp' --include='*.h' || true)
done
# The rules run without a window: no widget header, nor Qt's widget or GUI modules.
while IFS= read -r line; do
    echo "${line#"$root"/}: rules/ may not include a widget"
    status=1
done < <(grep -rHnE '^#include <(Qt(Widgets|Gui)/|Q(Widget|Application|PushButton|Label|MessageBox|Dialog|LineEdit|Frame|Layout|Action|Menu|Painter|Image|Pixmap|Screen)\b)' \
    "$root/rules" --include='*.cpp' --include='*.h' || true)
# Only the rules change the game's state: no other module asks for it writable.
for folder in "${!allowed[@]}"; do
    [[ $folder == rules || ! -d $root/$folder ]] && continue
    while IFS= read -r line; do
        echo "${line#"$root"/}: only rules/ may change the game state"
        status=1
    done < <(grep -rHnE '\b[Rr]ulesState\(\)' "$root/$folder" --include='*.cpp' --include='*.h' || true)
done
[[ $status == 0 ]] && echo "include arrows: all allowed; rules/ sees no widget; the state is written by rules/ alone"
exit $status
