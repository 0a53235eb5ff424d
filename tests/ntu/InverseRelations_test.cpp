#include "ntu/InverseRelations.h"

#include <gtest/gtest.h>

#include <ostream>

#include "ParamNames.h"

#include <cmath>

#include "common/Errors.h"
#include "common/FloatingPoint.h"

namespace calvora {

namespace {

using test_names::PrintTo;

using FA = FlowArrangement;
using CM = CrossFlowMixing;

struct RoundTripCase {
  const char* name;
  double C, NTU, Ch, Cc;
  FA arrangement;
  CM mixing;
};

class NtuRoundTripTest : public ::testing::TestWithParam<RoundTripCase> {};

// Where a closed inverse exists, NTU -> eps -> NTU returns the NTU it started from.
TEST_P(NtuRoundTripTest, ReturnsTheNtuTheEffectivenessCameFrom) {
  const RoundTripCase& c = GetParam();
  FloatingPointGuard guard;
  RecordingMessages messages;
  double epsilon = 0.0;
  Effectiveness(c.C, c.NTU, c.Ch, c.Cc, c.arrangement, c.mixing, epsilon, messages);
  double ntu = -1.0;
  NtuFromEffectiveness(c.C, epsilon, c.Ch, c.Cc, c.arrangement, c.mixing, ntu, messages);
  EXPECT_NO_THROW(guard.check());
  EXPECT_TRUE(messages.messages.empty());
  EXPECT_NEAR(ntu, c.NTU, 1e-9 * c.NTU);
}

INSTANTIATE_TEST_SUITE_P(
    ClosedInverses, NtuRoundTripTest,
    ::testing::Values(
        RoundTripCase{"Parallel", 0.5, 1.5, 2, 1, FA::ParallelFlow, CM::None},
        RoundTripCase{"ParallelTie", 1.0, 0.7, 1, 1, FA::ParallelFlow, CM::None},
        RoundTripCase{"Counter", 0.5, 2.0, 2, 1, FA::CounterFlow, CM::None},
        RoundTripCase{"CounterTie", 1.0, 3.0, 1, 1, FA::CounterFlow, CM::None},
        RoundTripCase{"CounterZero", 0.0, 2.0, 2, 1, FA::CounterFlow, CM::None},
        RoundTripCase{"ShellAndTube", 0.5, 1.0, 2, 1, FA::ShellAndTube, CM::None},
        RoundTripCase{"CapacityRatioZero", 0.0, 2.5, 2, 1, FA::CapacityRatioZero, CM::None},
        RoundTripCase{"ColdUnmixedColdIsCmin", 0.5, 1.2, 2, 1, FA::CrossFlow, CM::ColdUnmixed},
        RoundTripCase{"ColdUnmixedHotIsCmin", 0.5, 1.2, 1, 2, FA::CrossFlow, CM::ColdUnmixed},
        RoundTripCase{"ColdMixedColdIsCmin", 0.4, 0.8, 5, 2, FA::CrossFlow, CM::ColdMixed},
        RoundTripCase{"ColdMixedHotIsCmin", 0.4, 0.8, 2, 5, FA::CrossFlow, CM::ColdMixed},
        RoundTripCase{"ColdUnmixedTie", 1.0, 1.2, 2, 2, FA::CrossFlow, CM::ColdUnmixed},
        // No closed inverse: searched on the forward relation (both mixed: rising side).
        RoundTripCase{"BothMixed", 0.5, 2.0, 2, 1, FA::CrossFlow, CM::BothMixed},
        RoundTripCase{"BothMixedSmallC", 0.01, 6.0, 1, 100, FA::CrossFlow, CM::BothMixed},
        RoundTripCase{"BothUnmixed", 0.5, 2.0, 2, 1, FA::CrossFlow, CM::BothUnmixed},
        RoundTripCase{"BothUnmixedTie", 1.0, 8.0, 1, 1, FA::CrossFlow, CM::BothUnmixed},
        RoundTripCase{"BothUnmixedSmallNtu", 0.8, 0.05, 1, 2, FA::CrossFlow, CM::BothUnmixed}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NtuFromEffectiveness, HandValues) {
  FloatingPointGuard guard;  // flags left by earlier tests must not end this one
  RecordingMessages messages;
  double ntu = 0;
  // Counter flow with C = 1: NTU = eps / (1 - eps) = 1.
  NtuFromEffectiveness(1.0, 0.5, 1, 1, FA::CounterFlow, CM::None, ntu, messages);
  EXPECT_EQ(ntu, 1.0);
  // Shell and tube, C = 0.5: the effectiveness 0.53994 of NTU = 1 comes back as NTU = 1.
  NtuFromEffectiveness(0.5, 0.5399395561060546, 2, 1, FA::ShellAndTube, CM::None, ntu, messages);
  EXPECT_NEAR(ntu, 1.0, 1e-12);
  NtuFromEffectiveness(0.5, 0.5, 2, 1, static_cast<FA>(9), CM::None, ntu, messages);
  EXPECT_EQ(ntu, 0.0);
  EXPECT_TRUE(messages.messages.empty());
}

struct NoNtuCase {
  const char* name;
  double C, epsilon;
  CM mixing;
};

class CannotFindNtuTest : public ::testing::TestWithParam<NoNtuCase> {};

TEST_P(CannotFindNtuTest, LeavesNtuUnchanged) {
  FloatingPointGuard guard;  // flags left by earlier tests must not end this one
  RecordingMessages messages;
  double ntu = 42.0;
  NtuFromEffectiveness(GetParam().C, GetParam().epsilon, 3, 3, FA::CrossFlow, GetParam().mixing,
                       ntu, messages);
  EXPECT_NO_THROW(guard.check());
  EXPECT_EQ(ntu, 42.0);
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0], (Message{MessageKind::Error, "Cannot find NTU"}));
}

// Both mixed at C = 1 peaks near NTU = 3 at eps = 0.5645; both unmixed never reaches 1.
INSTANTIATE_TEST_SUITE_P(
    Unreachable, CannotFindNtuTest,
    ::testing::Values(NoNtuCase{"NoMixingCase", 1.0, 0.4, CM::None},
                      NoNtuCase{"BothMixedAbovePeak", 1.0, 0.57, CM::BothMixed},
                      NoNtuCase{"BothUnmixedAtOne", 1.0, 1.0, CM::BothUnmixed}),
    [](const auto& info) { return std::string(info.param.name); });

struct UnreachableCase {
  const char* name;
  double C, epsilon;
  FA arrangement;
  CM mixing;
};

class UnreachableEffectivenessTest : public ::testing::TestWithParam<UnreachableCase> {};

TEST_P(UnreachableEffectivenessTest, IsAnArithmeticFailure) {
  const UnreachableCase& c = GetParam();
  FloatingPointGuard guard;
  RecordingMessages messages;
  double ntu = 0;
  NtuFromEffectiveness(c.C, c.epsilon, 2, 1, c.arrangement, c.mixing, ntu, messages);
  EXPECT_THROW(guard.check(), MathError);
}

INSTANTIATE_TEST_SUITE_P(
    BeyondTheRelation, UnreachableEffectivenessTest,
    ::testing::Values(
        // A temperature cross in parallel flow: eps (1 + C) > 1 (would give a finite NTU if the
        // absolute value were taken), and the limit eps (1 + C) = 1 itself.
        UnreachableCase{"ParallelCross", 0.5, 0.8, FA::ParallelFlow, CM::None},
        UnreachableCase{"ParallelLimit", 1.0, 0.5, FA::ParallelFlow, CM::None},
        UnreachableCase{"CapacityRatioZeroAtOne", 0.0, 1.0, FA::CapacityRatioZero, CM::None},
        UnreachableCase{"CminMixedBeyondReach", 0.5, 0.9, FA::CrossFlow, CM::ColdMixed}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EffectivenessFromTemperatures, UsesTheCminStreamForTwoStreamArrangements) {
  // Th1 = 100, Th0 = 60, Tc1 = 20, Tc0 = 40; Q and Cmin deliberately inconsistent so the
  // branch taken shows.
  for (FA fa : {FA::ParallelFlow, FA::CounterFlow}) {
    EXPECT_EQ(EffectivenessFromTemperatures(1000, 10, 100, 60, 20, 40, 1, 2, fa), 0.5);    // hot
    EXPECT_EQ(EffectivenessFromTemperatures(1000, 10, 100, 60, 20, 40, 2, 1, fa), 0.25);   // cold
    EXPECT_EQ(EffectivenessFromTemperatures(-1000, 10, 100, 60, 20, 40, 1, 1, fa), 1.25);  // tie
  }
  for (FA fa : {FA::CrossFlow, FA::ShellAndTube, FA::CapacityRatioZero}) {
    EXPECT_EQ(EffectivenessFromTemperatures(-1000, 10, 100, 60, 20, 40, 1, 2, fa), 1.25);
  }
}

}  // namespace
}  // namespace calvora
