#include "analyses/ShellAndTubePressureDrop.h"

#include <gtest/gtest.h>

#include <ostream>

#include "ParamNames.h"

#include <cmath>

namespace calvora {
namespace {

using test_names::PrintTo;

// A shell on a table key (0.54 m) so the coefficients are row values.
constexpr double kDs = 0.54;
constexpr double kM = 10;       // kg/s
constexpr double kMu = 0.001;   // kg/(m s)
constexpr double kRho = 1000;   // kg/m3
constexpr double kVisc = 0.95;  // viscosity factor
constexpr double kNb = 10;
constexpr double kRatioEnd = 1.5;
constexpr double kPipe = 0.1;  // m

ShellPressureDropTerms Terms(TubeLayout layout, double Re, double Rb) {
  return ShellSidePressureDropTerms(kDs, Re, layout, kM, kMu, kRho, Rb, kVisc, kNb, kRatioEnd,
                                    kPipe, kPipe);
}

// Cross flow below / above the threshold of each layout: the low form is
// m (mu/rho) Kc_low kcLow / (Rb^ecLow vf), the high form of the triangular and
// rotated families m^1.75 mu^0.25 / rho Kc_high kcHigh / (Rb^ecHigh vf).
struct ThresholdCase {
  TubeLayout layout;
  double Re;
  bool low;
  double Kc;  // row 0.54 of the cross-flow table, family column
  double kc, ec;
};

void PrintTo(const ThresholdCase& c, std::ostream* os) {
  *os << "layout " << static_cast<int>(c.layout) << ", Re " << c.Re;
}

class CrossFlowThresholdTest : public ::testing::TestWithParam<ThresholdCase> {};

TEST_P(CrossFlowThresholdTest, FormByLayoutThreshold) {
  const ThresholdCase c = GetParam();
  const double Rb = 0.3;
  const double Pc = c.low ? kM * (kMu / kRho) * (c.Kc * c.kc) / (std::pow(Rb, c.ec) * kVisc)
                          : std::pow(kM, 1.75) * std::pow(kMu, 0.25) / kRho * (c.Kc * c.kc) /
                                (std::pow(Rb, c.ec) * kVisc);
  EXPECT_NEAR(Terms(c.layout, c.Re, Rb).Pc, Pc, Pc * 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, CrossFlowThresholdTest,
    ::testing::Values(
        ThresholdCase{TubeLayout::Triangular15875, 199, true, 2676000, 0.604, 0.314},
        ThresholdCase{TubeLayout::Triangular15875, 200, false, 60590, 0.181, 1.063},
        ThresholdCase{TubeLayout::Triangular19050, 149.9, true, 2676000, 0.257, 0.486},
        ThresholdCase{TubeLayout::Triangular19050, 150, false, 60590, 0.095, 1.233},
        ThresholdCase{TubeLayout::Triangular19050, 199, false, 60590, 0.095, 1.233},
        ThresholdCase{TubeLayout::RotatedSquare15875, 99.9, true, 1255000, 0.351, 0.65},
        ThresholdCase{TubeLayout::RotatedSquare15875, 100, false, 29090, 0.105, 1.4},
        ThresholdCase{TubeLayout::RotatedSquare19050, 149, true, 1255000, 0.406, 0.619},
        ThresholdCase{TubeLayout::RotatedSquare19050, 150, false, 29090, 0.123, 1.368}),
    [](const auto& info) {
      const auto& c = info.param;
      return test_names::Words(info.index, "layout", static_cast<int>(c.layout), "Re", c.Re);
    });

// In-line squares: the high form is m^2 / rho ..., layout 2 switches at 150.
TEST(ShellCrossFlow, InlineSquareHighFormAndThreshold) {
  const double Rb = 0.3;
  const double high = kM * kM / kRho * (3142 * 0.0835) / (std::pow(Rb, 1.543) * kVisc);
  const double low = kM * (kMu / kRho) * (984000 * 0.42) / (std::pow(Rb, 0.54) * kVisc);
  // Fr at 150 for layout 2: -0.0153 150 + 4.53; at 149.9 the same formula.
  EXPECT_NEAR(Terms(TubeLayout::InlineSquare15875, 150, Rb).Pc, high * (-0.0153 * 150 + 4.53),
              high * 1e-12);
  EXPECT_NEAR(Terms(TubeLayout::InlineSquare15875, 149.9, Rb).Pc, low * (-0.0153 * 149.9 + 4.53),
              low * 1e-12);
}

// The end zones take the cross flow before the in-line correction Fr.
TEST(ShellCrossFlow, EndZonesComeBeforeTheInlineCorrection) {
  const double Rb = 0.3;  // Fe of layout 2 at 0.3: 2.1
  const double Re = 500;  // layout 2: Fr = -0.00065 500 + 1.21 = 0.885
  const double raw = kM * kM / kRho * (3142 * 0.0835) / (std::pow(Rb, 1.543) * kVisc);
  const ShellPressureDropTerms t = Terms(TubeLayout::InlineSquare15875, Re, Rb);
  EXPECT_NEAR(t.Pe, raw * 2.1 / (kRatioEnd * kRatioEnd), raw * 1e-12);
  EXPECT_NEAR(t.Pc, raw * 0.885, raw * 1e-12);
}

// Fr by band; below the lowest band of each in-line layout the value at the
// band's lower end.
TEST(InlineCorrection, BandsAndUndefinedEnds) {
  struct Case {
    TubeLayout layout;
    double Re;
    double Fr;
  };
  const Case cases[] = {
      {TubeLayout::InlineSquare15875, 30000, -3.75e-6 * 30000 + 1.015},
      {TubeLayout::InlineSquare15875, 20000, -3.75e-6 * 20000 + 1.015},
      {TubeLayout::InlineSquare15875, 19999, 1.0},
      {TubeLayout::InlineSquare15875, 2000, 1.0},
      {TubeLayout::InlineSquare15875, 1999, 0.85},
      {TubeLayout::InlineSquare15875, 600, 0.85},
      {TubeLayout::InlineSquare15875, 400, -0.00065 * 400 + 1.21},
      {TubeLayout::InlineSquare15875, 399, -0.0026 * 399 + 1.99},
      {TubeLayout::InlineSquare15875, 200, -0.0026 * 200 + 1.99},
      {TubeLayout::InlineSquare15875, 100, 3.0},
      {TubeLayout::InlineSquare15875, 50, 3.0},
      {TubeLayout::InlineSquare19050, 25000, -4.625e-6 * 25000 + 1.1625},
      {TubeLayout::InlineSquare19050, 4000, 1.14},
      {TubeLayout::InlineSquare19050, 3999, 1.05},
      {TubeLayout::InlineSquare19050, 400, 1.05},
      {TubeLayout::InlineSquare19050, 399, -0.0044 * 399 + 2.88},
      {TubeLayout::InlineSquare19050, 150.5, -0.0044 * 150.5 + 2.88},
      {TubeLayout::InlineSquare19050, 150, 2.22},
      {TubeLayout::InlineSquare19050, 20, 2.22},
      {TubeLayout::Triangular15875, 500, 1.0},
      {TubeLayout::RotatedSquare19050, 500, 1.0},
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(InlineCrossFlowCorrection(c.layout, c.Re), c.Fr, 1e-12) << c.Re;
  }
}

// Window: Re 100 is the one-term form m^2/rho Kw2 kw2 / Rb^ew2, 99.9 the two-term
// low form with Cw. Layout 1, Rb 0.3 (<= 0.345), row 0.54: Kw2 2887, Kw1 731000,
// Cw 2.93.
TEST(ShellWindow, ThresholdAt100) {
  const double Rb = 0.3;
  const double high = kM * kM / kRho * (2887 * 0.579) / std::pow(Rb, 0.34);
  const double low = kM * (kMu / kRho) * (731000 * 3.0) / std::pow(Rb, -0.682) +
                     kM * (kMu / kRho) * (2887 * 0.579) / (std::pow(Rb, 0.34) * (2.93 * kDs + 1));
  EXPECT_NEAR(Terms(TubeLayout::Triangular15875, 100, Rb).Pw, high, high * 1e-12);
  EXPECT_NEAR(Terms(TubeLayout::Triangular15875, 99.9, Rb).Pw, low, low * 1e-12);
}

// The constant sets switch above 0.345 (not 0.35).
TEST(PressureConstants, SwitchAbove0345) {
  EXPECT_EQ(ShellPressureConstantsFor(TubeLayout::Triangular15875, 0.345).kcHigh, 0.181);
  EXPECT_EQ(ShellPressureConstantsFor(TubeLayout::Triangular15875, 0.346).kcHigh, 0.1);
  EXPECT_EQ(ShellPressureConstantsFor(TubeLayout::RotatedSquare19050, 0.345).ew1, -0.268);
  EXPECT_EQ(ShellPressureConstantsFor(TubeLayout::RotatedSquare19050, 0.346).ew1, -0.116);
  EXPECT_EQ(ShellPressureConstantsFor(TubeLayout::InlineSquare15875, 0.346).kw2, 0.283);
}

// Fe and Cw clamp to their end rows outside 0.2 to 1.4 and interpolate inside.
TEST(EndAndWindowFactors, ClampedAndInterpolated) {
  EXPECT_EQ(EndZoneFactor(TubeLayout::Triangular15875, 0.1), 3.1);
  EXPECT_EQ(EndZoneFactor(TubeLayout::Triangular15875, 1.6), 2.3);
  EXPECT_EQ(WindowDiameterFactor(TubeLayout::RotatedSquare15875, 0.1), 2.9);
  EXPECT_EQ(WindowDiameterFactor(TubeLayout::RotatedSquare15875, 1.6), 4.89);
  EXPECT_EQ(EndZoneFactor(TubeLayout::InlineSquare19050, 0.25), 2.3);
  EXPECT_NEAR(EndZoneFactor(TubeLayout::Triangular19050, 0.35), (2.2 + 2.1) / 2, 1e-12);
  EXPECT_NEAR(WindowDiameterFactor(TubeLayout::Triangular15875, 0.7), (3.84 + 4.09) / 2, 1e-12);
  EXPECT_NEAR(WindowDiameterFactor(TubeLayout::InlineSquare19050, 1.2), (2.88 + 3.02) / 2, 1e-12);
}

// Coefficient tables by Ds: a key row, and linear between keys.
TEST(ShellPressureCoefficients, RowsAndInterpolation) {
  const ShellPressureCoefficientSet k = ShellPressureCoefficients(LayoutFamily::InlineSquare, 0.54);
  EXPECT_EQ(k.kcHigh, 3142);
  EXPECT_EQ(k.kcLow, 984000);
  EXPECT_EQ(k.kw2, 2070);
  EXPECT_EQ(k.kw1, 350000);
  const ShellPressureCoefficientSet b =
      ShellPressureCoefficients(LayoutFamily::RotatedSquare, 0.55);
  EXPECT_NEAR(b.kcHigh, 29090 + (23990.0 - 29090) * (0.55 - 0.54) / (0.591 - 0.54), 1e-9);
  EXPECT_NEAR(b.kw1, 480000 + (453000.0 - 480000) * (0.55 - 0.54) / (0.591 - 0.54), 1e-7);
}

// Bend coefficient: a = 7 takes the a <= 7 forms.
TEST(ShellTubeSide, BendRatioSevenUsesTheLowForm) {
  EXPECT_NEAR(BendCoefficient(7, TubeType::Smooth), std::pow(7.0, -0.53) / 4.3478, 1e-14);
  EXPECT_NEAR(BendCoefficient(7.0001, TubeType::Smooth), std::pow(7.0001, 0.545375) / 36.56832,
              1e-14);
  EXPECT_NEAR(BendCoefficient(7, TubeType::Commercial), std::pow(7.0, -0.47924) / 3.22582, 1e-14);
  EXPECT_NEAR(BendCoefficient(9, TubeType::Commercial), std::pow(9.0, 0.81706) / 43.74909, 1e-14);
}

}  // namespace
}  // namespace calvora
