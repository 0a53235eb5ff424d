#include "analyses/TubeBankTables.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <utility>
#include <vector>

#include "common/FloatingPoint.h"

namespace calvora {
namespace {

using Lookup = std::function<double(double, double)>;

struct TableCase {
  const char* name;
  Lookup lookup;
  std::span<const double> rows;
  std::span<const BankTableRow> values;
};

class EveryBankTableTest : public ::testing::TestWithParam<TableCase> {};

TEST_P(EveryBankTableTest, HeaderPointsReturnTheStoredValue) {
  const TableCase& c = GetParam();
  for (std::size_t i = 0; i < c.rows.size(); ++i) {
    for (std::size_t j = 0; j < kBankColumns; ++j) {
      EXPECT_EQ(c.lookup(c.rows[i], kBankColumnRatios[j]), c.values[i][j]) << i << "," << j;
    }
  }
}

TEST_P(EveryBankTableTest, OutsideTheHeadersIsZero) {
  const TableCase& c = GetParam();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double firstRow = c.rows.front();
  const double lastRow = c.rows.back();
  const std::vector<std::pair<double, double>> points{{std::nextafter(firstRow, 0.0), 2.0},
                                                      {std::nextafter(lastRow, 10.0), 2.0},
                                                      {2.0, std::nextafter(1.25, 0.0)},
                                                      {2.0, std::nextafter(3.0, 10.0)},
                                                      {nan, 2.0},
                                                      {2.0, nan}};
  for (const auto& [p, q] : points) {
    FloatingPointGuard guard;
    EXPECT_EQ(c.lookup(p, q), 0) << p << "," << q;
    EXPECT_NO_THROW(guard.check()) << p << "," << q;
  }
}

INSTANTIATE_TEST_SUITE_P(Tables, EveryBankTableTest,
                         ::testing::Values(TableCase{"inline_c", InLineBankCoefficient,
                                                     kInLineRowRatios, kInLineCoefficients},
                                           TableCase{"inline_n", InLineBankExponent,
                                                     kInLineRowRatios, kInLineExponents},
                                           TableCase{"staggered_c", StaggeredBankCoefficient,
                                                     kStaggeredRowRatios, kStaggeredCoefficients},
                                           TableCase{"staggered_n", StaggeredBankExponent,
                                                     kStaggeredRowRatios, kStaggeredExponents}),
                         [](const auto& info) { return std::string(info.param.name); });

struct PointCase {
  const char* name;
  Lookup lookup;
  double p;
  double q;
  double expected;
};

class BankPointTest : public ::testing::TestWithParam<PointCase> {};

TEST_P(BankPointTest, MatchesHandInterpolation) {
  const PointCase& c = GetParam();
  EXPECT_NEAR(c.lookup(c.p, c.q), c.expected, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    Points, BankPointTest,
    ::testing::Values(
        // Sp = 0.025, Sn = 0.03 around d = 0.02.
        PointCase{"inline_table_point_c", InLineBankCoefficient, 1.25, 1.5, 0.305},
        PointCase{"inline_table_point_n", InLineBankExponent, 1.25, 1.5, 0.608},
        // Halfway down the Sn/d = 1.5 column: (0.278 + 0.332) / 2.
        PointCase{"inline_along_column", InLineBankCoefficient, 1.75, 1.5, 0.305},
        // Halfway along the Sp/d = 1.25 row: (0.305 + 0.111) / 2.
        PointCase{"inline_along_row", InLineBankCoefficient, 1.25, 1.75, 0.208},
        // Centre of the first cell: ((0.386 + 0.407)/2 + (0.305 + 0.278)/2) / 2.
        PointCase{"inline_cell_centre", InLineBankCoefficient, 1.375, 1.375, 0.344},
        PointCase{"inline_last_corner", InLineBankCoefficient, 3.0, 3.0, 0.317},
        PointCase{"staggered_first_row_c", StaggeredBankCoefficient, 0.6, 3.0, 0.236},
        PointCase{"staggered_first_row_n", StaggeredBankExponent, 0.6, 3.0, 0.636},
        PointCase{"staggered_blank_c", StaggeredBankCoefficient, 0.6, 1.5, 0},
        PointCase{"staggered_blank_n", StaggeredBankExponent, 0.6, 1.5, 0},
        PointCase{"staggered_below_rows", StaggeredBankCoefficient, 0.5, 2.0, 0},
        // Cell 0.9..1.0 x 1.5..2.0 with two blank corners: columns give 0.552/2 and
        // 0.495/2 at Sp/d = 0.95, then halfway between them.
        PointCase{"staggered_cell_with_blanks", StaggeredBankCoefficient, 0.95, 1.75,
                  (0.552 / 2 + 0.495 / 2) / 2},
        // Cell 0.6..0.9 x 1.25..1.5: every corner blank.
        PointCase{"staggered_cell_all_blank", StaggeredBankCoefficient, 0.75, 1.375, 0}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace calvora
