#!/usr/bin/env bash
# The web core's speed and weight: a decode in WebAssembly under node against
# the native decode, per tag, over the same generated tags (both decode each
# tag and write its JSON object; the native side reads its JSON Lines too),
# and the gzip size of vexlor-core.wasm + .mjs.
#   bash bench/web_core_timing.sh [N] [NATIVE_BUILD_DIR]   (default 100000, build)
set -euo pipefail
cd "$(dirname "$0")/.."
count=${1:-100000}
native=${2:-build}
bash scripts/build-web.sh > /dev/null
cmake --build "$native" --target vexlor-decode > /dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 scripts/generate-tags.py "$count" 5 > "$work/tags.jsonl"

"$native/cli/vexlor-decode" --batch "$work/tags.jsonl" > /dev/null  # warm the file cache
start=$(date +%s%N)
"$native/cli/vexlor-decode" --batch "$work/tags.jsonl" > /dev/null
native_ns=$(( ($(date +%s%N) - start) / count ))
wasm_ns=$(node bench/web_core_timing.mjs build-web "$work/tags.jsonl" | cut -d' ' -f1)

echo "tags: $count"
echo "native decode (vexlor-decode --batch): $native_ns ns per tag"
echo "WebAssembly decode under node (decodeFields): $wasm_ns ns per tag"
awk -v w="$wasm_ns" -v n="$native_ns" 'BEGIN { printf "ratio: %.2f (at most 3)\n", w / n }'
gz=$(cat build-web/vexlor-core.wasm | gzip -9 | wc -c)
gzm=$(cat build-web/vexlor-core.mjs | gzip -9 | wc -c)
echo "gzip -9: vexlor-core.wasm $gz bytes, vexlor-core.mjs $gzm bytes, together $((gz + gzm)) bytes"
