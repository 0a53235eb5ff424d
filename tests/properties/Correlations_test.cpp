#include "properties/Correlations.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "ParamNames.h"
#include "common/Errors.h"
#include "common/FloatingPoint.h"

namespace calvora {
namespace {

using test_names::PrintTo;

constexpr double kFullPi = 3.1415926535897932385;

struct ValueCase {
  const char* name;
  std::function<double()> compute;
  double expected;
  double tolerance;  // absolute; 0 asks for the exact double
};

class CorrelationValueTest : public ::testing::TestWithParam<ValueCase> {};

TEST_P(CorrelationValueTest, MatchesHandValue) {
  const ValueCase& c = GetParam();
  FloatingPointGuard guard;
  const double actual = c.compute();
  if (c.tolerance == 0) {
    EXPECT_EQ(actual, c.expected);
  } else {
    EXPECT_NEAR(actual, c.expected, c.tolerance);
  }
  EXPECT_NO_THROW(guard.check());
}

INSTANTIATE_TEST_SUITE_P(
    Values, CorrelationValueTest,
    ::testing::Values(
        // Laminar tube flow: the constant-wall-temperature value, up to just below 2100.
        ValueCase{"tube_laminar", [] { return TubeNusselt(2099.9, 0.7); }, 3.66, 0},
        ValueCase{"tube_laminar_viscous", [] { return TubeNusselt(10, 500); }, 3.66, 0},
        // 2100 is turbulent: a = 0.88 - 0.24/4.7, b = 0.33 + 0.5 exp(-0.42),
        // 5 + 0.016 2100^a 0.7^b = 12.17829...
        ValueCase{"tube_turbulent_2100", [] { return TubeNusselt(2100, 0.7); }, 12.178292559890,
                  1e-9},
        // Pr 30 > 25: b = 0.33 exactly; a = 0.88 - 0.24/34; 5 + 0.016 2100^a 30^0.33.
        ValueCase{"tube_prandtl_cut", [] { return TubeNusselt(2100, 30); }, 44.054584016670, 1e-9},
        // The annulus has no cut: b = 0.33 + 0.5 exp(-18) at Pr 30.
        ValueCase{"annulus_no_cut", [] { return AnnulusNusselt(2100, 30, 0.02, 0.04); },
                  44.054585028187, 1e-9},
        // Laminar annulus polynomial, sum of the coefficients at r = 1.
        ValueCase{"annulus_r_1", [] { return AnnulusNusselt(1000, 0.7, 0.05, 0.05); }, 4.9327,
                  1e-11},
        ValueCase{"annulus_r_half", [] { return AnnulusNusselt(1000, 0.7, 0.02, 0.04); }, 6.076725,
                  1e-11},
        // At r = 1/4 the polynomial is 7.3839015625 (7.3839016 to eight digits).
        ValueCase{"annulus_r_quarter", [] { return AnnulusNusselt(1000, 0.7, 0.01, 0.04); },
                  7.3839015625, 1e-11},
        // 0.305 10000^0.608 0.7^(1/3).
        ValueCase{"bank", [] { return BankNusselt(10000, 0.305, 0.608, 0.7); }, 73.226091287147,
                  1e-9},
        // The full third: 8^(1/3) = 2 (0.333 would give 1.9986).
        ValueCase{"bank_full_third", [] { return BankNusselt(1, 1, 0, 8); }, 2.0, 1e-14},
        ValueCase{"prandtl", [] { return PrandtlNumber(1005.7, 1.983e-5, 0.02624); },
                  1005.7 * 1.983e-5 / 0.02624, 0},
        // 4 0.1 / 3.1415 / 0.02 / 1e-3.
        ValueCase{"inner_tube_reynolds", [] { return InnerTubeReynolds(0.1, 0.02, 1e-3); },
                  6366.3854846411, 1e-6},
        // Hydraulic diameter 0.04 - 0.025: 4 0.2 / (0.015 3.1415 2e-5).
        ValueCase{"annulus_reynolds", [] { return AnnulusReynolds(0.2, 0.04, 0.025, 2e-5); },
                  848851.39795214, 1e-3},
        ValueCase{"tube_reynolds", [] { return TubeReynolds(0.1, 0.02, 1e-3); }, 6366.1977236758,
                  1e-6},
        // 0.5 0.02 / ((0.03 - 0.02) 1.0 2e-5).
        ValueCase{"bank_reynolds", [] { return BankReynolds(0.5, 0.02, 1.0, 2e-5, 0.03); }, 50000,
                  1e-8},
        ValueCase{"film", [] { return FilmCoefficient(100, 0.6, 0.02); }, 3000, 1e-10},
        ValueCase{"annulus_film", [] { return AnnulusFilmCoefficient(10, 0.03, 0.04, 0.025); }, 20,
                  1e-12},
        ValueCase{"tube_area", [] { return TubeSurfaceArea(2, 0.02); }, 2 * 0.02 * 3.1415, 0},
        ValueCase{"bank_area", [] { return BankSurfaceArea(2, 0.02, 50); }, 6.283, 1e-13},
        // A = 1.0 0.02 3.1415, L 1, hi 100, Di 0.02, Do 0.025, kw 385, ho 200:
        // 1 / (A ln(1.25)/(6.283 385) + 0.02/(0.025 200) + 1/100) = 71.399...
        ValueCase{"overall",
                  [] { return OverallCoefficient(0.02 * 3.1415, 1, 100, 0.02, 0.025, 385, 200); },
                  71.399012561738, 1e-9}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Correlations, TheTwoTubeReynoldsNumbersDifferByTheirPi) {
  for (double m : {0.01, 0.5, 7.0}) {
    const double ratio = InnerTubeReynolds(m, 0.03, 1.5e-5) / TubeReynolds(m, 0.03, 1.5e-5);
    EXPECT_NEAR(ratio, kFullPi / 3.1415, 1e-15);
  }
}

TEST(Correlations, TurbulentAnnulusBelowTheCutIsTheTubeCorrelation) {
  for (double pr : {0.7, 5.0, 25.0}) {
    EXPECT_EQ(AnnulusNusselt(50000, pr, 0.02, 0.04), TubeNusselt(50000, pr)) << pr;
  }
  // At Pr = 25 the exponential form still holds; just above, the tube switches to 0.33.
  EXPECT_NE(AnnulusNusselt(50000, 25.0001, 0.02, 0.04), TubeNusselt(50000, 25.0001));
}

TEST(Correlations, BankNusseltTakesAbsoluteValues) {
  EXPECT_EQ(BankNusselt(-12000, 0.3, 0.6, -0.7), BankNusselt(12000, 0.3, 0.6, 0.7));
}

TEST(Correlations, CompactMassVelocityReturnsAreaVelocityAndReynolds) {
  // 10 rows of 0.5 m tubes at 0.025 m: A_fr = 0.125 m2; G = 1 / (0.5 0.125) = 16;
  // Re = 16 0.004 / 2e-5 = 3200.
  const CompactFlow flow = CompactMassVelocity(0.004, 0.5, 0.025, 10, 0.5, 1.0, 2e-5);
  EXPECT_NEAR(flow.frontalArea, 0.125, 1e-15);
  EXPECT_NEAR(flow.massVelocity, 16, 1e-12);
  EXPECT_NEAR(flow.reynolds, 3200, 1e-9);
}

struct WeightingCase {
  const char* name;
  double inner;
  double outer;
  bool innerGetsCold;
};

class PropertyTemperaturesTest : public ::testing::TestWithParam<WeightingCase> {};

TEST_P(PropertyTemperaturesTest, WeightsTowardsTheOtherStream) {
  const WeightingCase& c = GetParam();
  double inner = c.inner;
  double outer = c.outer;
  // Cold 20 -> 40 (mean 30), hot 100 -> 80 (mean 90): cold-weighted 45, hot-weighted 75.
  const PropertyTemperatureWeights w = PropertyTemperatures(inner, outer, 20, 100, 80, 40);
  EXPECT_EQ(w.coldMean, 30);
  EXPECT_EQ(w.hotMean, 90);
  EXPECT_EQ(w.coldWeighted, 45);
  EXPECT_EQ(w.hotWeighted, 75);
  EXPECT_EQ(inner, c.innerGetsCold ? 45 : 75);
  EXPECT_EQ(outer, c.innerGetsCold ? 75 : 45);
}

INSTANTIATE_TEST_SUITE_P(Roles, PropertyTemperaturesTest,
                         ::testing::Values(WeightingCase{"outer_hotter", 20, 100, true},
                                           WeightingCase{"inner_hotter", 100, 20, false},
                                           WeightingCase{"tie_outer_gets_cold", 50, 50, false}),
                         [](const auto& info) { return std::string(info.param.name); });

struct FailureCase {
  const char* name;
  std::function<double()> compute;
};

class CorrelationFailureTest : public ::testing::TestWithParam<FailureCase> {};

TEST_P(CorrelationFailureTest, RaisesTheArithmeticFailure) {
  FloatingPointGuard guard;
  volatile double result = GetParam().compute();
  (void)result;
  EXPECT_THROW(guard.check(), MathError);
}

INSTANTIATE_TEST_SUITE_P(
    Failures, CorrelationFailureTest,
    ::testing::Values(
        FailureCase{"inner_tube_zero_diameter", [] { return InnerTubeReynolds(0.1, 0, 1e-3); }},
        FailureCase{"tube_zero_diameter", [] { return TubeReynolds(0.1, 0, 1e-3); }},
        FailureCase{"annulus_no_gap", [] { return AnnulusReynolds(0.1, 0.03, 0.03, 1e-3); }},
        FailureCase{"bank_spacing_equals_diameter",
                    [] { return BankReynolds(0.5, 0.02, 1, 2e-5, 0.02); }},
        FailureCase{"film_zero_diameter", [] { return FilmCoefficient(10, 0.6, 0); }},
        FailureCase{"annulus_film_no_gap",
                    [] { return AnnulusFilmCoefficient(10, 0.6, 0.03, 0.03); }},
        FailureCase{"annulus_laminar_zero_inner_diameter",
                    [] { return AnnulusNusselt(1000, 0.7, 0, 0.04); }},
        FailureCase{"tube_turbulent_zero_prandtl", [] { return TubeNusselt(5000, 0); }},
        FailureCase{"bank_zero_reynolds", [] { return BankNusselt(0, 0.3, 0.6, 0.7); }},
        FailureCase{"overall_zero_inside_diameter",
                    [] { return OverallCoefficient(0.06, 1, 100, 0, 0.025, 385, 200); }},
        FailureCase{"overall_zero_wall_conductivity",
                    [] { return OverallCoefficient(0.06, 1, 100, 0.02, 0.025, 0, 200); }},
        FailureCase{"prandtl_zero_conductivity", [] { return PrandtlNumber(1000, 1e-3, 0); }}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace calvora
