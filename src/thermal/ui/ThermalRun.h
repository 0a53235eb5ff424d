#pragma once

#include <optional>

#include "ntu/ThermalState.h"
#include "thermal/ThermalReport.h"

class TCombi1Dlg;

// Runs the thermal analysis for the entries of `screen`: validates the choice
// of unknowns, solves and shows every message (over `screen`). The solved state
// when the calculation succeeded.
std::optional<calvora::ThermalState> RunThermalAnalysis(TCombi1Dlg& screen);

// The input part of the thermal report (captions, texts, which fields show,
// the exchanger type and mixing case) as `screen` displays it now.
void ReadThermalReportInputs(const TCombi1Dlg& screen, calvora::ThermalReportSnapshot& snapshot);
