#!/usr/bin/env bash
# Times `vexlor-decode --batch` against `jq -c .` over the same generated
# JSON Lines file, in one run, and reports tags per second, the ratio to jq
# and the peak memory of the batch.
#   bash bench/batch_timing.sh [N] [path/to/vexlor-decode]
set -euo pipefail
cd "$(dirname "$0")/.."

count=${1:-1000000}
decoder=${2:-build/cli/vexlor-decode}
[[ -x $decoder ]] || { echo "no $decoder; build it first (cmake --build build)" >&2; exit 1; }
command -v jq >/dev/null || { echo "jq is missing (bash scripts/install-deps.sh)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
tags=$work/tags.jsonl

# N varied tags of the three model years: VINs with and without serials,
# both plants, known and unknown codes, now and then a bad line.
awk -v n="$count" 'BEGIN {
  split("1967 1968 1969 67 68 69", years, " ")
  split("12437 12467 12637 12667 12337", styles, " ")
  split("NOR LOS VN  XYZ", plants, " ")
  split("741 760 712 711 720 999 ABC", trims, " ")
  split("R C D Z 51 50 10 -", paints, " ")
  split("R 2 6 C 50 A 1 X", tops, " ")
  split("X33D80Z10 X11 D80 Z11 X22 A Q12 X55", specials, " ")
  split("01A 10B 03A 09C 12E 04L 8A", dates, " ")
  split("W EW X D L", groups1, " ")
  split("GL MZ B E ML", groups2, " ")
  for (i = 0; i < n; i++) {
    y = years[i % 6 + 1]; d = substr(y, length(y), 1)
    if (i % 1000 == 999) { print "{\"year\":\"1970\"}"; continue }
    vin = (i % 3 == 0) ? "" : sprintf("12%d%s%d%s", 3 + i % 2, (i % 4 < 2) ? "37" : "67", d, (i % 5 < 3) ? "N" : "L")
    serial = (i % 3 == 1) ? sprintf("%d%05d", (d == 7) ? 1 : (d == 8) ? 3 : 5, i % 100000) : ""
    printf "{\"year\":\"%s\",\"vin\":\"%s\",\"serial\":\"%s\",\"style\":\"%s-%s\",\"plant\":\"%s\",", \
      y, vin, serial, substr("676869", (d - 7) * 2 + 1, 2), styles[i % 5 + 1], plants[i % 5 + 1]
    printf "\"body\":\"%d\",\"trim\":\"%s\",\"paint\":\"%s\",\"top\":\"%s\",", \
      i % 999999, trims[i % 7 + 1], paints[i % 8 + 1], tops[(i * 7) % 8 + 1]
    if (d == 9) printf "\"date69\":\"%s\",\"code69\":\"%s\"}\n", dates[i % 7 + 1], specials[i % 8 + 1]
    else printf "\"date\":\"%s\",\"code\":\"%s\",\"seat\":\"Z\",\"group1\":\"%s\",\"group2\":\"%s\",\"group4\":\"%s\"}\n", \
      dates[i % 7 + 1], substr("DBEGKRTY", i % 8 + 1, 1), groups1[i % 5 + 1], groups2[i % 5 + 1], (i % 2) ? "P" : ""
  }
}' > "$tags"
echo "tags: $count lines, $(du -h "$tags" | cut -f1)"

# Seconds and peak resident memory (KiB) of one command reading $tags.
measure() {
  local start end
  if [[ -x /usr/bin/time ]]; then
    start=$(date +%s.%N)
    /usr/bin/time -v -o "$work/time.txt" "$@" < "$tags" > /dev/null 2>&1 || true
    end=$(date +%s.%N)
    peak=$(awk -F': ' '/Maximum resident set size/ {print $2}' "$work/time.txt")
    cpu=$(awk -F': ' '/User time|System time/ {s += $2} END {printf "%.3f", s}' "$work/time.txt")
  else
    start=$(date +%s.%N)
    peak=$(python3 - "$tags" "$@" <<'PY'
import resource, subprocess, sys
with open(sys.argv[1], "rb") as tags:
    subprocess.run(sys.argv[2:], stdin=tags, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
usage = resource.getrusage(resource.RUSAGE_CHILDREN)
print(usage.ru_maxrss, "%.3f" % (usage.ru_utime + usage.ru_stime))
PY
)
    end=$(date +%s.%N)
    cpu=${peak#* } peak=${peak% *}
  fi
  seconds=$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f", b - a }')
}

measure "$decoder" --batch
batch_seconds=$seconds batch_peak=$peak batch_cpu=$cpu
measure jq -c .
jq_seconds=$seconds jq_peak=$peak jq_cpu=$cpu

# Wall time counts what the machine's other work takes away; CPU time does not.
awk -v n="$count" -v b="$batch_seconds" -v j="$jq_seconds" -v bp="$batch_peak" -v jp="$jq_peak" \
    -v bc="$batch_cpu" -v jc="$jq_cpu" 'BEGIN {
  printf "vexlor-decode --batch: %.3f s wall, %.0f tags/s; %.3f s CPU, %.0f tags/s; peak %.1f MB\n", b, n / b, bc, n / bc, bp / 1024
  printf "jq -c .:               %.3f s wall, %.0f tags/s; %.3f s CPU, %.0f tags/s; peak %.1f MB\n", j, n / j, jc, n / jc, jp / 1024
  printf "batch / jq:            %.2f of its wall time, %.2f of its CPU time\n", b / j, bc / jc
}'
