#!/usr/bin/env bash
# Times our RTF reader beside unrtf and pandoc on a 10 MB report-like file and prints how
# many times faster ours is than each. Usage: bench/compare_readers.sh [BUILD_DIR] [MEGABYTES]
set -euo pipefail

build=${1:-build-bench}
megabytes=${2:-10}
rtf2text="$build/bench/vorel_rtf2text"
if [[ ! -x $rtf2text ]]; then
  echo "build the benchmarks first: cmake -B $build -DVOREL_BENCH=ON -DCMAKE_BUILD_TYPE=Release" >&2
  exit 1
fi
if ! command -v unrtf >/dev/null; then
  echo "installing unrtf" >&2
  apt-get install -y unrtf >/dev/null
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
sample="$work/report.rtf"
"$rtf2text" --sample "$megabytes" >"$sample"
echo "sample: $(du -h "$sample" | cut -f1) ($(stat -c %s "$sample") bytes)"

less() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a < b) }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.1f", a / b }'; }

# Best wall time of three runs, in seconds.
best_time() {
  local best=""
  for _ in 1 2 3; do
    local start end elapsed
    start=$(date +%s.%N)
    timeout --kill-after=5 600 "$@" >/dev/null 2>&1 || true
    end=$(date +%s.%N)
    elapsed=$(awk -v a="$start" -v b="$end" 'BEGIN { print b - a }')
    if [[ -z $best ]] || less "$elapsed" "$best"; then best=$elapsed; fi
  done
  echo "$best"
}

ours=$(best_time "$rtf2text" "$sample")
printf '%-28s %8.3f s\n' "vorel_rtf2text" "$ours"
fastest=""
for reader in "unrtf --text" "pandoc -f rtf -t plain"; do
  read -ra command <<<"$reader"
  if ! command -v "${command[0]}" >/dev/null; then
    printf '%-28s missing\n' "$reader"
    continue
  fi
  seconds=$(best_time "${command[@]}" "$sample")
  printf '%-28s %8.3f s   ours is %s times faster\n' "$reader" "$seconds" "$(ratio "$seconds" "$ours")"
  if [[ -z $fastest ]] || less "$seconds" "$fastest"; then fastest=$seconds; fi
done
if [[ -n $fastest ]]; then
  echo "against the fastest other reader: $(ratio "$fastest" "$ours") times faster"
fi
