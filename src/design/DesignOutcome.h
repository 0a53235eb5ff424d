#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <variant>

#include "analyses/CompactAnalysis.h"
#include "analyses/CrossFlow.h"
#include "analyses/DesignResult.h"
#include "analyses/DoublePipe.h"
#include "analyses/ShellAndTube.h"

namespace calvora {

class Messages;

// How a run ended. Only Results fills the results screen; every other ending has
// shown its message(s) through the sink already.
enum class RunEnding {
  Results,             // the analysis ran through and no check failed
  FailedCheck,         // a range or geometry check showed its message and cleared the results
  ConversionFailure,   // a text the analysis needed is not a number
  CalculationFailure,  // division by zero, invalid operation or overflow
  MissingSelection,    // a choice the analysis needed has no selection
};

// When a results field (and its group) is visible: the heat-transfer group only
// with the iteration box, the inlet-temperature group only without it, the
// pressure-drop group only with the pressure-drop box.
enum class FieldShown { Always, WithIteration, WithoutIteration, WithPressureDrops };

// One field of the design results screen: its objectName, the value it shows,
// the display format (significant digits, decimals), whether the value is shown
// without its sign, and when it is visible.
struct DesignResultField {
  std::string_view objectName;
  double DesignResult::*value;
  int precision;
  int digits;
  bool absolute;
  FieldShown shown;
};

inline constexpr int kDesignResultFieldCount = 23;

// The fields Edit1 to Edit23, in order.
inline constexpr std::array<DesignResultField, kDesignResultFieldCount> kDesignResultFields = {{
    {"Edit1", &DesignResult::innerMassFlow, 10, 4, true, FieldShown::Always},
    {"Edit2", &DesignResult::outerMassFlow, 10, 4, true, FieldShown::Always},
    {"Edit3", &DesignResult::innerReynolds, 10, 4, true, FieldShown::Always},
    {"Edit4", &DesignResult::outerReynolds, 10, 4, true, FieldShown::Always},
    {"Edit5", &DesignResult::surfaceArea, 10, 4, true, FieldShown::Always},
    {"Edit6", &DesignResult::innerFilmCoefficient, 10, 4, true, FieldShown::Always},
    {"Edit7", &DesignResult::outerFilmCoefficient, 10, 4, true, FieldShown::Always},
    {"Edit8", &DesignResult::overallCoefficient, 10, 4, true, FieldShown::Always},
    {"Edit9", &DesignResult::heatTransferRate, 10, 3, true, FieldShown::WithIteration},
    {"Edit10", &DesignResult::coldOutletTemperature, 10, 3, false, FieldShown::WithIteration},
    {"Edit11", &DesignResult::hotOutletTemperature, 10, 3, false, FieldShown::WithIteration},
    {"Edit12", &DesignResult::innerPressureDrop, 10, 4, true, FieldShown::WithPressureDrops},
    {"Edit13", &DesignResult::outerPressureDrop, 10, 4, true, FieldShown::WithPressureDrops},
    {"Edit14", &DesignResult::innerDensity, 4, 6, true, FieldShown::Always},
    {"Edit15", &DesignResult::outerDensity, 4, 6, true, FieldShown::Always},
    {"Edit16", &DesignResult::innerPrandtl, 4, 6, true, FieldShown::Always},
    {"Edit17", &DesignResult::outerPrandtl, 4, 6, true, FieldShown::Always},
    {"Edit18", &DesignResult::innerViscosity, 6, 6, true, FieldShown::Always},
    {"Edit19", &DesignResult::outerViscosity, 6, 6, true, FieldShown::Always},
    {"Edit20", &DesignResult::innerConductivity, 4, 6, true, FieldShown::Always},
    {"Edit21", &DesignResult::outerConductivity, 4, 6, true, FieldShown::Always},
    {"Edit22", &DesignResult::innerInletTemperature, 10, 2, false, FieldShown::WithoutIteration},
    {"Edit23", &DesignResult::outerInletTemperature, 10, 2, false, FieldShown::WithoutIteration},
}};

// The results groups that can be hidden (the flow-conditions and fluid-property
// groups are always visible).
enum class ResultGroup { HeatTransfer, PressureDrops, InletTemperatures };
inline constexpr int kResultGroupCount = 3;

// The page's input record: one of the four analyses.
using DesignInputs =
    std::variant<DoublePipeInputs, CrossFlowInputs, ShellAndTubeInputs, CompactInputs>;

// Everything the results screen needs from one run. With an ending other than
// Results the texts are empty and nothing is visible; the screen leaves its
// fields as they were.
struct DesignOutcome {
  RunEnding ending = RunEnding::Results;
  DesignResult result;
  std::array<std::string, kDesignResultFieldCount> fieldTexts;  // Edit1..Edit23
  std::array<bool, kDesignResultFieldCount> fieldVisible{};
  std::array<bool, kResultGroupCount> groupVisible{};  // indexed by ResultGroup

  bool showsResults() const { return ending == RunEnding::Results; }
  const std::string& text(int fieldNumber) const { return fieldTexts[fieldNumber - 1]; }
  bool visible(int fieldNumber) const { return fieldVisible[fieldNumber - 1]; }
  bool visible(ResultGroup group) const { return groupVisible[static_cast<int>(group)]; }
};

// Runs `work` as a calculation: with clean arithmetic flags (the caller's are
// restored afterwards), a final arithmetic check, and the three failures turned
// into their messages through `sink` ("Something's gone wrong..." and "You need
// to enter all the required data." as errors, "You need to choose the flow
// condition..." as a warning). Returns Results when nothing failed.
RunEnding RunGuarded(Messages& sink, const std::function<void(Messages&)>& work);

// One design run as the design screen's OK runs it: the page's analysis inside
// RunGuarded, then, when the results flag survived, the 23 field texts (with
// the record's decimal separator) and what is visible.
DesignOutcome RunDesign(const DesignInputs& inputs, Messages& sink);

// The outcome of a run that ended with `result` and its results flag set: the
// field texts with `decimalSeparator`, and what the two boxes make visible.
DesignOutcome ResultsOutcome(const DesignResult& result, bool iteration, bool pressureDrops,
                             char decimalSeparator);

// The iteration and pressure-drop boxes of a page's record.
bool IterationChosen(const DesignInputs& inputs);
bool PressureDropsChosen(const DesignInputs& inputs);

// Whether a field is visible for the given boxes.
bool FieldVisible(FieldShown shown, bool iteration, bool pressureDrops);

}  // namespace calvora
