#include "common/Numbers.h"

#include <gtest/gtest.h>

#include <ostream>

#include "ParamNames.h"

#include <cmath>
#include <string>

#include "common/Errors.h"
#include "common/FloatingPoint.h"

namespace calvora {
namespace {

using test_names::PrintTo;

struct ParseCase {
  const char* text;
  char separator;
  bool valid;
  double value;
};

void PrintTo(const ParseCase& c, std::ostream* os) {
  *os << '"' << c.text << "\" with '" << c.separator << "'";
}

class ParseNumberTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseNumberTest, AcceptsOnlyPlainDecimalNumbers) {
  const ParseCase& c = GetParam();
  const auto parsed = TryParseNumber(c.text, c.separator);
  ASSERT_EQ(parsed.has_value(), c.valid) << '"' << c.text << '"';
  if (c.valid) {
    EXPECT_EQ(*parsed, c.value) << '"' << c.text << '"';
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseNumberTest,
    ::testing::Values(ParseCase{"120", '.', true, 120.0}, ParseCase{"  -10.5 ", '.', true, -10.5},
                      ParseCase{"+3", '.', true, 3.0}, ParseCase{".5", '.', true, 0.5},
                      ParseCase{"5.", '.', true, 5.0}, ParseCase{"1e3", '.', true, 1000.0},
                      ParseCase{"2.5E-3", '.', true, 0.0025}, ParseCase{"1e+2", '.', true, 100.0},
                      ParseCase{"\t7\t", '.', true, 7.0}, ParseCase{"1,5", ',', true, 1.5},
                      ParseCase{"1e-400", '.', true, 0.0},
                      // Not numbers.
                      ParseCase{"", '.', false, 0}, ParseCase{"   ", '.', false, 0},
                      ParseCase{"abc", '.', false, 0}, ParseCase{"12a", '.', false, 0},
                      ParseCase{"1,5", '.', false, 0}, ParseCase{"1.5", ',', false, 0},
                      ParseCase{"1,000.5", '.', false, 0}, ParseCase{"inf", '.', false, 0},
                      ParseCase{"nan", '.', false, 0}, ParseCase{"0x10", '.', false, 0},
                      ParseCase{"1e", '.', false, 0}, ParseCase{"e5", '.', false, 0},
                      ParseCase{"--1", '.', false, 0}, ParseCase{"+", '.', false, 0},
                      ParseCase{".", '.', false, 0}, ParseCase{"1 2", '.', false, 0},
                      ParseCase{"1e400", '.', false, 0}, ParseCase{"1.2.3", '.', false, 0}),
    [](const auto& info) {
      const auto& c = info.param;
      return test_names::Words(info.index, "text", c.text, c.valid ? "valid" : "refused");
    });

TEST(ParseNumber, ThrowsConversionErrorForText) {
  EXPECT_THROW(ParseNumber("x"), ConversionError);
  EXPECT_EQ(ParseNumber(" 42 "), 42.0);
}

// Runs of zeros longer than any count the conversion keeps in full: the
// exponent still applies to the digit where it stands.
TEST(ParseNumber, LongRunsOfZerosKeepTheDigitsPlace) {
  const std::string zeros(100005, '0');
  EXPECT_EQ(ParseNumber("0." + zeros + "1e100010"), 1e4);
  EXPECT_EQ(ParseNumber("1" + zeros + "e-100003"), 100.0);
  EXPECT_EQ(ParseNumber("0." + zeros + "1"), 0.0);
  EXPECT_FALSE(TryParseNumber("1" + zeros).has_value());
}

TEST(ParseNumber, TinyValuesRaiseNoFailure) {
  FloatingPointGuard guard;
  EXPECT_GT(ParseNumber("1e-320"), 0.0);
  EXPECT_FALSE(ArithmeticFailed());
}

TEST(Power, IsExpOfLogAndFailsOnNonPositiveBase) {
  EXPECT_DOUBLE_EQ(Power(2.0, 10.0), 1024.0);
  EXPECT_EQ(Power(2.0, 0.5), std::exp(0.5 * std::log(2.0)));
  {
    FloatingPointGuard guard;
    volatile double zero = 0.0;
    (void)Power(zero, 0.8);
    EXPECT_TRUE(ArithmeticFailed());
  }
  {
    FloatingPointGuard guard;
    volatile double negative = -1.0;
    (void)Power(negative, 0.8);
    EXPECT_THROW(CheckArithmetic(), MathError);
  }
}

}  // namespace
}  // namespace calvora
