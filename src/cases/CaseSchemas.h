#pragma once

// The five kinds of case: each names its input record's field table, its sets of
// check marks and where the record keeps its decimal separator. The screens'
// "Open case..." and "Save case...", the command line and the tests all read a
// case through these, so the screen, the file and the report cannot drift apart.

#include <array>
#include <cstddef>

#include "analyses/CompactAnalysis.h"
#include "analyses/CrossFlow.h"
#include "analyses/DoublePipe.h"
#include "analyses/ShellAndTube.h"
#include "cases/CaseFile.h"
#include "design/DesignFields.h"
#include "thermal/ThermalFields.h"
#include "thermal/ThermalSolver.h"

namespace calvora::cases {

template <class Record>
char SeparatorOf(const Record& record) {
  return record.decimalSeparator;
}

// The thermal unknowns, listed by their symbols: "unknowns": ["Th0", "Mh", "Q"].
inline constexpr std::array<SymbolSet<ThermalInputs>, 1> kThermalSets = {{
    {"unknowns", kThermalUnknownSymbols,
     [](ThermalInputs& r, std::size_t i) -> bool& { return r.unknown[i]; }},
}};

inline constexpr CaseSchema<ThermalInputs> kThermalSchema{"thermal", kThermalInputFields,
                                                          kThermalSets, SeparatorOf<ThermalInputs>};
inline constexpr CaseSchema<DoublePipeInputs> kDoublePipeSchema{
    "double-pipe", design::kDoublePipeFields, {}, SeparatorOf<DoublePipeInputs>};
inline constexpr CaseSchema<CrossFlowInputs> kCrossFlowSchema{
    "cross-flow", design::kCrossFlowFields, {}, SeparatorOf<CrossFlowInputs>};
inline constexpr CaseSchema<ShellAndTubeInputs> kShellAndTubeSchema{
    "shell-and-tube", design::kShellAndTubeFields, {}, SeparatorOf<ShellAndTubeInputs>};
inline constexpr CaseSchema<CompactInputs> kCompactSchema{
    "compact", design::kCompactFields, {}, SeparatorOf<CompactInputs>};

}  // namespace calvora::cases
