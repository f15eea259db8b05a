#!/usr/bin/env bash
# Times vexlor-registry on a large mail archive: writes N decode files of
# varied generated tags with our writer into a temporary folder, imports them
# into a new registry and reports files per second and peak memory; then
# times stats and conflicts on that registry (best of three runs each).
#   bash bench/registry_timing.sh [N] [BUILD]
# BUILD (default build) must hold vexlor-registry and the generator:
#   cmake -S . -B build -G Ninja -DVEXLOR_BUILD_BENCH=ON
#   cmake --build build --target vexlor-registry vexlor_generate_decode_files
set -euo pipefail
cd "$(dirname "$0")/.."

count=${1:-100000}
build=${2:-build}
registry=$build/registry/vexlor-registry
generator=$build/bench/vexlor_generate_decode_files
for program in "$registry" "$generator"; do
  [[ -x $program ]] || { echo "no $program; build it first (see the head of $0)" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
files=$work/mail
db=$work/registry.db
mkdir "$files"

now() { date +%s.%N; }
elapsed() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", b - a }'; }

start=$(now)
"$generator" "$count" "$files"
echo "wrote $count decode files, $(du -sh "$files" | cut -f1), in $(elapsed "$start" "$(now)") s"

# Wall seconds and peak resident memory (KiB) of one command.
measure() {
  local start end
  start=$(now)
  if [[ -x /usr/bin/time ]]; then
    /usr/bin/time -v -o "$work/time.txt" "$@" > "$work/out.txt" 2> "$work/err.txt" || true
    peak=$(awk -F': ' '/Maximum resident set size/ {print $2}' "$work/time.txt")
  else
    peak=$(python3 - "$@" <<'PY'
import resource, subprocess, sys
subprocess.run(sys.argv[1:], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
print(resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss)
PY
)
  fi
  end=$(now)
  seconds=$(elapsed "$start" "$end")
}

# The best wall time of three runs, in seconds.
best_of_three() {
  local best=""
  for _ in 1 2 3; do
    measure "$@"
    if [[ -z $best ]] || awk -v s="$seconds" -v b="$best" 'BEGIN { exit !(s < b) }'; then best=$seconds; fi
  done
  seconds=$best
}

measure "$registry" import "$db" "$files"
echo "import:        $(tail -n 1 "$work/out.txt" 2>/dev/null || echo '?')"
awk -v n="$count" -v s="$seconds" -v p="$peak" 'BEGIN {
  printf "import:        %.3f s, %.0f files/s, peak %.1f MB (aim: 10000 files/s, under 50 MB)\n", s, n / s, p / 1024 }'

measure "$registry" import "$db" "$files"
awk -v n="$count" -v s="$seconds" -v p="$peak" 'BEGIN {
  printf "import again:  %.3f s, %.0f files/s, peak %.1f MB (every file already present)\n", s, n / s, p / 1024 }'

best_of_three "$registry" stats "$db"
awk -v s="$seconds" -v p="$peak" 'BEGIN { printf "stats:         %.3f s, peak %.1f MB (aim: under 0.2 s)\n", s, p / 1024 }'
head -n 1 "$work/out.txt"

best_of_three "$registry" conflicts "$db"
awk -v s="$seconds" -v p="$peak" 'BEGIN { printf "conflicts:     %.3f s, peak %.1f MB\n", s, p / 1024 }'
tail -n 1 "$work/out.txt"
echo "registry:      $(du -h "$db" | cut -f1)"
