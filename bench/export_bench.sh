#!/usr/bin/env bash
# Times load + layout + export of generated files (all kinds, nested 4
# deep) of 2,000, 20,000 and 100,000 elements with /usr/bin/time: wall time
# and peak memory per format. COUNTS overrides the sizes.
set -euo pipefail
build=${1:-build}
counts=${COUNTS:-"2000 20000 100000"}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for count in $counts; do
    "$build/tools/velbrant_make_samples" --large "$count" 4 "$work/large.STR"
    echo "input: $count elements, $(stat -c %s "$work/large.STR") bytes"
    for target in large.STR large.nsd large.svg large.pdf "large.png --dpi 96"; do
        set -- $target
        out=$1
        shift
        /usr/bin/time -f "%e s, %M KB peak" -o "$work/time" \
            "$build/velbrant" --export "$work/out-$out" "$@" "$work/large.STR"
        printf '  %-22s %s\n' "$out $*" "$(cat "$work/time")"
    done
done
