#include "analyses/TubeAnalysisSteps.h"

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

}  // namespace calvora
