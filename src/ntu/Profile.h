#pragma once

// Temperatures of both streams along a parallel-flow or counter-flow exchanger,
// from the exact solution of the two streams' heat balances with a constant U:
// along the area the temperature difference decays exponentially. The
// arithmetic flags of the caller are left as they were.

#include <optional>
#include <vector>

#include "ntu/Effectiveness.h"

namespace calvora {

// x is the fraction of the area from the hot inlet (0) to the hot outlet (1).
// In parallel flow the cold stream enters at x = 0, in counter flow at x = 1.
struct ProfilePoint {
  double x = 0;
  double Th = 0;
  double Tc = 0;
};

struct TemperatureProfile {
  std::vector<ProfilePoint> points;  // intervals + 1 points, x from 0 to 1
  double Th0 = 0;                    // hot outlet (at x = 1)
  double Tc0 = 0;                    // cold outlet (x = 1 in parallel flow, x = 0 in counter flow)
  double Q = 0;                      // heat from the hot to the cold stream
  double smallestDifference = 0;     // the smallest |Th - Tc| along the area
  double smallestAt = 0;             // its x
  double logMeanDifference = 0;      // of the two end differences; NaN when undefined
};

// The profile for Th1, Tc1 (inlets), Ch, Cc (capacity rates, W/K) and U A (W/K).
// nullopt for other arrangements, for a rate or U A that is not positive and
// finite, and for intervals < 1.
std::optional<TemperatureProfile> ProfileAlongArea(FlowArrangement arrangement, double Th1,
                                                   double Tc1, double Ch, double Cc, double UA,
                                                   int intervals);

// (dTa - dTb) / ln(dTa / dTb); dTa when the two are equal; NaN when they have
// opposite signs or one is zero.
double LogMeanTemperatureDifference(double dTa, double dTb);

}  // namespace calvora
