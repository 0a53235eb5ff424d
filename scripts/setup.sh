#!/usr/bin/env bash
# Installs what Calvora needs to build and test on a Debian machine (as root),
# skipping the install when everything is already there.
set -euo pipefail
packages=(build-essential cmake qt6-base-dev libgl1-mesa-dev googletest libgtest-dev
  libbenchmark-dev xvfb xauth)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  apt-get update
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi
