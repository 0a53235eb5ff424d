#include "ntu/InverseRelations.h"

#include <algorithm>
#include <cfenv>
#include <cmath>
#include <limits>

namespace calvora {

double EffectivenessFromTemperatures(double Q, double Cmin, double Th1, double Th0, double Tc1,
                                     double Tc0, double Ch, double Cc,
                                     FlowArrangement arrangement) {
  const bool twoStream =
      arrangement == FlowArrangement::ParallelFlow || arrangement == FlowArrangement::CounterFlow;
  if (twoStream && Ch > Cc) {
    return std::fabs((Tc0 - Tc1) / (Th1 - Tc1));
  }
  if (twoStream && Ch < Cc) {
    return std::fabs((Th1 - Th0) / (Th1 - Tc1));
  }
  return std::fabs(Q / ((Th1 - Tc1) * Cmin));
}

namespace {

// An effectiveness beyond what the arrangement can reach has no NTU; it ends the
// run as an arithmetic failure instead of giving a negative or meaningless NTU.
double Invalid() {
  std::feraiseexcept(FE_INVALID);
  return std::numeric_limits<double>::quiet_NaN();
}

// Parallel flow: an effectiveness with eps (1 + C) >= 1 would need a temperature
// cross, which a parallel-flow exchanger cannot produce; it is an arithmetic
// failure rather than a finite, meaningless NTU.
double ParallelFlowNtu(double C, double epsilon) {
  const double reach = epsilon * (1.0 + C);
  if (!(reach < 1.0)) {
    return Invalid();
  }
  return -std::log1p(-reach) / (1.0 + C);
}

// Counter flow reaches eps = 1 only with an infinite area; eps >= 1 would give a
// negative NTU (or, at C = 1, one whose sign the |eps| hides).
double CounterFlowNtu(double C, double epsilon) {
  if (!(epsilon < 1.0)) {
    return Invalid();
  }
  if (C == 1.0) {
    return epsilon / (1.0 - std::fabs(epsilon));
  }
  if (C == 0.0) {
    return -std::log(1.0 - std::fabs(epsilon));
  }
  // ln((eps - 1) / (C eps - 1)) / (C - 1), with the ratio written as 1 - y,
  // y = (1 - C) eps / (1 - C eps): near C = 1 the logarithm of a ratio close to 1
  // would lose every digit, log1p(-y) keeps them, and the result runs continuously
  // into eps / (1 - eps).
  const double y = (1.0 - C) * epsilon / (1.0 - C * epsilon);
  return -std::log1p(-y) / (1.0 - C);
}

// Inverse of the cross-flow relation with the Cmin stream unmixed: returns L,
// the NTU being -L. ln(1 + x) as log1p(x) keeps its digits for a small C.
double CminUnmixedLog(double C, double epsilon) {
  return std::log1p(std::log1p(-C * epsilon) / C);
}

// Inverse of the cross-flow relation with the Cmin stream mixed.
double CminMixedNtu(double C, double epsilon) {
  return -(1.0 / C) * std::log1p(C * std::log1p(-epsilon));
}

// The NTU in (0, top] at which `relation`, rising on that interval, reaches
// epsilon, by bisection down to adjacent doubles. Returns false when epsilon is
// beyond what the relation reaches there, or the relation cannot give it exactly.
bool RisingRoot(double (*relation)(double, double), double C, double epsilon, double top,
                double& NTU) {
  const auto f = [&](double N) { return QuietlyEvaluated(relation, C, N); };
  if (!(epsilon > 0.0) || !(f(top) >= epsilon)) {
    return false;
  }
  // No relation here gives more than NTU itself (Q <= U A (Th1 - Tc1)).
  double lo = std::min(epsilon / 2.0, top / 2.0);
  double hi = top;
  for (;;) {
    const double mid = lo + (hi - lo) / 2.0;
    if (!(mid > lo && mid < hi)) {
      break;
    }
    (f(mid) >= epsilon ? hi : lo) = mid;
  }
  // A relation that cannot resolve this effectiveness (far below its first digits)
  // has no NTU for it.
  if (!(std::fabs(f(hi) - epsilon) <= 1e-12 * epsilon)) {
    return false;
  }
  NTU = hi;
  return true;
}

// Both fluids mixed: the smaller of the two NTU that give epsilon (the rising side
// of the curve). Both unmixed: the curve rises towards 1 without reaching it.
bool BothMixedNtu(double C, double epsilon, double& NTU) {
  return RisingRoot(BothMixedEffectiveness, C, epsilon, BothMixedPeakNtu(C), NTU);
}

bool BothUnmixedNtu(double C, double epsilon, double& NTU) {
  if (!(epsilon < 1.0)) {
    return false;
  }
  double top = 1.0;
  while (top < 1e300 && !(QuietlyEvaluated(BothUnmixedEffectiveness, C, top) >= epsilon)) {
    top *= 2.0;
  }
  return RisingRoot(BothUnmixedEffectiveness, C, epsilon, top, NTU);
}

// Returns false when no relation applies or the effectiveness is beyond the
// reach of the both-mixed or both-unmixed relation.
bool CrossFlowNtu(double C, double epsilon, double Ch, double Cc, CrossFlowMixing mixing,
                  double& NTU) {
  // With Cc = Ch both single-mixed inverses are the same function of epsilon.
  switch (mixing) {
    case CrossFlowMixing::ColdUnmixed:
      NTU = Cc > Ch ? CminMixedNtu(C, epsilon) : std::fabs(CminUnmixedLog(C, epsilon));
      return true;
    case CrossFlowMixing::ColdMixed:
      NTU = Cc < Ch ? CminMixedNtu(C, epsilon) : -CminUnmixedLog(C, epsilon);
      return true;
    case CrossFlowMixing::BothMixed:
      return BothMixedNtu(C, epsilon, NTU);
    case CrossFlowMixing::BothUnmixed:
      return BothUnmixedNtu(C, epsilon, NTU);
    default:
      return false;
  }
}

}  // namespace

void NtuFromEffectiveness(double C, double epsilon, double Ch, double Cc,
                          FlowArrangement arrangement, CrossFlowMixing mixing, double& NTU,
                          Messages& messages) {
  switch (arrangement) {
    case FlowArrangement::ParallelFlow:
      NTU = ParallelFlowNtu(C, epsilon);
      return;
    case FlowArrangement::CounterFlow:
      NTU = CounterFlowNtu(C, epsilon);
      return;
    case FlowArrangement::CrossFlow:
      if (!CrossFlowNtu(C, epsilon, Ch, Cc, mixing, NTU)) {
        ShowChecked(messages, MessageKind::Error, kCannotFindNtuMessage);
      }
      return;
    case FlowArrangement::ShellAndTube: {
      const double S = std::sqrt(1.0 + C * C);
      const double E = 2.0 / epsilon - 1.0 - C;
      // One shell pass reaches at most eps = 2 / (1 + C + S), where E = S; far beyond
      // it (E < -S) the ratio turns positive again and the NTU negative.
      NTU = E > S ? -(1.0 / S) * std::log((E - S) / (E + S)) : Invalid();
      return;
    }
    case FlowArrangement::CapacityRatioZero:
      NTU = -std::log1p(-epsilon);
      return;
  }
  NTU = 0.0;
}

}  // namespace calvora
