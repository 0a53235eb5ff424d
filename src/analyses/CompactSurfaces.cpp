#include "analyses/CompactSurfaces.h"

#include <cmath>

#include "common/Numbers.h"

namespace calvora {

const TubeFinSurface* CompactSurfaceAt(int index) {
  if (index < 0 || index >= kCompactSurfaceCount)
    return nullptr;
  return &kCompactSurfaces[static_cast<std::size_t>(index)];
}

CompactOuterResult CompactOuterCoefficient(const TubeFinSurface& surface, double reynolds,
                                           double prandtl, double specificHeat,
                                           double massVelocity) {
  CompactOuterResult out;
  out.j = surface.colburnCoefficient * std::exp(-surface.colburnExponent * std::log(reynolds));
  const double prandtlTwoThirds = std::exp((2.0 / 3.0) * std::log(prandtl));
  out.h = out.j * massVelocity * specificHeat / prandtlTwoThirds;
  return out;
}

double CompactFrictionFactor(const TubeFinSurface& surface, double reynolds) {
  return surface.frictionCoefficient * std::exp(-surface.frictionExponent * std::log(reynolds));
}

double FinLength(const TubeFinSurface& surface) {
  if (surface.finType == FinType::Continuous) {
    return ((surface.verticalSpacing + surface.horizontalSpacing) / 2 - surface.outsideDiameter) /
           2;
  }
  return (surface.finDiameter - surface.outsideDiameter) / 2 + surface.finThickness / 2;
}

FinnedCoefficientResult FinnedOverallCoefficientDetail(const TubeFinSurface& surface,
                                                       double innerCoefficient,
                                                       double outerCoefficient,
                                                       double insideDiameter,
                                                       double wallConductivity) {
  // Inside tube area over the total outer (finned) area.
  const double areaRatio = (insideDiameter / surface.outsideDiameter) * (1 - surface.finAreaRatio);
  const double wallTerm = insideDiameter * std::log(surface.outsideDiameter / insideDiameter) /
                          (2 * wallConductivity * areaRatio);

  const double length = FinLength(surface);
  double x = 0;
  if (surface.finType == FinType::Continuous) {
    x = std::sqrt(2 * outerCoefficient / (wallConductivity * surface.finThickness)) * length;
  } else {
    x = std::sqrt(2 * outerCoefficient / (length * surface.finThickness * wallConductivity)) *
        Power(length, 1.5);
  }

  FinnedCoefficientResult out;
  const double up = std::exp(x);
  const double down = std::exp(-x);
  out.finEfficiency = ((up - down) / (up + down)) / x;
  out.surfaceEfficiency = 1 - (1 - out.finEfficiency) * surface.finAreaRatio;
  out.resistances.innerFilm = 1 / (innerCoefficient * areaRatio);
  out.resistances.wall = wallTerm;
  out.resistances.outerFilm = 1 / (out.surfaceEfficiency * outerCoefficient);
  out.U = 1 / (out.resistances.innerFilm + out.resistances.wall + out.resistances.outerFilm);
  return out;
}

double FinnedOverallCoefficient(const TubeFinSurface& surface, double innerCoefficient,
                                double outerCoefficient, double insideDiameter,
                                double wallConductivity) {
  return FinnedOverallCoefficientDetail(surface, innerCoefficient, outerCoefficient, insideDiameter,
                                        wallConductivity)
      .U;
}

}  // namespace calvora
