#include "analyses/CompactAnalysis.h"

#include <cmath>
#include <string>

#include "analyses/AnalysisMessages.h"
#include "analyses/Materials.h"
#include "analyses/PressureDrops.h"
#include "common/Errors.h"
#include "common/FloatingPoint.h"
#include "common/Numbers.h"
#include "ntu/Effectiveness.h"
#include "properties/Correlations.h"

namespace calvora {
namespace {

constexpr double kPi = 3.1415926535897932385;

// Everything one run works on. Ti and To start as the typed inlet temperatures
// and become the property temperatures of the iteration.
struct CompactState {
  const TubeFinSurface* surface = nullptr;
  FluidKind innerKind = FluidKind::Air;
  FluidKind outerKind = FluidKind::Air;
  double wallConductivity = 0;
  double Di = 0, tubeCount = 0, rowsNormal = 0, rowsParallel = 0, length = 0;
  double innerFlow = 0, outerFlow = 0, tubeFlow = 0;
  double Ti = 0, To = 0;
  double enteredTi = 0, enteredTo = 0;  // the typed inlet temperatures, kept
  FluidProperties inner, outer;

  double Rei = 0, Reo = 0, frontalArea = 0, G = 0, Nui = 0, j = 0;
  double hi = 0, ho = 0, A = 0, U = 0;
  ResistanceTerms resistances;  // 1/U, term by term, on the finned surface

  StreamRoles roles;  // fixed by the first thermal pass of an iteration
  ThermalPassResult thermal;
  double epsilon = 0;
};

// Reynolds numbers, film coefficients, area and U from the current properties.
void EvaluateCoefficients(CompactState& s) {
  const TubeFinSurface& surface = *s.surface;
  s.Rei = TubeReynolds(s.tubeFlow, s.Di, s.inner.viscosity);
  const CompactFlow flow =
      CompactMassVelocity(surface.hydraulicDiameter, s.length, surface.verticalSpacing,
                          s.rowsNormal, surface.sigma, s.outerFlow, s.outer.viscosity);
  s.frontalArea = flow.frontalArea;
  s.G = flow.massVelocity;
  s.Reo = flow.reynolds;
  s.Nui = TubeNusselt(s.Rei, s.inner.prandtl);
  s.hi = FilmCoefficient(s.Nui, s.inner.conductivity, s.Di);
  const CompactOuterResult outer =
      CompactOuterCoefficient(surface, s.Reo, s.outer.prandtl, s.outer.specificHeat, s.G);
  s.j = outer.j;
  s.ho = outer.h;
  s.A = s.tubeCount * s.length * kPi * s.Di;  // inside surface of all tubes
  const FinnedCoefficientResult overall =
      FinnedOverallCoefficientDetail(surface, s.hi, s.ho, s.Di, s.wallConductivity);
  s.resistances = overall.resistances;
  s.U = overall.U;
}

// Hot and cold roles from the inlet temperatures (equal inlets make the inner
// fluid hot); the inner stream enters the heat balance with the flow of one
// tube. The specific heats of this pass stay fixed for every later pass.
void AssignCompactRoles(CompactState& s) {
  s.roles =
      AssignRoles(s.Ti, s.To, s.tubeFlow, s.outerFlow, s.inner.specificHeat, s.outer.specificHeat);
}

// Single-pass cross flow with both fluids unmixed, with the current U and A.
void CompactThermalPass(CompactState& s, Messages& messages) {
  s.thermal = ThermalPass(s.roles, s.A, s.U, FlowArrangement::CrossFlow,
                          CrossFlowMixing::BothUnmixed, s.epsilon, messages);
}

// Re-evaluates the fluids at weighted property temperatures (a user-described
// fluid keeps its values) until both exit temperatures settle, each change
// against its own stream's span (with equal inlet temperatures no heat moves
// and that is 0/0, an arithmetic failure). Returns false when the pass limit
// is reached, which it says (IterationDidNotSettle).
bool IterateProperties(CompactState& s, Messages& messages, int passLimit, int& passes,
                       bool& resultsFlag) {
  auto rate = [&] {
    EvaluateCoefficients(s);
    CompactThermalPass(s, messages);
    return OutletsOf(s.thermal);
  };
  return SettleOutlets(s.roles, {s.innerKind, s.Ti, s.inner}, {s.outerKind, s.To, s.outer},
                       OutletsOf(s.thermal), {SettledAgainstOwnSpan, passLimit, passes}, messages,
                       resultsFlag, rate);
}

}  // namespace

double CorePressureDrop(const TubeFinSurface& surface, double massVelocity, double frontalArea,
                        double rowsParallel, double inletDensity, double outletDensity,
                        double frictionFactor) {
  const double v1 = 1 / inletDensity;
  const double v2 = 1 / outletDensity;
  const double vm = (v1 + v2) / 2;
  const double coreVolume = rowsParallel * surface.horizontalSpacing * frontalArea;
  const double areaRatio = surface.alpha * coreVolume / (surface.sigma * frontalArea);
  const double E = massVelocity * massVelocity * v1 * 0.5;
  return E * (surface.sigma * surface.sigma + 1) * (v2 / v1 - 1) +
         E * (vm / v1) * frictionFactor * areaRatio;
}

DesignRun CompactAnalysis(const CompactInputs& in, Messages& messages, CompactTrace* trace,
                          int passLimit) {
  FloatingPointGuard guard;
  DesignRun run;
  run.resultsFlag = true;
  CompactTrace local;
  CompactTrace& t = trace ? *trace : local;
  t = CompactTrace{};

  const TubeFinSurface* surface = CompactSurfaceAt(in.surface);
  if (surface == nullptr)
    throw SelectionError("no surface selected");
  if (!surface->hasData()) {
    ShowChecked(messages, MessageKind::Warning, std::string(kCompactNoSurfaceMessage));
    run.resultsFlag = false;
    return run;
  }

  const char sep = in.decimalSeparator;
  CompactState s;
  s.surface = surface;
  s.innerKind = FluidKindFromIndex(in.innerFluid);
  s.outerKind = FluidKindFromIndex(in.outerFluid);
  s.wallConductivity = WallConductivityFromIndex(in.material, in.otherMaterialConductivity, sep);
  s.Di = ParseNumber(in.tubeInsideDiameter, sep);
  s.tubeCount = ParseNumber(in.tubeCount, sep);
  s.rowsNormal = ParseNumber(in.rowsNormal, sep);
  s.rowsParallel = ParseNumber(in.rowsParallel, sep);
  s.length = ParseNumber(in.length, sep);
  s.innerFlow = ParseNumber(in.innerMassFlow, sep);
  s.outerFlow = ParseNumber(in.outerMassFlow, sep);
  s.tubeFlow = s.innerFlow / s.tubeCount;
  // A zero tube count fails here, before any later entry is read.
  CheckArithmetic();
  s.Ti = ParseNumber(in.innerTemperature, sep);
  s.To = ParseNumber(in.outerTemperature, sep);
  s.enteredTi = s.Ti;
  s.enteredTo = s.To;

  if (s.Di > surface->outsideDiameter) {
    ShowChecked(messages, MessageKind::Error, std::string(kCompactDiameterMessage));
    run.resultsFlag = false;
  }

  s.inner = InletFluidProperties(s.innerKind, s.Ti, in.innerFluidData, sep,
                                 kTemperatureOutOfRangeMessage, messages, run.resultsFlag);
  s.outer = InletFluidProperties(s.outerKind, s.To, in.outerFluidData, sep,
                                 kTemperatureOutOfRangeMessage, messages, run.resultsFlag);

  EvaluateCoefficients(s);
  CheckArithmetic();

  const bool bothBuiltIn =
      s.innerKind != FluidKind::OtherFluid && s.outerKind != FluidKind::OtherFluid;
  if (in.iteration) {
    AssignCompactRoles(s);
    CompactThermalPass(s, messages);
    CheckArithmetic();
    ++t.thermalPasses;
    if (bothBuiltIn && !IterateProperties(s, messages, passLimit, t.thermalPasses, run.resultsFlag))
      return run;
  }

  double innerDrop = 0;
  double outerDrop = 0;
  if (in.pressureDrops) {
    const TubeType tubeType = TubeTypeFromIndex(in.innerTubeType);
    const double inletPipe = ParseNumber(in.inletPipeDiameter, sep);
    const double outletPipe = ParseNumber(in.outletPipeDiameter, sep);
    t.innerFriction = FrictionFactor(s.Rei, tubeType);
    innerDrop = HeaderedTubePressureDrop(s.tubeFlow, s.Di, s.inner.density, s.innerFlow, inletPipe,
                                         outletPipe, t.innerFriction, s.length);
    t.outerFriction = CompactFrictionFactor(*surface, s.Reo);

    if (!in.iteration) {
      // Exit temperatures of the core's own, with the roles set from the inlets
      // as in the thermal pass; the page's values are restored afterwards.
      const double savedTi = s.Ti, savedTo = s.To, savedRei = s.Rei, savedReo = s.Reo;
      const double savedHi = s.hi, savedHo = s.ho, savedU = s.U;
      const ResistanceTerms savedResistances = s.resistances;
      AssignCompactRoles(s);
      CompactThermalPass(s, messages);
      ++t.corePasses;
      if (!IterateProperties(s, messages, passLimit, t.corePasses, run.resultsFlag))
        return run;
      s.Ti = savedTi;
      s.To = savedTo;
      s.Rei = savedRei;
      s.Reo = savedReo;
      s.hi = savedHi;
      s.ho = savedHo;
      s.U = savedU;
      s.resistances = savedResistances;
    }

    // Outer outlet state at the hot exit temperature; its density stays the
    // inlet value of the core, the other four properties are replaced.
    const double inletDensity = s.outer.density;
    FluidProperties outlet = s.outer;
    FluidPropertiesAt(s.outerKind, s.thermal.hotOutletTemperature, outlet);
    s.outer.prandtl = outlet.prandtl;
    s.outer.specificHeat = outlet.specificHeat;
    s.outer.viscosity = outlet.viscosity;
    s.outer.conductivity = outlet.conductivity;
    t.coreHotOutlet = s.thermal.hotOutletTemperature;
    t.inletDensity = inletDensity;
    t.outletDensity = outlet.density;
    outerDrop = CorePressureDrop(*surface, s.G, s.frontalArea, s.rowsParallel, inletDensity,
                                 outlet.density, t.outerFriction);
  }

  if (s.Reo > surface->reynoldsHigh) {
    ShowChecked(messages, MessageKind::Warning, std::string(kCompactReynoldsHighMessage));
  } else if (s.Reo < surface->reynoldsLow) {
    ShowChecked(messages, MessageKind::Warning, std::string(kCompactReynoldsLowMessage));
  }
  CheckArithmetic();

  t.innerHot = s.roles.innerIsHot;
  t.colburnFactor = s.j;
  t.massVelocity = s.G;
  t.frontalArea = s.frontalArea;
  t.ntu = s.thermal.ntu;
  t.effectiveness = s.epsilon;

  // Without the iteration the exit temperatures are the core pressure drop's
  // own: the run did not compute its heat duty.
  ThermalPassResult thermal = s.thermal;
  thermal.computed = in.iteration;
  run.result = RatingResult({s.innerFlow, s.outerFlow, s.Rei, s.Reo, s.A, s.hi, s.ho, s.U,
                             s.resistances, ReferenceSurface::FinnedOutside},
                            thermal, {innerDrop, outerDrop}, s.inner, s.outer,
                            {s.enteredTi, s.enteredTo, s.Ti, s.To});
  return run;
}

}  // namespace calvora
