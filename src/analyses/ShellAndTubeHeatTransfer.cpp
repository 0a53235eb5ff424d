#include "analyses/ShellAndTubeHeatTransfer.h"

#include <array>
#include <cmath>

#include "common/Numbers.h"

namespace calvora {

const ShellDiameterTable kShellDiameterFactors{{
    {0.205, {68.01, 50.6, 84.1, 25.19, 21.45, 26.7}},
    {0.257, {62.99, 45.2, 76.19, 20.75, 17.39, 21.36}},
    {0.307, {58.69, 40.95, 69.91, 17.64, 14.61, 17.8}},
    {0.337, {56.38, 38.77, 66.68, 16.15, 13.29, 16.14}},
    {0.387, {50, 33.65, 59.23, 13.31, 10.86, 13.28}},
    {0.438, {47.32, 31.23, 55.53, 11.8, 9.56, 11.63}},
    {0.489, {43.04, 27.93, 50.58, 10.13, 8.15, 9.98}},
    {0.54, {41.13, 26.28, 48, 9.18, 7.35, 8.97}},
    {0.591, {39.38, 24.82, 45.69, 8.38, 6.67, 8.13}},
    {0.635, {36.76, 22.9, 42.75, 7.52, 5.97, 7.31}},
    {0.686, {35.41, 21.81, 40.98, 6.95, 5.5, 6.71}},
    {0.737, {34.16, 20.81, 39.37, 6.46, 5.08, 6.2}},
    {0.787, {33.01, 19.91, 37.9, 6.02, 4.72, 5.76}},
    {0.838, {31.94, 19.08, 36.55, 5.63, 4.41, 5.36}},
    {0.889, {30.94, 18.32, 35.3, 5.28, 4.12, 5.02}},
    {0.94, {30, 17.63, 34.15, 4.97, 3.87, 4.71}},
    {0.991, {29.14, 16.98, 33.08, 4.69, 3.65, 4.43}},
    {1.067, {26.87, 15.48, 30.67, 4.16, 3.22, 3.94}},
    {1.143, {25.89, 14.76, 29.45, 3.86, 2.98, 3.65}},
    {1.219, {24.98, 14.11, 28.33, 3.6, 2.77, 3.39}},
    {1.295, {24.15, 13.52, 27.31, 3.36, 2.58, 3.16}},
    {1.372, {23.37, 12.97, 26.38, 3.16, 2.42, 2.95}},
    {1.448, {21.7, 11.94, 24.06, 2.84, 2.17, 2.68}},
    {1.524, {21.1, 11.53, 23.93, 2.69, 2.05, 2.53}},
}};

namespace {

// Baffle-spacing constants by layout (rows 1..6): small band ratio <= 0.35,
// small band ratio > 0.35, large band ratio <= 0.35, large band ratio > 0.35.
constexpr std::array<std::array<BaffleSpacingConstants, 4>, 6> kBaffleConstants{{
    {{{0.794, 0.144}, {0.6, 0.423}, {0.671, 0.247}, {0.549, 0.45}}},
    {{{0.724, 0.202}, {0.508, 0.54}, {0.621, 0.296}, {0.463, 0.576}}},
    {{{0.643, 0.275}, {0.467, 0.579}, {0.563, 0.357}, {0.43, 0.611}}},
    {{{0.78, 0.151}, {0.545, 0.495}, {0.651, 0.25}, {0.486, 0.531}}},
    {{{0.73, 0.17}, {0.505, 0.523}, {0.631, 0.275}, {0.467, 0.562}}},
    {{{0.652, 0.244}, {0.465, 0.564}, {0.573, 0.336}, {0.433, 0.6}}},
}};

// Edges of the two shell-diameter bands of the baffle-spacing constants.
constexpr double kSmallBandTop = 0.257;
constexpr double kLargeBandBottom = 0.307;

double FactorOf(const BaffleSpacingConstants& c, double ratioBaffle) {
  return c.baffleA / Power(ratioBaffle, c.baffleB);
}

}  // namespace

ShellSideExponents ShellSideExponentsFor(LayoutFamily family, double ReShell) {
  const bool inlineSquare = family == LayoutFamily::InlineSquare;
  if (ReShell > 300)
    return inlineSquare ? ShellSideExponents{0.651, 0.318} : ShellSideExponents{0.635, 0.302};
  return inlineSquare ? ShellSideExponents{0.431, 0.098} : ShellSideExponents{0.36, 0.027};
}

double ShellFlowTerm(double mOuter, double n) {
  return Power(mOuter, n);
}

double ShellPropertyGroup(double cp, double k, double mu, double m) {
  return Power(cp, 0.333) * Power(k, 0.667) / Power(mu, m);
}

ShellSideFactorSet ShellSideFactors(TubeLayout layout, double ReShell, double Ds, double Nb,
                                    double ratioEnd) {
  ShellSideFactorSet f;
  const double s = (ratioEnd - 1.25) / 1.75;
  f.endFactor31 = 0.99 - 0.07 * s;
  f.endFactor4 = 0.943 - 0.265 * s;
  f.endFactor = (f.endFactor31 - f.endFactor4) * (Nb - 4) / 27 + f.endFactor4;
  const int column = FamilyColumn(FamilyOf(layout)) + (ReShell <= 300 ? 0 : 3);
  f.diameterFactor = InterpolateShellTable(kShellDiameterFactors, column, Ds);
  return f;
}

BaffleSpacingConstants BaffleConstants(TubeLayout layout, bool smallBand, double ratioBaffle) {
  const auto row = static_cast<std::size_t>(static_cast<int>(layout) - 1);
  const std::size_t column = (smallBand ? 0 : 2) + (ratioBaffle <= 0.35 ? 0 : 1);
  return kBaffleConstants.at(row)[column];
}

BaffleSpacing BaffleSpacingFactor(TubeLayout layout, double Ds, double ratioBaffle) {
  BaffleSpacing result;
  if (Ds < kSmallBandTop || Ds > kLargeBandBottom) {
    const BaffleSpacingConstants c = BaffleConstants(layout, Ds < kSmallBandTop, ratioBaffle);
    result.baffleA = c.baffleA;
    result.baffleB = c.baffleB;
    result.baffleFactor = FactorOf(c, ratioBaffle);
    return result;
  }
  const double small = FactorOf(BaffleConstants(layout, true, ratioBaffle), ratioBaffle);
  const double large = FactorOf(BaffleConstants(layout, false, ratioBaffle), ratioBaffle);
  result.baffleFactor =
      small + (large - small) * (Ds - kSmallBandTop) / (kLargeBandBottom - kSmallBandTop);
  return result;
}

double ShellViscosityFactor(double muOuter, double muWall) {
  return Power(std::fabs(muOuter / muWall), 0.14);
}

double ShellSideCoefficient(double flowTerm, double propertyGroup, double diameterFactor,
                            double baffleFactor, double endFactor, double viscosityFactor) {
  return flowTerm * propertyGroup * diameterFactor * baffleFactor * endFactor * viscosityFactor;
}

double ShellAndTubeArea(double L, double Di, double Nt) {
  return 3.1415 * L * Di * Nt;
}

double ShellTubeReynolds(double mTube, double pi, double Di, double mu) {
  return 4 * mTube / (pi * Di * mu);
}

}  // namespace calvora
