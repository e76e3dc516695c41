#!/usr/bin/env bash
# Times `velbrant --run` of a counting loop with arithmetic over ITERATIONS
# (default 10,000,000) against the same diagram's generated Python run by
# python3, in one run, and prints the ratio (target: at most 1).
set -euo pipefail
build=${1:-build}
iterations=${ITERATIONS:-10000000}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

printf 'titel Schleife\n\ns := 0\nf\xfcr i := 1 bis %s\n    s := s + i mod 7\nAusgabe: s\n' \
    "$iterations" >"$work/schleife.txt"
"$build/velbrant" --export "$work/schleife.py" "$work/schleife.txt"

seconds() {
    local start end
    start=$(date +%s.%N)
    "$@" >"$work/out" </dev/null
    end=$(date +%s.%N)
    echo "$end - $start" | bc
}

run=$(seconds "$build/velbrant" --run "$work/schleife.txt")
python=$(seconds python3 "$work/schleife.py")
[ "$(cat "$work/out")" = "$("$build/velbrant" --run "$work/schleife.txt" </dev/null)" ] ||
    { echo "different output" >&2; exit 1; }
printf 'counting loop, %s iterations\n' "$iterations"
printf '  velbrant --run   %6.2f s\n' "$run"
printf '  python3          %6.2f s\n' "$python"
printf '  ratio            %6.2f (target <= 1)\n' "$(echo "$run / $python" | bc -l)"

# A trace of 1,000,000 steps (the most kept) in memory: peak at most 100 MB.
printf 'titel Spur\n\ns := 0\nf\xfcr i := 1 bis 600000\n    s := s + i mod 7\nAusgabe: s\n' >"$work/spur.txt"
/usr/bin/time -f "%M" -o "$work/peak" "$build/velbrant" --run "$work/spur.txt" \
    --trace "$work/spur.csv" </dev/null >/dev/null 2>"$work/notes"
/usr/bin/time -f "%M" -o "$work/plain" "$build/velbrant" --run "$work/spur.txt" </dev/null >/dev/null
printf 'trace of 1,200,001 steps (1,000,000 kept)\n'
printf '  peak with --trace      %6d KB (target <= 102400)\n' "$(tail -n 1 "$work/peak")"
printf '  peak without --trace   %6d KB\n' "$(tail -n 1 "$work/plain")"
printf '  %s\n' "$(cat "$work/notes")"
