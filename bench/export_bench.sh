#!/usr/bin/env bash
# Times load + layout + export of a generated 20,000-element file (all kinds,
# nested 4 deep) with /usr/bin/time: wall time and peak memory per target.
set -euo pipefail
build=${1:-build}
count=${COUNT:-20000}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$build/tools/velbrant_make_samples" --large "$count" 4 "$work/large.STR"
echo "input: $count elements, $(stat -c %s "$work/large.STR") bytes"
for target in large.STR large.svg "large.png --dpi 25" "large.png --dpi 50"; do
    set -- $target
    out=$1
    shift
    /usr/bin/time -f "%e s, %M KB peak" -o "$work/time" \
        "$build/velbrant" --export "$work/out-$out" "$@" "$work/large.STR"
    printf '%-22s %s\n' "$out $*" "$(cat "$work/time")"
done
