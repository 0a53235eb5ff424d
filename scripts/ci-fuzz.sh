#!/bin/sh
# Builds the libFuzzer targets in fuzz/ with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each one for FUZZ_SECONDS (30 by default)
# from its seed corpus in fuzz/corpus/<Target>/. Fails when any target reports
# a finding (a broken property, a crash, a sanitizer report, a hang, running out
# of memory); the input that caused it is kept in build-fuzz/findings/<Target>/.
#
# Installs clang and its fuzzer runtime with apt-get when they are missing.
# Environment: FUZZ_SECONDS, JOBS (build jobs, default 2), BUILD_DIR (build-fuzz).
set -eu

cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-30}
jobs=${JOBS:-2}
build=${BUILD_DIR:-build-fuzz}

have_runtime() {
  command -v clang++ >/dev/null 2>&1 || return 1
  for lib in /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a; do
    [ -e "$lib" ] && return 0
  done
  return 1
}

if ! have_runtime; then
  echo "ci-fuzz: installing clang and its fuzzer runtime"
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo=sudo
  $sudo apt-get update -qq
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq clang libclang-rt-14-dev
fi

launcher=""
command -v ccache >/dev/null 2>&1 && launcher="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
CXX=clang++ cmake -S . -B "$build" $launcher -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCALVORA_FUZZ=ON \
  -DCALVORA_BUILD_UI=OFF -DCALVORA_BUILD_TESTS=OFF -DCALVORA_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j"$jobs"

# Leaks inside system libraries that Calvora cannot fix (fuzz/lsan-suppressions.txt).
LSAN_OPTIONS="suppressions=$PWD/fuzz/lsan-suppressions.txt${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
export LSAN_OPTIONS

failed=""
ran=0
for source in fuzz/*_fuzz.cpp; do
  target=$(basename "$source" .cpp)
  name=${target%_fuzz}
  seeds=fuzz/corpus/$name
  if [ ! -d "$seeds" ]; then
    echo "ci-fuzz: $target has no seed corpus in $seeds" >&2
    failed="$failed $target"
    continue
  fi
  work=$(mktemp -d)
  findings=$build/findings/$name
  mkdir -p "$work/corpus" "$findings"
  extra=""
  # The conversion target reads a typed entry; longer texts add nothing.
  [ "$name" = NumberConversion ] && extra="-max_len=64"
  echo "ci-fuzz: $target for ${seconds} s"
  if "$build/$target" "$work/corpus" "$seeds" -max_total_time="$seconds" -timeout=10 \
    -rss_limit_mb=2048 -artifact_prefix="$findings/" -print_final_stats=1 $extra \
    >"$work/log" 2>&1; then
    grep -E '^stat::number_of_executed_units' "$work/log" | sed "s/^/  $name /"
  else
    echo "ci-fuzz: $target found a problem:" >&2
    grep -E 'property broken|ERROR|SUMMARY|runtime error|Test unit written' "$work/log" >&2 || \
      tail -n 30 "$work/log" >&2
    failed="$failed $target"
  fi
  ran=$((ran + 1))
  rm -rf "$work"
done

if [ "$ran" -eq 0 ]; then
  echo "ci-fuzz: no fuzz targets found" >&2
  exit 1
fi
if [ -n "$failed" ]; then
  echo "ci-fuzz: findings in:$failed (inputs in $build/findings/)" >&2
  exit 1
fi
echo "ci-fuzz: $ran targets ran ${seconds} s each without findings"
