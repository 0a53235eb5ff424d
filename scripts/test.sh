#!/usr/bin/env bash
# Builds Calvora with its tests and runs every test (core and screens).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen QT_QPA_PLATFORMTHEME=
ctest --test-dir build --output-on-failure -j"$(nproc)"
