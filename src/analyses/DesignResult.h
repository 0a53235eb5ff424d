#pragma once

namespace calvora {

// The values every design analysis hands to the design results screen, in SI
// units (kg/s, W/(m2 K), W, deg C, Pa). The screen shows each with its own
// format; most as absolute values, the temperatures with their sign.
struct DesignResult {
  double innerMassFlow = 0;
  double outerMassFlow = 0;
  double innerReynolds = 0;
  double outerReynolds = 0;
  double surfaceArea = 0;
  double innerFilmCoefficient = 0;
  double outerFilmCoefficient = 0;
  double overallCoefficient = 0;
  double heatTransferRate = 0;
  double coldOutletTemperature = 0;
  double hotOutletTemperature = 0;
  double innerPressureDrop = 0;
  double outerPressureDrop = 0;
  double innerDensity = 0;
  double outerDensity = 0;
  double innerPrandtl = 0;
  double outerPrandtl = 0;
  double innerViscosity = 0;
  double outerViscosity = 0;
  double innerConductivity = 0;
  double outerConductivity = 0;
  // The inlet temperatures as entered.
  double innerInletTemperature = 0;
  double outerInletTemperature = 0;
  // The temperatures the fluid properties above were evaluated at: the inlet
  // temperatures, or with the iteration the weighted temperatures of its last
  // pass (built-in fluids only).
  double innerPropertyTemperature = 0;
  double outerPropertyTemperature = 0;
};

// The outcome of one design run: the results are shown only while resultsFlag
// is still true (every failed range or geometry check clears it).
struct DesignRun {
  bool resultsFlag = true;
  DesignResult result;
};

}  // namespace calvora
