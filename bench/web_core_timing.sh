#!/usr/bin/env bash
# The web core's speed and weight, over the same N generated tags:
#  - the decode alone (decode, results list, JSON object) in WebAssembly under
#    node against the same code native, each timed inside its own program;
#  - a whole decodeFields call (texts in, lines and JSON out) against
#    vexlor-decode --batch (JSON Lines in and out), the per-call price of each;
# and the gzip size of vexlor-core.wasm + .mjs.
#   bash bench/web_core_timing.sh [N] [NATIVE_BUILD_DIR]   (default 20000, build)
set -euo pipefail
cd "$(dirname "$0")/.."
count=${1:-20000}
native=${2:-build}
rounds=5
bash scripts/build-web.sh > /dev/null
# Debian's emscripten runs its optimiser with the system's acorn.
NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH} cmake --build build-web --target vexlor-core-timing > /dev/null
cmake -S . -B "$native" -DVEXLOR_BUILD_BENCH=ON > /dev/null
cmake --build "$native" --target vexlor-decode vexlor_native_decode_timing > /dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 scripts/generate-tags.py "$count" 5 > "$work/tags.jsonl"
for _ in $(seq "$rounds"); do cat "$work/tags.jsonl"; done > "$work/rounds.jsonl"

native_alone=$("$native/bench/vexlor_native_decode_timing" "$work/tags.jsonl" "$rounds")
"$native/cli/vexlor-decode" --batch "$work/tags.jsonl" > /dev/null  # warm up
start=$(date +%s%N)
"$native/cli/vexlor-decode" --batch "$work/rounds.jsonl" > /dev/null
native_call=$(( ($(date +%s%N) - start) / (count * rounds) ))
read -r wasm_alone wasm_call < <(node bench/web/wasm_decode_timing.mjs build-web "$work/tags.jsonl" "$rounds")

echo "tags: $count, $rounds rounds"
awk -v w="$wasm_alone" -v n="$native_alone" \
  'BEGIN { printf "decode alone: native %d ns, WebAssembly %d ns per tag, ratio %.2f (at most 3)\n", n, w, w / n }'
awk -v w="$wasm_call" -v n="$native_call" \
  'BEGIN { printf "whole call: vexlor-decode --batch %d ns, decodeFields %d ns per tag, ratio %.2f\n", n, w, w / n }'
gz=$(gzip -9 < build-web/vexlor-core.wasm | wc -c)
gzm=$(gzip -9 < build-web/vexlor-core.mjs | wc -c)
echo "gzip -9: vexlor-core.wasm $gz bytes, vexlor-core.mjs $gzm bytes, together $((gz + gzm)) bytes"
