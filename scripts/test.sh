#!/usr/bin/env bash
# Builds Calvora with its tests and benchmarks (RelWithDebInfo, in build/) and
# runs every test, core and screens. Fails when a test fails or when no test ran.
#
# CALVORA_CMAKE_ARGS: extra CMake arguments for the configuration, split at
# blanks (e.g. CALVORA_CMAKE_ARGS=-DCALVORA_WERROR=ON).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

build=build
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
read -r -a extra <<<"${CALVORA_CMAKE_ARGS:-}"
# Every option is set each time, so an earlier configuration of the folder
# (tests or benchmarks turned off) cannot leave them off.
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCALVORA_BUILD_UI=ON \
  -DCALVORA_BUILD_TESTS=ON -DCALVORA_BUILD_BENCH=ON -DCALVORA_FUZZ=OFF \
  -DCALVORA_SANITIZE=OFF -DCALVORA_WERROR=OFF "${launcher[@]}" "${extra[@]}"
cmake --build "$build" -j"$(nproc)"

export QT_QPA_PLATFORM=offscreen QT_QPA_PLATFORMTHEME=
log="$build/ctest-summary.log"
ctest --test-dir "$build" --output-on-failure --no-tests=error -j"$(nproc)" | tee "$log"
ran=$(sed -n 's/.* tests failed out of \([0-9][0-9]*\)$/\1/p' "$log" | tail -n 1)
echo "test.sh: ${ran:-no} tests ran, all passed."
