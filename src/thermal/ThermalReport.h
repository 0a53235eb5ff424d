#pragma once

// Lines of the thermal analysis report, built from what the two thermal screens
// display: the captions and the field texts exactly as shown.

#include <array>
#include <string>
#include <vector>

#include "thermal/InputCaptions.h"
#include "thermal/ResultCaptions.h"

namespace calvora {

struct ReportField {
  std::string caption;
  std::string text;
  bool visible = true;  // input fields: hidden when the quantity is marked unknown
};

struct ThermalReportSnapshot {
  // Input screen, indexed by thermal_input::Quantity.
  std::array<ReportField, thermal_input::kQuantityCount> inputs;
  std::string arrangementItem;  // selected "Type of Heat Exchanger" item
  std::string mixingItem;       // selected "Type of Cross Flow" item
  // Results screen, Edit1..Edit15.
  std::array<ReportField, thermal_results::kFieldCount> results;
};

enum class ReportVariant { Saved, Printed };

std::vector<std::string> ThermalReportLines(const ThermalReportSnapshot& snapshot,
                                            ReportVariant variant);

}  // namespace calvora
