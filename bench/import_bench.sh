#!/usr/bin/env bash
# Times opening Python sources of 10,000 and 100,000 lines as diagrams
# (`velbrant --export` to .STR: read, translate, lay out, write) and their
# peak memory. Targets: 10,000 lines in at most 1 s; 100,000 lines in at
# most 10 s within 500 MB.
set -euo pipefail
build=${1:-build}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Functions of 20 lines with loops, conditions, lists and output, and a
# main program calling them.
python3 - "$work" <<'PY'
import sys
for lines in (10_000, 100_000):
    out = []
    k = 0
    while len(out) < lines - 40:
        out += [
            f"def teil{k}(n, werte):",
            f'    """Teil {k}"""',
            "    summe = 0",
            "    for i in range(n):",
            "        if i % 3 == 0 and i > 2:",
            "            summe += i * 2",
            "        elif i // 2 == 1:",
            "            werte.append(i)",
            "        else:",
            "            summe = summe - 1",
            "    while summe > 100:",
            "        summe = summe // 2",
            "    print(\"Summe:\", summe)",
            "    return summe",
            "",
            "",
        ]
        k += 1
    out += ["werte = []", "n = int(input())"]
    out += [f"print(teil{i}(n, werte))" for i in range(min(k, 30))]
    with open(f"{sys.argv[1]}/quelle{lines}.py", "w") as f:
        f.write("\n".join(out) + "\n")
PY

for lines in 10000 100000; do
    start=$(date +%s.%N)
    /usr/bin/time -f "%M" -o "$work/peak" "$build/velbrant" --export "$work/out$lines.STR" \
        "$work/quelle$lines.py" >/dev/null 2>"$work/notes"
    end=$(date +%s.%N)
    printf 'Python source of %6d lines: %6.2f s, peak %6d KB, %d diagrams\n' "$lines" \
        "$(echo "$end - $start" | bc)" "$(tail -n 1 "$work/peak")" "$(ls "$work" | grep -c '\.STR$')"
    rm -f "$work"/*.STR
done
echo "targets: 10,000 lines <= 1 s; 100,000 lines <= 10 s within 512000 KB"
