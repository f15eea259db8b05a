#!/usr/bin/env bash
# Builds the web edition into build-web/site/: every file under web/site/, the
# WebAssembly module (vexlor-core.mjs and .wasm) and the program's icon as PNG
# at 192 and 512 pixels. That folder is the whole site, index.html at its root.
#   bash scripts/build-web.sh
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh --web

# Debian's emscripten runs its optimiser with the system's acorn.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
emcmake cmake -S . -B build-web -G Ninja -DVEXLOR_WEB=ON -DCMAKE_BUILD_TYPE=Release -DVEXLOR_WERROR=ON > /dev/null
cmake --build build-web

site=build-web/site
rm -rf "$site"
mkdir -p "$site"
if [[ -d web/site ]]; then
  cp -R web/site/. "$site/"
fi
cp build-web/vexlor-core.mjs build-web/vexlor-core.wasm "$site/"
for size in 192 512; do
  rsvg-convert -w "$size" -h "$size" res/vexlor.svg -o "$site/icon-$size.png"
done
echo "The site is in $site/"
