#pragma once

// Points of the effectiveness-NTU curves of one exchanger type, computed by the
// same Effectiveness() the calculations use, and the curve's limit where the
// type has one. The arithmetic flags of the caller are left as they were.

#include <optional>
#include <vector>

#include "ntu/Effectiveness.h"

namespace calvora {

// The exchanger type of a curve. For a cross flow with one stream mixed the
// curve depends on which stream has the smaller capacity rate.
struct CurveType {
  FlowArrangement arrangement = FlowArrangement::CounterFlow;
  CrossFlowMixing mixing = CrossFlowMixing::None;
  bool coldIsCmin = true;  // Cc < Ch; only the single-mixed cross flows look at it
};

struct CurvePoint {
  double NTU = 0;
  double epsilon = 0;
};

// eps at NTU = i maxNtu / intervals, i = 0..intervals. No area transfers no heat,
// so NTU = 0 gives 0. C = 0 uses the relation of any exchanger with C = 0. Empty
// when the type has no relation at this C (a single-mixed cross flow with equal
// rates) or the arguments make no curve (maxNtu <= 0, intervals < 1, C outside 0..1).
std::vector<CurvePoint> EffectivenessCurve(const CurveType& type, double C, double maxNtu,
                                           int intervals);

// One point of the same curve; nullopt where the curve has no relation.
std::optional<double> CurveEffectiveness(const CurveType& type, double C, double NTU);

struct CurveLimit {
  enum class Kind { Asymptote, Maximum };
  Kind kind = Kind::Asymptote;
  double epsilon = 0;  // the limit, or the largest effectiveness
  double NTU = 0;      // where the maximum lies; 0 for an asymptote
};

// Parallel flow approaches 1 / (1 + C) however large the area; the cross flow
// with both streams mixed has a largest effectiveness at a finite NTU, found by
// searching its relation. nullopt for the other types, and for C = 0.
std::optional<CurveLimit> EffectivenessLimit(const CurveType& type, double C);

}  // namespace calvora
