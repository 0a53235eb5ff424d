#include "properties/FluidTables.h"

#include <cmath>

namespace calvora {

namespace {

// v(i-1) + (T - T(i-1)) (v(i) - v(i-1)) / (T(i) - T(i-1)), evaluated left to right.
double Interpolate(double temperature, double lowerTemperature, double upperTemperature,
                   double lowerValue, double upperValue) {
  return lowerValue + (temperature - lowerTemperature) * (upperValue - lowerValue) /
                          (upperTemperature - lowerTemperature);
}

}  // namespace

bool LookUpFluidTable(const FluidTable& table, double temperature, FluidProperties& properties) {
  // Quiet comparisons (std::isless, std::isgreater) throughout, so a NaN temperature
  // raises no flag here. Walk up the rows while the temperature lies above the previous one; the
  // first row that is not below it either matches exactly or closes the bracketing pair. Below the
  // first row there is no pair and nothing is written, as above the last row.
  std::size_t i = 0;
  do {
    const FluidTableRow& row = table[i];
    if (temperature == row.temperature) {
      properties = row.properties;
      return true;
    }
    if (std::isless(temperature, row.temperature)) {
      if (i == 0) {
        return false;
      }
      const FluidTableRow& below = table[i - 1];
      const FluidProperties& a = below.properties;
      const FluidProperties& b = row.properties;
      const double t0 = below.temperature;
      const double t1 = row.temperature;
      properties.prandtl = Interpolate(temperature, t0, t1, a.prandtl, b.prandtl);
      properties.specificHeat = Interpolate(temperature, t0, t1, a.specificHeat, b.specificHeat);
      properties.viscosity = Interpolate(temperature, t0, t1, a.viscosity, b.viscosity);
      properties.conductivity = Interpolate(temperature, t0, t1, a.conductivity, b.conductivity);
      properties.density = Interpolate(temperature, t0, t1, a.density, b.density);
      return true;
    }
    ++i;
  } while (i < table.size() && std::isgreater(temperature, table[i - 1].temperature));
  return false;
}

bool AirProperties(double temperature, FluidProperties& properties) {
  return LookUpFluidTable(kAirTable, temperature, properties);
}

bool SaturatedWaterProperties(double temperature, FluidProperties& properties) {
  return LookUpFluidTable(kSaturatedWaterTable, temperature, properties);
}

bool EngineOilProperties(double temperature, FluidProperties& properties) {
  return LookUpFluidTable(kEngineOilTable, temperature, properties);
}

const FluidTable* TableOf(FluidKind kind) {
  switch (kind) {
    case FluidKind::Air:
      return &kAirTable;
    case FluidKind::SaturatedWater:
      return &kSaturatedWaterTable;
    case FluidKind::EngineOil:
      return &kEngineOilTable;
    case FluidKind::OtherFluid:
      break;
  }
  return nullptr;
}

bool FluidPropertiesAt(FluidKind kind, double temperature, FluidProperties& properties) {
  const FluidTable* table = TableOf(kind);
  return table != nullptr && LookUpFluidTable(*table, temperature, properties);
}

TemperatureRange FluidTemperatureRange(FluidKind kind) {
  const FluidTable* table = TableOf(kind);
  if (table == nullptr) {
    constexpr double infinity = std::numeric_limits<double>::infinity();
    return {-infinity, infinity};
  }
  return {table->front().temperature, table->back().temperature};
}

bool TemperatureInRange(FluidKind kind, double temperature) {
  if (TableOf(kind) == nullptr) {
    return true;
  }
  const TemperatureRange range = FluidTemperatureRange(kind);
  return std::isgreaterequal(temperature, range.minimum) &&
         std::islessequal(temperature, range.maximum);
}

FluidProperties StartingProperties(FluidKind kind, double temperature) {
  const FluidTable* table = TableOf(kind);
  if (table == nullptr) {
    return {};
  }
  // Quiet comparisons only (and no subtraction of a possibly infinite temperature), so
  // this never raises a flag of its own.
  if (!std::isgreater(temperature, table->front().temperature)) {
    return table->front().properties;  // below the range, at its start, or NaN
  }
  for (std::size_t i = 1; i < table->size(); ++i) {
    const FluidTableRow& below = (*table)[i - 1];
    const FluidTableRow& above = (*table)[i];
    if (std::islessequal(temperature, above.temperature)) {
      const double middle = 0.5 * (below.temperature + above.temperature);
      return std::islessequal(temperature, middle) ? below.properties : above.properties;
    }
  }
  return table->back().properties;
}

}  // namespace calvora
