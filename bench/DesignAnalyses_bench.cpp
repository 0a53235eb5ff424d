#include <benchmark/benchmark.h>

#include <string>

#include "analyses/CrossFlow.h"
#include "analyses/DoublePipe.h"
#include "design/DesignOutcome.h"

namespace {

// Discards every message, so a run's cost is only its calculation.
class SilentMessages : public calvora::Messages {
 public:
  void show(calvora::MessageKind, const std::string&) override {}
};

// Hot water 80 C inside, engine oil 40 C in the annulus, counter flow, with the
// iteration and both pressure drops: 20/25 mm in 40/45 mm, 5 m.
// Texts are assigned as std::string: assigning a literal draws a false
// -Wrestrict from GCC 12 at -O2.
calvora::DoublePipeInputs DoublePipeCase() {
  calvora::DoublePipeInputs in;
  in.innerFluid = 1;
  in.outerFluid = 2;
  in.innerTubeInsideDiameter = std::string("0.02");
  in.innerTubeOutsideDiameter = std::string("0.025");
  in.outerTubeInsideDiameter = std::string("0.04");
  in.outerTubeOutsideDiameter = std::string("0.045");
  in.length = std::string("5");
  in.innerMassFlow = std::string("0.2");
  in.outerMassFlow = std::string("0.3");
  in.innerTemperature = std::string("80");
  in.outerTemperature = std::string("40");
  in.iteration = true;
  in.flowCondition = 1;
  in.pressureDrops = true;
  in.inletPipeDiameter = std::string("0.03");
  in.outletPipeDiameter = std::string("0.035");
  return in;
}

// Hot water 80 C in forty 16/20 mm tubes, air 27 C across an in-line bank
// 10 x 4, both fluids unmixed, with the iteration and both pressure drops.
calvora::CrossFlowInputs CrossFlowCase() {
  calvora::CrossFlowInputs in;
  in.innerFluid = 1;
  in.outerFluid = 0;
  in.arrangement = 0;
  in.tubeInsideDiameter = std::string("0.016");
  in.tubeOutsideDiameter = std::string("0.02");
  in.rowsNormal = std::string("10");
  in.rowsParallel = std::string("4");
  in.tubeCount = std::string("40");
  in.length = std::string("1");
  in.innerMassFlow = std::string("1");
  in.outerMassFlow = std::string("0.5");
  in.innerTemperature = std::string("80");
  in.outerTemperature = std::string("27");
  in.inLinePitchParallel = std::string("0.03");
  in.inLinePitchNormal = std::string("0.04");
  in.iteration = true;
  in.mixing = 3;
  in.pressureDrops = true;
  in.inletPipeDiameter = std::string("0.05");
  in.outletPipeDiameter = std::string("0.06");
  return in;
}

void BM_DoublePipeAnalysis(benchmark::State& state) {
  const calvora::DoublePipeInputs in = DoublePipeCase();
  SilentMessages messages;
  calvora::DoublePipeTrace trace;
  for (auto _ : state) {
    benchmark::DoNotOptimize(calvora::DoublePipeAnalysis(in, messages, &trace));
  }
  state.counters["thermal_passes"] = trace.thermalPasses;
}
BENCHMARK(BM_DoublePipeAnalysis);

void BM_CrossFlowAnalysis(benchmark::State& state) {
  const calvora::CrossFlowInputs in = CrossFlowCase();
  SilentMessages messages;
  calvora::CrossFlowTrace trace;
  for (auto _ : state) {
    benchmark::DoNotOptimize(calvora::CrossFlowAnalysis(in, messages, &trace));
  }
  state.counters["thermal_passes"] = trace.thermalPasses;
}
BENCHMARK(BM_CrossFlowAnalysis);

// Showing a result: the 23 field texts of the double-pipe case, each in its
// field's display format, with the iteration and pressure-drop groups shown.
void BM_FormatDesignResultFields(benchmark::State& state) {
  SilentMessages messages;
  calvora::DoublePipeInputs in = DoublePipeCase();
  const calvora::DesignResult result = calvora::DoublePipeAnalysis(in, messages).result;
  in.iteration = true;
  in.pressureDrops = true;
  for (auto _ : state) {
    benchmark::DoNotOptimize(calvora::ResultsOutcome(in, result));
  }
}
BENCHMARK(BM_FormatDesignResultFields);

}  // namespace
