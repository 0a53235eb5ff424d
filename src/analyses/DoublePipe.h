#pragma once

// Rating of a double-pipe exchanger: one inner tube inside one outer tube, the
// inner fluid in the tube, the outer fluid in the annulus between the tubes.

#include <array>
#include <string>
#include <string_view>

#include "analyses/AnalysisMessages.h"
#include "analyses/DesignResult.h"
#include "analyses/PressureDrops.h"
#include "common/Messages.h"
#include "ntu/Effectiveness.h"
#include "properties/FluidTables.h"

namespace calvora {

// The four entries of a fluid-data dialog ("Inner fluid data" / "Outer fluid
// data"), as typed: specific heat, dynamic viscosity, conductivity, density.
using FluidDataTexts = std::array<std::string, 4>;

// Everything the "Double pipe" page and its dialogs hold when OK is pressed:
// texts exactly as typed, selected item indices (-1: nothing selected) and
// check states. Nothing is converted before the analysis reads it.
struct DoublePipeInputs {
  int innerFluid = 0;                     // RadioGroup1, FluidKind order
  int outerFluid = 0;                     // RadioGroup2, FluidKind order
  int material = 0;                       // RadioGroup3, MaterialKind order
  std::string otherMaterialConductivity;  // Edit28, read for "Other material" only

  bool pressureDrops = false;  // CheckBox1 "Calculate pressure drops ?"
  bool iteration = false;      // CheckBox2 "More accurate iteration ?"
  int flowCondition = -1;      // RadioGroup4: 0 "Parallel flow", 1 "Counter flow"

  // Pressure-drop dialog, read only with pressureDrops.
  int innerTubeType = 0;  // RadioGroup1 "Type of inner tube": 0 "Smooth", 1 "Commercial/..."
  int outerTubeType = 0;  // RadioGroup2 "Type of outer tube"
  std::string inletPipeDiameter;   // Edit1, pipe into the annulus
  std::string outletPipeDiameter;  // Edit2, pipe out of the annulus

  std::string innerTubeInsideDiameter;   // Edit1, D1
  std::string innerTubeOutsideDiameter;  // Edit2, D2
  std::string outerTubeInsideDiameter;   // Edit3, D3
  std::string outerTubeOutsideDiameter;  // Edit4, D4
  std::string length;                    // Edit5, L
  std::string innerMassFlow;             // Edit6
  std::string outerMassFlow;             // Edit7
  std::string innerTemperature;          // Edit19
  std::string outerTemperature;          // Edit20

  FluidDataTexts innerFluidData;  // Other1dlg Edit1..Edit4, read for "Other fluid" only
  FluidDataTexts outerFluidData;  // Other2dlg Edit1..Edit4

  char decimalSeparator = '.';
};

// ---- steps shared by the tube analyses ------------------------------------

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

// What one run did besides its result, for tests and benchmarks.
struct DoublePipeTrace {
  int thermalPasses = 0;  // the first thermal pass plus every pass of the iteration
};

// Reads the inputs in the method's order, checks the temperatures and the
// diameters (each failed check shows its error and clears resultsFlag, the run
// goes on), computes Reynolds numbers, film coefficients and U; with the
// iteration the heat duty and exit temperatures, repeated at weighted property
// temperatures until they settle (two table fluids only); with pressure drops
// both streams' drops. Throws ConversionError for a text that is not a number,
// MathError for an arithmetic failure, SelectionError for a needed choice
// without selection. A run whose iteration does not settle within
// passLimit passes (kMaximumIterationPasses unless a test lowers it) shows
// kIterationDidNotSettleMessage and ends with resultsFlag cleared.
DesignRun DoublePipeAnalysis(const DoublePipeInputs& inputs, Messages& messages,
                             DoublePipeTrace* trace = nullptr,
                             int passLimit = kMaximumIterationPasses);

}  // namespace calvora
