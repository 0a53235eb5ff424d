#include "thermal/ThermalResults.h"

#include <cmath>

#include "common/Format.h"

namespace calvora {

std::array<std::string, thermal_results::kFieldCount> ThermalResultTexts(const ThermalState& s,
                                                                         char decimalSeparator) {
  const double values[thermal_results::kFieldCount] = {s.Th1,
                                                       s.Tc1,
                                                       s.Th0,
                                                       s.Tc0,
                                                       std::fabs(s.U),
                                                       std::fabs(s.mc),
                                                       std::fabs(s.mh),
                                                       std::fabs(s.cc),
                                                       std::fabs(s.ch),
                                                       std::fabs(s.Cmin),
                                                       std::fabs(s.Cmax),
                                                       std::fabs(s.Q),
                                                       std::fabs(s.A),
                                                       std::fabs(s.epsilon),
                                                       std::fabs(s.NTU)};
  std::array<std::string, thermal_results::kFieldCount> texts;
  for (int i = 0; i < thermal_results::kFieldCount; ++i) {
    texts[i] = FormatFixed(values[i], thermal_results::kResultPrecision,
                           thermal_results::kResultRows[i].decimals, decimalSeparator);
  }
  return texts;
}

}  // namespace calvora
