#include "ntu/MassFlowSearch.h"

#include <cmath>

#include "common/FloatingPoint.h"

namespace calvora {

namespace {

bool HotFlowUnknown(MassFlowCase c) {
  return c == MassFlowCase::HotFlowHotBalance || c == MassFlowCase::HotFlowColdBalance ||
         c == MassFlowCase::HotFlowGivenDuty;
}

class Residual {
 public:
  Residual(MassFlowCase solverCase, ThermalState& state, Messages& messages)
      : case_(solverCase), state_(state), messages_(messages), enteredQ_(state.Q) {}

  // Relative mismatch of the effectiveness duty and the reference duty at the
  // candidate flow x.
  double operator()(double x) {
    ThermalState& s = state_;
    if (HotFlowUnknown(case_)) {
      s.mh = x;
    } else {
      s.mc = x;
    }
    s.SetRates(CapacityRates(s.mc, s.cc, s.mh, s.ch));
    s.NTU = NtuFromUA(s.A, s.Cmin, s.U);
    Effectiveness(s.C, s.NTU, s.Ch, s.Cc, s.arrangement, s.mixing, s.epsilon, messages_);
    const double qEpsilon = HeatTransferRate(s.epsilon, s.Cmin, s.Th1, s.Tc1);
    s.Q = qEpsilon;
    double qReference = enteredQ_;
    switch (case_) {
      case MassFlowCase::HotFlowHotBalance:
      case MassFlowCase::ColdFlowHotBalance:
        qReference = HeatTransferRate(s.mh, s.ch, s.Th1, s.Th0);
        s.Q = qReference;
        break;
      case MassFlowCase::HotFlowColdBalance:
      case MassFlowCase::ColdFlowColdBalance:
        qReference = HeatTransferRate(s.mc, s.cc, s.Tc0, s.Tc1);
        s.Q = qReference;
        break;
      case MassFlowCase::HotFlowGivenDuty:
      case MassFlowCase::ColdFlowGivenDuty:
        break;
    }
    const double r = (qEpsilon - qReference) / qEpsilon;
    // A failed evaluation ends the search here: its residual means nothing.
    CheckArithmetic();
    ++evaluations_;
    return r;
  }

  int evaluations() const { return evaluations_; }
  void restartCount() { evaluations_ = 0; }

 private:
  MassFlowCase case_;
  ThermalState& state_;
  Messages& messages_;
  double enteredQ_;
  int evaluations_ = 0;
};

bool Settled(double r) {
  return std::fabs(r) < kMassFlowTolerance;
}

}  // namespace

double SolveMassFlow(MassFlowCase solverCase, double start, ThermalState& state,
                     Messages& messages) {
  Residual residual(solverCase, state, messages);

  double x = start;
  double r = residual(x);
  if (Settled(r)) {
    return x;
  }
  double xp = x;
  double rp = r;
  x = x / 2.0;

  // Stepping phase: keep the factor while the residual shrinks without changing
  // sign. A step that does not shrink it goes back to the better point (xp) and
  // steps the other way with the inverse factor, so a failed halving doubles.
  bool bracketed = false;
  while (residual.evaluations() < kMassFlowEvaluationsPerPhase) {
    r = residual(x);
    if (Settled(r)) {
      return x;
    }
    if (r * rp <= 0.0) {
      bracketed = true;
      break;
    }
    const double ratio = x / xp;
    if (std::fabs(r) < std::fabs(rp)) {
      xp = x;
      rp = r;
      x = x * ratio;
    } else {
      x = xp / ratio;
    }
  }
  if (!bracketed) {
    throw MassFlowSearchFailed();
  }

  // Bisection phase: the root lies between x (residual r) and xp.
  residual.restartCount();
  while (residual.evaluations() < kMassFlowEvaluationsPerPhase) {
    const double xm = (x + xp) / 2.0;
    const double rm = residual(xm);
    if (Settled(rm)) {
      return xm;
    }
    if (rm * r < 0.0) {
      xp = xm;
      rp = rm;
    } else {
      x = xm;
      r = rm;
    }
  }
  throw MassFlowSearchFailed();
}

}  // namespace calvora
