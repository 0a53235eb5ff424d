#pragma once

#include "ntu/Effectiveness.h"

namespace calvora {

// One effectiveness-NTU calculation: the eleven quantities of the exchanger, the
// values derived from them, and the exchanger type. A calculation starts from
// all zeros; values neither entered nor computed stay 0.
struct ThermalState {
  double Th1 = 0, Tc1 = 0, Th0 = 0, Tc0 = 0;
  double mh = 0, mc = 0, ch = 0, cc = 0;
  double Q = 0, A = 0, U = 0;
  double Cc = 0, Ch = 0, Cmin = 0, Cmax = 0, C = 0;
  double epsilon = 0, NTU = 0;
  FlowArrangement arrangement = FlowArrangement::ParallelFlow;
  CrossFlowMixing mixing = CrossFlowMixing::None;

  void SetRates(const CapacityRateSet& r) {
    Cc = r.Cc;
    Ch = r.Ch;
    Cmin = r.Cmin;
    Cmax = r.Cmax;
    C = r.C;
  }
};

}  // namespace calvora
