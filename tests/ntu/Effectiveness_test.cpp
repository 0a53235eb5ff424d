#include "ntu/Effectiveness.h"

#include <gtest/gtest.h>

#include <cmath>

#include "ParamNames.h"
#include "common/Errors.h"
#include "common/FloatingPoint.h"
#include "common/Numbers.h"

namespace calvora {
namespace {

using test_names::PrintTo;

using FA = FlowArrangement;
using CM = CrossFlowMixing;

constexpr double kUnset = -123.0;  // marks an effectiveness the routine must not touch

struct EffectivenessCase {
  const char* name;
  double C, NTU, Ch, Cc;
  FA arrangement;
  CM mixing;
  double expected;  // kUnset: "Insufficient Data !" and epsilon untouched
};

class EffectivenessTest : public ::testing::TestWithParam<EffectivenessCase> {};

TEST_P(EffectivenessTest, MatchesHandValue) {
  const EffectivenessCase& c = GetParam();
  FloatingPointGuard guard;
  RecordingMessages messages;
  double epsilon = kUnset;
  Effectiveness(c.C, c.NTU, c.Ch, c.Cc, c.arrangement, c.mixing, epsilon, messages);
  EXPECT_NO_THROW(guard.check());
  if (c.expected == kUnset) {
    EXPECT_EQ(epsilon, kUnset);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0], (Message{MessageKind::Error, "Insufficient Data !"}));
  } else {
    EXPECT_NEAR(epsilon, c.expected, 1e-9);
    EXPECT_TRUE(messages.messages.empty());
  }
}

// Hand values: e.g. counter flow C = 0.5, NTU = 2: e = exp(-1), (1 - e)/(1 - e/2) = 0.774600...;
// cross flow C = 0.5, NTU = 1, Cmin unmixed: 2 (1 - exp(-0.5 (1 - 1/e))) = 0.541969...,
// Cmin mixed: 1 - exp(-2 (1 - exp(-0.5))) = 0.544764...
constexpr double kCminUnmixed = 0.5419689915689507;
constexpr double kCminMixed = 0.5447637120146873;

INSTANTIATE_TEST_SUITE_P(
    Arrangements, EffectivenessTest,
    ::testing::Values(
        EffectivenessCase{"Parallel", 0.5, 2, 2, 1, FA::ParallelFlow, CM::None, 0.6334752877547574},
        EffectivenessCase{"CounterTie", 1.0, 1, 1, 1, FA::CounterFlow, CM::None, 0.5},
        EffectivenessCase{"CounterNearTie", 0.999999, 1, 1, 1, FA::CounterFlow, CM::None,
                          0.5000001249834507},
        EffectivenessCase{"CounterHalf", 0.5, 2, 2, 1, FA::CounterFlow, CM::None,
                          0.7746003264394359},
        EffectivenessCase{"CounterZero", 0.0, 2, 2, 1, FA::CounterFlow, CM::None,
                          0.8646647167633873},
        EffectivenessCase{"ShellAndTube", 0.5, 1, 2, 1, FA::ShellAndTube, CM::None,
                          0.5399395561060546},
        EffectivenessCase{"ShellAndTubeZero", 0.0, 2, 2, 1, FA::ShellAndTube, CM::None,
                          0.8646647167633873},
        EffectivenessCase{"CapacityRatioZero", 0.3, 2, 2, 1, FA::CapacityRatioZero, CM::None,
                          0.8646647167633873},
        EffectivenessCase{"UnknownArrangement", 0.5, 2, 2, 1, static_cast<FA>(7), CM::None, 0.0},
        // Cross-flow selection: "cold" is the Cc stream.
        EffectivenessCase{"ColdUnmixedColdIsCmin", 0.5, 1, 2, 1, FA::CrossFlow, CM::ColdUnmixed,
                          kCminUnmixed},
        EffectivenessCase{"ColdUnmixedHotIsCmin", 0.5, 1, 1, 2, FA::CrossFlow, CM::ColdUnmixed,
                          kCminMixed},
        // With Cc = Ch both single-mixed relations give 1 - exp(-(1 - exp(-NTU))).
        EffectivenessCase{"ColdUnmixedTie", 1.0, 1, 1, 1, FA::CrossFlow, CM::ColdUnmixed,
                          0.46853639461338437},
        EffectivenessCase{"ColdMixedColdIsCmin", 0.5, 1, 2, 1, FA::CrossFlow, CM::ColdMixed,
                          kCminMixed},
        EffectivenessCase{"ColdMixedHotIsCmin", 0.5, 1, 1, 2, FA::CrossFlow, CM::ColdMixed,
                          kCminUnmixed},
        EffectivenessCase{"ColdMixedTie", 1.0, 1, 1, 1, FA::CrossFlow, CM::ColdMixed,
                          0.46853639461338437},
        EffectivenessCase{"BothMixed", 0.5, 1, 2, 1, FA::CrossFlow, CM::BothMixed,
                          0.5397458746913321},
        EffectivenessCase{"BothMixedTie", 1.0, 1, 1, 1, FA::CrossFlow, CM::BothMixed,
                          0.46211715726000974},
        EffectivenessCase{"BothUnmixed", 0.25, 3, 4, 1, FA::CrossFlow, CM::BothUnmixed,
                          0.896396461124556},
        EffectivenessCase{"BothUnmixedTie", 1.0, 1, 1, 1, FA::CrossFlow, CM::BothUnmixed,
                          0.46853639461338437},
        EffectivenessCase{"NoMixingCase", 0.5, 1, 2, 1, FA::CrossFlow, CM::None, kUnset},
        EffectivenessCase{"MixingOutOfRange", 0.5, 1, 2, 1, FA::CrossFlow, static_cast<CM>(5),
                          kUnset}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EffectivenessMessage, EarlierArithmeticFailureEndsTheRunBeforeTheMessage) {
  FloatingPointGuard guard;
  volatile double zero = 0.0;
  volatile double broken = 1.0 / zero;
  (void)broken;
  RecordingMessages messages;
  double epsilon = kUnset;
  EXPECT_THROW(Effectiveness(0.5, 1, 2, 1, FA::CrossFlow, CM::None, epsilon, messages), MathError);
  EXPECT_TRUE(messages.messages.empty());
}

TEST(CapacityRates, TieMakesTheHotRateCminAndCExactlyOne) {
  const CapacityRateSet r = CapacityRates(3.0, 1000.0, 2.0, 1500.0);
  EXPECT_EQ(r.Cc, 3000.0);
  EXPECT_EQ(r.Ch, 3000.0);
  EXPECT_EQ(r.C, 1.0);
  // Distinguish the streams by sign of zero: a tie at 0 with -0 on the hot side.
  const CapacityRateSet z = CapacityRates(0.0, 1.0, -0.0, 1.0);
  EXPECT_TRUE(std::signbit(z.Cmin));
  EXPECT_FALSE(std::signbit(z.Cmax));
}

TEST(CapacityRates, PicksTheSmallerAsCminWithoutAbsoluteValues) {
  const CapacityRateSet hotMin = CapacityRates(2.0, 1000.0, 1.0, 1000.0);
  EXPECT_EQ(hotMin.Cmin, 1000.0);
  EXPECT_EQ(hotMin.Cmax, 2000.0);
  EXPECT_EQ(hotMin.C, 0.5);
  const CapacityRateSet coldMin = CapacityRates(1.0, 1000.0, 4.0, 1000.0);
  EXPECT_EQ(coldMin.Cmin, 1000.0);
  EXPECT_EQ(coldMin.Cmax, 4000.0);
  const CapacityRateSet negative = CapacityRates(-1.0, 1000.0, 1.0, 1000.0);
  EXPECT_EQ(negative.Cmin, -1000.0);
  EXPECT_EQ(negative.C, -1.0);
}

TEST(CapacityRates, ZeroCmaxIsAnArithmeticFailure) {
  FloatingPointGuard guard;
  volatile double zero = 0.0;
  const CapacityRateSet r = CapacityRates(zero, 1000.0, zero, 1000.0);
  (void)r;
  EXPECT_THROW(guard.check(), MathError);
}

TEST(HeatBalance, RateIsSymmetricAndMassFlowFollowsTheSign) {
  EXPECT_EQ(HeatTransferRate(2.0, 4000.0, 80.0, 30.0), 400000.0);
  EXPECT_EQ(HeatTransferRate(2.0, 4000.0, 30.0, 80.0), 400000.0);
  EXPECT_EQ(MassFlowFromHeat(400000.0, 4000.0, 80.0, 30.0), 2.0);
  EXPECT_EQ(MassFlowFromHeat(400000.0, 4000.0, 30.0, 80.0), -2.0);
}

TEST(HeatBalance, OutletTemperaturesAndRatios) {
  EXPECT_EQ(CooledOutletTemperature(100.0, 40000.0, 1.0, 1000.0), 60.0);
  EXPECT_EQ(HeatedOutletTemperature(20.0, 40000.0, 2.0, 1000.0), 40.0);
  EXPECT_EQ(NtuFromUA(10.0, 2000.0, 400.0), 2.0);
  EXPECT_EQ(ProductRatio(2.0, 2000.0, 400.0), 10.0);
  // eps = 0.5, Cmin = 1000, Th1 - Tc1 = 80: 40 kW taken from a 1000 W/K hot stream and given to
  // a 2000 W/K cold stream.
  EXPECT_EQ(HotOutletFromEffectiveness(0.5, 1000.0, 100.0, 20.0, 1.0, 1000.0), 60.0);
  EXPECT_EQ(ColdOutletFromEffectiveness(0.5, 1000.0, 100.0, 20.0, 2.0, 1000.0), 40.0);
}

}  // namespace
}  // namespace calvora

namespace calvora {
namespace {

TEST(EffectivenessBothUnmixed, PowersAreExactlyExpOfBLnA) {
  FloatingPointGuard guard;  // flags left by earlier tests must not end this one
  RecordingMessages messages;
  for (double ntu : {0.3, 1.0, 2.7, 9.0}) {
    const double C = 0.4;
    double epsilon = 0;
    Effectiveness(C, ntu, 5, 2, FlowArrangement::CrossFlow, CrossFlowMixing::BothUnmixed, epsilon,
                  messages);
    const double expected = 1.0 - std::exp((1.0 / C) * Power(ntu, 0.22) *
                                           (std::exp(-C * (ntu * Power(ntu, -0.22))) - 1.0));
    EXPECT_EQ(epsilon, expected) << ntu;
  }
}

}  // namespace
}  // namespace calvora
