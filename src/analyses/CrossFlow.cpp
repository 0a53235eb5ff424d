#include "analyses/CrossFlow.h"

#include <array>
#include <cmath>

#include "analyses/AnalysisMessages.h"
#include "analyses/TubeBankTables.h"
#include "common/Errors.h"
#include "common/FloatingPoint.h"
#include "common/Format.h"
#include "common/Numbers.h"
#include "properties/Correlations.h"

namespace calvora {

namespace {

// Ratio of the mean coefficient of a bank of Np rows to that of a deep bank
// (ten rows or more), for Np = 1 to 9.
constexpr std::array<double, 9> kInLineRowCorrection{0.68, 0.75, 0.83, 0.89, 0.92,
                                                     0.95, 0.97, 0.98, 0.99};
constexpr std::array<double, 9> kStaggeredRowCorrection{0.64, 0.80, 0.87, 0.90, 0.92,
                                                        0.94, 0.96, 0.98, 0.99};

struct BankGeometry {
  double Di = 0;  // tube inside diameter
  double Do = 0;  // tube outside diameter
  double Nn = 0;  // rows normal to the flow
  double Np = 0;  // rows parallel to the flow
  double N = 0;   // tubes
  double L = 0;   // length of one tube
  double Sp = 0;  // pitch parallel to the outer flow
  double Sn = 0;  // pitch normal to the outer flow
  double kw = 0;
  double c = 0;  // tube-bank coefficient
  double n = 0;  // tube-bank exponent
  double A = 0;  // inside surface of all tubes
  bool staggered = false;
};

struct BankCoefficients {
  double Rei = 0;
  double Reo = 0;
  double Nui = 0;
  double Nuo = 0;
  double hi = 0;
  double ho = 0;
  ResistanceTerms resistances;  // 1/U, term by term
  double U = 0;
};

// The outer Reynolds number takes the whole outer flow through one gap between
// neighbouring tubes. The wall term of U uses the surface of all N tubes over
// the length of one.
BankCoefficients BankHeatTransfer(const BankGeometry& g, double mt, double mo,
                                  const FluidProperties& inner, const FluidProperties& outer) {
  BankCoefficients c;
  c.Rei = TubeReynolds(mt, g.Di, inner.viscosity);
  c.Reo = BankReynolds(mo, g.Do, g.L, outer.viscosity, g.Sn);
  c.Nui = TubeNusselt(c.Rei, inner.prandtl);
  c.Nuo = BankNusselt(c.Reo, g.c, g.n, outer.prandtl);
  c.hi = FilmCoefficient(c.Nui, inner.conductivity, g.Di);
  c.ho = FilmCoefficient(c.Nuo, outer.conductivity, g.Do) * RowCorrectionFactor(g.Np, g.staggered);
  c.resistances = PlainTubeResistances(g.A, g.L, c.hi, g.Di, g.Do, g.kw, c.ho);
  c.U = OverallCoefficient(c.resistances);
  return c;
}

CrossFlowMixing MixingFromIndex(int itemIndex) {
  if (itemIndex < 0 || itemIndex > 3)
    throw SelectionError("no mixing selected");
  return static_cast<CrossFlowMixing>(itemIndex + 1);
}

}  // namespace

double RowCorrectionFactor(double rowsParallel, bool staggered) {
  const auto& factors = staggered ? kStaggeredRowCorrection : kInLineRowCorrection;
  for (int rows = 1; rows <= 9; ++rows) {
    if (rowsParallel == rows)
      return factors[rows - 1];
  }
  return 1.0;
}

DesignRun CrossFlowAnalysis(const CrossFlowInputs& in, Messages& messages, CrossFlowTrace* trace,
                            int passLimit) {
  FloatingPointGuard guard;
  const char sep = in.decimalSeparator;
  DesignRun run;
  CrossFlowTrace local;
  CrossFlowTrace& traced = trace ? *trace : local;
  traced = {};

  const FluidKind innerKind = FluidKindFromIndex(in.innerFluid);
  const FluidKind outerKind = FluidKindFromIndex(in.outerFluid);
  BankGeometry g;
  g.kw = WallConductivityFromIndex(in.material, in.otherMaterialConductivity, sep);
  if (in.arrangement != 0 && in.arrangement != 1) {
    throw SelectionError("no flow condition selected");
  }
  g.staggered = in.arrangement == 1;

  TubeType tubeType = TubeType::Smooth;
  if (in.pressureDrops)
    tubeType = TubeTypeFromIndex(in.innerTubeType);

  g.Di = ParseNumber(in.tubeInsideDiameter, sep);
  g.Do = ParseNumber(in.tubeOutsideDiameter, sep);
  g.Nn = ParseNumber(in.rowsNormal, sep);
  g.Np = ParseNumber(in.rowsParallel, sep);
  g.N = ParseNumber(in.tubeCount, sep);
  g.L = ParseNumber(in.length, sep);
  const double mi = ParseNumber(in.innerMassFlow, sep);
  const double mo = ParseNumber(in.outerMassFlow, sep);
  // The inner flow is shared equally among the tubes.
  const double mt = mi / g.N;
  CheckArithmetic();
  double Ti = ParseNumber(in.innerTemperature, sep);
  double To = ParseNumber(in.outerTemperature, sep);
  const double enteredTi = Ti;
  const double enteredTo = To;

  FluidProperties inner =
      InletFluidProperties(innerKind, Ti, in.innerFluidData, sep, kTemperatureOutOfRangeMessage,
                           messages, run.resultsFlag);
  FluidProperties outer =
      InletFluidProperties(outerKind, To, in.outerFluidData, sep, kTemperatureOutOfRangeMessage,
                           messages, run.resultsFlag);

  if (!(g.Di < g.Do)) {
    ShowChecked(messages, MessageKind::Error, std::string(kTubeDiameterMessage));
    run.resultsFlag = false;
  }

  g.Sp = ParseNumber(g.staggered ? in.staggeredPitchParallel : in.inLinePitchParallel, sep);
  g.Sn = ParseNumber(g.staggered ? in.staggeredPitchNormal : in.inLinePitchNormal, sep);
  const double spRatio = g.Sp / g.Do;
  const double snRatio = g.Sn / g.Do;
  if (g.staggered) {
    g.c = StaggeredBankCoefficient(spRatio, snRatio);
    g.n = StaggeredBankExponent(spRatio, snRatio);
  } else {
    g.c = InLineBankCoefficient(spRatio, snRatio);
    g.n = InLineBankExponent(spRatio, snRatio);
  }
  traced.bankCoefficient = g.c;
  traced.bankExponent = g.n;

  // Height of the bank: Nn rows at pitch Sn plus one pitch, less one diameter.
  const double height = (g.Nn + 1.0) * g.Sn - g.Do;
  CheckArithmetic();
  ShowChecked(messages, MessageKind::Information,
              std::string(kExchangerHeightPrefix) + FormatFixed(std::fabs(height), 4, 5, sep));

  g.A = BankSurfaceArea(g.L, g.Di, g.N);
  BankCoefficients c = BankHeatTransfer(g, mt, mo, inner, outer);
  CheckArithmetic();

  double effectiveness = 0;
  ThermalPassResult thermal;
  if (in.iteration) {
    // The inner fluid enters the heat balance with the flow of one tube.
    const StreamRoles roles = AssignRoles(Ti, To, mt, mo, inner.specificHeat, outer.specificHeat);
    const CrossFlowMixing mixing = MixingFromIndex(in.mixing);
    thermal =
        ThermalPass(roles, g.A, c.U, FlowArrangement::CrossFlow, mixing, effectiveness, messages);
    CheckArithmetic();
    traced.thermalPasses = 1;

    const bool tableFluids =
        innerKind != FluidKind::OtherFluid && outerKind != FluidKind::OtherFluid;
    const SettleLimits limits{SettledAgainstOwnSpan, passLimit, traced.thermalPasses};
    auto rate = [&] {
      c = BankHeatTransfer(g, mt, mo, inner, outer);
      return OutletsOf(thermal = ThermalPass(roles, g.A, c.U, FlowArrangement::CrossFlow, mixing,
                                             effectiveness, messages));
    };
    if (tableFluids && !SettleOutlets(roles, {innerKind, Ti, inner}, {outerKind, To, outer},
                                      OutletsOf(thermal), limits, messages, run.resultsFlag, rate))
      return run;
  }

  double innerPressureDrop = 0;
  double outerPressureDrop = 0;
  if (in.pressureDrops) {
    const double din = ParseNumber(in.inletPipeDiameter, sep);
    const double dout = ParseNumber(in.outletPipeDiameter, sep);
    const double f = FrictionFactor(c.Rei, tubeType);
    innerPressureDrop = HeaderedTubePressureDrop(mt, g.Di, inner.density, mi, dout, din, f, g.L);
    outerPressureDrop =
        TubeBankPressureDrop(mo, g.Do, outer.density, outer.viscosity, g.L, g.Nn, g.Sp, g.Sn,
                             g.staggered ? kStaggeredArrangement : kInLineArrangement);
  }
  CheckArithmetic();

  // The inner flow handed over is the total; Rei and the heat balance use the
  // flow per tube.
  run.result = RatingResult({mi, mo, c.Rei, c.Reo, g.A, c.hi, c.ho, c.U, c.resistances,
                             ReferenceSurface::TubeInside, g.N},
                            thermal, {innerPressureDrop, outerPressureDrop}, inner, outer,
                            {enteredTi, enteredTo, Ti, To});
  return run;
}

}  // namespace calvora
