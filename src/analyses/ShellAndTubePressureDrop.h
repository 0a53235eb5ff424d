#pragma once

#include <array>

#include "analyses/PressureDrops.h"
#include "analyses/ShellAndTubeGeometry.h"
#include "analyses/ShellAndTubeTables.h"

// Pressure drops of a baffled shell-and-tube exchanger: the tube side with its
// bends and header pipes, and the shell side as cross flow between baffles,
// two end zones, the baffle windows and the shell-side header pipes. Every
// square and power is exp(n ln x), so a zero flow, diameter or density raises
// the IEEE flags.

namespace calvora {

// Cross-flow coefficients Kc by Ds: columns 0-2 above the cross-flow Reynolds
// threshold (triangular, in-line square, rotated square), 3-5 below it.
extern const ShellDiameterTable kCrossFlowCoefficients;
// Window coefficients by Ds: columns 0-2 Kw2, 3-5 Kw1, by family.
extern const ShellDiameterTable kWindowCoefficients;

struct ShellPressureCoefficientSet {
  double kcHigh = 0;  // Kc above the cross-flow threshold
  double kcLow = 0;   // Kc below it
  double kw2 = 0;     // window coefficient of the high form and the second low term
  double kw1 = 0;     // window coefficient of the first low term
};
ShellPressureCoefficientSet ShellPressureCoefficients(LayoutFamily family, double Ds);

// Per-layout constants of the shell-side pressure drop.
struct ShellPressureConstants {
  double kcLow, ecLow, kcHigh, ecHigh, kw1, ew1, kw2, ew2;
};
// One set for ratioBaffle <= 0.345, one above.
ShellPressureConstants ShellPressureConstantsFor(TubeLayout layout, double ratioBaffle);

// Below this shell Reynolds number the low cross-flow form is used.
double CrossFlowReynoldsThreshold(TubeLayout layout);
// Below this shell Reynolds number the two-term window form is used.
inline constexpr double kWindowReynoldsThreshold = 100;

// End-zone factor Fe and window diameter factor Cw at ratioBaffle, linear
// between rows, clamped to the rows 0.2 and 1.4 outside them.
double EndZoneFactor(TubeLayout layout, double ratioBaffle);
double WindowDiameterFactor(TubeLayout layout, double ratioBaffle);

// Correction of the central cross flow of the in-line square layouts (1 for the
// other layouts). Below its lowest band the value at the band's lower end is kept.
double InlineCrossFlowCorrection(TubeLayout layout, double ReShell);

// Bend coefficient b of the tube-side return bends at bend ratio a.
double BendCoefficient(double a, TubeType type);

double TubeSidePressureDrop(double mTube, double Di, double rhoInner, TubeType type, double Dotl,
                            double mInner, double dTubeIn, double dTubeOut, double f, double L);

// The terms of the shell-side drop, for tests and reports.
struct ShellPressureDropTerms {
  double Pc = 0;  // one central compartment, after the in-line correction
  double Pe = 0;  // one end zone
  double Pw = 0;  // one window
  double Pn = 0;  // header pipes
  double total = 0;
};
ShellPressureDropTerms ShellSidePressureDropTerms(double Ds, double ReShell, TubeLayout layout,
                                                  double mOuter, double muOuter, double rhoOuter,
                                                  double ratioBaffle, double viscosityFactor,
                                                  double Nb, double ratioEnd, double dShellIn,
                                                  double dShellOut);
double ShellSidePressureDrop(double Ds, double ReShell, TubeLayout layout, double mOuter,
                             double muOuter, double rhoOuter, double ratioBaffle,
                             double viscosityFactor, double Nb, double ratioEnd, double dShellIn,
                             double dShellOut);

}  // namespace calvora
