#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need; does nothing when
# they are all there already. Needs root (or sudo) only when something is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev libsimdjson-dev libsqlite3-dev libssl-dev sqlite3
  qt6-base-dev qt6-base-dev-tools libgl-dev
  fonts-dejavu-core fonts-liberation
  clang libclang-rt-14-dev
  xvfb xauth jq
  scdoc librsvg2-bin chromium
  desktop-file-utils appstream groff-base man-db dpkg-dev lintian
  libxml2-utils shared-mime-info libglib2.0-bin
)
if [[ ${1:-} == --runtime-only ]]; then
  packages=(cmake ninja-build g++ pkg-config nlohmann-json3-dev libsimdjson-dev libsqlite3-dev libssl-dev qt6-base-dev qt6-base-dev-tools libgl-dev fonts-dejavu-core fonts-liberation)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing missing Debian packages: ${missing[*]}"
as_root=()
if [[ $(id -u) -ne 0 ]]; then
  as_root=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
