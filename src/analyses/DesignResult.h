#pragma once

#include "ntu/Effectiveness.h"

namespace calvora {

// The surface an overall coefficient U is referred to.
enum class ReferenceSurface {
  TubeInside,     // the inside surface of the tubes (surfaceArea)
  FinnedOutside,  // the total outer surface of finned tubes, fins included
};

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

  // The overall resistance 1/U split into the three terms the analysis formed
  // U from, m2 K/W, each referred to referenceSurface as U is; they add up to
  // 1/U. On a finned surface the outer film term is 1 / (eta_o ho), the fins'
  // efficiency included.
  double innerFilmResistance = 0;
  double wallResistance = 0;
  double outerFilmResistance = 0;
  ReferenceSurface referenceSurface = ReferenceSurface::TubeInside;
  // The wall term of a tube bank takes the inside surface of all its tubes over
  // the length of one, which makes it this many times the wall of one tube:
  // the tube count of a cross-flow bank or a shell-and-tube bundle, else 1.
  double wallTermTubes = 1;

  // Whether the run computed the heat duty ("More accurate iteration ?"). Only
  // then do the members below hold the last effectiveness-NTU pass, for which
  // ntu = overallCoefficient surfaceArea / Cmin and
  // effectiveness = heatTransferRate / (Cmin (hotInletTemperature - coldInletTemperature)),
  // Cmin the smaller capacity rate; its exit temperatures are
  // hotOutletTemperature and coldOutletTemperature.
  bool heatDutyComputed = false;
  bool innerIsHot = false;  // the inner fluid is the hot stream (its inlet not the colder)
  FlowArrangement arrangement = FlowArrangement::CounterFlow;
  CrossFlowMixing mixing = CrossFlowMixing::None;
  double ntu = 0;
  double effectiveness = 0;
  double capacityRatio = 0;  // C = Cmin / Cmax
  // Ch = mh ch and Cc = mc cc, W/K; the inner fluid of a tube bank enters the
  // heat balance with the flow of one tube.
  double hotCapacityRate = 0;
  double coldCapacityRate = 0;
  double hotInletTemperature = 0;   // Th1, deg C, as entered
  double coldInletTemperature = 0;  // Tc1
};

// The outcome of one design run: the results are shown only while resultsFlag
// is still true (every failed range or geometry check clears it).
struct DesignRun {
  bool resultsFlag = true;
  DesignResult result;
};

}  // namespace calvora
