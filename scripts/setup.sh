#!/usr/bin/env bash
# Installs what Calvora needs to build and test on a Debian machine that has only
# the compiler toolchain, skipping the install when everything is already there.
# Only the package install needs root: as another user it runs apt-get through
# sudo. Nothing else of Calvora runs as root.
set -euo pipefail
packages=(
  build-essential cmake            # compiler and build system
  qt6-base-dev libgl1-mesa-dev     # Qt 6 Widgets and PrintSupport, and the GL headers Qt needs
  libqt6svg6                       # the SVG image plugin that shows the help pictures
  qt6-svg-dev                      # SVG export of the charts, and SVG pictures in the help
  googletest libgtest-dev          # core tests
  libbenchmark-dev                 # benchmarks
  libudunits2-dev                  # units of the case files (UDUNITS-2 and its database)
  xvfb xauth x11vnc                # headless: a virtual display served over VNC to this machine
  poppler-utils                    # pdftotext, for the test of the printed report
  fonts-dejavu-core                # a font for the screens under the offscreen platform
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "setup.sh: run as root to install ${missing[*]}" >&2; exit 1; }
    sudo=(sudo)
  fi
  "${sudo[@]}" apt-get update
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi
