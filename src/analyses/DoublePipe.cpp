#include "analyses/DoublePipe.h"

#include <cmath>

#include "analyses/AnalysisMessages.h"
#include "analyses/Materials.h"
#include "common/Errors.h"
#include "common/FloatingPoint.h"
#include "common/Numbers.h"
#include "properties/Correlations.h"

namespace calvora {

// ---- steps shared by the tube analyses ------------------------------------

FluidKind FluidKindFromIndex(int itemIndex) {
  if (itemIndex < 0 || itemIndex >= static_cast<int>(kFluidItems.size())) {
    throw SelectionError("no fluid selected");
  }
  return static_cast<FluidKind>(itemIndex);
}

double WallConductivityFromIndex(int itemIndex, const std::string& otherEntryText,
                                 char decimalSeparator) {
  if (itemIndex < 0 || itemIndex >= static_cast<int>(kMaterialItems.size())) {
    throw SelectionError("no material selected");
  }
  return WallConductivity(static_cast<MaterialKind>(itemIndex), otherEntryText, decimalSeparator);
}

TubeType TubeTypeFromIndex(int itemIndex) {
  if (itemIndex == 0)
    return TubeType::Smooth;
  if (itemIndex == 1)
    return TubeType::Commercial;
  throw SelectionError("no tube type selected");
}

FluidProperties InletFluidProperties(FluidKind kind, double temperature,
                                     const FluidDataTexts& fluidData, char decimalSeparator,
                                     std::string_view rangeMessage, Messages& messages,
                                     bool& resultsFlag) {
  FluidProperties properties;
  if (kind == FluidKind::OtherFluid) {
    properties.specificHeat = ParseNumber(fluidData[0], decimalSeparator);
    properties.viscosity = ParseNumber(fluidData[1], decimalSeparator);
    properties.conductivity = ParseNumber(fluidData[2], decimalSeparator);
    properties.density = ParseNumber(fluidData[3], decimalSeparator);
    properties.prandtl =
        PrandtlNumber(properties.specificHeat, properties.viscosity, properties.conductivity);
    CheckArithmetic();
    return properties;
  }
  if (!TemperatureInRange(kind, temperature)) {
    ShowChecked(messages, MessageKind::Error, std::string(rangeMessage));
    resultsFlag = false;
  }
  properties = StartingProperties(kind, temperature);
  FluidPropertiesAt(kind, temperature, properties);
  return properties;
}

void SetFluidProperties(DesignResult& result, const FluidProperties& inner,
                        const FluidProperties& outer) {
  result.innerDensity = inner.density;
  result.outerDensity = outer.density;
  result.innerPrandtl = inner.prandtl;
  result.outerPrandtl = outer.prandtl;
  result.innerViscosity = inner.viscosity;
  result.outerViscosity = outer.viscosity;
  result.innerConductivity = inner.conductivity;
  result.outerConductivity = outer.conductivity;
}

StreamRoles AssignRoles(double innerInlet, double outerInlet, double innerFlow, double outerFlow,
                        double innerSpecificHeat, double outerSpecificHeat) {
  StreamRoles roles;
  roles.innerIsHot = innerInlet >= outerInlet;
  if (roles.innerIsHot) {
    roles.hotInlet = innerInlet;
    roles.hotFlow = innerFlow;
    roles.hotSpecificHeat = innerSpecificHeat;
    roles.coldInlet = outerInlet;
    roles.coldFlow = outerFlow;
    roles.coldSpecificHeat = outerSpecificHeat;
  } else {
    roles.hotInlet = outerInlet;
    roles.hotFlow = outerFlow;
    roles.hotSpecificHeat = outerSpecificHeat;
    roles.coldInlet = innerInlet;
    roles.coldFlow = innerFlow;
    roles.coldSpecificHeat = innerSpecificHeat;
  }
  return roles;
}

ThermalPassResult ThermalPass(const StreamRoles& roles, double area, double overallCoefficient,
                              FlowArrangement arrangement, CrossFlowMixing mixing,
                              double& effectiveness, Messages& messages) {
  ThermalPassResult pass;
  pass.rates =
      CapacityRates(roles.coldFlow, roles.coldSpecificHeat, roles.hotFlow, roles.hotSpecificHeat);
  pass.ntu = NtuFromUA(area, pass.rates.Cmin, overallCoefficient);
  Effectiveness(pass.rates.C, pass.ntu, pass.rates.Ch, pass.rates.Cc, arrangement, mixing,
                effectiveness, messages);
  pass.heatTransferRate =
      HeatTransferRate(effectiveness, pass.rates.Cmin, roles.hotInlet, roles.coldInlet);
  pass.coldOutletTemperature = HeatedOutletTemperature(roles.coldInlet, pass.heatTransferRate,
                                                       roles.coldFlow, roles.coldSpecificHeat);
  pass.hotOutletTemperature = CooledOutletTemperature(roles.hotInlet, pass.heatTransferRate,
                                                      roles.hotFlow, roles.hotSpecificHeat);
  return pass;
}

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
  c.U = OverallCoefficient(g.A, g.L, c.hi, g.D1, g.D2, g.kw, c.ho);
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

    if (innerKind != FluidKind::OtherFluid && outerKind != FluidKind::OtherFluid) {
      PropertyTemperatures(Ti, To, roles.coldInlet, roles.hotInlet, thermal.hotOutletTemperature,
                           thermal.coldOutletTemperature);
      for (int pass = 1;; ++pass) {
        if (pass > passLimit) {
          ShowChecked(messages, MessageKind::Error, std::string(kIterationDidNotSettleMessage));
          run.resultsFlag = false;
          return run;
        }
        const double Tc2Previous = thermal.coldOutletTemperature;
        const double Th2Previous = thermal.hotOutletTemperature;
        FluidPropertiesAt(innerKind, Ti, inner);
        FluidPropertiesAt(outerKind, To, outer);
        c = DoublePipeHeatTransfer(g, mi, mo, inner, outer);
        thermal = ThermalPass(roles, g.A, c.U, arrangement, CrossFlowMixing::None, effectiveness,
                              messages);
        PropertyTemperatures(Ti, To, roles.coldInlet, roles.hotInlet, thermal.hotOutletTemperature,
                             thermal.coldOutletTemperature);
        // The hot change is measured against the hot inlet minus the previous
        // cold exit temperature.
        const double eh = std::fabs((thermal.hotOutletTemperature - Th2Previous) /
                                    (roles.hotInlet - Tc2Previous));
        const double ec = std::fabs((thermal.coldOutletTemperature - Tc2Previous) /
                                    (roles.coldInlet - Tc2Previous));
        CheckArithmetic();
        passes.thermalPasses = 1 + pass;
        if (eh < 0.001 && ec < 0.001)
          break;
      }
    }
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

  DesignResult& r = run.result;
  r.innerMassFlow = mi;
  r.outerMassFlow = mo;
  r.innerReynolds = c.Rei;
  r.outerReynolds = c.Reo;
  r.surfaceArea = g.A;
  r.innerFilmCoefficient = c.hi;
  r.outerFilmCoefficient = c.ho;
  r.overallCoefficient = c.U;
  r.heatTransferRate = thermal.heatTransferRate;
  r.coldOutletTemperature = thermal.coldOutletTemperature;
  r.hotOutletTemperature = thermal.hotOutletTemperature;
  r.innerPressureDrop = innerPressureDrop;
  r.outerPressureDrop = outerPressureDrop;
  SetFluidProperties(r, inner, outer);
  r.innerInletTemperature = enteredTi;
  r.outerInletTemperature = enteredTo;
  r.innerPropertyTemperature = Ti;
  r.outerPropertyTemperature = To;
  return run;
}

}  // namespace calvora
