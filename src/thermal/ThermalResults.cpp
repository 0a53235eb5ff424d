#include "thermal/ThermalResults.h"

#include <cmath>

#include "common/Format.h"
#include "thermal/ThermalFields.h"

namespace calvora {

std::array<std::string, thermal_results::kFieldCount> ThermalResultTexts(const ThermalState& s,
                                                                         char decimalSeparator) {
  std::array<std::string, thermal_results::kFieldCount> texts;
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const ThermalResultField& row = kThermalResultFields[i];
    const double value = row.value(s);
    texts[i] = FormatFixed(row.absolute ? std::fabs(value) : value, row.precision, row.digits,
                           decimalSeparator);
  }
  return texts;
}

}  // namespace calvora
