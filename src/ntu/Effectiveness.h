#pragma once

// Heat balance of one stream, capacity rates, NTU from U and A, outlet
// temperatures and the effectiveness of every flow arrangement. Every routine
// is stateless; arithmetic is not guarded, so a division by zero, an invalid
// logarithm or an overflow raises the IEEE flags for the caller's
// FloatingPointGuard / CheckArithmetic to turn into a MathError.

#include "common/Messages.h"

namespace calvora {

// The exchanger type of the effectiveness-NTU relations; the codes are the ones
// the relations test.
enum class FlowArrangement : int {
  ParallelFlow = 1,
  CounterFlow = 2,
  CrossFlow = 3,          // single pass; the mixing case applies
  ShellAndTube = 4,       // one shell pass, 2, 4 or 6 tube passes
  CapacityRatioZero = 5,  // any exchanger with C = 0
};

// Mixing of a single-pass cross-flow exchanger; "cold" is the stream passed as Cc.
enum class CrossFlowMixing : int {
  None = 0,         // not a cross-flow exchanger
  ColdUnmixed = 1,  // cold fluid unmixed, hot fluid mixed
  ColdMixed = 2,    // cold fluid mixed, hot fluid unmixed
  BothMixed = 3,
  BothUnmixed = 4,
};

inline constexpr const char* kInsufficientDataMessage = "Insufficient Data !";

struct CapacityRateSet {
  double Cc = 0;
  double Ch = 0;
  double Cmin = 0;
  double Cmax = 0;
  double C = 0;
};

// Q = |m c (Ta - Tb)|; also Q = |eps Cmin (Th1 - Tc1)| with m = eps, c = Cmin.
double HeatTransferRate(double m, double c, double Ta, double Tb);

// m = Q / ((Ta - Tb) c); the sign follows the temperature difference.
double MassFlowFromHeat(double Q, double c, double Ta, double Tb);

// Cc = mc cc, Ch = mh ch; on a tie Cmin is the hot stream's rate and C = 1.
// No absolute values: negative inputs give negative rates.
CapacityRateSet CapacityRates(double mc, double cc, double mh, double ch);

// NTU = (A / Cmin) U.
double NtuFromUA(double A, double Cmin, double U);

// (a b) / d: U = NTU Cmin / A, A = NTU Cmin / U.
double ProductRatio(double a, double b, double d);

// T = Tin - Q / (m c).
double CooledOutletTemperature(double Tin, double Q, double m, double c);

// T = Tin + Q / (m c).
double HeatedOutletTemperature(double Tin, double Q, double m, double c);

// Th0 = Th1 - eps Cmin (Th1 - Tc1) / (mh ch).
double HotOutletFromEffectiveness(double epsilon, double Cmin, double Th1, double Tc1, double mh,
                                  double ch);

// Tc0 = Tc1 + eps Cmin (Th1 - Tc1) / (mc cc).
double ColdOutletFromEffectiveness(double epsilon, double Cmin, double Th1, double Tc1, double mc,
                                   double cc);

// The two cross-flow relations without a closed inverse, for the NTU search.
double BothMixedEffectiveness(double C, double NTU);
double BothUnmixedEffectiveness(double C, double NTU);

// relation(C, NTU) with the caller's arithmetic flags untouched; NaN when it fails
// or is not finite. For trial points of a search, which are not part of the result.
double QuietlyEvaluated(double (*relation)(double, double), double C, double NTU);

// The NTU at the top of the both-mixed cross-flow curve (it falls beyond it).
double BothMixedPeakNtu(double C);

// The largest effectiveness the arrangement reaches at this C: its value for NTU
// without bound, or the top of the both-mixed curve. 0 when no relation applies.
double EffectivenessLimit(double C, double Ch, double Cc, FlowArrangement arrangement,
                          CrossFlowMixing mixing);

// Effectiveness of the exchanger. A cross flow with a mixing code outside 1..4 shows "Insufficient
// Data !" (error) and leaves epsilon as it was. An arrangement code outside 1..5 gives 0.
void Effectiveness(double C, double NTU, double Ch, double Cc, FlowArrangement arrangement,
                   CrossFlowMixing mixing, double& epsilon, Messages& messages);

}  // namespace calvora
