#include "analyses/ShellAndTubeHeatTransfer.h"

#include <gtest/gtest.h>

#include <ostream>

#include "ParamNames.h"

#include <cmath>

namespace calvora {
namespace {

using test_names::PrintTo;

// Shell-diameter factor: a key hit takes the row, between keys it is linear.
// Column values from the factor table rows 0.54 and 0.591.
struct DiameterFactorCase {
  TubeLayout layout;
  double ReShell;
  double Ds;
  double expected;
};

void PrintTo(const DiameterFactorCase& c, std::ostream* os) {
  *os << "layout " << static_cast<int>(c.layout) << ", Re " << c.ReShell << ", Ds " << c.Ds;
}

class DiameterFactorTest : public ::testing::TestWithParam<DiameterFactorCase> {};

TEST_P(DiameterFactorTest, RowOrInterpolation) {
  const DiameterFactorCase c = GetParam();
  EXPECT_NEAR(ShellSideFactors(c.layout, c.ReShell, c.Ds, 10, 2).diameterFactor, c.expected, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    KeysAndBetween, DiameterFactorTest,
    ::testing::Values(
        // 0.54 is a key: the row exactly, for each family and Reynolds range.
        DiameterFactorCase{TubeLayout::Triangular15875, 1000, 0.54, 9.18},
        DiameterFactorCase{TubeLayout::InlineSquare19050, 1000, 0.54, 7.35},
        DiameterFactorCase{TubeLayout::RotatedSquare15875, 1000, 0.54, 8.97},
        DiameterFactorCase{TubeLayout::Triangular19050, 300, 0.54, 41.13},
        DiameterFactorCase{TubeLayout::InlineSquare15875, 300, 0.54, 26.28},
        DiameterFactorCase{TubeLayout::RotatedSquare19050, 300, 0.54, 48},
        // 0.55 lies between 0.54 and 0.591: 9.18 + (8.38 - 9.18) 0.01 / 0.051.
        DiameterFactorCase{TubeLayout::Triangular15875, 1000, 0.55,
                           9.18 + (8.38 - 9.18) * (0.55 - 0.54) / (0.591 - 0.54)},
        DiameterFactorCase{TubeLayout::InlineSquare15875, 300.0001, 0.55,
                           7.35 + (6.67 - 7.35) * (0.55 - 0.54) / (0.591 - 0.54)},
        // Both ends of the table.
        DiameterFactorCase{TubeLayout::Triangular15875, 1000, 0.205, 25.19},
        DiameterFactorCase{TubeLayout::RotatedSquare15875, 100, 1.524, 23.93}),
    [](const auto& info) {
      const auto& c = info.param;
      return test_names::Words(info.index, "layout", static_cast<int>(c.layout), "Re", c.ReShell,
                               "Ds", c.Ds);
    });

// End-spacing factor: at ratioEnd 1.25 the factors are 0.99 (31 baffles) and
// 0.943 (4 baffles); at 3 they are 0.99 - 0.07 = 0.92 and 0.943 - 0.265 = 0.678.
struct EndFactorCase {
  double ratioEnd;
  double Nb;
  double end31;
  double end4;
  double end;
};

void PrintTo(const EndFactorCase& c, std::ostream* os) {
  *os << "end ratio " << c.ratioEnd << ", " << c.Nb << " baffles";
}

class EndFactorTest : public ::testing::TestWithParam<EndFactorCase> {};

TEST_P(EndFactorTest, LinearInRatioAndBaffles) {
  const EndFactorCase c = GetParam();
  const ShellSideFactorSet f =
      ShellSideFactors(TubeLayout::Triangular15875, 1000, 0.5, c.Nb, c.ratioEnd);
  EXPECT_NEAR(f.endFactor31, c.end31, 1e-15);
  EXPECT_NEAR(f.endFactor4, c.end4, 1e-15);
  EXPECT_NEAR(f.endFactor, c.end, 1e-15);
}

INSTANTIATE_TEST_SUITE_P(Ends, EndFactorTest,
                         ::testing::Values(EndFactorCase{1.25, 4, 0.99, 0.943, 0.943},
                                           EndFactorCase{1.25, 31, 0.99, 0.943, 0.99},
                                           EndFactorCase{3, 4, 0.92, 0.678, 0.678},
                                           EndFactorCase{3, 31, 0.92, 0.678, 0.92},
                                           // halfway in Nb: (0.99 + 0.943) / 2
                                           EndFactorCase{1.25, 17.5, 0.99, 0.943, 0.9665}),
                         [](const auto& info) {
                           const auto& c = info.param;
                           return test_names::Words(info.index, "end ratio", c.ratioEnd, "baffles",
                                                    c.Nb);
                         });

// Baffle-spacing constants by band and ratio column; between the bands the
// factor runs linearly from the small band's at 0.257 to the large band's at 0.307.
TEST(BaffleSpacing, ColumnsAndBands) {
  // Layout 1, small band: ratio 0.35 takes (0.794, 0.144), 0.3501 (0.6, 0.423).
  BaffleSpacing b = BaffleSpacingFactor(TubeLayout::Triangular15875, 0.23, 0.35);
  EXPECT_EQ(b.baffleA, 0.794);
  EXPECT_EQ(b.baffleB, 0.144);
  EXPECT_NEAR(b.baffleFactor, 0.794 / std::pow(0.35, 0.144), 1e-12);
  b = BaffleSpacingFactor(TubeLayout::Triangular15875, 0.23, 0.3501);
  EXPECT_EQ(b.baffleA, 0.6);
  EXPECT_EQ(b.baffleB, 0.423);
  // Layout 6, large band.
  b = BaffleSpacingFactor(TubeLayout::RotatedSquare19050, 0.8, 0.5);
  EXPECT_EQ(b.baffleA, 0.433);
  EXPECT_EQ(b.baffleB, 0.6);
  b = BaffleSpacingFactor(TubeLayout::InlineSquare15875, 0.8, 0.2);
  EXPECT_EQ(b.baffleA, 0.621);
  EXPECT_EQ(b.baffleB, 0.296);
}

TEST(BaffleSpacing, InterpolatedBetweenTheBands) {
  const double ratio = 0.4;
  const double small = 0.545 / std::pow(ratio, 0.495);  // layout 4, small band, > 0.35
  const double large = 0.486 / std::pow(ratio, 0.531);  // layout 4, large band, > 0.35
  const TubeLayout layout = TubeLayout::Triangular19050;
  EXPECT_NEAR(BaffleSpacingFactor(layout, 0.257, ratio).baffleFactor, small, 1e-12);
  EXPECT_NEAR(BaffleSpacingFactor(layout, 0.307, ratio).baffleFactor, large, 1e-12);
  EXPECT_NEAR(BaffleSpacingFactor(layout, 0.282, ratio).baffleFactor, (small + large) / 2, 1e-12);
  EXPECT_NEAR(BaffleSpacingFactor(layout, 0.2569, ratio).baffleFactor, small, 1e-12);
  EXPECT_NEAR(BaffleSpacingFactor(layout, 0.3071, ratio).baffleFactor, large, 1e-12);
}

// Exponents by family and ReShell (300 is the low range); m = n - 0.333.
TEST(ShellSideExponents, ByFamilyAndReynolds) {
  struct Case {
    LayoutFamily family;
    double Re;
    double n, m;
  };
  const Case cases[] = {{LayoutFamily::Triangular, 300.5, 0.635, 0.302},
                        {LayoutFamily::RotatedSquare, 1e5, 0.635, 0.302},
                        {LayoutFamily::InlineSquare, 301, 0.651, 0.318},
                        {LayoutFamily::Triangular, 300, 0.36, 0.027},
                        {LayoutFamily::RotatedSquare, 10, 0.36, 0.027},
                        {LayoutFamily::InlineSquare, 300, 0.431, 0.098}};
  for (const Case& c : cases) {
    const ShellSideExponents e = ShellSideExponentsFor(c.family, c.Re);
    EXPECT_EQ(e.n, c.n);
    EXPECT_EQ(e.m, c.m);
    EXPECT_NEAR(e.n - e.m, 0.333, 1e-15);
  }
}

}  // namespace
}  // namespace calvora
