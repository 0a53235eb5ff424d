#include "ntu/InverseRelations.h"

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
  const double remainder = 1.0 - epsilon * (1.0 + C);
  if (!(remainder > 0.0)) {
    return Invalid();
  }
  return -std::log(std::fabs(remainder)) / (1.0 + C);
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
  return std::log((epsilon - 1.0) / (C * epsilon - 1.0)) / (C - 1.0);
}

// Inverse of the cross-flow relation with the Cmin stream unmixed: returns L,
// the NTU being -L.
double CminUnmixedLog(double C, double epsilon) {
  return std::log(1.0 + std::log(1.0 - C * epsilon) / C);
}

// Inverse of the cross-flow relation with the Cmin stream mixed.
double CminMixedNtu(double C, double epsilon) {
  return -(1.0 / C) * std::log(1.0 + C * std::log(1.0 - epsilon));
}

// The both-mixed and both-unmixed cases have no closed inverse and borrow one of
// the single-mixed ones. Returns false when no relation applies.
bool CrossFlowNtu(double C, double epsilon, double Ch, double Cc, CrossFlowMixing mixing,
                  double& NTU) {
  const bool coldIsCmin = Ch > Cc;
  const bool hotIsCmin = Cc > Ch;
  if (!coldIsCmin && !hotIsCmin) {
    return false;
  }
  switch (mixing) {
    case CrossFlowMixing::ColdUnmixed:
      NTU = coldIsCmin ? std::fabs(CminUnmixedLog(C, epsilon)) : CminMixedNtu(C, epsilon);
      return true;
    case CrossFlowMixing::ColdMixed:
    case CrossFlowMixing::BothMixed:
      NTU = coldIsCmin ? CminMixedNtu(C, epsilon) : -CminUnmixedLog(C, epsilon);
      return true;
    case CrossFlowMixing::BothUnmixed:
      NTU = CminMixedNtu(C, epsilon);
      return true;
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
      NTU = -std::log(1.0 - epsilon);
      return;
  }
  NTU = 0.0;
}

}  // namespace calvora
