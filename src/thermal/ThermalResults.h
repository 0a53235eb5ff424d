#pragma once

#include <array>
#include <string>

#include "ntu/ThermalState.h"
#include "thermal/ResultCaptions.h"

namespace calvora {

// The texts of the fifteen result fields: the four temperatures with their sign,
// every other value as its absolute value, in fixed(10, 3) or fixed(10, 4).
std::array<std::string, thermal_results::kFieldCount> ThermalResultTexts(const ThermalState& s,
                                                                         char decimalSeparator);

}  // namespace calvora
