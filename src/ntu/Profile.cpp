#include "ntu/Profile.h"

#include <cmath>

#include "common/FloatingPoint.h"

namespace calvora {

namespace {

bool PositiveFinite(double v) {
  return v > 0.0 && std::isfinite(v);
}

// (1 - exp(-k x)) / k, which is x when k = 0, without cancellation for small k.
double DecayIntegral(double k, double x) {
  if (k == 0.0)
    return x;
  return -std::expm1(-k * x) / k;
}

}  // namespace

double LogMeanTemperatureDifference(double dTa, double dTb) {
  if (dTa == dTb)
    return dTa;
  if (!(dTa / dTb > 0.0))
    return NAN;
  return (dTa - dTb) / std::log(dTa / dTb);
}

std::optional<TemperatureProfile> ProfileAlongArea(FlowArrangement arrangement, double Th1,
                                                   double Tc1, double Ch, double Cc, double UA,
                                                   int intervals) {
  const bool counter = arrangement == FlowArrangement::CounterFlow;
  if ((!counter && arrangement != FlowArrangement::ParallelFlow) || !PositiveFinite(Ch) ||
      !PositiveFinite(Cc) || !PositiveFinite(UA) || !std::isfinite(Th1) || !std::isfinite(Tc1) ||
      intervals < 1)
    return std::nullopt;
  PreservedArithmeticFlags keep;

  // With q(x) the heat passed between 0 and x: Th = Th1 - q / Ch. In parallel
  // flow Tc = Tc1 + q / Cc and d(Th - Tc) = -(1/Ch + 1/Cc) dq; in counter flow
  // the cold stream leaves at x = 0, Tc = Tc0 - q / Cc and
  // d(Th - Tc) = -(1/Ch - 1/Cc) dq. With dq = U A (Th - Tc) dx the difference
  // decays as dT0 exp(-k x), k = U A (1/Ch +- 1/Cc), and q(x) = U A dT0 I(x),
  // I(x) = (1 - exp(-k x)) / k.
  const double k = counter ? UA * (1.0 / Ch - 1.0 / Cc) : UA * (1.0 / Ch + 1.0 / Cc);
  const double dTin = Th1 - Tc1;
  double dT0 = dTin;  // the difference at x = 0
  double Q = 0;
  if (counter) {
    // dT0 = Th1 - Tc0 = dTin - Q / Cc and Q = U A dT0 I(1).
    const double UAI = UA * DecayIntegral(k, 1.0);
    Q = UAI * dTin / (1.0 + UAI / Cc);
    dT0 = dTin - Q / Cc;
  } else {
    Q = UA * dT0 * DecayIntegral(k, 1.0);
  }

  TemperatureProfile profile;
  profile.Q = Q;
  profile.Th0 = Th1 - Q / Ch;
  profile.Tc0 = Tc1 + Q / Cc;
  profile.points.reserve(static_cast<size_t>(intervals) + 1);
  for (int i = 0; i <= intervals; ++i) {
    const double x = static_cast<double>(i) / intervals;
    const double q = i == intervals ? Q : UA * dT0 * DecayIntegral(k, x);
    const double Th = Th1 - q / Ch;
    const double Tc = counter ? profile.Tc0 - q / Cc : Tc1 + q / Cc;
    profile.points.push_back({x, Th, Tc});
  }
  // The difference is monotonic along the area, so the smallest is at an end.
  const double dTa = profile.points.front().Th - profile.points.front().Tc;
  const double dTb = profile.points.back().Th - profile.points.back().Tc;
  const bool atStart = std::fabs(dTa) < std::fabs(dTb);
  profile.smallestDifference = atStart ? std::fabs(dTa) : std::fabs(dTb);
  profile.smallestAt = atStart ? 0.0 : 1.0;
  profile.logMeanDifference = LogMeanTemperatureDifference(dTa, dTb);
  return profile;
}

}  // namespace calvora
