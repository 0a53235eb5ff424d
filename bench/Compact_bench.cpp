#include <benchmark/benchmark.h>

#include <string>

#include "analyses/CompactAnalysis.h"
#include "common/Messages.h"

namespace {

using std::string;

// One rating of a hot-water coil (entry 6) with the property iteration and
// both pressure drops, from the typed texts to the result record.
void BM_CompactAnalysisIterationAndPressureDrops(benchmark::State& state) {
  calvora::CompactInputs in;
  in.surface = 6;
  in.innerFluid = 1;  // saturated water
  in.outerFluid = 0;  // air
  in.tubeInsideDiameter = string("0.0165");
  in.tubeCount = string("20");
  in.rowsNormal = string("10");
  in.rowsParallel = string("2");
  in.length = string("0.6");
  in.innerMassFlow = string("0.5");
  in.outerMassFlow = string("1.2");
  in.innerTemperature = string("80");
  in.outerTemperature = string("20");
  in.iteration = true;
  in.pressureDrops = true;
  in.inletPipeDiameter = string("0.05");
  in.outletPipeDiameter = string("0.04");
  calvora::RecordingMessages messages;
  for (auto _ : state) {
    benchmark::DoNotOptimize(calvora::CompactAnalysis(in, messages));
  }
}
BENCHMARK(BM_CompactAnalysisIterationAndPressureDrops)->Repetitions(9)->ReportAggregatesOnly(true);

}  // namespace
