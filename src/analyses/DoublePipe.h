#pragma once

// Rating of a double-pipe exchanger: one inner tube inside one outer tube, the
// inner fluid in the tube, the outer fluid in the annulus between the tubes.

#include <array>
#include <string>
#include <string_view>

#include "analyses/AnalysisMessages.h"
#include "analyses/DesignResult.h"
#include "analyses/PressureDrops.h"
#include "analyses/TubeAnalysisSteps.h"
#include "common/Messages.h"
#include "ntu/Effectiveness.h"
#include "properties/FluidTables.h"

namespace calvora {

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

  bool operator==(const DoublePipeInputs&) const = default;
};

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
