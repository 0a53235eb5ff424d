#pragma once

#include <gtest/gtest.h>

#include "common/Messages.h"
#include "thermal/ThermalReport.h"
#include "thermal/ThermalResults.h"
#include "thermal/ThermalSolver.h"

namespace calvora {

// What the input and results screens would hand to the report after solving
// `in`: the entries as typed (those of the unknowns hidden), the captions the
// screens show, and the results texts. Expects the run to end with results.
inline ThermalReportSnapshot SnapshotAfter(const ThermalInputs& in, RecordingMessages& messages) {
  namespace ti = thermal_input;
  namespace tr = thermal_results;
  const auto state = SolveThermal(in, messages);
  EXPECT_TRUE(state.has_value());
  ThermalReportSnapshot snap;
  snap.arrangementItem = in.arrangementItem;
  snap.mixingItem = in.mixingItem;
  for (int q = 0; q < ti::kQuantityCount; ++q) {
    snap.inputs[q].caption = ti::kQuantityRows[q].caption;
    snap.inputs[q].text = in.texts[q];
    // The two inlet temperatures and the two specific heats are never unknowns.
    snap.inputs[q].visible = q < 2 || q > 8 || !in.unknown[q - 2];
  }
  if (state) {
    const auto texts = ThermalResultTexts(*state, '.');
    for (int i = 0; i < tr::kFieldCount; ++i) {
      snap.results[i].caption = tr::kResultRows[i].caption;
      snap.results[i].text = texts[i];
    }
  }
  return snap;
}

inline ThermalReportSnapshot SnapshotAfter(const ThermalInputs& in) {
  RecordingMessages messages;
  return SnapshotAfter(in, messages);
}

}  // namespace calvora
