#include "analyses/TubeAnalysisSteps.h"

#include <cmath>

#include "analyses/AnalysisMessages.h"
#include "analyses/Materials.h"
#include "common/Errors.h"
#include "common/FloatingPoint.h"
#include "common/Numbers.h"
#include "properties/Correlations.h"

namespace calvora {

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

DesignResult RatingResult(const RatingFigures& figures, const ThermalPassResult& thermal,
                          const PressureDropPair& drops, const FluidProperties& inner,
                          const FluidProperties& outer, const RatingTemperatures& temperatures) {
  DesignResult result;
  result.innerMassFlow = figures.innerMassFlow;
  result.outerMassFlow = figures.outerMassFlow;
  result.innerReynolds = figures.innerReynolds;
  result.outerReynolds = figures.outerReynolds;
  result.surfaceArea = figures.surfaceArea;
  result.innerFilmCoefficient = figures.innerFilmCoefficient;
  result.outerFilmCoefficient = figures.outerFilmCoefficient;
  result.overallCoefficient = figures.overallCoefficient;
  result.heatTransferRate = thermal.heatTransferRate;
  result.coldOutletTemperature = thermal.coldOutletTemperature;
  result.hotOutletTemperature = thermal.hotOutletTemperature;
  result.innerPressureDrop = drops.inner;
  result.outerPressureDrop = drops.outer;
  result.innerDensity = inner.density;
  result.outerDensity = outer.density;
  result.innerPrandtl = inner.prandtl;
  result.outerPrandtl = outer.prandtl;
  result.innerViscosity = inner.viscosity;
  result.outerViscosity = outer.viscosity;
  result.innerConductivity = inner.conductivity;
  result.outerConductivity = outer.conductivity;
  result.innerInletTemperature = temperatures.innerEntered;
  result.outerInletTemperature = temperatures.outerEntered;
  result.innerPropertyTemperature = temperatures.innerProperty;
  result.outerPropertyTemperature = temperatures.outerProperty;
  result.innerFilmResistance = figures.resistances.innerFilm;
  result.wallResistance = figures.resistances.wall;
  result.outerFilmResistance = figures.resistances.outerFilm;
  result.referenceSurface = figures.referenceSurface;
  result.wallTermTubes = figures.wallTermTubes;
  if (thermal.computed) {
    result.heatDutyComputed = true;
    result.innerIsHot = thermal.roles.innerIsHot;
    result.arrangement = thermal.arrangement;
    result.mixing = thermal.mixing;
    result.ntu = thermal.ntu;
    result.effectiveness = thermal.effectiveness;
    result.capacityRatio = thermal.rates.C;
    result.hotCapacityRate = thermal.rates.Ch;
    result.coldCapacityRate = thermal.rates.Cc;
    result.hotInletTemperature = thermal.roles.hotInlet;
    result.coldInletTemperature = thermal.roles.coldInlet;
  }
  return result;
}

bool IterationDidNotSettle(Messages& messages, bool& resultsFlag) {
  ShowChecked(messages, MessageKind::Error, std::string(kIterationDidNotSettleMessage));
  resultsFlag = false;
  return false;
}

bool SettledAgainstColdExit(const Outlets& previous, const Outlets& now, const StreamRoles& roles) {
  const double eh = std::fabs((now.hot - previous.hot) / (roles.hotInlet - previous.cold));
  const double ec = std::fabs((now.cold - previous.cold) / (roles.coldInlet - previous.cold));
  CheckArithmetic();
  return eh < 0.001 && ec < 0.001;
}

bool SettledAgainstOwnSpan(const Outlets& previous, const Outlets& now, const StreamRoles& roles) {
  const double eh = std::fabs((now.hot - previous.hot) / (roles.hotInlet - previous.hot));
  const double ec = std::fabs((now.cold - previous.cold) / (roles.coldInlet - previous.cold));
  CheckArithmetic();
  return eh < 0.001 && ec < 0.001;
}

namespace {

// |change / (inlet - previous exit)|, zero when nothing changed.
double ChangeUnlessZero(double exit, double previousExit, double inlet) {
  const double change = exit - previousExit;
  if (change == 0)
    return 0;
  return std::fabs(change / (inlet - previousExit));
}

}  // namespace

bool SettledUnlessMoving(const Outlets& previous, const Outlets& now, const StreamRoles& roles) {
  const double errHot = ChangeUnlessZero(now.hot, previous.hot, roles.hotInlet);
  const double errCold = ChangeUnlessZero(now.cold, previous.cold, roles.coldInlet);
  return !(errHot >= 0.001 || errCold >= 0.001);
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
  pass.computed = true;
  pass.roles = roles;
  pass.arrangement = arrangement;
  pass.mixing = mixing;
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
  pass.effectiveness = effectiveness;
  return pass;
}

}  // namespace calvora
