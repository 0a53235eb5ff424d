#pragma once

#include <string>

#include "ntu/Effectiveness.h"
#include "ntu/ThermalState.h"

namespace calvora {
struct DesignOutcome;
}

namespace calvora::charts {

// What the chart window shows of one run, filled by the results screen's wiring.
// A tab whose flag is false shows its sentence instead (empty: the tab's usual one).
struct ChartInputs {
  // Effectiveness-NTU: the run's exchanger type and operating point.
  bool ntuComputed = false;
  FlowArrangement arrangement = FlowArrangement::CounterFlow;
  CrossFlowMixing mixing = CrossFlowMixing::None;
  double C = 0;        // Cmin / Cmax
  double NTU = 0;      // U A / Cmin
  double epsilon = 0;  // Q / (Cmin (Th1 - Tc1))
  double Ch = 0;       // capacity rates (W/K); which is smaller picks the single-mixed curve
  double Cc = 0;
  std::string ntuMissing;
  std::string ntuNote;  // how NTU was formed, when the reader needs to know

  // Temperature profile: the inlets and outlets as the run shows them (deg.C) and U A (W/K).
  bool temperaturesComputed = false;
  double Th1 = 0, Th0 = 0, Tc1 = 0, Tc0 = 0;
  double UA = 0;
  std::string profileMissing;

  // The design chain knows which stream flows inside the tubes: with
  // streamsNamed, innerIsHot says whether that is the hot one.
  bool streamsNamed = false;
  bool innerIsHot = false;

  // Resistances (m2.K/W), each referred to the area U is referred to, so that
  // they add up to 1/U.
  bool resistancesComputed = false;
  double innerFilm = 0, wall = 0, outerFilm = 0;
  std::string resistancesMissing;
  std::string resistancesNote;  // what the terms are referred to, and how they were formed
};

// The chart inputs of a solved thermal calculation: every value but the resistances.
ChartInputs ThermalChartInputs(const ThermalState& state);

// The chart inputs of a design run: the resistances always, the operating point
// and the temperatures when the run computed the heat duty, the profile along
// the area for the double pipe.
ChartInputs DesignChartInputs(const calvora::DesignOutcome& outcome);

}  // namespace calvora::charts
