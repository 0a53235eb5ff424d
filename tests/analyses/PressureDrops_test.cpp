#include "analyses/PressureDrops.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "ParamNames.h"
#include "common/Errors.h"
#include "common/FloatingPoint.h"

namespace calvora {
namespace {

using test_names::PrintTo;

struct FrictionCase {
  const char* name;
  double reynolds;
  TubeType type;
  double expected;
};

class FrictionFactorTest : public ::testing::TestWithParam<FrictionCase> {};

TEST_P(FrictionFactorTest, FollowsTheBranchOfItsRange) {
  const FrictionCase& c = GetParam();
  EXPECT_NEAR(FrictionFactor(c.reynolds, c.type), c.expected, 1e-15);
}

INSTANTIATE_TEST_SUITE_P(
    Bounds, FrictionFactorTest,
    ::testing::Values(
        FrictionCase{"laminar", 1000, TubeType::Smooth, 0.016},
        FrictionCase{"laminar_bound_smooth", 1311, TubeType::Smooth, 16.0 / 1311},
        FrictionCase{"laminar_bound_commercial", 1311, TubeType::Commercial, 16.0 / 1311},
        FrictionCase{"transition_smooth", 1311.5, TubeType::Smooth, 0.0122},
        FrictionCase{"transition_commercial", 1311.5, TubeType::Commercial, 0.0122},
        FrictionCase{"below_2100_smooth", 2099.9, TubeType::Smooth, 0.0122},
        // 0.0014 + 0.125 / 2100^0.32.
        FrictionCase{"turbulent_2100_smooth", 2100, TubeType::Smooth, 0.012209356457303},
        FrictionCase{"transition_2100_commercial", 2100, TubeType::Commercial, 0.0122},
        FrictionCase{"below_3380_commercial", 3379.9, TubeType::Commercial, 0.0122},
        // 0.0035 + 0.264 / 3380^0.42.
        FrictionCase{"turbulent_3380_commercial", 3380, TubeType::Commercial, 0.012198791326198}),
    [](const auto& info) { return std::string(info.param.name); });

struct DropCase {
  const char* name;
  std::function<double()> compute;
  double expected;
};

class PressureDropValueTest : public ::testing::TestWithParam<DropCase> {};

TEST_P(PressureDropValueTest, MatchesHandValue) {
  const DropCase& c = GetParam();
  FloatingPointGuard guard;
  EXPECT_NEAR(c.compute(), c.expected, c.expected * 1e-12);
  EXPECT_NO_THROW(guard.check());
}

// Hand derivations, with pi = 3.1416:
// tube: (4 0.005 2/0.02 + 0.5 + 1.0) (0.1/(pi 0.02^2))^2 8/1000 = 3.5 6332.4.. 0.008;
// annulus: (3/0.03^4 + 4/(0.04^2 - 0.025^2)^2 + 4 0.006 3/0.015^5) (0.2/pi)^2 8/990;
// headered: 8/(pi^2 1000) ((0.01/0.015^2)^2 (4 0.007 1.5/0.015 + 1.5)
//           + 0.5^2 (1.5/0.05^4 + 1.5/0.06^4)).
INSTANTIATE_TEST_SUITE_P(
    Values, PressureDropValueTest,
    ::testing::Values(
        DropCase{"tube", [] { return TubePressureDrop(0.1, 0.02, 1000, 0.005, 2); },
                 177.31124211149},
        DropCase{"annulus",
                 [] { return AnnulusPressureDrop(0.2, 0.025, 0.04, 0.03, 0.03, 0.006, 3, 990); },
                 3364.2987491457},
        DropCase{
            "headered",
            [] { return HeaderedTubePressureDrop(0.01, 0.015, 1000, 0.5, 0.05, 0.06, 0.007, 1.5); },
            78.972613470667}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PressureDrops, AnnulusAddsThePipeHeadsEvenWhenThePipesAreAsWideAsTheAnnulus) {
  // Without friction, the pipe terms 1.5/d^4 each come on top of the 4 heads of the gap.
  const double m = 0.3;
  const double rho = 998;
  const double d = 0.05;
  const double head = (m / 3.1416) * (m / 3.1416) * 8 / rho;
  const double gap = 0.05 * 0.05 - 0.03 * 0.03;
  const double expected = (3 / (d * d * d * d) + 4 / (gap * gap)) * head;
  EXPECT_NEAR(AnnulusPressureDrop(m, 0.03, 0.05, d, d, 0, 2, rho), expected, expected * 1e-12);
}

TEST(PressureDrops, HeaderedWithOneTubeUsesTheSameFlowInBothTerms) {
  // One tube: the tube term and the header term both see the whole flow, so doubling
  // the flow quadruples the drop.
  const double single = HeaderedTubePressureDrop(0.2, 0.02, 1000, 0.2, 0.03, 0.03, 0.008, 2);
  const double doubled = HeaderedTubePressureDrop(0.4, 0.02, 1000, 0.4, 0.03, 0.03, 0.008, 2);
  EXPECT_NEAR(doubled, 4 * single, single * 1e-12);
}

struct BankCase {
  const char* name;
  int arrangement;
  double parallelPitchOverDo;
  double frictionCoefficient;  // f = coefficient Re^exponent
  double reynoldsExponent;
};

class TubeBankFrictionTest : public ::testing::TestWithParam<BankCase> {};

TEST_P(TubeBankFrictionTest, ReducesToItsIdentityAtSnTwiceDo) {
  // With Sn = 2 Do the gap equals Do: G = m/(Do L), Re = m/(mu L), (Sn - Do)/Do = 1,
  // so in line (Sp = 2 Do) f = (0.044 + 0.08 2/1^0.995) Re^-0.15 = 0.204 Re^-0.15 and
  // staggered f = (0.25 + 0.118) Re^-0.16 for any Sp.
  const BankCase& c = GetParam();
  const double m = 2.0, dOut = 0.025, rho = 1.1, mu = 1.9e-5, length = 1.2, rows = 8;
  const double g = m / (dOut * length);
  const double re = m / (mu * length);
  const double f = c.frictionCoefficient * std::pow(re, c.reynoldsExponent);
  const double expected = 2 * f * g * g * rows / rho;
  const double actual = TubeBankPressureDrop(m, dOut, rho, mu, length, rows,
                                             c.parallelPitchOverDo * dOut, 2 * dOut, c.arrangement);
  EXPECT_NEAR(actual, expected, expected * 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    Identities, TubeBankFrictionTest,
    ::testing::Values(BankCase{"in_line", kInLineArrangement, 2.0, 0.204, -0.15},
                      BankCase{"staggered_close", kStaggeredArrangement, 0.6, 0.368, -0.16},
                      BankCase{"staggered_wide", kStaggeredArrangement, 3.0, 0.368, -0.16},
                      BankCase{"any_other_code_is_staggered", 7, 1.5, 0.368, -0.16}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PressureDrops, BankDropIsProportionalToTheRowsNormalToTheFlow) {
  const double five = TubeBankPressureDrop(1.5, 0.02, 1.0, 2e-5, 1, 5, 0.03, 0.04, 1);
  const double ten = TubeBankPressureDrop(1.5, 0.02, 1.0, 2e-5, 1, 10, 0.03, 0.04, 1);
  EXPECT_NEAR(ten, 2 * five, five * 1e-12);
}

struct FailureCase {
  const char* name;
  std::function<double()> compute;
};

class PressureDropFailureTest : public ::testing::TestWithParam<FailureCase> {};

TEST_P(PressureDropFailureTest, RaisesTheArithmeticFailure) {
  FloatingPointGuard guard;
  volatile double result = GetParam().compute();
  (void)result;
  EXPECT_THROW(guard.check(), MathError);
}

INSTANTIATE_TEST_SUITE_P(
    Failures, PressureDropFailureTest,
    ::testing::Values(
        FailureCase{"friction_zero_reynolds", [] { return FrictionFactor(0, TubeType::Smooth); }},
        FailureCase{"tube_zero_flow", [] { return TubePressureDrop(0, 0.02, 1000, 0.005, 2); }},
        FailureCase{"tube_zero_diameter", [] { return TubePressureDrop(0.1, 0, 1000, 0.005, 2); }},
        FailureCase{"annulus_zero_flow",
                    [] { return AnnulusPressureDrop(0, 0.025, 0.04, 0.03, 0.03, 0.006, 3, 990); }},
        FailureCase{"annulus_no_gap",
                    [] { return AnnulusPressureDrop(0.2, 0.04, 0.04, 0.03, 0.03, 0.006, 3, 990); }},
        FailureCase{"annulus_zero_inlet_pipe",
                    [] { return AnnulusPressureDrop(0.2, 0.025, 0.04, 0, 0.03, 0.006, 3, 990); }},
        FailureCase{
            "headered_zero_flow",
            [] { return HeaderedTubePressureDrop(0, 0.015, 1000, 0, 0.05, 0.06, 0.007, 1.5); }},
        FailureCase{
            "headered_zero_outlet_pipe",
            [] { return HeaderedTubePressureDrop(0.01, 0.015, 1000, 0.5, 0.05, 0, 0.007, 1.5); }},
        FailureCase{"bank_zero_flow",
                    [] { return TubeBankPressureDrop(0, 0.02, 1.0, 2e-5, 1, 5, 0.03, 0.04, 1); }},
        FailureCase{"bank_sn_equals_do",
                    [] { return TubeBankPressureDrop(1.5, 0.02, 1.0, 2e-5, 1, 5, 0.03, 0.02, 1); }},
        FailureCase{
            "bank_sn_below_do_staggered",
            [] { return TubeBankPressureDrop(1.5, 0.02, 1.0, 2e-5, 1, 5, 0.03, 0.015, 2); }}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace calvora
