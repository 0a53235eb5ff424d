#include "analyses/PressureDrops.h"

#include "common/Numbers.h"

namespace calvora {

namespace {

// pi of the pressure-drop routines.
constexpr double kPi = 3.1416;

// Upper end of laminar flow; 16/1311 is about the bridging value 0.0122.
constexpr double kLaminarLimit = 1311;
constexpr double kTransitionFriction = 0.0122;
constexpr double kSmoothTurbulentReynolds = 2100;
constexpr double kCommercialTurbulentReynolds = 3380;

// Entry and exit losses of a tube, velocity heads.
constexpr double kEntryLoss = 0.5;
constexpr double kExitLoss = 1.0;
// Loss in each pipe leading into or out of an annulus or a header, velocity heads.
constexpr double kPipeLoss = 1.5;

}  // namespace

double FrictionFactor(double reynolds, TubeType type) {
  if (reynolds <= kLaminarLimit) {
    return 16 / reynolds;
  }
  if (type == TubeType::Commercial) {
    if (reynolds < kCommercialTurbulentReynolds) {
      return kTransitionFriction;
    }
    return 0.0035 + 0.264 / Power(reynolds, 0.42);
  }
  if (reynolds < kSmoothTurbulentReynolds) {
    return kTransitionFriction;
  }
  return 0.0014 + 0.125 / Power(reynolds, 0.32);
}

double TubePressureDrop(double massFlow, double diameter, double density, double frictionFactor,
                        double length) {
  const double heads = 4 * frictionFactor * length / diameter + kEntryLoss + kExitLoss;
  return heads * Power(massFlow / (kPi * diameter * diameter), 2) * 8 / density;
}

double AnnulusPressureDrop(double massFlow, double innerPipeOutside, double outerPipeInside,
                           double inletPipeDiameter, double outletPipeDiameter,
                           double frictionFactor, double length, double density) {
  const double gapArea = Power(outerPipeInside, 2) - Power(innerPipeOutside, 2);
  const double hydraulicDiameter = outerPipeInside - innerPipeOutside;
  const double heads = kPipeLoss / Power(inletPipeDiameter, 4) +
                       kPipeLoss / Power(outletPipeDiameter, 4) + 4 / Power(gapArea, 2) +
                       4 * frictionFactor * length / Power(hydraulicDiameter, 5);
  return heads * Power(massFlow / kPi, 2) * 8 / density;
}

double HeaderedTubePressureDrop(double flowPerTube, double insideDiameter, double density,
                                double totalFlow, double inletPipeDiameter,
                                double outletPipeDiameter, double frictionFactor, double length) {
  const double tube = Power(flowPerTube / Power(insideDiameter, 2), 2) *
                      (4 * frictionFactor * length / insideDiameter + kEntryLoss + kExitLoss);
  const double headers = Power(totalFlow, 2) * (kPipeLoss / Power(inletPipeDiameter, 4) +
                                                kPipeLoss / Power(outletPipeDiameter, 4));
  return 8 / (kPi * kPi * density) * (tube + headers);
}

double TubeBankPressureDrop(double massFlow, double outsideDiameter, double density,
                            double viscosity, double length, double rowsNormal,
                            double parallelPitch, double normalPitch, int arrangement) {
  const double gap = normalPitch - outsideDiameter;
  const double massVelocity = massFlow / (gap * length);
  const double reynolds = massFlow * outsideDiameter / (viscosity * gap * length);
  const double relativeGap = gap / outsideDiameter;
  double friction = 0;
  if (arrangement == kInLineArrangement) {
    friction = (0.044 + 0.08 * (parallelPitch / outsideDiameter) /
                            Power(relativeGap, 0.43 + 1.13 * outsideDiameter / parallelPitch)) *
               Power(reynolds, -0.15);
  } else {
    friction = (0.25 + 0.118 / Power(relativeGap, 1.08)) * Power(reynolds, -0.16);
  }
  return 2 * friction * Power(massVelocity, 2) * rowsNormal / density;
}

}  // namespace calvora
