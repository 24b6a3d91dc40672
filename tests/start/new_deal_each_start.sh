#!/usr/bin/env bash
# Two starts of the program, each a fresh process at its own moment, deal two different first
# tables: the shuffle is seeded anew at every start, not only between deals of one process.
# Two starts with the same fixed seed draw the same picture, so a difference can only come from
# the deal. Usage: new_deal_each_start.sh RENDER_WINDOW OUTPUT_DIR
set -euo pipefail
render=$1
out=$2
rm -rf "$out"
mkdir -p "$out"
draw() {
    QT_QPA_PLATFORM=offscreen "$render" --deal "$@" 2>>"$out/render.log" ||
        { echo "new deal: render_window $* failed:" >&2; cat "$out/render.log" >&2; exit 1; }
}
draw --seed 7 "$out/seed-7-a.png"
draw --seed 7 "$out/seed-7-b.png"
cmp -s "$out/seed-7-a.png" "$out/seed-7-b.png" ||
    { echo "new deal: one seed drew two pictures ($out/seed-7-*.png)" >&2; exit 1; }
draw "$out/start-a.png"
draw "$out/start-b.png"
if cmp -s "$out/start-a.png" "$out/start-b.png"; then
    echo "new deal: two starts dealt the same first table ($out/start-*.png)" >&2
    exit 1
fi
echo "new deal: two starts dealt two tables; one seed drew one picture"
