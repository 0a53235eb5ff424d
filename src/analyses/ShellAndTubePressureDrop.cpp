#include "analyses/ShellAndTubePressureDrop.h"

#include <cstddef>

#include "common/Numbers.h"

namespace calvora {

const ShellDiameterTable kCrossFlowCoefficients{{
    {0.205, {424600, 37120, 237200, 4712000, 1754000, 2410000}},
    {0.257, {290700, 22380, 154000, 4438000, 1644000, 2198000}},
    {0.307, {212100, 14820, 108400, 4157000, 1534000, 2012000}},
    {0.337, {178800, 11880, 89800, 3994000, 1471000, 1912000}},
    {0.387, {124300, 7687, 62040, 3396000, 1253000, 1630000}},
    {0.438, {98210, 5679, 48000, 3205000, 1179000, 1516000}},
    {0.489, {73490, 4021, 35840, 2811000, 1036000, 1334000}},
    {0.54, {60590, 3142, 29090, 2676000, 984000, 1255000}},
    {0.591, {50630, 2501, 23990, 2549000, 935000, 1184000}},
    {0.635, {41240, 1965, 19580, 2308000, 848000, 1077000}},
    {0.686, {35320, 1615, 16600, 2212000, 811000, 1026000}},
    {0.737, {30520, 1343, 14210, 2123000, 777000, 976000}},
    {0.787, {26590, 1129, 12280, 2039000, 745000, 932000}},
    {0.838, {23330, 958, 10690, 1961000, 716000, 892000}},
    {0.889, {20600, 820, 9381, 1888000, 689000, 854000}},
    {0.94, {18300, 707, 8283, 1820000, 663000, 820000}},
    {0.991, {16340, 614, 7357, 1756000, 639000, 788000}},
    {1.067, {12950, 470, 5876, 1552000, 566000, 703000}},
    {1.143, {11180, 391, 5037, 1484000, 541000, 668000}},
    {1.219, {9727, 329, 4357, 1421000, 517000, 637000}},
    {1.295, {8528, 279, 3799, 1363000, 495000, 608000}},
    {1.372, {7526, 239, 3336, 1309000, 475000, 581000}},
    {1.448, {6169, 192, 2769, 1162000, 424000, 523000}},
    {1.524, {5526, 167, 2468, 1124000, 409000, 504000}},
}};

const ShellDiameterTable kWindowCoefficients{{
    {0.205, {56580, 46310, 47600, 1271000, 670000, 946000}},
    {0.257, {29560, 23360, 24030, 1188000, 611000, 851000}},
    {0.307, {17720, 13640, 14060, 1112000, 562000, 775000}},
    {0.337, {13540, 10290, 10630, 1071000, 535000, 734000}},
    {0.387, {8144, 6094, 6401, 914000, 452000, 624000}},
    {0.438, {5696, 4187, 4411, 867000, 423000, 580000}},
    {0.489, {3838, 2790, 2980, 764000, 370000, 510000}},
    {0.54, {2887, 2070, 2216, 731000, 350000, 480000}},
    {0.591, {2225, 1577, 1692, 700000, 332000, 453000}},
    {0.635, {1700, 1197, 1298, 636000, 300000, 412000}},
    {0.686, {1363, 950, 1032, 612000, 287000, 392000}},
    {0.737, {1110, 767, 834, 590000, 275000, 373000}},
    {0.787, {914, 627, 684, 569000, 263000, 356000}},
    {0.838, {762, 519, 567, 549000, 253000, 341000}},
    {0.889, {642, 435, 475, 530000, 243000, 327000}},
    {0.94, {546, 367, 402, 512000, 234000, 314000}},
    {0.991, {468, 313, 344, 496000, 225000, 301000}},
    {1.067, {351, 234, 260, 440000, 199000, 269000}},
    {1.143, {288, 190, 212, 422000, 190000, 256000}},
    {1.219, {239, 157, 175, 405000, 182000, 244000}},
    {1.295, {200, 131, 146, 389000, 174000, 233000}},
    {1.372, {170, 110, 123, 375000, 167000, 223000}},
    {1.448, {134, 87, 99, 334000, 149000, 200000}},
    {1.524, {116, 75, 85, 323000, 144000, 193000}},
}};

namespace {

// By layout 1..6: the set for ratioBaffle <= 0.345, then the set above.
constexpr ShellPressureConstants kPressureConstants[6][2] = {
    {{0.604, 0.314, 0.181, 1.063, 3.0, -0.682, 0.579, 0.34},
     {0.336, 0.862, 0.1, 1.612, 2.314, -0.431, 0.38, 0.724}},
    {{0.42, 0.54, 0.0835, 1.543, 1.857, -0.384, 0.3865, 0.5915},
     {0.26, 0.984, 0.0515, 1.986, 1.546, -0.207, 0.283, 0.867}},
    {{0.351, 0.65, 0.105, 1.4, 1.469, -0.238, 0.334, 0.681},
     {0.231, 1.046, 0.068, 1.797, 1.268, -0.0935, 0.258, 0.907}},
    {{0.257, 0.486, 0.095, 1.233, 1.183, -0.482, 0.365, 0.529},
     {0.155, 0.954, 0.057, 1.703, 0.984, -0.305, 0.258, 0.835}},
    {{0.486, 0.496, 0.094, 1.493, 1.744, -0.405, 0.419, 0.568},
     {0.296, 0.967, 0.057, 1.955, 1.449, -0.225, 0.3, 0.861}},
    {{0.406, 0.619, 0.123, 1.368, 1.398, -0.268, 0.362, 0.66},
     {0.261, 1.027, 0.073, 1.777, 1.198, -0.116, 0.274, 0.903}},
};

// End-zone factor Fe by ratioBaffle, one column per layout 1..6.
constexpr std::array<ShellTableRow, 5> kEndZoneFactors{{
    {0.2, {3.1, 2.4, 2.1, 2.6, 2.4, 2.1}},
    {0.25, {2.8, 2.3, 2.0, 2.4, 2.3, 2.0}},
    {0.3, {2.5, 2.1, 1.9, 2.2, 2.1, 1.9}},
    {0.4, {2.3, 2.0, 1.9, 2.1, 2.0, 1.9}},
    {1.4, {2.3, 2.0, 1.9, 2.1, 2.0, 1.9}},
}};

// Window diameter factor Cw by ratioBaffle, one column per layout 1..6.
constexpr std::array<ShellTableRow, 10> kWindowDiameterFactors{{
    {0.2, {2.65, 2.05, 2.9, 2.07, 1.79, 2.54}},
    {0.25, {2.78, 2.15, 3.04, 2.17, 1.88, 2.66}},
    {0.3, {2.93, 2.27, 3.21, 2.29, 1.98, 2.81}},
    {0.35, {3.07, 2.38, 3.36, 2.4, 2.08, 2.94}},
    {0.4, {3.28, 2.54, 3.59, 2.56, 2.22, 3.14}},
    {0.5, {3.63, 2.81, 3.97, 2.84, 2.46, 3.48}},
    {0.6, {3.84, 2.97, 4.2, 3.0, 2.6, 3.68}},
    {0.8, {4.09, 3.17, 4.47, 3.2, 2.77, 3.92}},
    {1.0, {4.26, 3.29, 4.66, 3.33, 2.88, 4.08}},
    {1.4, {4.47, 3.46, 4.89, 3.49, 3.02, 4.28}},
}};

int LayoutColumn(TubeLayout layout) {
  return static_cast<int>(layout) - 1;
}

bool InlineSquare(TubeLayout layout) {
  return FamilyOf(layout) == LayoutFamily::InlineSquare;
}

// Fr of the 90 degree in-line square with the 0.015875 m tubes.
double InlineCorrectionSmallTubes(double Re) {
  if (Re >= 20000)
    return -3.75e-6 * Re + 1.015;
  if (Re >= 2000)
    return 1.0;
  if (Re >= 600)
    return 0.85;
  if (Re >= 400)
    return -0.00065 * Re + 1.21;
  if (Re >= 200)
    return -0.0026 * Re + 1.99;
  if (Re >= 100)
    return -0.0153 * Re + 4.53;
  return -0.0153 * 100.0 + 4.53;  // no band below 100: the value at its lower end
}

// Fr of the 90 degree in-line square with the 0.01905 m tubes.
double InlineCorrectionLargeTubes(double Re) {
  if (Re >= 20000)
    return -4.625e-6 * Re + 1.1625;
  if (Re >= 4000)
    return 1.14;
  if (Re >= 400)
    return 1.05;
  if (Re > 150)
    return -0.0044 * Re + 2.88;
  return -0.0044 * 150.0 + 2.88;  // no band at or below 150: the value at its lower end
}

}  // namespace

ShellPressureCoefficientSet ShellPressureCoefficients(LayoutFamily family, double Ds) {
  const int c = FamilyColumn(family);
  ShellPressureCoefficientSet k;
  k.kcHigh = InterpolateShellTable(kCrossFlowCoefficients, c, Ds);
  k.kcLow = InterpolateShellTable(kCrossFlowCoefficients, c + 3, Ds);
  k.kw2 = InterpolateShellTable(kWindowCoefficients, c, Ds);
  k.kw1 = InterpolateShellTable(kWindowCoefficients, c + 3, Ds);
  return k;
}

ShellPressureConstants ShellPressureConstantsFor(TubeLayout layout, double ratioBaffle) {
  return kPressureConstants[LayoutColumn(layout)][ratioBaffle <= 0.345 ? 0 : 1];
}

double CrossFlowReynoldsThreshold(TubeLayout layout) {
  switch (layout) {
    case TubeLayout::Triangular15875:
      return 200;
    case TubeLayout::InlineSquare15875:
      return 150;
    case TubeLayout::RotatedSquare15875:
      return 100;
    default:
      return 150;
  }
}

double EndZoneFactor(TubeLayout layout, double ratioBaffle) {
  return InterpolateShellTable(kEndZoneFactors, LayoutColumn(layout), ratioBaffle);
}

double WindowDiameterFactor(TubeLayout layout, double ratioBaffle) {
  return InterpolateShellTable(kWindowDiameterFactors, LayoutColumn(layout), ratioBaffle);
}

double InlineCrossFlowCorrection(TubeLayout layout, double ReShell) {
  if (layout == TubeLayout::InlineSquare15875)
    return InlineCorrectionSmallTubes(ReShell);
  if (layout == TubeLayout::InlineSquare19050)
    return InlineCorrectionLargeTubes(ReShell);
  return 1.0;
}

double BendCoefficient(double a, TubeType type) {
  if (type == TubeType::Smooth) {
    return a <= 7 ? Power(a, -0.53) / 4.3478 : Power(a, 0.545375) / 36.56832;
  }
  return a <= 7 ? Power(a, -0.47924) / 3.22582 : Power(a, 0.81706) / 43.74909;
}

double TubeSidePressureDrop(double mTube, double Di, double rhoInner, TubeType type, double Dotl,
                            double mInner, double dTubeIn, double dTubeOut, double f, double L) {
  const double a = (Dotl / 3.1416) / Di;  // bend radius over tube diameter
  const double b = BendCoefficient(a, type);
  const double K = 1.5 + 2 * b;
  const double F = 4 * f * (2 * L + 3.1416 * a) / Di;
  const double N = Power(mInner, 2) * (1.5 / Power(dTubeIn, 4) + 1.5 / Power(dTubeOut, 4));
  return 8 * ((K + F) * Power(mTube / Power(Di, 2), 2) + N) / (3.1416 * rhoInner * 3.1416);
}

ShellPressureDropTerms ShellSidePressureDropTerms(double Ds, double ReShell, TubeLayout layout,
                                                  double mOuter, double muOuter, double rhoOuter,
                                                  double ratioBaffle, double viscosityFactor,
                                                  double Nb, double ratioEnd, double dShellIn,
                                                  double dShellOut) {
  const double m = mOuter;
  const double mu = muOuter;
  const double rho = rhoOuter;
  const double Rb = ratioBaffle;
  const double Re = ReShell;
  const bool inlineSquare = InlineSquare(layout);
  const ShellPressureConstants c = ShellPressureConstantsFor(layout, Rb);
  const ShellPressureCoefficientSet k = ShellPressureCoefficients(FamilyOf(layout), Ds);
  const bool lowCrossFlow = Re < CrossFlowReynoldsThreshold(layout);

  ShellPressureDropTerms t;
  if (lowCrossFlow) {
    t.Pc = m * (mu / rho) * (k.kcLow * c.kcLow) / (Power(Rb, c.ecLow) * viscosityFactor);
  } else if (!inlineSquare) {
    t.Pc = Power(m, 1.75) * Power(mu, 0.25) / rho * (k.kcHigh * c.kcHigh) /
           (Power(Rb, c.ecHigh) * viscosityFactor);
  } else {
    t.Pc = Power(m, 2) / rho * (k.kcHigh * c.kcHigh) / (Power(Rb, c.ecHigh) * viscosityFactor);
  }

  const double x = lowCrossFlow ? 1.0 : (inlineSquare ? 2.0 : 1.75);
  t.Pe = t.Pc * EndZoneFactor(layout, Rb) / Power(ratioEnd, x);

  // The in-line correction applies to the central compartments only.
  if (inlineSquare)
    t.Pc = t.Pc * InlineCrossFlowCorrection(layout, Re);

  if (Re < kWindowReynoldsThreshold) {
    const double Cw = WindowDiameterFactor(layout, Rb);
    t.Pw = m * (mu / rho) * (k.kw1 * c.kw1) / Power(Rb, c.ew1) +
           m * (mu / rho) * (k.kw2 * c.kw2) / (Power(Rb, c.ew2) * (Cw * Ds + 1));
  } else {
    t.Pw = Power(m, 2) / rho * (k.kw2 * c.kw2) / Power(Rb, c.ew2);
  }

  t.Pn = (1.5 / Power(dShellIn, 4) + 1.5 / Power(dShellOut, 4)) * Power(m / 3.1416, 2) * 8 / rho;
  t.total = (Nb - 1) * t.Pc + 2 * t.Pe + Nb * t.Pw + t.Pn;
  return t;
}

double ShellSidePressureDrop(double Ds, double ReShell, TubeLayout layout, double mOuter,
                             double muOuter, double rhoOuter, double ratioBaffle,
                             double viscosityFactor, double Nb, double ratioEnd, double dShellIn,
                             double dShellOut) {
  return ShellSidePressureDropTerms(Ds, ReShell, layout, mOuter, muOuter, rhoOuter, ratioBaffle,
                                    viscosityFactor, Nb, ratioEnd, dShellIn, dShellOut)
      .total;
}

}  // namespace calvora
