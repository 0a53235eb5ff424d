#pragma once

// Dimensionless groups, Nusselt correlations, film and overall coefficients and the
// property-temperature weighting shared by the design analyses. SI units throughout
// (kg/s, m, kg/(m s), J/(kg K), W/(m K), W/(m2 K), m2, deg C). None of these
// routines checks its inputs: a zero divisor or a non-positive base of a power
// raises the IEEE flags, which the caller's CheckArithmetic() turns into MathError.
// Each formula keeps its own value of pi; they are not interchangeable.

namespace calvora {

// Pr = cp mu / k, for a fluid described by its typed properties.
double PrandtlNumber(double specificHeat, double viscosity, double conductivity);

// Reynolds number inside the inner pipe of a double pipe: 4 m / 3.1415 / D / mu.
double InnerTubeReynolds(double massFlow, double diameter, double viscosity);

// Reynolds number of a double-pipe annulus, hydraulic diameter D2 - D1:
// 4 m / ((D2 - D1) 3.1415 mu). D2 inside diameter of the outer pipe, D1 outside
// diameter of the inner pipe.
double AnnulusReynolds(double massFlow, double outerPipeInside, double innerPipeOutside,
                       double viscosity);

// Reynolds number inside one tube (cross-flow and compact tubes, flow per tube),
// with full-precision pi: 4 m / (pi D mu).
double TubeReynolds(double massFlow, double diameter, double viscosity);

// Reynolds number across a tube bank, in the gap between tubes:
// m D / ((S - D) L mu); D tube outside diameter, L tube length, S spacing normal
// to the flow.
double BankReynolds(double massFlow, double diameter, double length, double viscosity,
                    double spacing);

// Flow through the core of a compact surface.
struct CompactFlow {
  double frontalArea;   // A_fr = Nn L Sn, m2
  double massVelocity;  // G = m / (sigma A_fr), kg/(m2 s)
  double reynolds;      // Re = G Dh / mu
};
// Dh hydraulic diameter, L tube length, Sn spacing normal to the flow, Nn rows
// normal to the flow, sigma free-flow to frontal area ratio, m mass flow, mu viscosity.
CompactFlow CompactMassVelocity(double hydraulicDiameter, double length, double normalSpacing,
                                double rowsNormal, double areaRatio, double massFlow,
                                double viscosity);

// Nusselt number of flow inside a tube: 3.66 below Re 2100 (2100 is turbulent);
// above, 5 + 0.016 Re^a Pr^b with a = 0.88 - 0.24/(4 + Pr) and b = 0.33 for
// Pr > 25, else 0.33 + 0.5 exp(-0.6 Pr).
double TubeNusselt(double reynolds, double prandtl);

// Nusselt number of a double-pipe annulus. Laminar (Re < 2100): the polynomial in
// r = D1/D2, 25 - 168.9235 r + 613.725 r^2 - 1094.15 r^3 + 934.75 r^4 - 305.4688 r^5
// (r^3.. as exp(n ln r), so r must be positive). Turbulent: as TubeNusselt but with
// b = 0.33 + 0.5 exp(-0.6 Pr) for every Pr.
double AnnulusNusselt(double reynolds, double prandtl, double innerPipeOutside,
                      double outerPipeInside);

// Tube-bank Nusselt number Nu = C |Re|^n |Pr|^(1/3), C and n from the bank tables.
double BankNusselt(double reynolds, double coefficient, double exponent, double prandtl);

// Film coefficient h = Nu k / D, W/(m2 K).
double FilmCoefficient(double nusselt, double conductivity, double diameter);

// Film coefficient of an annulus, h = Nu k / (Da - Db), W/(m2 K).
double AnnulusFilmCoefficient(double nusselt, double conductivity, double outerDiameter,
                              double innerDiameter);

// Surface of one tube, A = L D 3.1415, m2.
double TubeSurfaceArea(double length, double diameter);

// Surface of N tubes, A = N D 3.1415 L, m2.
double BankSurfaceArea(double length, double diameter, double tubes);

// The three terms of the overall resistance 1/U, m2 K/W, each referred to the
// surface U is referred to.
struct ResistanceTerms {
  double innerFilm = 0;
  double wall = 0;
  double outerFilm = 0;
};

// The terms of a plain tube wall referred to the inside surface A: the inner
// film 1 / hi, the wall A ln(Do/Di) / (6.283 kw L) and the outer film
// Di / (Do ho). With A the surface of N tubes and L the length of one, the wall
// term is N times that of one tube.
ResistanceTerms PlainTubeResistances(double area, double length, double innerFilm,
                                     double insideDiameter, double outsideDiameter,
                                     double wallConductivity, double outerFilm);

// U = 1 / (wall + outer film + inner film), W/(m2 K), from the terms above.
double OverallCoefficient(const ResistanceTerms& terms);

// Overall coefficient of a plain tube wall referred to the inside surface A, W/(m2 K):
// U = 1 / (A ln(Do/Di) / (6.283 kw L) + Di / (Do ho) + 1 / hi).
double OverallCoefficient(double area, double length, double innerFilm, double insideDiameter,
                          double outsideDiameter, double wallConductivity, double outerFilm);

// The intermediates of one weighting of the property temperatures, deg C.
struct PropertyTemperatureWeights {
  double coldMean;      // (Tc_out + Tc_in) 0.5
  double hotMean;       // (Th_out + Th_in) 0.5
  double coldWeighted;  // 0.75 coldMean + 0.25 hotMean
  double hotWeighted;   // 0.75 hotMean + 0.25 coldMean
};

// Weights the property temperatures towards the other stream for the next pass of the
// more accurate iteration. If the outer fluid's current property temperature is the
// greater, the inner fluid gets the cold-weighted and the outer the hot-weighted value;
// otherwise (equality included) the outer gets the cold-weighted and the inner the
// hot-weighted one. Both temperatures are updated in place.
PropertyTemperatureWeights PropertyTemperatures(double& innerTemperature, double& outerTemperature,
                                                double coldInlet, double hotInlet, double hotOutlet,
                                                double coldOutlet);

}  // namespace calvora
