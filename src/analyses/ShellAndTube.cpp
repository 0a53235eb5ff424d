#include "analyses/ShellAndTube.h"

#include <cmath>
#include <string>

#include "analyses/AnalysisMessages.h"
#include "analyses/ShellAndTubeHeatTransfer.h"
#include "analyses/ShellAndTubeMessages.h"
#include "analyses/ShellAndTubePressureDrop.h"
#include "common/Errors.h"
#include "common/FloatingPoint.h"
#include "common/Format.h"
#include "common/Numbers.h"
#include "properties/Correlations.h"

namespace calvora {
namespace {

// Limits of the geometry checks; an entry equal to a limit is rejected.
constexpr double kSmallestShell = 0.205;
constexpr double kLargestShell = 1.524;
constexpr double kLargestTubeInside = 0.015875;
constexpr double kFewestBaffles = 4;
constexpr double kMostBaffles = 31;

TubeLayout FirstCheckedLayout(const std::array<bool, 6>& arrangement) {
  for (std::size_t i = 0; i < arrangement.size(); ++i) {
    if (arrangement[i])
      return static_cast<TubeLayout>(static_cast<int>(i) + 1);
  }
  throw SelectionError("no tube layout chosen");
}

void Fail(Messages& sink, MessageKind kind, std::string_view text, bool& resultsFlag) {
  ShowChecked(sink, kind, std::string(text));
  resultsFlag = false;
}

// Cross-flow area at the shell centre line, mass velocity and Reynolds number.
void ShellSideFlow(ShellAndTubeCase& c) {
  c.Sm = c.Lb * (c.Lbb + (c.Ds - c.Lbb - c.Do) * (c.Pt - c.Do) / c.Pt / c.pitchFactor);
  c.G = c.mOuter / c.Sm;
  c.ReShell = c.G * c.Do / c.outer.viscosity;
}

void TubeSide(ShellAndTubeCase& c, double pi) {
  c.ReTube = ShellTubeReynolds(c.mTube, pi, c.Di, c.inner.viscosity);
  c.NuTube = TubeNusselt(c.ReTube, c.inner.prandtl);
  c.hInner = FilmCoefficient(c.NuTube, c.inner.conductivity, c.Di);
}

void OuterAndOverall(ShellAndTubeCase& c) {
  c.hOuter = ShellSideCoefficient(c.flowTerm, c.propertyGroup, c.diameterFactor, c.baffleFactor,
                                  c.endFactor, c.viscosityFactor);
  c.resistances = PlainTubeResistances(c.A, c.L, c.hInner, c.Di, c.Do, c.kWall, c.hOuter);
  c.U = OverallCoefficient(c.resistances);
}

void HeatDuty(ShellAndTubeCase& c, Messages& messages) {
  const ThermalPassResult pass = ThermalPass(c.roles, c.A, c.U, FlowArrangement::ShellAndTube,
                                             CrossFlowMixing::None, c.eps, messages);
  c.rates = pass.rates;
  c.NTU = pass.ntu;
  c.Q = pass.heatTransferRate;
  c.TcoldOut = pass.coldOutletTemperature;
  c.ThotOut = pass.hotOutletTemperature;
  c.lastPass = pass;
}

// Re-evaluates the properties at the weighted temperatures until both outlets
// settle. Returns false when they have not settled within the pass limit,
// which it says (IterationDidNotSettle).
bool RatingIteration(ShellAndTubeCase& c, Messages& messages, int passLimit, bool& resultsFlag) {
  const LayoutFamily family = FamilyOf(c.layout);
  c.iterationPasses = 0;
  auto rate = [&] {
    c.Tmean = (c.Tin + c.Tout) / 2;
    FluidPropertiesAt(c.outerKind, c.Tmean, c.outerWall);
    TubeSide(c, 3.1416);
    ShellSideFlow(c);
    // The flow term and the geometric factors keep their first-pass values.
    c.m = ShellSideExponentsFor(family, c.ReShell).m;
    c.propertyGroup =
        ShellPropertyGroup(c.outer.specificHeat, c.outer.conductivity, c.outer.viscosity, c.m);
    c.viscosityFactor = Power(c.outer.viscosity / c.outerWall.viscosity, 0.14);
    OuterAndOverall(c);
    HeatDuty(c, messages);
    return Outlets{c.ThotOut, c.TcoldOut};
  };
  return SettleOutlets(c.roles, {c.innerKind, c.Tin, c.inner}, {c.outerKind, c.Tout, c.outer},
                       {c.ThotOut, c.TcoldOut}, {SettledUnlessMoving, passLimit, c.iterationPasses},
                       messages, resultsFlag, rate);
}

DesignResult HandOver(const ShellAndTubeCase& c) {
  ThermalPassResult thermal = c.lastPass;
  thermal.heatTransferRate = c.Q;
  thermal.coldOutletTemperature = c.TcoldOut;
  thermal.hotOutletTemperature = c.ThotOut;
  return RatingResult({c.mInner, c.mOuter, c.ReTube, c.ReShell, c.A, c.hInner, c.hOuter, c.U,
                       c.resistances, ReferenceSurface::TubeInside, c.Nt},
                      thermal, {c.pressureDropTube, c.pressureDropShell}, c.inner, c.outer,
                      {c.enteredTin, c.enteredTout, c.Tin, c.Tout});
}

// Everything after the last check; runs only while no check has failed.
void Rate(const ShellAndTubeInputs& in, ShellAndTubeCase& c, Messages& messages, int passLimit,
          DesignRun& run) {
  const LayoutFamily family = FamilyOf(c.layout);
  const ShellSideExponents exponents = ShellSideExponentsFor(family, c.ReShell);
  c.n = exponents.n;
  c.m = exponents.m;
  c.flowTerm = ShellFlowTerm(c.mOuter, c.n);
  c.propertyGroup =
      ShellPropertyGroup(c.outer.specificHeat, c.outer.conductivity, c.outer.viscosity, c.m);
  const ShellSideFactorSet factors = ShellSideFactors(c.layout, c.ReShell, c.Ds, c.Nb, c.ratioEnd);
  c.endFactor31 = factors.endFactor31;
  c.endFactor4 = factors.endFactor4;
  c.endFactor = factors.endFactor;
  c.diameterFactor = factors.diameterFactor;
  const BaffleSpacing baffle = BaffleSpacingFactor(c.layout, c.Ds, c.ratioBaffle);
  c.baffleA = baffle.baffleA;
  c.baffleB = baffle.baffleB;
  c.baffleFactor = baffle.baffleFactor;
  c.viscosityFactor = ShellViscosityFactor(c.outer.viscosity, c.outerWall.viscosity);
  c.A = ShellAndTubeArea(c.L, c.Di, c.Nt);
  OuterAndOverall(c);

  if (in.iteration) {
    // The inner stream enters the heat balance with the flow of one tube.
    c.roles =
        AssignRoles(c.Tin, c.Tout, c.mTube, c.mOuter, c.inner.specificHeat, c.outer.specificHeat);
    HeatDuty(c, messages);
    const bool tableFluids =
        c.innerKind != FluidKind::OtherFluid && c.outerKind != FluidKind::OtherFluid;
    if (tableFluids && !RatingIteration(c, messages, passLimit, run.resultsFlag))
      return;
  }

  if (in.pressureDrops) {
    c.f = FrictionFactor(c.ReTube, c.tubeType);
    c.pressureDropTube = TubeSidePressureDrop(c.mTube, c.Di, c.inner.density, c.tubeType, c.Dotl,
                                              c.mInner, c.dTubeIn, c.dTubeOut, c.f, c.L);
    c.pressureDropShell = ShellSidePressureDrop(
        c.Ds, c.ReShell, c.layout, c.mOuter, c.outer.viscosity, c.outer.density, c.ratioBaffle,
        c.viscosityFactor, c.Nb, c.ratioEnd, c.dShellIn, c.dShellOut);
  }
  CheckArithmetic();
  run.result = HandOver(c);
}

}  // namespace

std::string InnerFlowMessage(double Nt, char decimalSeparator) {
  return std::string(kInnerFlowMessagePrefix) + FormatFixed(std::fabs(Nt), 6, 2, decimalSeparator);
}

DesignRun ShellAndTubeAnalysis(const ShellAndTubeInputs& in, Messages& messages,
                               ShellAndTubeCase* record, int passLimit) {
  FloatingPointGuard guard;
  DesignRun run;
  ShellAndTubeCase c;
  const char sep = in.decimalSeparator;

  // Inputs, in the order the method reads them.
  c.innerKind = FluidKindFromIndex(in.innerFluid);
  c.outerKind = FluidKindFromIndex(in.outerFluid);
  c.kWall = WallConductivityFromIndex(in.material, in.otherMaterialConductivity, sep);
  if (in.pressureDrops) {
    c.tubeType = TubeTypeFromIndex(in.innerTubeType);
    c.dTubeIn = ParseNumber(in.inletPipeDiameter, sep);
    c.dTubeOut = ParseNumber(in.outletPipeDiameter, sep);
    c.dShellIn = ParseNumber(in.shellInletPipeDiameter, sep);
    c.dShellOut = ParseNumber(in.shellOutletPipeDiameter, sep);
  }
  c.Ds = ParseNumber(in.shellDiameter, sep);
  c.Di = ParseNumber(in.tubeInsideDiameter, sep);
  c.clearance = ParseNumber(in.clearance, sep);
  c.Tin = ParseNumber(in.innerTemperature, sep);
  c.Tout = ParseNumber(in.outerTemperature, sep);
  c.enteredTin = c.Tin;
  c.enteredTout = c.Tout;
  c.Nb = ParseNumber(in.baffles, sep);
  c.Lb = ParseNumber(in.centralBaffleSpace, sep);
  c.Lbi = ParseNumber(in.endBaffleSpace, sep);
  c.mInner = ParseNumber(in.innerMassFlow, sep);
  c.mOuter = ParseNumber(in.outerMassFlow, sep);
  c.pressureDropTube = 0;
  c.pressureDropShell = 0;

  // Fluids: range checks, then the properties at the inlet temperatures.
  c.inner = InletFluidProperties(c.innerKind, c.Tin, in.innerFluidData, sep,
                                 kTemperatureOutOfRangeMessage, messages, run.resultsFlag);
  c.outer = InletFluidProperties(c.outerKind, c.Tout, in.outerFluidData, sep,
                                 kTemperatureOutOfRangeMessage, messages, run.resultsFlag);
  if (c.outerKind != FluidKind::OtherFluid) {
    c.Tmean = (c.Tin + c.Tout) / 2;
    c.outerWall = StartingProperties(c.outerKind, c.Tmean);
    FluidPropertiesAt(c.outerKind, c.Tmean, c.outerWall);
  } else {
    // A user-described fluid has no wall viscosity: no viscosity correction.
    c.outerWall = c.outer;
  }

  // Geometry checks, each on its own.
  if (c.Ds <= kSmallestShell || c.Ds >= kLargestShell) {
    Fail(messages, MessageKind::Warning, kShellDiameterRangeMessage, run.resultsFlag);
  }
  if (c.Di >= kLargestTubeInside) {
    Fail(messages, MessageKind::Warning, kTubeDiameterRangeMessage, run.resultsFlag);
  }
  if (c.Nb < kFewestBaffles || c.Nb > kMostBaffles) {
    Fail(messages, MessageKind::Warning, kBaffleCountRangeMessage, run.resultsFlag);
  }
  if (c.clearance >= c.Ds)
    Fail(messages, MessageKind::Warning, kClearanceMessage, run.resultsFlag);

  // Layout and tube count.
  c.layout = FirstCheckedLayout(in.arrangement);
  const LayoutData layout = LayoutDataOf(c.layout);
  c.Do = layout.Do;
  c.Pt = layout.Pt;
  c.pitchFactor = layout.pitchFactor;
  const TubeCount count = CountTubes(c.layout, c.clearance, c.Ds);
  c.Nt = count.Nt;
  c.Dotl = count.Dotl;
  c.Lbb = count.Lbb;

  // Baffle spacing ratios.
  c.ratioEnd = c.Lbi / c.Lb;
  c.ratioBaffle = c.Lb / c.Ds;
  if (c.ratioEnd < 1.25 || c.ratioEnd > 3) {
    Fail(messages, MessageKind::Error, kEndBaffleRatioMessage, run.resultsFlag);
  } else if (c.ratioBaffle < 0.2) {
    ShowChecked(messages, MessageKind::Warning, std::string(kBaffleRatioLowMessage));
  } else if (c.ratioBaffle > 1.4) {
    ShowChecked(messages, MessageKind::Warning, std::string(kBaffleRatioHighMessage));
  }

  c.L = 2 * c.Lbi + (c.Nb - 1) * c.Lb;
  c.mTube = c.mInner / c.Nt;
  TubeSide(c, 3.145);
  ShellSideFlow(c);

  // Flow checks.
  if (c.mTube < 1.0) {
    Fail(messages, MessageKind::Warning, InnerFlowMessage(c.Nt, sep), run.resultsFlag);
  }
  if (c.mOuter < 1.0)
    Fail(messages, MessageKind::Warning, kOuterFlowMessage, run.resultsFlag);
  if (c.ReShell <= 300) {
    ShowChecked(messages, MessageKind::Warning, std::string(kLowShellReynoldsMessage));
  }

  // A run whose results will not be shown stops here: past this point it would
  // only read the shell-diameter tables outside their range.
  if (run.resultsFlag)
    Rate(in, c, messages, passLimit, run);
  CheckArithmetic();
  if (record)
    *record = c;
  return run;
}

}  // namespace calvora
