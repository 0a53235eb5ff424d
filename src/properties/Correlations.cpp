#include "properties/Correlations.h"

#include <cmath>

#include "common/Numbers.h"

namespace calvora {

namespace {

// The value of pi of the routines that carry it to four decimals.
constexpr double kPiFourDecimals = 3.1415;
// The value of pi of the routines that carry it in full.
constexpr double kPiFull = 3.1415926535897932385;
// 2 pi in the wall term of the overall coefficient.
constexpr double kTwoPiWall = 6.283;

// Laminar flow in a round tube with uniform wall temperature.
constexpr double kLaminarTubeNusselt = 3.66;
// Reynolds number from which tube and annulus flows count as turbulent.
constexpr double kTurbulentReynolds = 2100;

// 5 + 0.016 Re^a Pr^b, a = 0.88 - 0.24/(4 + Pr); the exponents are formed as doubles
// before the powers.
double TurbulentNusselt(double reynolds, double prandtl, double b) {
  const double a = 0.88 - 0.24 / (4 + prandtl);
  return 5 + 0.016 * Power(reynolds, a) * Power(prandtl, b);
}

double PrandtlExponent(double prandtl) {
  return 0.33 + 0.5 * std::exp(-0.6 * prandtl);
}

}  // namespace

double PrandtlNumber(double specificHeat, double viscosity, double conductivity) {
  return specificHeat * viscosity / conductivity;
}

double InnerTubeReynolds(double massFlow, double diameter, double viscosity) {
  return 4 * massFlow / kPiFourDecimals / diameter / viscosity;
}

double AnnulusReynolds(double massFlow, double outerPipeInside, double innerPipeOutside,
                       double viscosity) {
  return 4 * massFlow / ((outerPipeInside - innerPipeOutside) * kPiFourDecimals * viscosity);
}

double TubeReynolds(double massFlow, double diameter, double viscosity) {
  return 4 * massFlow / (kPiFull * diameter * viscosity);
}

double BankReynolds(double massFlow, double diameter, double length, double viscosity,
                    double spacing) {
  return massFlow * diameter / ((spacing - diameter) * length * viscosity);
}

CompactFlow CompactMassVelocity(double hydraulicDiameter, double length, double normalSpacing,
                                double rowsNormal, double areaRatio, double massFlow,
                                double viscosity) {
  CompactFlow flow{};
  flow.frontalArea = rowsNormal * length * normalSpacing;
  flow.massVelocity = massFlow / (areaRatio * flow.frontalArea);
  flow.reynolds = flow.massVelocity * hydraulicDiameter / viscosity;
  return flow;
}

double TubeNusselt(double reynolds, double prandtl) {
  if (reynolds < kTurbulentReynolds) {
    return kLaminarTubeNusselt;
  }
  // Very viscous fluids: the Prandtl exponent settles at 0.33.
  const double b = prandtl > 25 ? 0.33 : PrandtlExponent(prandtl);
  return TurbulentNusselt(reynolds, prandtl, b);
}

double AnnulusNusselt(double reynolds, double prandtl, double innerPipeOutside,
                      double outerPipeInside) {
  if (reynolds < kTurbulentReynolds) {
    const double r = innerPipeOutside / outerPipeInside;
    return 25 - 168.9235 * r + 613.725 * r * r - 1094.15 * Power(r, 3) + 934.75 * Power(r, 4) -
           305.4688 * Power(r, 5);
  }
  return TurbulentNusselt(reynolds, prandtl, PrandtlExponent(prandtl));
}

double BankNusselt(double reynolds, double coefficient, double exponent, double prandtl) {
  return coefficient * Power(std::fabs(reynolds), exponent) * Power(std::fabs(prandtl), 1.0 / 3.0);
}

double FilmCoefficient(double nusselt, double conductivity, double diameter) {
  return nusselt * conductivity / diameter;
}

double AnnulusFilmCoefficient(double nusselt, double conductivity, double outerDiameter,
                              double innerDiameter) {
  return nusselt * conductivity / (outerDiameter - innerDiameter);
}

double TubeSurfaceArea(double length, double diameter) {
  return length * diameter * kPiFourDecimals;
}

double BankSurfaceArea(double length, double diameter, double tubes) {
  return tubes * diameter * kPiFourDecimals * length;
}

ResistanceTerms PlainTubeResistances(double area, double length, double innerFilm,
                                     double insideDiameter, double outsideDiameter,
                                     double wallConductivity, double outerFilm) {
  ResistanceTerms terms;
  terms.wall =
      area * std::log(outsideDiameter / insideDiameter) / (kTwoPiWall * wallConductivity * length);
  terms.outerFilm = insideDiameter / (outsideDiameter * outerFilm);
  terms.innerFilm = 1 / innerFilm;
  return terms;
}

double OverallCoefficient(const ResistanceTerms& terms) {
  return 1 / (terms.wall + terms.outerFilm + terms.innerFilm);
}

double OverallCoefficient(double area, double length, double innerFilm, double insideDiameter,
                          double outsideDiameter, double wallConductivity, double outerFilm) {
  return OverallCoefficient(PlainTubeResistances(area, length, innerFilm, insideDiameter,
                                                 outsideDiameter, wallConductivity, outerFilm));
}

PropertyTemperatureWeights PropertyTemperatures(double& innerTemperature, double& outerTemperature,
                                                double coldInlet, double hotInlet, double hotOutlet,
                                                double coldOutlet) {
  PropertyTemperatureWeights w{};
  w.coldMean = (coldOutlet + coldInlet) * 0.5;
  w.hotMean = (hotOutlet + hotInlet) * 0.5;
  w.coldWeighted = 0.75 * w.coldMean + 0.25 * w.hotMean;
  w.hotWeighted = 0.75 * w.hotMean + 0.25 * w.coldMean;
  if (outerTemperature > innerTemperature) {
    innerTemperature = w.coldWeighted;
    outerTemperature = w.hotWeighted;
  } else {
    outerTemperature = w.coldWeighted;
    innerTemperature = w.hotWeighted;
  }
  return w;
}

}  // namespace calvora
