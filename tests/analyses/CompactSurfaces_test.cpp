#include "analyses/CompactSurfaces.h"

#include <gtest/gtest.h>

#include <ostream>

#include "ParamNames.h"

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

namespace calvora {
namespace {

using test_names::PrintTo;

// The numbers of an item text, in millimetres; "N-A" (no fin diameter) reads as NaN.
std::vector<double> NumbersOfItem(std::string_view item) {
  std::vector<double> numbers;
  std::string text(item.substr(8));  // after the "Cir-Cir " / "Cir-Con " type
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t comma = text.find(',', start);
    if (comma == std::string::npos)
      comma = text.size();
    std::string field = text.substr(start, comma - start);
    if (field.find("N-A") != std::string::npos) {
      numbers.push_back(std::nan(""));
    } else {
      EXPECT_NE(field.find("mm"), std::string::npos) << field;
      numbers.push_back(std::strtod(field.c_str(), nullptr));
    }
    start = comma + 1;
  }
  return numbers;
}

class CatalogueEntryTest : public ::testing::TestWithParam<int> {};

// The drop-down text, the six report texts and the numbers the calculation uses
// describe the same surface.
TEST_P(CatalogueEntryTest, ListTextReportTextsAndGeometryAgree) {
  const int index = GetParam();
  const TubeFinSurface& s = kCompactSurfaces[index];
  ASSERT_TRUE(s.hasData());
  const bool circular = index <= 12;
  EXPECT_EQ(s.finType, circular ? FinType::Circular : FinType::Continuous);
  EXPECT_EQ(s.itemText.substr(0, 8), circular ? "Cir-Cir " : "Cir-Con ");

  const std::vector<double> mm = NumbersOfItem(s.itemText);
  ASSERT_EQ(mm.size(), 6u) << s.itemText;
  const double geometry[6] = {s.outsideDiameter,   s.finDiameter,       s.verticalSpacing,
                              s.horizontalSpacing, s.hydraulicDiameter, s.finThickness};
  for (int k = 0; k < 6; ++k) {
    if (!circular && k == 1) {
      EXPECT_TRUE(std::isnan(mm[1])) << "continuous fins have no fin diameter";
      EXPECT_EQ(s.finDiameter, 0);
      continue;
    }
    if (index == 15 && k == 5) {
      // The list rounds this fin to 0.40 mm; the surface itself is 0.41 mm thick.
      EXPECT_EQ(mm[5], 0.40);
      EXPECT_EQ(s.finThickness, 0.00041);
      continue;
    }
    EXPECT_NEAR(mm[k] / 1000, geometry[k], 1e-15) << "item " << index << " number " << k;
  }

  for (int k = 0; k < 6; ++k) {
    const std::string text(s.reportTexts[k]);
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.back(), ' ') << "every report text ends with one blank";
    if (!circular && k == 1) {
      EXPECT_EQ(text, "continuous ");
      continue;
    }
    ASSERT_GE(text.size(), 3u);
    EXPECT_EQ(text.substr(text.size() - 2), "m ");
    EXPECT_EQ(std::strtod(text.c_str(), nullptr), geometry[k]) << "item " << index << " S" << k + 1;
  }

  EXPECT_GT(s.reynoldsHigh, s.reynoldsLow);
  EXPECT_GT(s.sigma, 0);
  EXPECT_LT(s.sigma, 1);
  EXPECT_GT(s.finAreaRatio, 0);
  EXPECT_LT(s.finAreaRatio, 1);
}

INSTANTIATE_TEST_SUITE_P(AllSurfaces, CatalogueEntryTest,
                         ::testing::Values(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 14, 15),
                         [](const auto& info) {
                           return test_names::Words(info.index, "surface", info.param + 1);
                         });

TEST(CompactCatalogue, SixteenEntriesWithAnEmptySeparator) {
  ASSERT_EQ(kCompactSurfaces.size(), 16u);
  const TubeFinSurface& empty = kCompactSurfaces[kEmptySurfaceIndex];
  EXPECT_FALSE(empty.hasData());
  EXPECT_TRUE(empty.itemText.empty());
  for (std::string_view text : empty.reportTexts)
    EXPECT_TRUE(text.empty());
  EXPECT_EQ(CompactSurfaceAt(13), &empty);
  EXPECT_EQ(CompactSurfaceAt(0), &kCompactSurfaces[0]);
  EXPECT_EQ(CompactSurfaceAt(-1), nullptr);
  EXPECT_EQ(CompactSurfaceAt(16), nullptr);
}

TEST(CompactCorrelations, EntryZeroAtReynoldsThousand) {
  const TubeFinSurface& s = kCompactSurfaces[0];
  // Hand values: 1000^-0.4804 = 10^-1.4412, 1000^-0.1954 = 10^-0.5862.
  const double j = 0.3311 * std::pow(10.0, -1.4412);
  const double f = 0.1781 * std::pow(10.0, -0.5862);
  const CompactOuterResult outer = CompactOuterCoefficient(s, 1000, 0.7, 1007, 5);
  EXPECT_NEAR(outer.j, j, 1e-15);
  EXPECT_NEAR(outer.j, 0.011989, 1e-6);
  EXPECT_NEAR(CompactFrictionFactor(s, 1000), f, 1e-15);
  EXPECT_NEAR(CompactFrictionFactor(s, 1000), 0.046181, 1e-6);
  // h = j G cp / Pr^(2/3).
  EXPECT_NEAR(outer.h, j * 5 * 1007 / std::cbrt(0.7 * 0.7), 1e-12);
}

TEST(CompactCorrelations, SameGeometryDifferentFitsGiveDifferentResults) {
  const TubeFinSurface& a = kCompactSurfaces[0];
  const TubeFinSurface& b = kCompactSurfaces[1];
  EXPECT_EQ(a.outsideDiameter, b.outsideDiameter);
  EXPECT_EQ(a.finDiameter, b.finDiameter);
  EXPECT_EQ(a.verticalSpacing, b.verticalSpacing);
  EXPECT_EQ(a.horizontalSpacing, b.horizontalSpacing);
  EXPECT_EQ(a.finThickness, b.finThickness);
  EXPECT_NE(a.alpha, b.alpha);
  EXPECT_NE(a.sigma, b.sigma);
  EXPECT_NE(CompactOuterCoefficient(a, 3000, 0.7, 1007, 5).j,
            CompactOuterCoefficient(b, 3000, 0.7, 1007, 5).j);
  EXPECT_NE(CompactFrictionFactor(a, 3000), CompactFrictionFactor(b, 3000));
}

TEST(CompactCorrelations, FinLengths) {
  // Circular: (0.0234 - 0.00965)/2 + 0.00046/2; continuous: ((0.0254 + 0.022)/2 - 0.0102)/2,
  // with no thickness term.
  EXPECT_NEAR(FinLength(kCompactSurfaces[0]), 0.007105, 1e-15);
  EXPECT_NEAR(FinLength(kCompactSurfaces[14]), 0.00675, 1e-15);
  EXPECT_NEAR(FinLength(kCompactSurfaces[15]), ((0.0381 + 0.0445) / 2 - 0.0172) / 2, 1e-15);
}

struct FinnedCase {
  int entry;
  double hi, ho, Di, kw;
};

void PrintTo(const FinnedCase& c, std::ostream* os) {
  *os << "surface entry " << c.entry;
}

class FinnedCoefficientTest : public ::testing::TestWithParam<FinnedCase> {};

// Recomputed with the textbook fin efficiency tanh(mL)/(mL) and the series
// resistances referred to the outer finned area.
TEST_P(FinnedCoefficientTest, MatchesSeriesResistances) {
  const FinnedCase c = GetParam();
  const TubeFinSurface& s = kCompactSurfaces[c.entry];
  const double t = c.Di / s.outsideDiameter * (1 - s.finAreaRatio);
  const double wall = c.Di * std::log(s.outsideDiameter / c.Di) / (2 * c.kw * t);
  double x = 0;
  if (c.entry <= 12) {
    const double Lc = (s.finDiameter - s.outsideDiameter) / 2 + s.finThickness / 2;
    x = std::sqrt(2 * c.ho / (c.kw * s.finThickness)) * Lc;  // sqrt(2h/(Lc d k)) Lc^1.5
  } else {
    const double Lc = ((s.verticalSpacing + s.horizontalSpacing) / 2 - s.outsideDiameter) / 2;
    x = std::sqrt(2 * c.ho / (c.kw * s.finThickness)) * Lc;
  }
  const double etaF = std::tanh(x) / x;
  const double etaO = 1 - (1 - etaF) * s.finAreaRatio;
  const double U = 1 / (1 / (c.hi * t) + wall + 1 / (etaO * c.ho));

  const FinnedCoefficientResult got = FinnedOverallCoefficientDetail(s, c.hi, c.ho, c.Di, c.kw);
  EXPECT_NEAR(got.finEfficiency, etaF, 1e-12 * etaF);
  EXPECT_NEAR(got.surfaceEfficiency, etaO, 1e-12);
  EXPECT_NEAR(got.U, U, 1e-11 * U);
  EXPECT_EQ(FinnedOverallCoefficient(s, c.hi, c.ho, c.Di, c.kw), got.U);
  EXPECT_GT(got.finEfficiency, 0);
  EXPECT_LE(got.finEfficiency, 1);
}

INSTANTIATE_TEST_SUITE_P(Surfaces, FinnedCoefficientTest,
                         ::testing::Values(FinnedCase{0, 3000, 80, 0.0085, 385},
                                           FinnedCase{5, 500, 150, 0.014, 202},
                                           FinnedCase{11, 8000, 60, 0.024, 16.3},
                                           FinnedCase{14, 2500, 90, 0.009, 43},
                                           FinnedCase{15, 4000, 70, 0.0155, 385}),
                         [](const auto& info) {
                           const auto& c = info.param;
                           return test_names::Words(info.index, "surface entry", c.entry);
                         });

}  // namespace
}  // namespace calvora
