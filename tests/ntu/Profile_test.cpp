#include "ntu/Profile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "ParamNames.h"

namespace calvora {
namespace {

using test_names::PrintTo;

struct ProfileCase {
  const char* name;
  FlowArrangement arrangement;
  double Ch, Cc, UA;
};

class ProfileTest : public ::testing::TestWithParam<ProfileCase> {};

// The ends against the outlets the effectiveness relation gives, the heat
// balance of both streams, Q = U A LMTD, and the smallest difference.
TEST_P(ProfileTest, EndsBalanceAndMeanDifference) {
  const ProfileCase& c = GetParam();
  const double Th1 = 80, Tc1 = 40;
  const auto profile = ProfileAlongArea(c.arrangement, Th1, Tc1, c.Ch, c.Cc, c.UA, 50);
  ASSERT_TRUE(profile);
  const CapacityRateSet rates = CapacityRates(c.Cc, 1.0, c.Ch, 1.0);
  double epsilon = 0;
  RecordingMessages messages;
  Effectiveness(rates.C, NtuFromUA(c.UA, rates.Cmin, 1.0), c.Ch, c.Cc, c.arrangement,
                CrossFlowMixing::None, epsilon, messages);
  const double Th0 = HotOutletFromEffectiveness(epsilon, rates.Cmin, Th1, Tc1, c.Ch, 1.0);
  const double Tc0 = ColdOutletFromEffectiveness(epsilon, rates.Cmin, Th1, Tc1, c.Cc, 1.0);

  const bool counter = c.arrangement == FlowArrangement::CounterFlow;
  const ProfilePoint& first = profile->points.front();
  const ProfilePoint& last = profile->points.back();
  EXPECT_DOUBLE_EQ(first.Th, Th1);
  EXPECT_NEAR(last.Th, Th0, 1e-9);
  EXPECT_NEAR(counter ? last.Tc : first.Tc, Tc1, 1e-9);
  EXPECT_NEAR(counter ? first.Tc : last.Tc, Tc0, 1e-9);
  EXPECT_NEAR(c.Ch * (Th1 - last.Th), c.Cc * (Tc0 - Tc1), 1e-9 * c.Ch * (Th1 - Tc1));
  EXPECT_NEAR(profile->Q, c.UA * profile->logMeanDifference, 1e-9 * profile->Q);
  double smallest = INFINITY;
  for (const ProfilePoint& p : profile->points)
    smallest = std::min(smallest, p.Th - p.Tc);
  EXPECT_NEAR(profile->smallestDifference, smallest, 1e-12);
  const ProfilePoint& at = profile->smallestAt == 0.0 ? first : last;
  EXPECT_NEAR(at.Th - at.Tc, smallest, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    Flows, ProfileTest,
    ::testing::Values(
        ProfileCase{"ParallelHotSmaller", FlowArrangement::ParallelFlow, 500, 800, 900},
        ProfileCase{"ParallelColdSmaller", FlowArrangement::ParallelFlow, 800, 500, 300},
        ProfileCase{"CounterHotSmaller", FlowArrangement::CounterFlow, 500, 800, 900},
        ProfileCase{"CounterColdSmaller", FlowArrangement::CounterFlow, 800, 500, 2000},
        ProfileCase{"CounterEqualRates", FlowArrangement::CounterFlow, 600, 600, 600}),
    test_names::ByName{});

TEST(ProfileTest, OtherTypesHaveNoProfileAndEqualEndsHaveTheirMean) {
  EXPECT_FALSE(ProfileAlongArea(FlowArrangement::ShellAndTube, 80, 40, 500, 800, 900, 50));
  EXPECT_FALSE(ProfileAlongArea(FlowArrangement::CounterFlow, 80, 40, 500, 0, 900, 50));
  EXPECT_DOUBLE_EQ(LogMeanTemperatureDifference(20, 20), 20);
  EXPECT_NEAR(LogMeanTemperatureDifference(30, 10), 20 / std::log(3.0), 1e-12);
  EXPECT_TRUE(std::isnan(LogMeanTemperatureDifference(10, -5)));
}

}  // namespace
}  // namespace calvora
