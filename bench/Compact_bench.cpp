#include <benchmark/benchmark.h>

#include "analyses/CompactAnalysis.h"
#include "common/Messages.h"

namespace {

// One rating of a hot-water coil (entry 6) with the property iteration and
// both pressure drops, from the typed texts to the result record.
void BM_CompactAnalysisIterationAndPressureDrops(benchmark::State& state) {
  calvora::CompactInputs in;
  in.surfaceIndex = 6;
  in.innerFluidIndex = 1;  // saturated water
  in.outerFluidIndex = 0;  // air
  in.insideDiameter = "0.0165";
  in.tubes = "20";
  in.rowsNormal = "10";
  in.rowsParallel = "2";
  in.length = "0.6";
  in.innerMassFlow = "0.5";
  in.outerMassFlow = "1.2";
  in.innerTemperature = "80";
  in.outerTemperature = "20";
  in.iterate = true;
  in.pressureDrops = true;
  in.inletPipeDiameter = "0.05";
  in.outletPipeDiameter = "0.04";
  calvora::RecordingMessages messages;
  for (auto _ : state) {
    benchmark::DoNotOptimize(calvora::CompactAnalysis(in, messages));
  }
}
BENCHMARK(BM_CompactAnalysisIterationAndPressureDrops)->Repetitions(9)->ReportAggregatesOnly(true);

}  // namespace
