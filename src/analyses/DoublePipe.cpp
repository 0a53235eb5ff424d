#include "analyses/DoublePipe.h"

#include <cmath>

#include "analyses/AnalysisMessages.h"
#include "common/Errors.h"
#include "common/FloatingPoint.h"
#include "common/Numbers.h"
#include "properties/Correlations.h"

namespace calvora {

// ---- double pipe ------------------------------------------------------------

namespace {

struct DoublePipeGeometry {
  double D1 = 0;  // inside diameter of the inner tube
  double D2 = 0;  // outside diameter of the inner tube
  double D3 = 0;  // inside diameter of the outer tube
  double D4 = 0;  // outside diameter of the outer tube
  double L = 0;
  double kw = 0;
  double A = 0;  // inside surface of the inner tube
};

struct FilmCoefficients {
  double Rei = 0;
  double Reo = 0;
  double Nui = 0;
  double Nuo = 0;
  double hi = 0;
  double ho = 0;
  ResistanceTerms resistances;  // 1/U, term by term
  double U = 0;
};

// The annulus is treated as a pipe of hydraulic diameter D3 - D2; U is referred
// to the inside surface of the inner tube.
FilmCoefficients DoublePipeHeatTransfer(const DoublePipeGeometry& g, double mi, double mo,
                                        const FluidProperties& inner,
                                        const FluidProperties& outer) {
  FilmCoefficients c;
  c.Rei = InnerTubeReynolds(mi, g.D1, inner.viscosity);
  c.Reo = AnnulusReynolds(mo, g.D3, g.D2, outer.viscosity);
  c.Nui = TubeNusselt(c.Rei, inner.prandtl);
  c.Nuo = AnnulusNusselt(c.Reo, outer.prandtl, g.D2, g.D3);
  c.hi = FilmCoefficient(c.Nui, inner.conductivity, g.D1);
  c.ho = AnnulusFilmCoefficient(c.Nuo, outer.conductivity, g.D3, g.D2);
  c.resistances = PlainTubeResistances(g.A, g.L, c.hi, g.D1, g.D2, g.kw, c.ho);
  c.U = OverallCoefficient(c.resistances);
  return c;
}

FlowArrangement DoublePipeArrangement(int flowCondition) {
  if (flowCondition == 0)
    return FlowArrangement::ParallelFlow;
  if (flowCondition == 1)
    return FlowArrangement::CounterFlow;
  throw SelectionError("no flow condition selected");
}

}  // namespace

DesignRun DoublePipeAnalysis(const DoublePipeInputs& in, Messages& messages, DoublePipeTrace* trace,
                             int passLimit) {
  FloatingPointGuard guard;
  const char sep = in.decimalSeparator;
  DesignRun run;
  DoublePipeTrace local;
  DoublePipeTrace& passes = trace ? *trace : local;
  passes = {};

  const FluidKind innerKind = FluidKindFromIndex(in.innerFluid);
  const FluidKind outerKind = FluidKindFromIndex(in.outerFluid);

  DoublePipeGeometry g;
  g.kw = WallConductivityFromIndex(in.material, in.otherMaterialConductivity, sep);

  FlowArrangement arrangement = FlowArrangement::ParallelFlow;
  if (in.iteration)
    arrangement = DoublePipeArrangement(in.flowCondition);

  TubeType innerTube = TubeType::Smooth;
  TubeType outerTube = TubeType::Smooth;
  double din = 0;
  double dout = 0;
  if (in.pressureDrops) {
    innerTube = TubeTypeFromIndex(in.innerTubeType);
    outerTube = TubeTypeFromIndex(in.outerTubeType);
    din = ParseNumber(in.inletPipeDiameter, sep);
    dout = ParseNumber(in.outletPipeDiameter, sep);
  }

  g.D1 = ParseNumber(in.innerTubeInsideDiameter, sep);
  g.D2 = ParseNumber(in.innerTubeOutsideDiameter, sep);
  g.D3 = ParseNumber(in.outerTubeInsideDiameter, sep);
  g.D4 = ParseNumber(in.outerTubeOutsideDiameter, sep);
  g.L = ParseNumber(in.length, sep);
  const double mi = ParseNumber(in.innerMassFlow, sep);
  const double mo = ParseNumber(in.outerMassFlow, sep);
  // Working values: after the first thermal pass they become the property
  // temperatures of the iteration.
  double Ti = ParseNumber(in.innerTemperature, sep);
  double To = ParseNumber(in.outerTemperature, sep);
  const double enteredTi = Ti;
  const double enteredTo = To;

  const std::string_view innerRangeMessage = innerKind == FluidKind::Air
                                                 ? kInnerTemperatureOutOfRangeMessage
                                                 : kTemperatureOutOfRangeMessage;
  FluidProperties inner = InletFluidProperties(innerKind, Ti, in.innerFluidData, sep,
                                               innerRangeMessage, messages, run.resultsFlag);
  FluidProperties outer =
      InletFluidProperties(outerKind, To, in.outerFluidData, sep, kTemperatureOutOfRangeMessage,
                           messages, run.resultsFlag);

  if (!(g.D2 > g.D1) || !(g.D4 > g.D3)) {
    ShowChecked(messages, MessageKind::Error, std::string(kOuterDiametersMessage));
    run.resultsFlag = false;
  }
  if (!(g.D3 > g.D2)) {
    ShowChecked(messages, MessageKind::Error, std::string(kAnnulusDiameterMessage));
    run.resultsFlag = false;
  }

  g.A = TubeSurfaceArea(g.L, g.D1);
  FilmCoefficients c = DoublePipeHeatTransfer(g, mi, mo, inner, outer);
  CheckArithmetic();

  double effectiveness = 0;
  ThermalPassResult thermal;
  if (in.iteration) {
    // The roles, flows and specific heats of this first pass hold for the run.
    const StreamRoles roles = AssignRoles(Ti, To, mi, mo, inner.specificHeat, outer.specificHeat);
    thermal =
        ThermalPass(roles, g.A, c.U, arrangement, CrossFlowMixing::None, effectiveness, messages);
    CheckArithmetic();
    passes.thermalPasses = 1;

    const bool tableFluids =
        innerKind != FluidKind::OtherFluid && outerKind != FluidKind::OtherFluid;
    const SettleLimits limits{SettledAgainstColdExit, passLimit, passes.thermalPasses};
    auto rate = [&] {
      c = DoublePipeHeatTransfer(g, mi, mo, inner, outer);
      return OutletsOf(thermal = ThermalPass(roles, g.A, c.U, arrangement, CrossFlowMixing::None,
                                             effectiveness, messages));
    };
    if (tableFluids && !SettleOutlets(roles, {innerKind, Ti, inner}, {outerKind, To, outer},
                                      OutletsOf(thermal), limits, messages, run.resultsFlag, rate))
      return run;
  }

  double innerPressureDrop = 0;
  double outerPressureDrop = 0;
  if (in.pressureDrops) {
    const double fi = FrictionFactor(c.Rei, innerTube);
    innerPressureDrop = TubePressureDrop(mi, g.D1, inner.density, fi, g.L);
    const double fo = FrictionFactor(c.Reo, outerTube);
    outerPressureDrop = AnnulusPressureDrop(mo, g.D2, g.D3, din, dout, fo, g.L, outer.density);
  }
  CheckArithmetic();

  run.result = RatingResult({mi, mo, c.Rei, c.Reo, g.A, c.hi, c.ho, c.U, c.resistances}, thermal,
                            {innerPressureDrop, outerPressureDrop}, inner, outer,
                            {enteredTi, enteredTo, Ti, To});
  return run;
}

}  // namespace calvora
