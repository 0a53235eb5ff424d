#include <benchmark/benchmark.h>

#include "analyses/TubeBankTables.h"
#include "properties/Correlations.h"
#include "properties/FluidTables.h"

namespace {

// Temperatures across the whole air table, so every bracketing pair is visited.
void BM_AirProperties(benchmark::State& state) {
  calvora::FluidProperties properties;
  double temperature = -70;
  for (auto _ : state) {
    calvora::AirProperties(temperature, properties);
    benchmark::DoNotOptimize(properties);
    temperature = temperature > 370 ? -70 : temperature + 13.7;
  }
}
BENCHMARK(BM_AirProperties);

void BM_FluidPropertiesAtLastRow(benchmark::State& state) {
  calvora::FluidProperties properties;
  double temperature = 299.5;
  for (auto _ : state) {
    benchmark::DoNotOptimize(temperature);
    calvora::FluidPropertiesAt(calvora::FluidKind::SaturatedWater, temperature, properties);
    benchmark::DoNotOptimize(properties);
  }
}
BENCHMARK(BM_FluidPropertiesAtLastRow);

void BM_TubeNusselt(benchmark::State& state) {
  double reynolds = 25000;
  double prandtl = 0.7;
  for (auto _ : state) {
    benchmark::DoNotOptimize(reynolds);
    benchmark::DoNotOptimize(prandtl);
    benchmark::DoNotOptimize(calvora::TubeNusselt(reynolds, prandtl));
  }
}
BENCHMARK(BM_TubeNusselt);

void BM_StaggeredBankCoefficient(benchmark::State& state) {
  double p = 1.7;
  double q = 2.3;
  for (auto _ : state) {
    benchmark::DoNotOptimize(p);
    benchmark::DoNotOptimize(q);
    benchmark::DoNotOptimize(calvora::StaggeredBankCoefficient(p, q));
  }
}
BENCHMARK(BM_StaggeredBankCoefficient);

}  // namespace
