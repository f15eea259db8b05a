#!/usr/bin/env bash
# Builds the desktop program and starts it. Without a display it says so and
# decodes the sample tag on the command line instead.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh --runtime-only

cmake -S . -B build-run -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DVEXLOR_BUILD_TESTS=OFF -DVEXLOR_BUILD_BENCH=OFF -DVEXLOR_DATA_FILES=OFF >/dev/null
cmake --build build-run --target vexlor vexlor-decode

if [[ -z ${DISPLAY:-} && -z ${WAYLAND_DISPLAY:-} ]]; then
  echo "No display found (DISPLAY and WAYLAND_DISPLAY are unset): decoding the sample tag on the command line instead."
  exec build-run/cli/vexlor-decode --sample
fi
exec build-run/app/vexlor
