#pragma once

// Lines of the thermal analysis report, built from the run's input record and
// its outcome: the entries as typed (those marked unknown left out), the
// results texts, and the captions of their rows.

#include <string>
#include <vector>

#include "thermal/ThermalSolver.h"

namespace calvora {

enum class ReportVariant { Saved, Printed };

std::vector<std::string> ThermalReportLines(const ThermalInputs& inputs,
                                            const ThermalOutcome& outcome, ReportVariant variant);

}  // namespace calvora
