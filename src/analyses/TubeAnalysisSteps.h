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

// Writes the density, Prandtl number, viscosity and conductivity of both sides
// into the result handed to the design results screen.
void SetFluidProperties(DesignResult& result, const FluidProperties& inner,
                        const FluidProperties& outer);

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
  CapacityRateSet rates;
  double ntu = 0;
  double heatTransferRate = 0;       // Q
  double coldOutletTemperature = 0;  // Tc2
  double hotOutletTemperature = 0;   // Th2
};

// One effectiveness-NTU pass with U and A: capacity rates, NTU, effectiveness
// (left as it was when the relation reports "Insufficient Data !"), Q and both
// exit temperatures.
ThermalPassResult ThermalPass(const StreamRoles& roles, double area, double overallCoefficient,
                              FlowArrangement arrangement, CrossFlowMixing mixing,
                              double& effectiveness, Messages& messages);

}  // namespace calvora
