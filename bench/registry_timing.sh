#!/usr/bin/env bash
# Times vexlor-registry on a large mail archive: writes N decode files of
# varied generated tags with our writer into a temporary folder, imports them
# into a new registry and reports files per second, peak memory and the time
# against cat over the same files (the import reads on one thread and stores
# on another: wall time is the figure, CPU time is the sum of both); then
# times stats, search, report, list and conflicts on that registry (best of three runs each).
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

# Wall seconds, CPU seconds and peak resident memory (KiB) of one command.
# Wall time counts what the machine's other work takes away; CPU time does not.
measure() {
  local start end
  start=$(now)
  if [[ -x /usr/bin/time ]]; then
    /usr/bin/time -v -o "$work/time.txt" "$@" > "$work/out.txt" 2> "$work/err.txt" || true
    peak=$(awk -F': ' '/Maximum resident set size/ {print $2}' "$work/time.txt")
    cpu=$(awk -F': ' '/User time|System time/ {s += $2} END {printf "%.3f", s}' "$work/time.txt")
  else
    peak=$(python3 - "$work/out.txt" "$@" <<'PY'
import resource, subprocess, sys
with open(sys.argv[1], "wb") as out:
    subprocess.run(sys.argv[2:], stdout=out, stderr=subprocess.DEVNULL)
usage = resource.getrusage(resource.RUSAGE_CHILDREN)
print(usage.ru_maxrss, "%.3f" % (usage.ru_utime + usage.ru_stime))
PY
)
    cpu=${peak#* } peak=${peak% *}
  fi
  end=$(now)
  seconds=$(elapsed "$start" "$end")
}

# The run with the best wall time of three.
best_of_three() {
  local best="" best_cpu="" best_peak=""
  for _ in 1 2 3; do
    measure "$@"
    if [[ -z $best ]] || awk -v s="$seconds" -v b="$best" 'BEGIN { exit !(s < b) }'; then
      best=$seconds best_cpu=$cpu best_peak=$peak
    fi
  done
  seconds=$best cpu=$best_cpu peak=$best_peak
}

# The files just written are still on their way to the disk: let that end
# before anything is timed.
sync

# cat reads every byte into its own memory, as the import must. Into a file,
# GNU cat has the kernel copy the bytes instead, and they never reach it: a
# floor for no program that reads them, shown for comparison only.
measure sh -c 'find "$1" -type f -exec cat {} + > /dev/null' sh "$files"
report_cat=$seconds cat_cpu=$cpu
echo "cat:           $seconds s wall, $cpu s CPU over the same files (cat FILES > /dev/null)"
measure find "$files" -type f -exec cat {} +
copy_cat=$seconds
echo "cat into file: $seconds s wall, $cpu s CPU (copied by the kernel, not read; for comparison)"
sync

measure "$registry" import "$db" "$files"
echo "import:        $(tail -n 1 "$work/out.txt" 2>/dev/null || echo '?')"
report() {
  awk -v name="$1" -v n="$2" -v s="$seconds" -v c="$cpu" -v p="$peak" -v aim="$3" 'BEGIN {
    printf "%-14s %.3f s wall", name ":", s
    if (n > 0) printf " (%.0f files/s)", n / s
    printf ", %.3f s CPU", c
    if (n > 0 && c > 0) printf " (%.0f files/s)", n / c
    printf ", peak %.1f MB%s\n", p / 1024, aim }'
}
report import "$count" " (aim: under 50 MB)"
awk -v i="$seconds" -v c="$report_cat" -v ic="$cpu" -v cc="$cat_cpu" -v f="$copy_cat" 'BEGIN {
  printf "import / cat:  %.2f wall, %.2f CPU (aim: within 2); %.2f wall against cat into a file\n", i / c, ic / cc, i / f }'
echo "load:          $(cut -d' ' -f1-3 /proc/loadavg) (other work on the machine stretches the wall times)"

measure "$registry" import "$db" "$files"
report "import again" "$count" " (every file already present)"

best_of_three "$registry" stats "$db"
report stats 0 " (aim: under 1 s)"
head -n 1 "$work/out.txt"

best_of_three "$registry" stats "$db" --by paint,year
report "stats --by" 0 " (aim: under 1 s)"

best_of_three "$registry" search "$db" paint:10 --built 02A..04C
report search 0 " (aim: under 1 s)"
echo "               $(($(wc -l < "$work/out.txt") - 1)) cars found"

best_of_three "$registry" report "$db" --html "$work/report.html"
report report 0 " (aim: under 1 s)"
echo "               $(du -h "$work/report.html" | cut -f1) page"

best_of_three "$registry" list "$db"
report list 0 ""

best_of_three "$registry" conflicts "$db"
report conflicts 0 ""
tail -n 1 "$work/out.txt"
echo "registry:      $(du -h "$db" | cut -f1)"
