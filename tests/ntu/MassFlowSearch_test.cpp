#include "ntu/MassFlowSearch.h"

#include <gtest/gtest.h>

#include <cmath>

#include "ParamNames.h"
#include "common/Errors.h"
#include "common/FloatingPoint.h"

namespace calvora {
namespace {

using test_names::PrintTo;

using FA = FlowArrangement;
using CM = CrossFlowMixing;

// A complete exchanger computed forward from known flows, U and A.
ThermalState Forward(FA arrangement, CM mixing, double mh, double mc) {
  ThermalState s;
  s.arrangement = arrangement;
  s.mixing = mixing;
  s.Th1 = 150;
  s.Tc1 = 20;
  s.ch = 4000;
  s.cc = 4180;
  s.U = 500;
  s.A = 12;
  s.mh = mh;
  s.mc = mc;
  s.SetRates(CapacityRates(s.mc, s.cc, s.mh, s.ch));
  s.NTU = NtuFromUA(s.A, s.Cmin, s.U);
  RecordingMessages none;
  Effectiveness(s.C, s.NTU, s.Ch, s.Cc, s.arrangement, s.mixing, s.epsilon, none);
  s.Q = HeatTransferRate(s.epsilon, s.Cmin, s.Th1, s.Tc1);
  s.Th0 = CooledOutletTemperature(s.Th1, s.Q, s.mh, s.ch);
  s.Tc0 = HeatedOutletTemperature(s.Tc1, s.Q, s.mc, s.cc);
  return s;
}

bool HotUnknown(MassFlowCase c) {
  return c == MassFlowCase::HotFlowHotBalance || c == MassFlowCase::HotFlowColdBalance ||
         c == MassFlowCase::HotFlowGivenDuty;
}

// The state the thermal analysis hands over: only the known values, everything else 0.
ThermalState Knowns(const ThermalState& full, MassFlowCase c) {
  ThermalState s;
  s.arrangement = full.arrangement;
  s.mixing = full.mixing;
  s.Th1 = full.Th1;
  s.Tc1 = full.Tc1;
  s.ch = full.ch;
  s.cc = full.cc;
  s.U = full.U;
  s.A = full.A;
  (HotUnknown(c) ? s.mc : s.mh) = HotUnknown(c) ? full.mc : full.mh;
  switch (c) {
    case MassFlowCase::HotFlowHotBalance:
    case MassFlowCase::ColdFlowHotBalance:
      s.Th0 = full.Th0;
      break;
    case MassFlowCase::HotFlowColdBalance:
    case MassFlowCase::ColdFlowColdBalance:
      s.Tc0 = full.Tc0;
      break;
    default:
      s.Q = full.Q;
  }
  return s;
}

struct SearchCase {
  const char* name;
  MassFlowCase solverCase;
  FA arrangement;
  CM mixing;
  double mh, mc;
};

class SolveMassFlowTest : public ::testing::TestWithParam<SearchCase> {};

TEST_P(SolveMassFlowTest, RecoversTheFlowOfTheForwardProblem) {
  const SearchCase& c = GetParam();
  const ThermalState full = Forward(c.arrangement, c.mixing, c.mh, c.mc);
  ThermalState s = Knowns(full, c.solverCase);
  const double start = HotUnknown(c.solverCase) ? s.mc : s.mh;
  FloatingPointGuard guard;
  RecordingMessages messages;
  const double found = SolveMassFlow(c.solverCase, start, s, messages);
  EXPECT_NO_THROW(guard.check());
  EXPECT_TRUE(messages.messages.empty());
  const double truth = HotUnknown(c.solverCase) ? c.mh : c.mc;
  EXPECT_NEAR(found, truth, 1e-5 * truth);
  // The state is that of the evaluation at the returned flow.
  EXPECT_EQ(HotUnknown(c.solverCase) ? s.mh : s.mc, found);
  EXPECT_NEAR(s.epsilon, full.epsilon, 1e-5);
  EXPECT_NEAR(s.Q, full.Q, 1e-5 * full.Q);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SolveMassFlowTest,
    ::testing::Values(
        // Start at the other flow: the true one is between half and the start (16, 18),
        // well below half the start (17: halves several times before bisecting),
        // above the start (19, 20, 21: the first halving fails and the search doubles).
        SearchCase{"Counter16", MassFlowCase::HotFlowHotBalance, FA::CounterFlow, CM::None, 2, 3},
        SearchCase{"Counter17", MassFlowCase::HotFlowColdBalance, FA::CounterFlow, CM::None, 0.3,
                   4},
        SearchCase{"Counter18", MassFlowCase::ColdFlowHotBalance, FA::CounterFlow, CM::None, 2,
                   1.2},
        SearchCase{"Counter19", MassFlowCase::ColdFlowColdBalance, FA::CounterFlow, CM::None, 1, 5},
        SearchCase{"Counter20", MassFlowCase::HotFlowGivenDuty, FA::CounterFlow, CM::None, 3, 1},
        SearchCase{"Counter21", MassFlowCase::ColdFlowGivenDuty, FA::CounterFlow, CM::None, 1, 3},
        SearchCase{"Cross16", MassFlowCase::HotFlowHotBalance, FA::CrossFlow, CM::BothMixed, 2, 3},
        SearchCase{"Cross19", MassFlowCase::ColdFlowColdBalance, FA::CrossFlow, CM::ColdUnmixed, 1,
                   5},
        SearchCase{"Cross21", MassFlowCase::ColdFlowGivenDuty, FA::CrossFlow, CM::BothUnmixed, 1,
                   0.2},
        SearchCase{"Shell20", MassFlowCase::HotFlowGivenDuty, FA::ShellAndTube, CM::None, 0.5, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SolveMassFlow, StartWithinToleranceIsReturnedAsIs) {
  FloatingPointGuard guard;  // flags left by earlier tests must not end this one
  const ThermalState full = Forward(FA::CounterFlow, CM::None, 2, 2);
  ThermalState s = Knowns(full, MassFlowCase::HotFlowGivenDuty);
  RecordingMessages messages;
  EXPECT_EQ(SolveMassFlow(MassFlowCase::HotFlowGivenDuty, 2.0, s, messages), 2.0);
  EXPECT_EQ(s.mh, 2.0);
  // Cases 20 and 21 leave the effectiveness duty in Q.
  EXPECT_EQ(s.Q, HeatTransferRate(s.epsilon, s.Cmin, s.Th1, s.Tc1));
}

TEST(SolveMassFlow, BalanceCasesLeaveTheReferenceDutyInQ) {
  FloatingPointGuard guard;  // flags left by earlier tests must not end this one
  const ThermalState full = Forward(FA::CounterFlow, CM::None, 2, 3);
  ThermalState s = Knowns(full, MassFlowCase::HotFlowHotBalance);
  RecordingMessages messages;
  const double mh = SolveMassFlow(MassFlowCase::HotFlowHotBalance, s.mc, s, messages);
  EXPECT_EQ(s.Q, HeatTransferRate(mh, s.ch, s.Th1, s.Th0));
}

TEST(SolveMassFlow, ZeroStartIsAnArithmeticFailure) {
  const ThermalState full = Forward(FA::CounterFlow, CM::None, 2, 3);
  ThermalState s = Knowns(full, MassFlowCase::HotFlowGivenDuty);
  s.mc = 0;
  FloatingPointGuard guard;
  RecordingMessages messages;
  EXPECT_THROW(SolveMassFlow(MassFlowCase::HotFlowGivenDuty, 0.0, s, messages), MathError);
}

TEST(SolveMassFlow, UnreachableDutyEndsAtTheBound) {
  // No hot flow can transfer more than Cc (Th1 - Tc1) to a cold stream.
  ThermalState s = Knowns(Forward(FA::CounterFlow, CM::None, 2, 1), MassFlowCase::HotFlowGivenDuty);
  s.Q = 2.0 * s.mc * s.cc * (s.Th1 - s.Tc1);
  FloatingPointGuard guard;
  RecordingMessages messages;
  EXPECT_THROW(SolveMassFlow(MassFlowCase::HotFlowGivenDuty, s.mc, s, messages),
               MassFlowSearchFailed);
  EXPECT_NO_THROW(guard.check());
}

TEST(SolveMassFlow, InsufficientDataIsShownOncePerEvaluationAndTheRunFails) {
  // Cross flow without a mixing case: the effectiveness stays 0, so the relative
  // residual divides by zero in that very evaluation.
  ThermalState s =
      Knowns(Forward(FA::CrossFlow, CM::ColdUnmixed, 1, 1), MassFlowCase::HotFlowGivenDuty);
  s.mixing = CM::None;
  FloatingPointGuard guard;
  RecordingMessages messages;
  EXPECT_THROW(SolveMassFlow(MassFlowCase::HotFlowGivenDuty, s.mc, s, messages), MathError);
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].text, "Insufficient Data !");
}

}  // namespace
}  // namespace calvora
