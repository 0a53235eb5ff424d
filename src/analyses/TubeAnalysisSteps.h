#pragma once

// Steps the four tube analyses (double pipe, cross flow, shell and tube,
// compact) share: the selected items, the inlet property records, the hot and
// cold roles of the heat balance and one effectiveness-NTU pass.

#include <array>
#include <string>
#include <string_view>

#include "analyses/DesignResult.h"
#include "analyses/PressureDrops.h"
#include "common/Messages.h"
#include "ntu/Effectiveness.h"
#include "properties/Correlations.h"
#include "properties/FluidTables.h"

namespace calvora {

// The four entries of a fluid-data dialog ("Inner fluid data" / "Outer fluid
// data"), as typed: specific heat, dynamic viscosity, conductivity, density.
using FluidDataTexts = std::array<std::string, 4>;

// The fluid, material and tube type of a selected item index; an index outside
// the items (nothing selected) throws SelectionError.
FluidKind FluidKindFromIndex(int itemIndex);
double WallConductivityFromIndex(int itemIndex, const std::string& otherEntryText,
                                 char decimalSeparator);
TubeType TubeTypeFromIndex(int itemIndex);

// The first property record of one side, at its inlet temperature. A table
// fluid outside its range shows `rangeMessage` as an error and clears
// resultsFlag; its record then starts at the table row nearest the temperature
// and the table is still consulted, so the values stay finite. A user-described
// fluid converts its four dialog entries in order (ConversionError on the first
// that is not a number) and gets Pr = cp mu / k.
FluidProperties InletFluidProperties(FluidKind kind, double temperature,
                                     const FluidDataTexts& fluidData, char decimalSeparator,
                                     std::string_view rangeMessage, Messages& messages,
                                     bool& resultsFlag);

// Hot and cold roles of the heat balance, fixed by the first thermal pass: the
// inner fluid is hot when its inlet is not colder than the outer fluid's.
struct StreamRoles {
  bool innerIsHot = false;
  double hotInlet = 0;          // Th1
  double coldInlet = 0;         // Tc1
  double hotFlow = 0;           // mh
  double coldFlow = 0;          // mc
  double hotSpecificHeat = 0;   // ch
  double coldSpecificHeat = 0;  // cc
};
StreamRoles AssignRoles(double innerInlet, double outerInlet, double innerFlow, double outerFlow,
                        double innerSpecificHeat, double outerSpecificHeat);

struct ThermalPassResult {
  bool computed = false;  // false: no pass ran, and every value below is 0
  StreamRoles roles;
  FlowArrangement arrangement = FlowArrangement::CounterFlow;
  CrossFlowMixing mixing = CrossFlowMixing::None;
  CapacityRateSet rates;
  double ntu = 0;
  double effectiveness = 0;
  double heatTransferRate = 0;       // Q
  double coldOutletTemperature = 0;  // Tc2
  double hotOutletTemperature = 0;   // Th2
};

// One effectiveness-NTU pass with U and A: capacity rates, NTU, effectiveness
// (left as it was when the relation reports "Insufficient Data !"), Q and both
// exit temperatures, with the roles and the type it ran with.
ThermalPassResult ThermalPass(const StreamRoles& roles, double area, double overallCoefficient,
                              FlowArrangement arrangement, CrossFlowMixing mixing,
                              double& effectiveness, Messages& messages);

// The two exit temperatures of a thermal pass.
struct Outlets {
  double hot = 0;   // Th2
  double cold = 0;  // Tc2
};

// Whether the exit temperatures have settled after a pass, from those before
// and after it and the inlets of `roles`. Each analysis passes its own rule.
using SettleRule = bool (*)(const Outlets& previous, const Outlets& now, const StreamRoles& roles);

// Double pipe: both changes below 0.001 of a span that for both streams ends
// at the previous cold exit; an arithmetic failure (no heat moves: 0/0) ends
// the run.
bool SettledAgainstColdExit(const Outlets& previous, const Outlets& now, const StreamRoles& roles);
// Cross flow and compact: both changes below 0.001 of their own stream's span
// from the inlet to the previous exit; an arithmetic failure ends the run.
bool SettledAgainstOwnSpan(const Outlets& previous, const Outlets& now, const StreamRoles& roles);
// Shell and tube: as the own span, but a change of zero has settled (also when
// no heat moves and the span is zero too), and a change that is not a number
// does not hold the iteration up.
bool SettledUnlessMoving(const Outlets& previous, const Outlets& now, const StreamRoles& roles);

// One fluid of the property iteration: its kind, its property temperature and
// the properties evaluated there.
struct IteratedFluid {
  FluidKind kind;
  double& temperature;
  FluidProperties& properties;
};

// The exit temperatures of a thermal pass.
inline Outlets OutletsOf(const ThermalPassResult& pass) {
  return {pass.hotOutletTemperature, pass.coldOutletTemperature};
}

// How a property iteration stops: its rule, its pass limit, and where it
// counts the passes that reached the rule.
struct SettleLimits {
  SettleRule settled;
  int passLimit;
  int& passes;
};

// Shows kIterationDidNotSettleMessage as an error and clears resultsFlag;
// returns false, for the caller to end its run.
bool IterationDidNotSettle(Messages& messages, bool& resultsFlag);

// The property iteration of the ratings: the property temperatures are
// weighted from `outlets`, then, at most passLimit times, both fluids'
// properties are evaluated at them, `rate` re-rates the exchanger with them
// (coefficients and one thermal pass) and returns the new exit temperatures,
// the property temperatures are weighted from those, and the rule decides
// whether to stop. When the pass limit ends the iteration unsettled, it says
// so (IterationDidNotSettle) and returns false.
template <class Rate>
bool SettleOutlets(const StreamRoles& roles, IteratedFluid inner, IteratedFluid outer,
                   Outlets outlets, const SettleLimits& limits, Messages& messages,
                   bool& resultsFlag, Rate&& rate) {
  auto weigh = [&] {
    PropertyTemperatures(inner.temperature, outer.temperature, roles.coldInlet, roles.hotInlet,
                         outlets.hot, outlets.cold);
  };
  weigh();
  for (int pass = 0; pass < limits.passLimit; ++pass) {
    const Outlets previous = outlets;
    FluidPropertiesAt(inner.kind, inner.temperature, inner.properties);
    FluidPropertiesAt(outer.kind, outer.temperature, outer.properties);
    outlets = rate();
    weigh();
    const bool done = limits.settled(previous, outlets, roles);
    ++limits.passes;
    if (done)
      return true;
  }
  return IterationDidNotSettle(messages, resultsFlag);
}

// What a rating hands to the design results screen besides the thermal pass,
// the pressure drops and the fluid properties.
struct RatingFigures {
  double innerMassFlow = 0, outerMassFlow = 0;
  double innerReynolds = 0, outerReynolds = 0;
  double surfaceArea = 0;
  double innerFilmCoefficient = 0, outerFilmCoefficient = 0, overallCoefficient = 0;
  ResistanceTerms resistances;  // the terms U was formed from
  ReferenceSurface referenceSurface = ReferenceSurface::TubeInside;
  double wallTermTubes = 1;  // see DesignResult::wallTermTubes
};
struct PressureDropPair {
  double inner = 0;
  double outer = 0;
};
// The inlet temperatures as entered and the property temperatures of the last pass.
struct RatingTemperatures {
  double innerEntered = 0;
  double outerEntered = 0;
  double innerProperty = 0;
  double outerProperty = 0;
};

// The result record of a rating, filled from its parts; the heat duty counts
// as computed when `thermal` is a pass that ran.
DesignResult RatingResult(const RatingFigures& figures, const ThermalPassResult& thermal,
                          const PressureDropPair& drops, const FluidProperties& inner,
                          const FluidProperties& outer, const RatingTemperatures& temperatures);

}  // namespace calvora
