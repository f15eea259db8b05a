#!/usr/bin/env bash
# Builds the web edition and serves it on http://127.0.0.1:8080 (loopback
# only; PORT changes the port) until Ctrl+C.
#   bash scripts/web.sh
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build-web.sh
exec python3 scripts/serve-web.py build-web/site "${PORT:-8080}"
