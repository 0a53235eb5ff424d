#include <benchmark/benchmark.h>

#include "common/Format.h"
#include "common/Numbers.h"

static void BM_FormatFixed(benchmark::State& state) {
  double value = 997.555;
  for (auto _ : state) {
    benchmark::DoNotOptimize(calvora::FormatFixed(value, 10, 3));
  }
}
BENCHMARK(BM_FormatFixed);

static void BM_ParseNumber(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(calvora::ParseNumber(" 1234.5678 "));
  }
}
BENCHMARK(BM_ParseNumber);
