#!/usr/bin/env bash
# Tests the web edition's page in Debian's chromium (headless, driven by
# playwright-core from npm): builds the site, serves it from 127.0.0.1 inside
# the tests and compares the page with the native vexlor-decode.
#   bash scripts/test-web.sh [NATIVE_BUILD_DIR]   (default build)
set -euo pipefail
cd "$(dirname "$0")/.."
native=${1:-build}
bash scripts/install-deps.sh --web
# Debian's nodejs comes without npm (other builds of node bring their own).
if ! command -v npm > /dev/null; then
  as_root=(); [[ $(id -u) -ne 0 ]] && as_root=(sudo)
  "${as_root[@]}" apt-get install -y -qq --no-install-recommends npm
fi
npm ci --no-audit --no-fund --loglevel=error
bash scripts/build-web.sh > /dev/null
if [[ ! -x $native/cli/vexlor-decode ]]; then
  cmake -S . -B "$native" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEXLOR_WERROR=ON > /dev/null
fi
cmake --build "$native" --target vexlor-decode > /dev/null

echo "== web page: chromium =="
VEXLOR_DECODE="$native/cli/vexlor-decode" node --test tests/web/page.test.mjs
