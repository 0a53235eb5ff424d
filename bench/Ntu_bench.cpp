// Cost of one effectiveness and one inverse relation per arrangement.

#include <benchmark/benchmark.h>

#include "common/Messages.h"
#include "ntu/Effectiveness.h"
#include "ntu/InverseRelations.h"

namespace {

using calvora::CrossFlowMixing;
using calvora::FlowArrangement;

struct Case {
  FlowArrangement arrangement;
  CrossFlowMixing mixing;
};

constexpr Case kCases[] = {
    {FlowArrangement::ParallelFlow, CrossFlowMixing::None},
    {FlowArrangement::CounterFlow, CrossFlowMixing::None},
    {FlowArrangement::ShellAndTube, CrossFlowMixing::None},
    {FlowArrangement::CapacityRatioZero, CrossFlowMixing::None},
    {FlowArrangement::CrossFlow, CrossFlowMixing::ColdUnmixed},
    {FlowArrangement::CrossFlow, CrossFlowMixing::ColdMixed},
    {FlowArrangement::CrossFlow, CrossFlowMixing::BothMixed},
    {FlowArrangement::CrossFlow, CrossFlowMixing::BothUnmixed},
};

const char* const kNames[] = {"Parallel",          "Counter",          "ShellAndTube",
                              "CapacityRatioZero", "CrossColdUnmixed", "CrossColdMixed",
                              "CrossBothMixed",    "CrossBothUnmixed"};

void BM_Effectiveness(benchmark::State& state) {
  const Case c = kCases[state.range(0)];
  calvora::RecordingMessages messages;
  double C = 0.6, NTU = 1.3, Ch = 1000.0, Cc = 600.0;
  double epsilon = 0.0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(C);
    benchmark::DoNotOptimize(NTU);
    calvora::Effectiveness(C, NTU, Ch, Cc, c.arrangement, c.mixing, epsilon, messages);
    benchmark::DoNotOptimize(epsilon);
  }
  state.SetLabel(kNames[state.range(0)]);
}
BENCHMARK(BM_Effectiveness)->DenseRange(0, 7);

void BM_NtuFromEffectiveness(benchmark::State& state) {
  const Case c = kCases[state.range(0)];
  calvora::RecordingMessages messages;
  double C = 0.6, epsilon = 0.45, Ch = 1000.0, Cc = 600.0;
  double ntu = 0.0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(C);
    benchmark::DoNotOptimize(epsilon);
    calvora::NtuFromEffectiveness(C, epsilon, Ch, Cc, c.arrangement, c.mixing, ntu, messages);
    benchmark::DoNotOptimize(ntu);
  }
  state.SetLabel(kNames[state.range(0)]);
}
BENCHMARK(BM_NtuFromEffectiveness)->DenseRange(0, 7);

}  // namespace
