#!/usr/bin/env bash
# Tests the web edition's WebAssembly core under node: its bindings, and the
# same decodes as the native vexlor-decode, byte for byte, over 20,000
# generated tags: the JSON and the decode file of each.
#   bash scripts/test-web-core.sh [NATIVE_BUILD_DIR]   (default build)
set -euo pipefail
cd "$(dirname "$0")/.."
native=${1:-build}
bash scripts/build-web.sh > /dev/null
if [[ ! -x $native/cli/vexlor-decode ]]; then
  cmake -S . -B "$native" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEXLOR_WERROR=ON > /dev/null
fi
cmake --build "$native" --target vexlor-decode > /dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 scripts/generate-tags.py 20000 "${VEXLOR_WEB_SEED:-18}" > "$work/tags.jsonl"

echo "== web core: bindings =="
node tests/web/core_bindings_test.mjs build-web
echo "== web core: the same output as the native decoder =="
node tests/web/compare_native.mjs build-web "$native/cli/vexlor-decode" "$work/tags.jsonl" 20000
