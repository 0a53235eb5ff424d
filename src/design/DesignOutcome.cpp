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
  return std::visit([](const auto& in) { return in.iteration; }, inputs);
}

design::DesignPage PageOf(const DesignInputs& inputs) {
  return design::kDesignPages[inputs.index()];
}

bool PressureDropsChosen(const DesignInputs& inputs) {
  return std::visit([](const auto& in) { return in.pressureDrops; }, inputs);
}

bool FieldVisible(Shown shown, bool iteration, bool pressureDrops) {
  switch (shown) {
    case Shown::Always:
      return true;
    case Shown::WithIteration:
      return iteration;
    case Shown::WithoutIteration:
      return !iteration;
    case Shown::WithPressureDrops:
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

DesignOutcome RunDesign(const DesignInputs& inputs, Messages& sink, fields::ResultTexts texts) {
  DesignResult result;
  bool resultsFlag = false;
  const RunEnding ending = RunGuarded(sink, [&](Messages& messages) {
    const DesignRun run = Analyse(inputs, messages);
    resultsFlag = run.resultsFlag;
    result = run.result;
  });
  if (ending == RunEnding::Results && resultsFlag)
    return ResultsOutcome(inputs, result, texts);
  // The record is copied into the outcome once, whichever way the run ended.
  DesignOutcome outcome;
  outcome.inputs = inputs;
  if (ending != RunEnding::Results) {
    outcome.ending = ending;
    return outcome;
  }
  outcome.ending = RunEnding::FailedCheck;
  outcome.result = result;
  return outcome;
}

DesignOutcome ResultsOutcome(const DesignInputs& inputs, const DesignResult& result,
                             fields::ResultTexts texts) {
  // Formatting is display work, not part of the calculation: it leaves the
  // arithmetic flags as it found them.
  PreservedArithmeticFlags keep;
  const bool iteration = IterationChosen(inputs);
  const bool pressureDrops = PressureDropsChosen(inputs);
  const char separator = SeparatorOf(inputs);
  DesignOutcome outcome;
  outcome.inputs = inputs;
  outcome.result = result;
  for (int i = 0; i < kDesignResultFieldCount; ++i) {
    const auto& f = design::kDesignResultFields[i];
    outcome.fieldVisible[i] = FieldVisible(f.shown, iteration, pressureDrops);
    if (texts == fields::ResultTexts::Skipped)
      continue;
    const double value = f.value(result);
    outcome.fieldTexts[i] =
        FormatFixed(f.absolute ? std::fabs(value) : value, f.precision, f.digits, separator);
  }
  return outcome;
}

}  // namespace calvora
