#!/usr/bin/env bash
# vorel-report over a register: RTF reports per second over 10,000 persons, then PDF reports
# per second over the first 1,000 of them (target: at least 50 a second on two cores).
# Usage: bench/report_tool.sh [BUILD_DIR] [PERSONS] [PDF_PERSONS]
set -euo pipefail
build=${1:-build-bench}
persons=${2:-10000}
pdf_persons=${3:-1000}
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

head -c $((pdf_persons * 267)) "$work/VOREL.DAT" > "$work/PDF.DAT"
# Wall-clock time, and the processor time spent, which tells the rate on an idle machine when
# other work shares the cores.
TIMEFORMAT='%R %U %S'
{ time "$build/vorel-report" --register "$work/PDF.DAT" --out "$work/pdf" --pdf 2>/dev/null; } \
  2>"$work/time"
read -r real user sys <"$work/time"
written=$(ls "$work/pdf" | grep -c '\.pdf$')
awk -v n="$written" -v r="$real" \
  -v u="$user" -v s="$sys" -v cores="$(nproc)" \
  'BEGIN { printf "vorel-report --register --pdf: %d reports in %.2f s, %.0f PDF per second (%.1f ms of processor time each, %d cores)\n", n, r, n / r, (u + s) * 1000 / n, cores }'
