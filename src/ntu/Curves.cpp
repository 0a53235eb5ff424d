#include "ntu/Curves.h"

#include <cmath>

#include "common/Errors.h"
#include "common/FloatingPoint.h"

namespace calvora {

namespace {

// Capacity rates of ratio C with the smaller one on the stream the type names.
void RatesForRatio(const CurveType& type, double C, double& Ch, double& Cc) {
  if (type.coldIsCmin) {
    Ch = 1.0;
    Cc = C;
  } else {
    Ch = C;
    Cc = 1.0;
  }
}

// Each point is a calculation of its own: it starts from clean arithmetic flags
// (so a failure the caller has not yet reported cannot end it) and leaves the
// caller's flags as they were.
std::optional<double> PointOf(const CurveType& type, double C, double NTU) {
  if (NTU == 0.0)
    return 0.0;
  FloatingPointGuard guard;
  FlowArrangement arrangement = type.arrangement;
  if (C == 0.0)
    arrangement = FlowArrangement::CapacityRatioZero;
  double Ch = 0;
  double Cc = 0;
  RatesForRatio(type, C, Ch, Cc);
  double epsilon = NAN;
  RecordingMessages messages;
  try {
    Effectiveness(C, NTU, Ch, Cc, arrangement, type.mixing, epsilon, messages);
  } catch (const MathError&) {
    return std::nullopt;
  }
  if (!messages.messages.empty() || !std::isfinite(epsilon))
    return std::nullopt;
  return epsilon;
}

bool ValidRatio(double C) {
  return C >= 0.0 && C <= 1.0;
}

}  // namespace

std::optional<double> CurveEffectiveness(const CurveType& type, double C, double NTU) {
  if (!ValidRatio(C) || !(NTU >= 0.0) || !std::isfinite(NTU))
    return std::nullopt;
  return PointOf(type, C, NTU);
}

std::vector<CurvePoint> EffectivenessCurve(const CurveType& type, double C, double maxNtu,
                                           int intervals) {
  std::vector<CurvePoint> points;
  if (!ValidRatio(C) || !(maxNtu > 0.0) || !std::isfinite(maxNtu) || intervals < 1)
    return points;
  points.reserve(static_cast<size_t>(intervals) + 1);
  for (int i = 0; i <= intervals; ++i) {
    const double NTU = maxNtu * i / intervals;
    const std::optional<double> epsilon = PointOf(type, C, NTU);
    if (!epsilon)
      return {};
    points.push_back({NTU, *epsilon});
  }
  return points;
}

std::optional<CurveLimit> EffectivenessLimit(const CurveType& type, double C) {
  if (!(C > 0.0) || C > 1.0)
    return std::nullopt;
  if (type.arrangement == FlowArrangement::ParallelFlow)
    return CurveLimit{CurveLimit::Kind::Asymptote, 1.0 / (1.0 + C), 0.0};
  if (type.arrangement != FlowArrangement::CrossFlow || type.mixing != CrossFlowMixing::BothMixed)
    return std::nullopt;

  // The top of the both-mixed curve, found by the same search the NTU inverse uses.
  const double at = BothMixedPeakNtu(C);
  const std::optional<double> top = PointOf(type, C, at);
  if (!top)
    return std::nullopt;
  return CurveLimit{CurveLimit::Kind::Maximum, *top, at};
}

}  // namespace calvora
