#include "common/Format.h"

#include <gtest/gtest.h>

#include <ostream>

#include "ParamNames.h"

#include <cmath>
#include <limits>

namespace calvora {
namespace {

using test_names::PrintTo;

struct FormatCase {
  double value;
  int precision;
  int digits;
  const char* expected;
};

void PrintTo(const FormatCase& c, std::ostream* os) {
  *os << c.value << " as " << c.precision << "/" << c.digits << " reads " << c.expected;
}

class FormatFixedTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatFixedTest, WritesTheRoundedValue) {
  const FormatCase& c = GetParam();
  EXPECT_EQ(FormatFixed(c.value, c.precision, c.digits), c.expected)
      << c.value << " fixed(" << c.precision << ", " << c.digits << ")";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FormatFixedTest,
    ::testing::Values(
        // Rounded at the 4th significant digit, then padded: digits beyond P read 0.
        FormatCase{997.555, 4, 6, "997.600000"}, FormatCase{1.23456, 10, 3, "1.235"},
        FormatCase{120.0, 10, 3, "120.000"},
        // Half away from zero on the exact double: 0.125 is exact, 2.675 lies below.
        FormatCase{0.125, 10, 2, "0.13"}, FormatCase{-0.125, 10, 2, "-0.13"},
        FormatCase{2.675, 10, 2, "2.67"}, FormatCase{0.5, 10, 0, "1"}, FormatCase{2.5, 10, 0, "3"},
        // Small values keep P significant digits within D decimals.
        FormatCase{0.00123456, 4, 6, "0.001235"}, FormatCase{1.8462e-5, 6, 6, "0.000018"},
        FormatCase{0.0000004, 4, 6, "0.000000"},
        // Zero and values rounding to zero carry no minus sign.
        FormatCase{0.0, 10, 3, "0.000"}, FormatCase{-0.0, 10, 3, "0.000"},
        FormatCase{-0.0004, 10, 3, "0.000"}, FormatCase{-1e-300, 10, 4, "0.0000"},
        FormatCase{-12.3456, 10, 2, "-12.35"},
        // Rounding inside the integer part.
        FormatCase{123456.0, 4, 2, "1.235E+05"}, FormatCase{1234.56, 4, 2, "1235.00"},
        FormatCase{999.96, 4, 1, "1000.0"}, FormatCase{9999.6, 4, 0, "1.000E+04"},
        // The scientific switch: more than P integer digits.
        FormatCase{12345678901.0, 10, 3, "1.234567890E+10"},
        FormatCase{-1e308, 4, 6, "-1.000E+308"}, FormatCase{1234567890.0, 10, 3, "1234567890.000"},
        FormatCase{0.9999, 10, 3, "1.000"}),
    [](const auto& info) {
      const auto& c = info.param;
      return test_names::Words(info.index, "reads", c.expected);
    });

TEST(FormatFixed, UsesTheGivenSeparator) {
  EXPECT_EQ(FormatFixed(1.5, 10, 3, ','), "1,500");
  EXPECT_EQ(FormatFixed(0.0, 10, 2, ','), "0,00");
  EXPECT_EQ(FormatFixed(1.0, 10, 0, ','), "1");
}

TEST(FormatFixed, NonFiniteValuesAreNamed) {
  EXPECT_EQ(FormatFixed(std::numeric_limits<double>::infinity(), 10, 3), "INF");
  EXPECT_EQ(FormatFixed(-std::numeric_limits<double>::infinity(), 10, 3), "-INF");
  EXPECT_EQ(FormatFixed(std::nan(""), 10, 3), "NAN");
}

}  // namespace
}  // namespace calvora
