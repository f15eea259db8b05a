#!/usr/bin/env bash
# Builds everything and runs every test: the unit and window tests, the web
# edition's core against the native decoder, its page in headless chromium, the checks of the install tree
# and the Debian package, the fuzz corpus replayed with a short fuzzing run of
# each target, and the unit tests again under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

echo "== build and test =="
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEXLOR_WERROR=ON
cmake --build build
ctest --test-dir build --output-on-failure -j"$jobs"

echo "== web edition: the WebAssembly core against the native decoder =="
bash scripts/test-web-core.sh build
echo "== web edition: the page in headless chromium =="
bash scripts/test-web.sh build

echo "== install tree, desktop entry, AppStream metadata, man pages, completion, Debian package =="
bash scripts/check-install.sh build

echo "== the registry report in chromium =="
bash scripts/check-report.sh build

if [[ -x fuzz/run.sh ]]; then
  echo "== fuzzing: corpus replay and a short run of each target =="
  bash fuzz/run.sh --seconds "${VEXLOR_FUZZ_SECONDS:-20}"
fi

echo "== unit tests under AddressSanitizer and UndefinedBehaviorSanitizer =="
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVEXLOR_SANITIZE=ON \
  -DVEXLOR_BUILD_APP=OFF -DVEXLOR_BUILD_BENCH=OFF -DVEXLOR_DATA_FILES=OFF -DVEXLOR_WERROR=ON
cmake --build build-asan
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure -j"$jobs"
