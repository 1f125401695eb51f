#!/usr/bin/env bash
# vorel-report over a register: RTF reports, then thèmes, per second over 10,000 persons (a
# whole process each, the median of 5 runs; targets: 5,000 reports and 2,000 thèmes a second),
# then PDF reports per second over the first 1,000 of them (target: at least 50 a second on two
# cores).
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
# The median rate of 5 runs of one command over the register, each into a fresh folder.
median_rate() {
  local what="$1" kind="$2"
  shift 2
  local rates=()
  for run in 1 2 3 4 5; do
    rm -rf "$work/out"
    local start end
    start=$(date +%s.%N)
    "$build/vorel-report" --register "$work/VOREL.DAT" --out "$work/out" "$@" 2>/dev/null
    end=$(date +%s.%N)
    local written
    written=$(ls "$work/out" | grep -c "$kind")
    rates+=("$(awk -v n="$written" -v a="$start" -v b="$end" 'BEGIN { printf "%.0f", n / (b - a) }')")
  done
  printf '%s: %s per second (median of 5 runs over %s persons: %s)\n' "$what" \
    "$(printf '%s\n' "${rates[@]}" | sort -n | sed -n 3p)" "$persons" "${rates[*]}"
}
median_rate "vorel-report --register" '\.RTF$'
median_rate "vorel-report --register --theme" '^THEME_.*\.RTF$' --theme

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
