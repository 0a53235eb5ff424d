#pragma once

#include <array>
#include <string>

#include "ntu/ThermalState.h"
#include "thermal/ResultCaptions.h"

namespace calvora {

// The texts of the fifteen result fields, each written as its row of
// kThermalResultFields says: fixed(P, D), without the sign where the row says so.
std::array<std::string, thermal_results::kFieldCount> ThermalResultTexts(const ThermalState& s,
                                                                         char decimalSeparator);

}  // namespace calvora
