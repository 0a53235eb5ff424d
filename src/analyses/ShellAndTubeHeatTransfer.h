#pragma once

#include "analyses/ShellAndTubeGeometry.h"
#include "analyses/ShellAndTubeTables.h"

// Shell-side film coefficient of a baffled bundle: a dimensional correlation in
// the outer mass flow and a property group, times a shell-diameter factor, a
// baffle-spacing factor, an end-spacing factor and a viscosity correction.

namespace calvora {

// Shell-diameter factor by Ds; columns 0-2 for ReShell <= 300 (triangular,
// in-line square, rotated square), 3-5 for ReShell > 300.
extern const ShellDiameterTable kShellDiameterFactors;

// Exponents of the outer flow (n) and of the viscosity in the property group (m).
struct ShellSideExponents {
  double n = 0;
  double m = 0;
};
ShellSideExponents ShellSideExponentsFor(LayoutFamily family, double ReShell);

// flowTerm = mOuter^n.
double ShellFlowTerm(double mOuter, double n);

// cp^0.333 k^0.667 / mu^m (0.333 and 0.667 as the correlation states them).
double ShellPropertyGroup(double cp, double k, double mu, double m);

struct ShellSideFactorSet {
  double endFactor31 = 0;     // end-spacing factor at 31 baffles
  double endFactor4 = 0;      // end-spacing factor at 4 baffles
  double endFactor = 0;       // at Nb baffles, linear in Nb
  double diameterFactor = 0;  // kShellDiameterFactors at Ds
};
ShellSideFactorSet ShellSideFactors(TubeLayout layout, double ReShell, double Ds, double Nb,
                                    double ratioEnd);

// Constants of the baffle-spacing factor baffleA / ratioBaffle^baffleB.
struct BaffleSpacingConstants {
  double baffleA = 0;
  double baffleB = 0;
};
// The small band (0.205 < Ds < 0.257) when `smallBand`, else the large band
// (0.307 < Ds < 1.524); the column for ratios up to 0.35 or above.
BaffleSpacingConstants BaffleConstants(TubeLayout layout, bool smallBand, double ratioBaffle);

struct BaffleSpacing {
  double baffleA = 0;  // 0 between the bands, where no single pair applies
  double baffleB = 0;
  double baffleFactor = 0;
};
// The baffle-spacing factor at Ds. Between the bands (0.257 <= Ds <= 0.307) it
// is interpolated linearly in Ds from the small-band factor at 0.257 to the
// large-band factor at 0.307.
BaffleSpacing BaffleSpacingFactor(TubeLayout layout, double Ds, double ratioBaffle);

// |muOuter / muWall|^0.14.
double ShellViscosityFactor(double muOuter, double muWall);

// hOuter = flowTerm propertyGroup diameterFactor baffleFactor endFactor viscosityFactor.
double ShellSideCoefficient(double flowTerm, double propertyGroup, double diameterFactor,
                            double baffleFactor, double endFactor, double viscosityFactor);

// Inside surface of all Nt tubes, 3.1415 L Di Nt.
double ShellAndTubeArea(double L, double Di, double Nt);

// Tube-side Reynolds number 4 mTube / (pi Di mu) with the value of pi each pass uses
// (3.145 on the first pass, 3.1416 in the rating iteration).
double ShellTubeReynolds(double mTube, double pi, double Di, double mu);

}  // namespace calvora
