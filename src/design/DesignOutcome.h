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
#include "design/DesignFields.h"

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

using design::kDesignResultFieldCount;
using fields::Shown;

// The page's input record: one of the four analyses.
using DesignInputs =
    std::variant<DoublePipeInputs, CrossFlowInputs, ShellAndTubeInputs, CompactInputs>;

// The page a record belongs to.
design::DesignPage PageOf(const DesignInputs& inputs);

// Everything the results screen and the report need from one run: the record
// it ran on, and per row of kDesignResultFields its text and whether it is
// shown. With an ending other than Results the texts are empty and nothing is
// visible; the screen leaves its fields as they were.
struct DesignOutcome {
  RunEnding ending = RunEnding::Results;
  DesignInputs inputs;
  DesignResult result;
  std::array<std::string, kDesignResultFieldCount> fieldTexts;  // by row of kDesignResultFields
  std::array<bool, kDesignResultFieldCount> fieldVisible{};

  bool showsResults() const { return ending == RunEnding::Results; }
  // The text and visibility of the field with `key` (a key of kDesignResultFields).
  const std::string& text(std::string_view key) const { return fieldTexts[design::ResultRow(key)]; }
  bool visible(std::string_view key) const { return fieldVisible[design::ResultRow(key)]; }
};

// Runs `work` as a calculation: with clean arithmetic flags (the caller's are
// restored afterwards), a final arithmetic check, and the three failures turned
// into their messages through `sink` ("Something's gone wrong..." and "You need
// to enter all the required data." as errors, "You need to choose the flow
// condition..." as a warning). Returns Results when nothing failed.
RunEnding RunGuarded(Messages& sink, const std::function<void(Messages&)>& work);

// One design run as the design screen's OK runs it: the page's analysis inside
// RunGuarded, then, when the results flag survived, the 23 field texts (with
// the record's decimal separator; empty with ResultTexts::Skipped) and what is
// visible.
DesignOutcome RunDesign(const DesignInputs& inputs, Messages& sink,
                        fields::ResultTexts texts = fields::ResultTexts::Written);

// The outcome of a run of `inputs` that ended with `result` and its results
// flag set: the field texts with the record's decimal separator, and what its
// two boxes make visible.
DesignOutcome ResultsOutcome(const DesignInputs& inputs, const DesignResult& result,
                             fields::ResultTexts texts = fields::ResultTexts::Written);

// The iteration and pressure-drop boxes of a page's record.
bool IterationChosen(const DesignInputs& inputs);
bool PressureDropsChosen(const DesignInputs& inputs);

// Whether a field is visible for the given boxes.
bool FieldVisible(Shown shown, bool iteration, bool pressureDrops);

}  // namespace calvora
