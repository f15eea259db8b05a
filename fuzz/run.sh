#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz at the top of the
# repository, replays each target's stored corpus, then fuzzes each target
# for the given number of seconds from a scratch copy of that corpus (the
# stored corpus is not changed). Exits non-zero on any finding; the failing
# inputs are written to fuzz/findings/.
#   bash fuzz/run.sh --seconds N [--target NAME]
# NAME is fuzz_decoder, fuzz_results, fuzz_batch or fuzz_registry_reader (the "fuzz_" may be left
# out). --seconds 0 only replays the corpus. Needs clang and libclang-rt-dev.
set -euo pipefail

usage() { echo "usage: bash fuzz/run.sh --seconds N [--target NAME]" >&2; exit 2; }

seconds=20
targets=(fuzz_decoder fuzz_results fuzz_batch fuzz_registry_reader)
chosen=()
while [[ $# -gt 0 ]]; do
  case $1 in
    --seconds) [[ $# -ge 2 ]] || usage; seconds=$2; shift 2 ;;
    --seconds=*) seconds=${1#*=}; shift ;;
    --target) [[ $# -ge 2 ]] || usage; chosen+=("$2"); shift 2 ;;
    --target=*) chosen+=("${1#*=}"); shift ;;
    *) usage ;;
  esac
done
[[ $seconds =~ ^[0-9]+$ ]] || { echo "--seconds takes a whole number" >&2; exit 2; }
if [[ ${#chosen[@]} -gt 0 ]]; then
  targets=()
  for name in "${chosen[@]}"; do
    name=fuzz_${name#fuzz_}
    case $name in
      fuzz_decoder|fuzz_results|fuzz_batch|fuzz_registry_reader) targets+=("$name") ;;
      *) echo "unknown target $name (fuzz_decoder, fuzz_results, fuzz_batch, fuzz_registry_reader)" >&2; exit 2 ;;
    esac
  done
fi

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
command -v clang++ >/dev/null || { echo "clang++ is missing: run bash scripts/install-deps.sh" >&2; exit 1; }

echo "== fuzz: building ${targets[*]} in build-fuzz =="
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEXLOR_FUZZ=ON \
  -DVEXLOR_BUILD_APP=OFF -DVEXLOR_BUILD_TESTS=OFF -DVEXLOR_BUILD_BENCH=OFF >/dev/null
cmake --build build-fuzz --target "${targets[@]}"

findings=$root/fuzz/findings
mkdir -p "$findings"
# A small quarantine keeps memory and time per run down; leaks are findings too.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:quarantine_size_mb=32:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

stat() { sed -n "s/^stat::$1: *//p" "$2" | tail -n 1; }
# What broke first, then the end of the log (stack, input, artifact name).
report() { grep -m 5 -E 'invariant broken|ERROR:|runtime error' "$1" >&2 || true; tail -n 25 "$1" >&2; }

failed=()
for target in "${targets[@]}"; do
  fuzzer=$root/build-fuzz/fuzz/$target
  corpus=$root/fuzz/corpus/$target
  options=(-timeout=10 -rss_limit_mb=2048 -max_len=4096 -artifact_prefix="$findings/$target-")

  echo "== $target: replaying $(find "$corpus" -type f | wc -l) inputs of fuzz/corpus/$target =="
  if ! "$fuzzer" "${options[@]}" -runs=0 "$corpus" >"$work/$target-replay.log" 2>&1; then
    report "$work/$target-replay.log"
    failed+=("$target")
    continue
  fi
  [[ $seconds -gt 0 ]] || continue

  echo "== $target: fuzzing for $seconds s =="
  mkdir -p "$work/$target"
  cp "$corpus"/* "$work/$target/"
  log=$work/$target.log
  status=0
  "$fuzzer" "${options[@]}" -max_total_time="$seconds" -print_final_stats=1 "$work/$target" >"$log" 2>&1 || status=$?
  runs=$(stat number_of_executed_units "$log")
  rate=$(stat average_exec_per_sec "$log")
  time=$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$log" | tail -n 1)
  echo "$target: ${runs:-?} executions in ${time:-?} s (${rate:-?} exec/s), peak RSS $(stat peak_rss_mb "$log") MB"
  if [[ $status -ne 0 ]]; then
    report "$log"
    failed+=("$target")
  fi
done

if [[ ${#failed[@]} -gt 0 ]]; then
  echo "fuzz: findings in ${failed[*]}; the failing inputs are in fuzz/findings/" >&2
  exit 1
fi
echo "fuzz: no findings"
