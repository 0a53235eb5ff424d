#pragma once

// Rating of a cross-flow exchanger: a bank of N equal straight tubes, the inner
// fluid shared equally among the tubes, the outer fluid flowing across the
// bank, in line or staggered.

#include <string>

#include "analyses/AnalysisMessages.h"
#include "analyses/DesignResult.h"
#include "analyses/TubeAnalysisSteps.h"
#include "common/Messages.h"

namespace calvora {

// Everything the "Cross Flow" page and its dialogs hold when OK is pressed:
// texts exactly as typed, selected item indices (-1: nothing selected) and
// check states.
struct CrossFlowInputs {
  int innerFluid = 0;                     // RadioGroup5, FluidKind order
  int outerFluid = 0;                     // RadioGroup6
  int material = 0;                       // RadioGroup7, MaterialKind order
  std::string otherMaterialConductivity;  // Edit29

  int arrangement = -1;  // RadioGroup8: 0 "In-Line arrangement", 1 "Staggered arrangement"

  bool pressureDrops = false;  // CheckBox3 "Calculate pressure drop ?"
  bool iteration = false;      // CheckBox4 "More accurate iteration ?"
  int mixing = 0;              // Crossmix RadioGroup1, CrossFlowMixing order from 0

  // Pressure-drop dialog, read only with pressureDrops.
  int innerTubeType = 0;           // RadioGroup1 "Type of inner tube"
  std::string inletPipeDiameter;   // Edit1, pipe into the header
  std::string outletPipeDiameter;  // Edit2, pipe out of the header

  std::string tubeInsideDiameter;   // Edit8, Di
  std::string tubeOutsideDiameter;  // Edit9, Do
  std::string rowsNormal;           // Edit10, Nn
  std::string rowsParallel;         // Edit11, Np
  std::string tubeCount;            // Edit12, N
  std::string length;               // Edit13, L
  std::string innerMassFlow;        // Edit14, total over all tubes
  std::string outerMassFlow;        // Edit15
  std::string innerTemperature;     // Edit21
  std::string outerTemperature;     // Edit22

  // Tube pitches of the two spacing dialogs (Edit1 Sp, Edit2 Sn); the analysis
  // reads the dialog of the chosen arrangement.
  std::string inLinePitchParallel;     // Inlinedlg Edit1
  std::string inLinePitchNormal;       // Inlinedlg Edit2
  std::string staggeredPitchParallel;  // Staggerdlg Edit1
  std::string staggeredPitchNormal;    // Staggerdlg Edit2

  FluidDataTexts innerFluidData;  // Other1dlg
  FluidDataTexts outerFluidData;  // Other2dlg

  char decimalSeparator = '.';

  bool operator==(const CrossFlowInputs&) const = default;
};

struct CrossFlowTrace {
  int thermalPasses = 0;
  double bankCoefficient = 0;  // c of the tube-bank correlation
  double bankExponent = 0;     // n
};

// Correction of the outer film coefficient for a bank of few rows: the factor
// for Np exactly 1 to 9, else 1. `staggered` picks the staggered column.
double RowCorrectionFactor(double rowsParallel, bool staggered);

// Reads the inputs in the method's order (the arrangement first: none selected
// throws SelectionError), checks the temperatures and the diameters (each
// failed check shows its error and clears resultsFlag, the run goes on), shows
// the height of the bank, computes Reynolds numbers, film coefficients and U;
// with the iteration the heat duty and exit temperatures for the chosen mixing,
// repeated at weighted property temperatures until they settle (two table
// fluids only); with pressure drops both streams' drops. Failures and the
// iteration bound as DoublePipeAnalysis.
DesignRun CrossFlowAnalysis(const CrossFlowInputs& inputs, Messages& messages,
                            CrossFlowTrace* trace = nullptr,
                            int passLimit = kMaximumIterationPasses);

}  // namespace calvora
