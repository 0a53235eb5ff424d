#!/usr/bin/env bash
# Builds Calvora and starts it. Without a display it starts a virtual one (Xvfb).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DCALVORA_BUILD_TESTS=OFF -DCALVORA_BUILD_BENCH=OFF
cmake --build build -j"$(nproc)" --target calvora
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  exec xvfb-run -a ./build/calvora
fi
exec ./build/calvora
