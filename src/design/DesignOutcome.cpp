#include "design/DesignOutcome.h"

#include <cmath>
#include <string>

#include "common/Errors.h"
#include "common/FloatingPoint.h"
#include "common/Format.h"
#include "common/Messages.h"
#include "design/DesignCaptions.h"

namespace calvora {

RunEnding RunGuarded(Messages& sink, const std::function<void(Messages&)>& work) {
  // The failure's message is shown after the guard has restored the caller's
  // flags, as a box shown outside the calculation.
  MessageKind kind = MessageKind::Error;
  std::string_view text;
  RunEnding ending = RunEnding::Results;
  try {
    FloatingPointGuard guard;
    work(sink);
    CheckArithmetic();
  } catch (const MathError&) {
    ending = RunEnding::CalculationFailure;
    text = design::kMathErrorMessage;
  } catch (const ConversionError&) {
    ending = RunEnding::ConversionFailure;
    text = design::kConversionErrorMessage;
  } catch (const SelectionError&) {
    ending = RunEnding::MissingSelection;
    kind = MessageKind::Warning;
    text = design::kSelectionErrorMessage;
  }
  if (ending != RunEnding::Results)
    sink.show(kind, std::string(text));
  return ending;
}

bool IterationChosen(const DesignInputs& inputs) {
  if (const auto* compact = std::get_if<CompactInputs>(&inputs))
    return compact->iterate;
  return std::visit(
      [](const auto& in) {
        if constexpr (requires { in.iteration; })
          return in.iteration;
        else
          return false;
      },
      inputs);
}

bool PressureDropsChosen(const DesignInputs& inputs) {
  return std::visit([](const auto& in) { return in.pressureDrops; }, inputs);
}

bool FieldVisible(FieldShown shown, bool iteration, bool pressureDrops) {
  switch (shown) {
    case FieldShown::Always:
      return true;
    case FieldShown::WithIteration:
      return iteration;
    case FieldShown::WithoutIteration:
      return !iteration;
    case FieldShown::WithPressureDrops:
      return pressureDrops;
  }
  return false;
}

namespace {

DesignRun Analyse(const DesignInputs& inputs, Messages& sink) {
  struct Call {
    Messages& sink;
    DesignRun operator()(const DoublePipeInputs& in) const { return DoublePipeAnalysis(in, sink); }
    DesignRun operator()(const CrossFlowInputs& in) const { return CrossFlowAnalysis(in, sink); }
    DesignRun operator()(const ShellAndTubeInputs& in) const {
      return ShellAndTubeAnalysis(in, sink);
    }
    DesignRun operator()(const CompactInputs& in) const { return CompactAnalysis(in, sink); }
  };
  return std::visit(Call{sink}, inputs);
}

char SeparatorOf(const DesignInputs& inputs) {
  return std::visit([](const auto& in) { return in.decimalSeparator; }, inputs);
}

}  // namespace

DesignOutcome RunDesign(const DesignInputs& inputs, Messages& sink) {
  DesignOutcome outcome;
  bool resultsFlag = false;
  outcome.ending = RunGuarded(sink, [&](Messages& messages) {
    const DesignRun run = Analyse(inputs, messages);
    resultsFlag = run.resultsFlag;
    outcome.result = run.result;
  });
  if (outcome.ending != RunEnding::Results) {
    outcome.result = DesignResult{};
    return outcome;
  }
  if (!resultsFlag) {
    outcome.ending = RunEnding::FailedCheck;
    return outcome;
  }
  return ResultsOutcome(outcome.result, IterationChosen(inputs), PressureDropsChosen(inputs),
                        SeparatorOf(inputs));
}

DesignOutcome ResultsOutcome(const DesignResult& result, bool iteration, bool pressureDrops,
                             char decimalSeparator) {
  // Formatting is display work, not part of the calculation: it leaves the
  // arithmetic flags as it found them.
  PreservedArithmeticFlags keep;
  DesignOutcome outcome;
  outcome.result = result;
  for (int i = 0; i < kDesignResultFieldCount; ++i) {
    const DesignResultField& f = kDesignResultFields[i];
    const double value = result.*f.value;
    outcome.fieldTexts[i] =
        FormatFixed(f.absolute ? std::fabs(value) : value, f.precision, f.digits, decimalSeparator);
    outcome.fieldVisible[i] = FieldVisible(f.shown, iteration, pressureDrops);
  }
  outcome.groupVisible[static_cast<int>(ResultGroup::HeatTransfer)] = iteration;
  outcome.groupVisible[static_cast<int>(ResultGroup::PressureDrops)] = pressureDrops;
  outcome.groupVisible[static_cast<int>(ResultGroup::InletTemperatures)] = !iteration;
  return outcome;
}

}  // namespace calvora
