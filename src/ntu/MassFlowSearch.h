#pragma once

// Finds the one unknown mass flow rate of an exchanger whose A and U are known,
// by matching the heat duty of the effectiveness-NTU relations to a reference
// duty within a relative tolerance.

#include <stdexcept>

#include "common/Messages.h"
#include "ntu/ThermalState.h"

namespace calvora {

// Which flow is unknown and which duty it must match (the combination numbers of
// the thermal analysis).
enum class MassFlowCase : int {
  HotFlowHotBalance = 16,    // mh unknown; reference |mh ch (Th1 - Th0)| at the candidate
  HotFlowColdBalance = 17,   // mh unknown; reference |mc cc (Tc0 - Tc1)|
  ColdFlowHotBalance = 18,   // mc unknown; reference |mh ch (Th1 - Th0)|
  ColdFlowColdBalance = 19,  // mc unknown; reference |mc cc (Tc0 - Tc1)| at the candidate
  HotFlowGivenDuty = 20,     // mh unknown; reference the entered Q
  ColdFlowGivenDuty = 21,    // mc unknown; reference the entered Q
};

inline constexpr double kMassFlowTolerance = 1e-7;
// Evaluations allowed in each of the two phases (stepping, then bisection).
inline constexpr int kMassFlowEvaluationsPerPhase = 200;

inline constexpr const char* kMassFlowNotFoundMessage =
    "No mass flow rate that satisfies these values could be found. Please check the entries and "
    "try again.";

// The search used up its evaluations without meeting the tolerance.
class MassFlowSearchFailed : public std::runtime_error {
 public:
  MassFlowSearchFailed() : std::runtime_error(kMassFlowNotFoundMessage) {}
};

// Returns the mass flow rate found. On return every derived value of `state`,
// its Q and the unknown flow hold the values of the evaluation at the returned
// flow (Q is the reference duty for cases 16 to 19 and the effectiveness duty
// for 20 and 21). An arithmetic failure in an evaluation throws MathError at
// once; exhausting a phase throws MassFlowSearchFailed.
double SolveMassFlow(MassFlowCase solverCase, double start, ThermalState& state,
                     Messages& messages);

}  // namespace calvora
