#!/usr/bin/env bash
# Installs every Debian package the build and the tests need; does nothing when all is there.
set -euo pipefail

packages=(
  # build
  build-essential cmake ninja-build pkg-config git
  qt6-base-dev qt6-qpa-plugins libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libcli11-dev nlohmann-json3-dev
  clang libclang-rt-14-dev libfuzzer-14-dev
  # test peers and real data
  afdko python3-fonttools ghostscript poppler-data poppler-utils
  fonts-dejavu-core fonts-urw-base35 fonts-ipafont-mincho fonts-liberation2
  # the screenshot of the main window under a virtual display (scripts/screenshot.sh)
  xvfb xauth
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "install-deps: installing ${missing[*]}"
sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
