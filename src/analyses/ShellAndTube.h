#pragma once

// Rating of a baffled shell-and-tube exchanger with one shell pass: the inner
// fluid in a bundle of tubes of one of six standard layouts, the outer fluid
// across the bundle between segmental baffles.

#include <array>
#include <string>

#include "analyses/AnalysisMessages.h"
#include "analyses/DesignResult.h"
#include "analyses/PressureDrops.h"
#include "analyses/ShellAndTubeGeometry.h"
#include "analyses/TubeAnalysisSteps.h"
#include "common/Messages.h"
#include "ntu/Effectiveness.h"
#include "properties/FluidTables.h"

namespace calvora {

// Everything the "Shell and Tube" page and its dialogs hold when OK is pressed:
// texts exactly as typed, selected item indices (-1: nothing selected) and
// check states. Nothing is converted before the analysis reads it.
struct ShellAndTubeInputs {
  int innerFluid = 0;                     // RadioGroup9 "Inner fluid :", FluidKind order
  int outerFluid = 0;                     // RadioGroup10 "Outer fluid :"
  int material = 0;                       // RadioGroup11, MaterialKind order
  std::string otherMaterialConductivity;  // Edit30, read for "Other material" only

  bool pressureDrops = false;  // CheckBox5 "Calculate pressure drops ?"
  bool iteration = false;      // CheckBox6 "More accurate iteration ?"

  // Pressure-drop dialog, read only with pressureDrops.
  int innerTubeType = 0;                // RadioGroup1 "Type of inner tube"
  std::string inletPipeDiameter;        // Edit1, pipe into the tube-side header
  std::string outletPipeDiameter;       // Edit2, pipe out of the tube-side header
  std::string shellInletPipeDiameter;   // Edit3, pipe into the shell-side header
  std::string shellOutletPipeDiameter;  // Edit4, pipe out of the shell-side header

  std::string shellDiameter;       // Edit16, Ds
  std::string tubeInsideDiameter;  // Edit17, Di
  std::string clearance;           // Edit18
  std::string baffles;             // Edit25, Nb (a real number)
  std::string centralBaffleSpace;  // Edit26, Lb
  std::string endBaffleSpace;      // Edit27, Lbi
  std::string innerMassFlow;       // Edit31
  std::string outerMassFlow;       // Edit32
  std::string innerTemperature;    // Edit23
  std::string outerTemperature;    // Edit24

  // Layout dialog: RadioButton1..6; the first checked one is the layout.
  std::array<bool, 6> arrangement{true, false, false, false, false, false};

  FluidDataTexts innerFluidData;  // Other1dlg Edit1..Edit4, read for "Other fluid" only
  FluidDataTexts outerFluidData;  // Other2dlg Edit1..Edit4

  char decimalSeparator = '.';

  bool operator==(const ShellAndTubeInputs&) const = default;
};

// The working record of one run.
struct ShellAndTubeCase {
  // Inputs.
  FluidKind innerKind = FluidKind::Air;
  FluidKind outerKind = FluidKind::Air;
  double kWall = 0;
  TubeType tubeType = TubeType::Smooth;
  double dTubeIn = 0, dTubeOut = 0, dShellIn = 0, dShellOut = 0;
  double Ds = 0, Di = 0, clearance = 0, Tin = 0, Tout = 0, Nb = 0, Lb = 0, Lbi = 0;
  // The typed inlet temperatures; Tin and Tout become the iteration's property
  // temperatures.
  double enteredTin = 0, enteredTout = 0;
  double mInner = 0, mOuter = 0;
  // Properties: inner at Tin, outer at Tout, outerWall (its viscosity) at Tmean.
  FluidProperties inner, outer, outerWall;
  double Tmean = 0;
  // Layout and bundle.
  TubeLayout layout = TubeLayout::Triangular15875;
  double Do = 0, Pt = 0, pitchFactor = 0;
  double Nt = 0, Dotl = 0, Lbb = 0, L = 0, mTube = 0;
  double ratioEnd = 0, ratioBaffle = 0, Sm = 0, G = 0, ReShell = 0;
  // Heat transfer.
  double ReTube = 0, NuTube = 0, hInner = 0;
  double n = 0, m = 0, flowTerm = 0, propertyGroup = 0, diameterFactor = 0;
  double baffleA = 0, baffleB = 0, baffleFactor = 0;
  double endFactor31 = 0, endFactor4 = 0, endFactor = 0, viscosityFactor = 0;
  double hOuter = 0, A = 0, U = 0;
  ResistanceTerms resistances;  // 1/U, term by term
  // Heat duty (with the iteration box only).
  StreamRoles roles;
  CapacityRateSet rates;
  double NTU = 0, eps = 0, Q = 0, TcoldOut = 0, ThotOut = 0;
  ThermalPassResult lastPass;  // the last effectiveness-NTU pass, whole
  int iterationPasses = 0;     // passes of the rating iteration after the first
  // Pressure drops.
  double f = 0, pressureDropTube = 0, pressureDropShell = 0;
};

// The inner-flow box: kInnerFlowMessagePrefix and |Nt| in fixed notation with
// two decimals (precision 6), e.g. "... greater than 210.00".
std::string InnerFlowMessage(double Nt, char decimalSeparator);

// Reads the inputs in the method's order, makes every check (each failed one
// shows its box; errors and failed geometry or flow checks clear resultsFlag),
// counts the tubes of the chosen layout and derives the bundle and shell-side
// geometry. When no check failed it goes on: film coefficients, A and U; with
// the iteration box the heat duty and exit temperatures, re-evaluated at
// weighted property temperatures until they settle (two table fluids only);
// with the pressure-drop box both pressure drops. Throws ConversionError for a
// text that is not a number, MathError for an arithmetic failure, SelectionError
// for a needed choice without selection. An iteration that has not settled
// after kMaximumIterationPasses shows kIterationDidNotSettleMessage and clears
// resultsFlag. `record`, when given, receives the working record; `passLimit`
// bounds the iteration (tests lower it to reach the bound).
DesignRun ShellAndTubeAnalysis(const ShellAndTubeInputs& inputs, Messages& messages,
                               ShellAndTubeCase* record = nullptr,
                               int passLimit = kMaximumIterationPasses);

}  // namespace calvora
