// Cost of one thermal analysis from the typed entries to the solved state and its field texts.

#include <benchmark/benchmark.h>

#include "common/Messages.h"
#include "thermal/ThermalResults.h"
#include "thermal/ThermalSolver.h"

namespace {

namespace ti = calvora::thermal_input;

calvora::ThermalInputs Entries(std::initializer_list<calvora::Unknown> unknowns) {
  calvora::ThermalInputs in;
  in.SetArrangement(calvora::FlowArrangement::CounterFlow);
  in.SetMixing(calvora::CrossFlowMixing::ColdUnmixed);
  for (calvora::Unknown u : unknowns)
    in.SetUnknown(u);
  in.SetText(ti::Quantity::Th1, "150");
  in.SetText(ti::Quantity::Tc1, "20");
  in.SetText(ti::Quantity::Th0, "85.5");
  in.SetText(ti::Quantity::Tc0, "61.47");
  in.SetText(ti::Quantity::Mh, "2");
  in.SetText(ti::Quantity::Mc, "3");
  in.SetText(ti::Quantity::Q, "520000");
  in.SetText(ti::Quantity::A, "12");
  in.SetText(ti::Quantity::U, "500");
  in.SetText(ti::Quantity::Cc, "4180");
  in.SetText(ti::Quantity::Ch, "4000");
  return in;
}

// Closed form: Mh, Q and A unknown (heat balance, then the NTU from the temperatures).
void BM_SolveClosedFormCombination(benchmark::State& state) {
  using U = calvora::Unknown;
  const calvora::ThermalInputs in = Entries({U::Mh, U::Q, U::A});
  calvora::RecordingMessages messages;
  for (auto _ : state) {
    auto result = calvora::SolveThermal(in, messages);
    benchmark::DoNotOptimize(result);
  }
}
BENCHMARK(BM_SolveClosedFormCombination);

// Mass-flow search: Tc0, Th0 and Mh unknown, the entered Q as the reference.
void BM_SolveMassFlowCombination(benchmark::State& state) {
  using U = calvora::Unknown;
  const calvora::ThermalInputs in = Entries({U::Tc0, U::Th0, U::Mh});
  calvora::RecordingMessages messages;
  for (auto _ : state) {
    auto result = calvora::SolveThermal(in, messages);
    benchmark::DoNotOptimize(result);
  }
  if (!messages.messages.empty())
    state.SkipWithError("the search did not settle");
}
BENCHMARK(BM_SolveMassFlowCombination);

// Showing a result: the fifteen field texts of the closed-form case.
void BM_FormatThermalResultFields(benchmark::State& state) {
  using U = calvora::Unknown;
  calvora::RecordingMessages messages;
  const auto solved = calvora::SolveThermal(Entries({U::Mh, U::Q, U::A}), messages);
  if (!solved.showsResults()) {
    state.SkipWithError("the case did not solve");
    return;
  }
  for (auto _ : state) {
    benchmark::DoNotOptimize(calvora::ThermalResultTexts(solved.state, '.'));
  }
}
BENCHMARK(BM_FormatThermalResultFields);

}  // namespace
