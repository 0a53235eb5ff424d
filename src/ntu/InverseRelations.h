#pragma once

// The direction from measured temperatures to the exchanger: the effectiveness
// from the temperature changes, and the NTU from the effectiveness per flow
// arrangement. Arithmetic is not guarded: an effectiveness at or beyond the
// reach of a relation raises the IEEE flags for the caller to report.

#include "common/Messages.h"
#include "ntu/Effectiveness.h"

namespace calvora {

inline constexpr const char* kCannotFindNtuMessage = "Cannot find NTU";

// Parallel and counter flow use the temperature change of the Cmin stream;
// every other case (other arrangements, or Ch = Cc) uses |Q / ((Th1 - Tc1) Cmin)|.
double EffectivenessFromTemperatures(double Q, double Cmin, double Th1, double Th0, double Tc1,
                                     double Tc0, double Ch, double Cc, FlowArrangement arrangement);

// NTU from the effectiveness. The both-mixed and both-unmixed cross flows have
// no closed inverse: their NTU is searched on their own relation (both mixed: the
// smaller of its two NTU). Cross flow with a mixing code outside 1..4, or an
// effectiveness beyond what the both-mixed or both-unmixed relation reaches,
// shows "Cannot find NTU" (error) and leaves NTU as it was. A parallel-flow
// effectiveness that no parallel-flow exchanger reaches (eps (1 + C) >= 1)
// raises the invalid-operation flag. An arrangement code outside 1..5 gives 0.
void NtuFromEffectiveness(double C, double epsilon, double Ch, double Cc,
                          FlowArrangement arrangement, CrossFlowMixing mixing, double& NTU,
                          Messages& messages);

}  // namespace calvora
