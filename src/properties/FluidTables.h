#pragma once

#include <array>
#include <cstddef>
#include <limits>
#include <string_view>

namespace calvora {

// The fluid of one side of an exchanger; the item order of every fluid choice.
enum class FluidKind { Air, SaturatedWater, EngineOil, OtherFluid };

// Items of every fluid choice, in FluidKind order (the Compacts page names the
// last item kOtherLiquidItem instead).
inline constexpr std::array<std::string_view, 4> kFluidItems{"Air", "Saturated Water",
                                                             "Oil (Engine,Unused)", "Other fluid"};
inline constexpr std::string_view kOtherLiquidItem = "Other liquid";

// Shown by every analysis when the inlet temperature of a table fluid is outside its range.
inline constexpr std::string_view kTemperatureOutOfRangeMessage =
    "Temperature out of range, Try again!";

// Properties of one fluid at one temperature, in the column order of the tables.
struct FluidProperties {
  double prandtl = 0;       // Prandtl number (dimensionless)
  double specificHeat = 0;  // cp, J/(kg K)
  double viscosity = 0;     // dynamic viscosity, kg/(m s)
  double conductivity = 0;  // thermal conductivity, W/(m K)
  double density = 0;       // kg/m3
};

// One row of a property table: temperature in deg C and the five properties.
struct FluidTableRow {
  double temperature;
  FluidProperties properties;
};

inline constexpr std::size_t kFluidTableRows = 10;
using FluidTable = std::array<FluidTableRow, kFluidTableRows>;

// Air at atmospheric pressure, -73 to 377 deg C.
inline constexpr FluidTable kAirTable{{
    {-73, {0.739, 1006.1, 1.329e-5, 0.01809, 1.7684}},
    {-23, {0.722, 1005.3, 1.488e-5, 0.02227, 1.4128}},
    {27, {0.708, 1005.7, 1.983e-5, 0.02624, 1.1774}},
    {77, {0.697, 1009.0, 2.075e-5, 0.03003, 0.998}},
    {127, {0.689, 1014.0, 2.286e-5, 0.03365, 0.8826}},
    {177, {0.683, 1020.7, 2.484e-5, 0.03707, 0.7833}},
    {227, {0.680, 1029.5, 2.671e-5, 0.04038, 0.7048}},
    {277, {0.680, 1039.2, 2.848e-5, 0.04360, 0.6423}},
    {327, {0.680, 1055.1, 3.018e-5, 0.04659, 0.5879}},
    {377, {0.682, 1063.5, 3.177e-5, 0.04953, 0.5430}},
}};

// Saturated liquid water, 0 to 300 deg C.
inline constexpr FluidTable kSaturatedWaterTable{{
    {0, {13.6, 4217.8, 0.001792, 0.552, 1002.28}},
    {20, {7.02, 4181.8, 0.001007, 0.597, 1000.52}},
    {40, {4.34, 4178.4, 0.000654, 0.628, 994.59}},
    {80, {2.22, 4196.4, 0.000355, 0.668, 974.08}},
    {120, {1.446, 4250.0, 0.000233, 0.685, 945.25}},
    {160, {1.099, 4342.0, 0.000173, 0.680, 909.69}},
    {200, {0.937, 4505.0, 0.000139, 0.665, 866.76}},
    {240, {0.871, 4756.0, 0.000117, 0.635, 815.66}},
    {280, {0.910, 5208.0, 0.000102, 0.580, 752.55}},
    {300, {1.019, 5728.0, 0.000096, 0.540, 714.26}},
}};

// Unused engine oil, 20 to 160 deg C.
inline constexpr FluidTable kEngineOilTable{{
    {20, {10400, 1880, 0.799407, 0.145, 888.23}},
    {30, {6635, 1922, 0.50282, 0.1445, 882.14}},
    {40, {2870, 1964, 0.210252, 0.144, 876.05}},
    {50, {1960, 2006, 0.140948, 0.142, 870.05}},
    {60, {1050, 2047, 0.072493, 0.140, 864.04}},
    {80, {490, 2131, 0.031951, 0.138, 852.02}},
    {100, {276, 2219, 0.017052, 0.137, 840.01}},
    {120, {175, 2307, 0.010279, 0.135, 828.96}},
    {140, {116, 2395, 0.006536, 0.133, 816.94}},
    {160, {84, 2483, 0.004513, 0.132, 805.89}},
}};

// Linear interpolation in `table` at `temperature` (deg C), written into `properties`.
// A temperature equal to a row gives that row exactly; one strictly between two rows
// the interpolated values. Below the first or above the last row nothing is written,
// so the caller's values survive. Returns whether anything was written.
bool LookUpFluidTable(const FluidTable& table, double temperature, FluidProperties& properties);

// The three built-in lookups (the same rule as LookUpFluidTable).
bool AirProperties(double temperature, FluidProperties& properties);
bool SaturatedWaterProperties(double temperature, FluidProperties& properties);
bool EngineOilProperties(double temperature, FluidProperties& properties);

// The lookup of `kind`; OtherFluid has no table and writes nothing (returns false).
bool FluidPropertiesAt(FluidKind kind, double temperature, FluidProperties& properties);

// The table of a built-in fluid; nullptr for OtherFluid.
const FluidTable* TableOf(FluidKind kind);

// Validity range of a fluid's table in deg C, both ends included. OtherFluid is
// never checked: its range is minus to plus infinity.
struct TemperatureRange {
  double minimum;
  double maximum;
};
TemperatureRange FluidTemperatureRange(FluidKind kind);

// True when `temperature` lies inside the fluid's range (ends included); always
// true for OtherFluid. A NaN temperature is outside every table range.
bool TemperatureInRange(FluidKind kind, double temperature);

// A property record to start an analysis with: the table row nearest `temperature`
// (the first row below the range, the last row above it, the closer neighbour
// inside, the lower one on a tie). Looking the fluid up afterwards at an
// out-of-range inlet temperature then keeps finite values. All zeros for OtherFluid.
FluidProperties StartingProperties(FluidKind kind, double temperature);

}  // namespace calvora
