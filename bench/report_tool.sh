#!/usr/bin/env bash
# vorel-report over a register of 10,000 persons: reports written per second.
# Usage: bench/report_tool.sh [BUILD_DIR] [PERSONS]
set -euo pipefail
build=${1:-build-bench}
persons=${2:-10000}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
/usr/bin/python3 - "$work/VOREL.DAT" "$persons" <<'PY'
import random, sys
random.seed(7)
surnames = ["MARTIN", "BERNARD", "DUBOIS", "THOMAS", "ROBERT", "PETIT", "DURAND", "LEROY"]
given = ["PAUL", "JEAN", "MARIE", "ANNE", "LUC", "CLAIRE", "HENRI", "SOPHIE"]
with open(sys.argv[1], "wb") as f:
    for i in range(int(sys.argv[2])):
        name = f"{random.choice(surnames)} {random.choice(given)} {random.choice(given)}".encode()
        date = f"{random.randint(1, 28):02d}/{random.randint(1, 12):02d}/{random.randint(1920, 2020)}".encode()
        rec = bytearray(267)
        rec[0] = len(name); rec[1:1 + len(name)] = name
        rec[256] = len(date); rec[257:257 + len(date)] = date
        f.write(rec)
PY
start=$(date +%s.%N)
"$build/vorel-report" --register "$work/VOREL.DAT" --out "$work/out" 2>/dev/null
end=$(date +%s.%N)
written=$(ls "$work/out" | grep -c '\.RTF$')
awk -v n="$written" -v a="$start" -v b="$end" \
  'BEGIN { printf "vorel-report --register: %d reports in %.2f s, %.0f reports per second\n", n, b - a, n / (b - a) }'
