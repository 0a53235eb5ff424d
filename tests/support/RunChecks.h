// The promises a calculation run must keep, shared by the hostile-input test
// (tests/analyses/HostileInput_test.cpp) and the fuzz targets (fuzz/). A design
// run (RunDesign, as the design screen's OK runs it) must end in results whose
// shown fields are finite and read as numbers, or in a failed check that said
// so, or in one of the three failures with its message, with only the messages
// its analysis defines. A thermal run (SolveThermal, as the input screen's OK
// runs it) keeps the same promises for its fifteen fields and its messages, and
// its results keep the method's bounds (positive flows, duty, area, coefficient,
// NTU and capacity rates, an effectiveness in (0, 1]); any message ends it.
// Each check returns what was broken, or an empty text; the caller decides how
// to report it and how long a run may take. Header-only, standard C++ and the
// core: no test framework.

#pragma once

#include <bit>
#include <cmath>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analyses/AnalysisMessages.h"
#include "analyses/CompactAnalysis.h"
#include "analyses/ShellAndTubeMessages.h"
#include "common/Messages.h"
#include "common/Numbers.h"
#include "design/DesignOutcome.h"
#include "ntu/Effectiveness.h"
#include "ntu/InverseRelations.h"
#include "ntu/MassFlowSearch.h"
#include "thermal/ThermalResults.h"
#include "thermal/ThermalSolver.h"

namespace run_checks {

using calvora::Message;
using calvora::MessageKind;

// A displayed number: what FormatFixed writes for a finite value reads as one.
// Mantissa and exponent are read apart, since a value within a rounding of the
// largest double (1.7976931348623157e308 shows as 1.797693135E+308) is finite
// but its rounded text lies beyond the largest double.
inline bool DisplaysAsNumber(const std::string& text, char separator) {
  if (text.find("INF") != std::string::npos || text.find("NAN") != std::string::npos)
    return false;
  const std::size_t e = text.find('E');
  const auto mantissa = calvora::TryParseNumber(text.substr(0, e), separator);
  if (!mantissa || !std::isfinite(*mantissa))
    return false;
  if (e == std::string::npos)
    return true;
  const std::string exponent = text.substr(e + 1);
  return exponent.size() >= 3 && (exponent[0] == '+' || exponent[0] == '-') &&
         exponent.find_first_not_of("0123456789", 1) == std::string::npos;
}

inline std::string Describe(const std::vector<Message>& messages) {
  std::string s;
  for (const Message& m : messages)
    s += "[" + std::to_string(static_cast<int>(m.kind)) + "] " + m.text + " | ";
  return s;
}

// ---- what a design run may say ---------------------------------------------------

struct KnownMessage {
  MessageKind kind;
  std::string_view text;
  bool clearsResults;   // a failed check: the results screen is not filled
  bool prefix = false;  // the text is followed by a number
};

using MessageTable = std::vector<KnownMessage>;

inline const MessageTable& DoublePipeMessages() {
  static const MessageTable table = {
      {MessageKind::Error, calvora::kInnerTemperatureOutOfRangeMessage, true},
      {MessageKind::Error, calvora::kTemperatureOutOfRangeMessage, true},
      {MessageKind::Error, calvora::kOuterDiametersMessage, true},
      {MessageKind::Error, calvora::kAnnulusDiameterMessage, true},
      {MessageKind::Error, calvora::kIterationDidNotSettleMessage, true},
      {MessageKind::Error, calvora::kInsufficientDataMessage, false},
  };
  return table;
}

inline const MessageTable& CrossFlowMessages() {
  static const MessageTable table = {
      {MessageKind::Error, calvora::kTemperatureOutOfRangeMessage, true},
      {MessageKind::Error, calvora::kTubeDiameterMessage, true},
      {MessageKind::Error, calvora::kIterationDidNotSettleMessage, true},
      {MessageKind::Information, calvora::kExchangerHeightPrefix, false, true},
      {MessageKind::Error, calvora::kInsufficientDataMessage, false},
  };
  return table;
}

inline const MessageTable& ShellAndTubeMessages() {
  static const MessageTable table = {
      {MessageKind::Error, calvora::kTemperatureOutOfRangeMessage, true},
      {MessageKind::Warning, calvora::kShellDiameterRangeMessage, true},
      {MessageKind::Warning, calvora::kTubeDiameterRangeMessage, true},
      {MessageKind::Warning, calvora::kBaffleCountRangeMessage, true},
      {MessageKind::Warning, calvora::kClearanceMessage, true},
      {MessageKind::Error, calvora::kEndBaffleRatioMessage, true},
      {MessageKind::Warning, calvora::kInnerFlowMessagePrefix, true, true},
      {MessageKind::Warning, calvora::kOuterFlowMessage, true},
      {MessageKind::Error, calvora::kIterationDidNotSettleMessage, true},
      {MessageKind::Warning, calvora::kBaffleRatioLowMessage, false},
      {MessageKind::Warning, calvora::kBaffleRatioHighMessage, false},
      {MessageKind::Warning, calvora::kLowShellReynoldsMessage, false},
      {MessageKind::Error, calvora::kInsufficientDataMessage, false},
  };
  return table;
}

inline const MessageTable& CompactMessages() {
  static const MessageTable table = {
      {MessageKind::Warning, calvora::kCompactNoSurfaceMessage, true},
      {MessageKind::Error, calvora::kCompactDiameterMessage, true},
      {MessageKind::Error, calvora::kTemperatureOutOfRangeMessage, true},
      {MessageKind::Error, calvora::kIterationDidNotSettleMessage, true},
      {MessageKind::Warning, calvora::kCompactReynoldsHighMessage, false},
      {MessageKind::Warning, calvora::kCompactReynoldsLowMessage, false},
      {MessageKind::Error, calvora::kInsufficientDataMessage, false},
  };
  return table;
}

inline const KnownMessage* Lookup(const MessageTable& table, const Message& m) {
  for (const KnownMessage& known : table) {
    if (known.kind != m.kind)
      continue;
    if (known.prefix ? m.text.starts_with(known.text) : m.text == known.text)
      return &known;
  }
  return nullptr;
}

// Empty when a design run's outcome and the messages it showed (the analysis'
// own, then the failure's message if any) keep every promise, else what it broke.
inline std::string CheckDesignOutcome(const calvora::DesignOutcome& outcome,
                                      const std::vector<Message>& messages,
                                      const MessageTable& table, char separator) {
  using Ending = calvora::RunEnding;
  const Ending ending = outcome.ending;
  const bool failure = ending != Ending::Results && ending != Ending::FailedCheck;
  std::vector<Message> analysisMessages = messages;
  if (failure) {
    // The failure's own message closes the run, and nothing follows it.
    if (analysisMessages.empty() || analysisMessages.back().kind == MessageKind::Information)
      return "a failed run without its message: " + Describe(messages);
    analysisMessages.pop_back();
  }
  bool anyClearing = false;
  for (const Message& m : analysisMessages) {
    const KnownMessage* known = Lookup(table, m);
    if (!known)
      return "message not defined for this analysis: " + Describe(messages);
    if (known->prefix && !DisplaysAsNumber(m.text.substr(known->text.size()), separator))
      return "message with a number that is not one: " + m.text;
    anyClearing = anyClearing || known->clearsResults;
  }
  switch (ending) {
    case Ending::Results:
      if (anyClearing)
        return "a failed check was shown, yet results too: " + Describe(messages);
      for (int i = 0; i < calvora::kDesignResultFieldCount; ++i) {
        if (!outcome.fieldVisible[i])
          continue;
        const auto& f = calvora::design::kDesignResultFields[i];
        const std::string& text = outcome.fieldTexts[i];
        if (!std::isfinite(f.value(outcome.result)) || !DisplaysAsNumber(text, separator))
          return "shown field " + std::string(f.objectName) + " reads '" + text + "'";
      }
      return {};
    case Ending::FailedCheck:
      if (!anyClearing)
        return "no results, but no failed check was shown: " + Describe(messages);
      return {};
    default:
      return {};
  }
}

// ---- what a thermal run may say --------------------------------------------------

// Messages that end a thermal run with no results (every message a thermal run
// shows ends it).
inline bool EndsThermalRun(const Message& m) {
  const std::string_view errors[] = {
      calvora::kCalculationFailedMessage, calvora::kMassFlowNotFoundMessage,
      calvora::kInsufficientDataMessage, calvora::kCannotFindNtuMessage};
  for (std::string_view w : calvora::kThermalWarnings)
    if (m.kind == MessageKind::Warning && m.text == w)
      return true;
  for (std::string_view e : errors)
    if (m.kind == MessageKind::Error && m.text == e)
      return true;
  return false;
}

// The message that refuses `count` unknowns, or null for the three it solves.
inline const char* CountMessage(int count) {
  switch (count) {
    case 0:
      return calvora::kNoUnknownsMessage;
    case 1:
      return calvora::kOneUnknownMessage;
    case 2:
      return calvora::kTwoUnknownsMessage;
    case 3:
      return nullptr;
  }
  return calvora::kTooManyUnknownsMessage;
}

// Empty when a thermal run of `in` that ended in `outcome` and showed `ms` keeps every
// promise, else what it broke.
inline std::string CheckThermalOutcome(const calvora::ThermalInputs& in,
                                       const calvora::ThermalOutcome& outcome,
                                       const std::vector<Message>& ms) {
  const bool solved = outcome.showsResults();
  unsigned mask = 0;
  for (int u = 0; u < calvora::kUnknownCount; ++u)
    mask |= in.unknown[u] ? 1u << u : 0u;
  for (std::size_t i = 0; i < ms.size(); ++i) {
    const bool last = i + 1 == ms.size();
    if (!(last && !solved && EndsThermalRun(ms[i])))
      return "unexpected message (or in the wrong place): " + Describe(ms);
  }
  if (const char* countMessage = CountMessage(std::popcount(mask))) {
    if (solved || ms.size() != 1 || ms[0].text != countMessage)
      return "wrong count of unknowns not refused alone: " + Describe(ms);
    return {};
  }
  const bool allowed = calvora::AllowedCombination(mask) != 0;
  if (allowed && !ms.empty() && ms.back().text == calvora::kRefusedCombinationMessage)
    return "an allowed combination was refused";
  if (!allowed && (solved || ms.empty() ||
                   (ms.back().text != calvora::kRefusedCombinationMessage &&
                    ms.back().text != calvora::kMissingValuesMessage)))
    return "a refused combination was not refused: " + Describe(ms);
  if (!solved) {
    if (ms.empty() || !EndsThermalRun(ms.back()))
      return "no results and no message saying why";
    return {};
  }
  const calvora::ThermalState& r = outcome.state;
  for (double v : {r.mh, r.mc, r.Q, r.A, r.U, r.NTU, r.Cmin, r.Cmax})
    if (!(v > 0.0))
      return "results with a flow, duty, area, coefficient, NTU or capacity rate not above zero";
  if (!(r.epsilon > 0.0 && r.epsilon <= 1.0))
    return "results with an effectiveness outside (0, 1]";
  const auto& texts = outcome.fieldTexts;
  for (std::size_t f = 0; f < texts.size(); ++f)
    if (!DisplaysAsNumber(texts[f], in.decimalSeparator))
      return "result field " + std::to_string(f + 1) + " reads '" + texts[f] + "'";
  return {};
}

}  // namespace run_checks
