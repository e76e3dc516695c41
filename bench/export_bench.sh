#!/usr/bin/env bash
# Times load + layout + export of generated files (all kinds, nested 4
# deep) of 2,000, 20,000 and 100,000 elements with /usr/bin/time: wall time
# and peak memory per format. COUNTS overrides the sizes. A PNG at 96 dpi
# is refused beyond 500 megapixels (the time shows how soon); one at 16 dpi
# fits at every size. Then inputs whose exports would be far too large,
# which must be refused within a second.
set -euo pipefail
build=${1:-build}
counts=${COUNTS:-"2000 20000 100000"}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

timed() {
    local label=$1
    shift
    local status=0
    /usr/bin/time -f "%e s, %M KB peak" -o "$work/time" "$build/velbrant" "$@" \
        2>"$work/errors" || status=$?
    local outcome="written"
    [ "$status" -eq 0 ] ||
        outcome="refused: $(grep '^velbrant: ' "$work/errors" | sed "s|^velbrant: ||; s|$work/||" | cut -c1-100)"
    printf '  %-22s %s  %s\n' "$label" "$(tail -n 1 "$work/time")" "$outcome"
}

for count in $counts; do
    "$build/tools/velbrant_make_samples" --large "$count" 4 "$work/large.STR"
    echo "input: $count elements, $(stat -c %s "$work/large.STR") bytes"
    for target in large.STR large.nsd large.svg large.pdf "large.png --dpi 96" \
        "large.png --dpi 16"; do
        set -- $target
        out=$1
        shift
        timed "$out $*" --export "$work/out-$out" "$@" "$work/large.STR"
    done
done

echo "inputs too large to export:"
python3 - "$work" <<'PY'
import sys
work = sys.argv[1]
with open(f"{work}/deep.txt", "w") as deep:  # 999 loops inside each other, 1 MB
    for level in range(999):
        deep.write("\t" * level + f"solange i{level} < n\n" + "\t" * (level + 1) + f"x := x + {level}\n")
with open(f"{work}/statements.txt", "w") as many:  # 20 million statements, 60 MB
    many.write("a\n\n" * 20_000_000)
with open(f"{work}/wide.txt", "w") as wide:  # 4,000 branches, one 6,000 lines tall
    wide.write("fallunterscheidung x\n")
    wide.write("".join(f"    fall {b}\n        y := 1\n" for b in range(4000)))
    wide.write("        z := 1\n" * 6000)
PY
timed "999 levels as PNG" --export "$work/deep.png" "$work/deep.txt"
timed "20 M statements" --export "$work/many.STR" "$work/statements.txt"
timed "1,416 PDF pages" --export "$work/wide.pdf" --scale 400 "$work/wide.txt"
