// Sweeps of 1,000,000 points through the command line, written to a CSV file:
// a thermal case with a closed-form combination, and a shell-and-tube case
// with the iteration and the pressure drops. Run by hand:
//
//   build/calvora_bench --benchmark_filter=Sweep
//
// Targets on a 2-core machine: the thermal sweep under 1 s wall, the
// shell-and-tube sweep under 3 s. The counters give the rows per second and
// the CSV bytes per row; the thread count is the argument (1 and 2), so the
// per-core throughput is the 1-thread rate and the scaling the ratio of the two.

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "cli/CommandLine.h"
#include "cli/Kinds.h"

namespace {

using namespace calvora;

// Counter flow, outlets and Q unknown: one closed-form step per point.
constexpr const char* kThermal = R"({"format":"calvora-case","version":1,"kind":"thermal",
  "inputs":{"type":"Counter Flow","unknowns":["Th0","Tc0","Q"],"Th1":150,"Tc1":30,"Mh":2,
  "A":20,"cc":4180,"ch":2000}})";

// Water on both sides of layout 2, with the iteration and the pressure drops.
constexpr const char* kShellAndTube = R"({"format":"calvora-case","version":1,
  "kind":"shell-and-tube","inputs":{"innerFluid":"Saturated Water",
  "outerFluid":"Saturated Water","iteration":true,"pressureDrops":true,"shellDiameter":0.5,
  "tubeInsideDiameter":0.0135,"clearance":0.015,"baffles":12,"centralBaffleSpace":0.2,
  "endBaffleSpace":0.3,"innerTemperature":20,"outerTemperature":80,"layout1":false,
  "layout2":true,"inletPipeDiameter":0.3,"outletPipeDiameter":0.3,
  "shellInletPipeDiameter":0.15,"shellOutletPipeDiameter":0.15}})";

void BM_Sweep(benchmark::State& state, const char* contents, QStringList vary) {
  static int argc = 1;
  static char name[] = "calvora_bench";
  static char* argv[] = {name, nullptr};
  if (!QCoreApplication::instance())
    new QCoreApplication(argc, argv);
  QTemporaryDir dir;
  const QString input = dir.filePath("case.json");
  QFile file(input);
  if (!file.open(QIODevice::WriteOnly) || file.write(contents) < 0) {
    state.SkipWithError("cannot write the case");
    return;
  }
  file.close();
  const QString csv = dir.filePath("sweep.csv");
  const int threads = static_cast<int>(state.range(0));
  const QStringList arguments =
      QStringList{"calvora", "--run", input} + vary + QStringList{"--csv", csv, "--overwrite"};
  for (auto _ : state) {
    if (cli::RunCommandLine(arguments, cli::CaseKinds(), stdout, stderr, threads) != 0)
      state.SkipWithError("a point ended in a message");
  }
  const double rows = 1e6;
  state.counters["rows/s"] =
      benchmark::Counter(rows, benchmark::Counter::kIsIterationInvariantRate);
  state.counters["bytes/row"] = static_cast<double>(QFileInfo(csv).size()) / rows;
}

BENCHMARK_CAPTURE(BM_Sweep, Thermal1M, kThermal,
                  {"--vary", "Mc=0.5:3:1000", "--vary", "U=100:900:1000"})
    ->Arg(1)
    ->Arg(2)
    ->Iterations(2)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Sweep, ShellAndTube1M, kShellAndTube,
                  {"--vary", "innerMassFlow=180:300:1000", "--vary", "outerMassFlow=10:40:1000"})
    ->Arg(1)
    ->Arg(2)
    ->Iterations(1)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
