#include "analyses/ShellAndTubeGeometry.h"

#include <gtest/gtest.h>

#include <ostream>

#include "ParamNames.h"

#include <chrono>
#include <cmath>
#include <string>
#include <vector>

#include "common/Errors.h"

namespace calvora {
namespace {

using test_names::PrintTo;

// Independent count of the lattice points of a layout: the centre row through
// the axis plus the rows on one side of it, each row with the tubes on both
// sides of the vertical centre line. Positions come from integer lattice
// indices in long double. A tube fits when its outer edge does not pass the
// limit (equality included). The outermost row of the square layouts lies
// mathematically on the outer tube limit; whether it fits is decided by the
// double-precision rule of the method (row at k times the row pitch, against
// the reach of the centre row accumulated step by step), which the test states
// explicitly below. Every other decision must clear its limit by `kMargin`, so
// the comparison never hangs on a rounding.
constexpr long double kMargin = 1e-9L;

struct LatticeCount {
  double Nt = 0;
  long double Dotl = 0;
  bool clean = true;  // no decision within kMargin of its limit
  bool edgeRowOnLimit = false;
  bool edgeRowIncluded = false;
};

enum class Kind { Triangular, Inline, Rotated };

LatticeCount BruteForce(Kind kind, double Do, double Pt, double clearance, double Ds) {
  LatticeCount out;
  const long double d = Do, p = Pt, c = clearance, D = Ds;
  const long double s = kind == Kind::Rotated ? std::sqrt(2.0L) * p : p;
  const long double h = kind == Kind::Triangular ? std::sqrt(3.0L) * p / 2
                        : kind == Kind::Rotated  ? p / std::sqrt(2.0L)
                                                 : p;
  auto check = [&](long double lhs, long double rhs) {
    if (std::fabs(lhs - rhs) < kMargin)
      out.clean = false;
    return lhs <= rhs;
  };
  long n = 0;
  while (check(d / 2 + (n + 1) * s + c, D / 2))
    ++n;
  const long double R = d / 2 + n * s;  // outer tube limit radius
  out.Dotl = 2 * R;
  double total = 2.0 * n + 1;

  // The double-precision rule for the row on the limit.
  const double sD = kind == Kind::Rotated ? std::sqrt(2.0) * Pt : Pt;
  // The reach of the centre row: the step added once more than fitted, then
  // taken off again.
  double reach = 0;
  for (long i = 0; i <= n; ++i)
    reach = reach + sD;
  reach = reach - sD;
  const long edgeRow = kind == Kind::Inline ? n : (kind == Kind::Rotated ? 2 * n : -1);
  if (edgeRow > 0) {
    out.edgeRowOnLimit = true;
    const double rowPitch = kind == Kind::Rotated ? Pt / std::sqrt(2.0) : Pt;
    out.edgeRowIncluded = Do / 2 + static_cast<double>(edgeRow) * rowPitch <= Do / 2 + reach;
  }

  for (long k = 1;; ++k) {
    const long double x = k * h;
    bool inside;
    if (k == edgeRow) {
      inside = out.edgeRowIncluded;
    } else {
      inside = check(d / 2 + x, R);
    }
    if (!inside) {
      if (k >= edgeRow)
        break;
      continue;
    }
    const long double chord = std::sqrt(R * R - x * x);
    const bool offset = kind != Kind::Inline && k % 2 == 1;
    long m = 0;
    if (offset) {
      while (check(d / 2 + (m + 0.5L) * s, chord))
        ++m;
      total += 2.0 * m;
    } else {
      while (check(d / 2 + (m + 1) * s, chord))
        ++m;
      total += 2.0 * m + 1;
    }
  }
  out.Nt = total;
  return out;
}

struct LayoutCase {
  TubeLayout layout;
  Kind kind;
  double Do;
  double Pt;
};

void PrintTo(const LayoutCase& c, std::ostream* os) {
  *os << "layout " << static_cast<int>(c.layout) << ", Do " << c.Do << ", Pt " << c.Pt;
}

constexpr LayoutCase kLayouts[] = {
    {TubeLayout::Triangular15875, Kind::Triangular, 0.015875, 0.019844},
    {TubeLayout::InlineSquare15875, Kind::Inline, 0.015875, 0.022225},
    {TubeLayout::RotatedSquare15875, Kind::Rotated, 0.015875, 0.022225},
    {TubeLayout::Triangular19050, Kind::Triangular, 0.01905, 0.0254},
    {TubeLayout::InlineSquare19050, Kind::Inline, 0.01905, 0.0254},
    {TubeLayout::RotatedSquare19050, Kind::Rotated, 0.01905, 0.0254},
};

class TubeCountTest : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(TubeCountTest, MatchesLatticeCountOnSeveralShells) {
  const LayoutCase lc = GetParam();
  int compared = 0;
  for (double Ds : {0.25, 0.3, 0.55, 0.9, 1.0, 1.2, 1.5}) {
    for (double clearance : {0.01, 0.0125, 0.02}) {
      const LatticeCount expected = BruteForce(lc.kind, lc.Do, lc.Pt, clearance, Ds);
      if (!expected.clean)
        continue;
      ++compared;
      const TubeCount got = CountTubes(lc.layout, clearance, Ds);
      SCOPED_TRACE("Ds " + std::to_string(Ds) + " clearance " + std::to_string(clearance));
      EXPECT_EQ(got.Nt, expected.Nt);
      EXPECT_NEAR(got.Dotl, static_cast<double>(expected.Dotl), 1e-12);
      EXPECT_NEAR(got.Lbb, Ds - static_cast<double>(expected.Dotl), 1e-12);
      EXPECT_EQ(got.Nt, std::floor(got.Nt));  // whole after the final doubling
    }
  }
  EXPECT_GE(compared, 6);
}

// No tube of the centre row fits beside the centre tube: the limit circle is
// the centre tube itself and no other row fits inside it.
TEST_P(TubeCountTest, LargeClearanceLeavesOnlyTheCentreTube) {
  const LayoutCase lc = GetParam();
  const double Ds = 0.3;
  const double clearance = 0.14;
  const TubeCount got = CountTubes(lc.layout, clearance, Ds);
  EXPECT_EQ(got.Nt, 1);
  EXPECT_DOUBLE_EQ(got.Dotl, lc.Do);
  EXPECT_DOUBLE_EQ(got.Lbb, Ds - lc.Do);
}

// An absurd shell, which its check rejects, ends as an arithmetic failure
// quickly instead of counting for billions of steps.
TEST_P(TubeCountTest, AbsurdShellEndsAsArithmeticFailure) {
  const LayoutCase lc = GetParam();
  const auto start = std::chrono::steady_clock::now();
  EXPECT_THROW(CountTubes(lc.layout, 0, 1e9), MathError);
  EXPECT_THROW(CountTubes(lc.layout, -1e9, 0.5), MathError);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
}

INSTANTIATE_TEST_SUITE_P(SixLayouts, TubeCountTest, ::testing::ValuesIn(kLayouts),
                         [](const auto& info) {
                           const auto& c = info.param;
                           return test_names::Words(info.index, "layout",
                                                    static_cast<int>(c.layout));
                         });

// The outermost row of the square layouts sits on the outer tube limit, so
// whether it counts follows the last bit of the two positions. Over a range of
// shells both outcomes occur, and the count follows the rule every time.
TEST(TubeCountEdgeRow, SquareLayoutsFollowTheRowRuleBothWays) {
  for (const LayoutCase& lc : kLayouts) {
    if (lc.kind == Kind::Triangular)
      continue;
    int included = 0, excluded = 0, compared = 0;
    for (int i = 0; i < 400; ++i) {
      const double Ds = 0.21 + 0.0033 * i;
      const double clearance = 0.0111;
      const LatticeCount expected = BruteForce(lc.kind, lc.Do, lc.Pt, clearance, Ds);
      if (!expected.clean)
        continue;
      ++compared;
      (expected.edgeRowIncluded ? included : excluded)++;
      EXPECT_EQ(CountTubes(lc.layout, clearance, Ds).Nt, expected.Nt) << "Ds " << Ds;
    }
    EXPECT_GT(compared, 300);
    EXPECT_GT(included, 0);
    EXPECT_GT(excluded, 0);
  }
}

// Hand count: a 0.3 m shell, layout 5 (Do 0.01905, Pt 0.0254), clearance
// 0.01. Centre row: 0.009525 + 0.0254 j + 0.01 <= 0.15 for j <= 5, so 11 tubes
// and Dotl = 2 (0.009525 + 0.127) = 0.27305. Rows x = 0.0254 k: half chords
// sqrt(0.136525^2 - x^2) = 0.13414, 0.12672, 0.11328, 0.09120, 0.05010 for
// k = 1..5 hold (chord - 0.009525) / 0.0254 = 4.9, 4.6, 4.1, 3.2, 1.6, so 4, 4,
// 4, 3, 1 tubes a side: 9, 9, 9, 7, 3 a row (the row at k = 5 lies on the limit
// and counts here). Total 11 + 9 + 9 + 9 + 7 + 3 = 48.
TEST(TubeCountHand, InlineSquareSmallShell) {
  const TubeCount got = CountTubesInlineSquare(0.01905, 0.0254, 0.01, 0.3);
  EXPECT_NEAR(got.Dotl, 0.27305, 1e-12);
  EXPECT_EQ(got.Nt, 48);
}

}  // namespace
}  // namespace calvora
