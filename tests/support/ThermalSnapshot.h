#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/Messages.h"
#include "thermal/ThermalReport.h"
#include "thermal/ThermalSolver.h"

namespace calvora {

// The index of the item `text` among `items` (a choice row's items), -1 when none.
inline int ItemIndex(std::span<const std::string_view> items, std::string_view text) {
  const auto at = std::find(items.begin(), items.end(), text);
  return at == items.end() ? -1 : static_cast<int>(at - items.begin());
}

// What the results screen keeps of a run for its report: the record as typed
// and the outcome.
struct ThermalReportSnapshot {
  ThermalInputs inputs;
  ThermalOutcome outcome;
};

// The run of `in`, as OK runs it. Expects the run to end with results.
inline ThermalReportSnapshot SnapshotAfter(const ThermalInputs& in, RecordingMessages& messages) {
  ThermalReportSnapshot snap{in, SolveThermal(in, messages)};
  EXPECT_TRUE(snap.outcome.showsResults());
  return snap;
}

inline ThermalReportSnapshot SnapshotAfter(const ThermalInputs& in) {
  RecordingMessages messages;
  return SnapshotAfter(in, messages);
}

inline std::vector<std::string> ThermalReportLines(const ThermalReportSnapshot& snap,
                                                   ReportVariant variant) {
  return ThermalReportLines(snap.inputs, snap.outcome, variant);
}

}  // namespace calvora
