#include "ntu/Profile.h"

#include <gtest/gtest.h>

#include <cmath>

#include "ParamNames.h"

namespace calvora {
namespace {

using test_names::PrintTo;
using FA = FlowArrangement;

struct ProfileCase {
  const char* name;
  FA arrangement;
  double Ch, Cc, UA;
};

class ProfileTest : public ::testing::TestWithParam<ProfileCase> {};

// The ends against the outlets of the effectiveness relation, the heat balance
// of both streams, Q = U A LMTD, and the smallest difference at the right end.
TEST_P(ProfileTest, EndsBalanceAndMeanDifference) {
  const ProfileCase& c = GetParam();
  EXPECT_FALSE(ProfileAlongArea(FA::ShellAndTube, 80, 40, c.Ch, c.Cc, c.UA, 50));
  const auto profile = ProfileAlongArea(c.arrangement, 80, 40, c.Ch, c.Cc, c.UA, 50);
  ASSERT_TRUE(profile);
  const CapacityRateSet r = CapacityRates(c.Cc, 1.0, c.Ch, 1.0);
  double eps = 0;
  RecordingMessages messages;
  Effectiveness(r.C, c.UA / r.Cmin, c.Ch, c.Cc, c.arrangement, CrossFlowMixing::None, eps,
                messages);
  const bool counter = c.arrangement == FA::CounterFlow;
  const ProfilePoint& in = profile->points.front();
  const ProfilePoint& out = profile->points.back();
  EXPECT_EQ(in.Th, 80);
  EXPECT_NEAR(out.Th, HotOutletFromEffectiveness(eps, r.Cmin, 80, 40, c.Ch, 1.0), 1e-9);
  EXPECT_NEAR(counter ? out.Tc : in.Tc, 40, 1e-9);
  const double Tc0 = ColdOutletFromEffectiveness(eps, r.Cmin, 80, 40, c.Cc, 1.0);
  EXPECT_NEAR(counter ? in.Tc : out.Tc, Tc0, 1e-9);
  EXPECT_NEAR(c.Ch * (80 - out.Th), c.Cc * (Tc0 - 40), 1e-8);
  EXPECT_NEAR(profile->Q, c.UA * profile->logMeanDifference, 1e-9 * profile->Q);
  const double first = in.Th - in.Tc, last = out.Th - out.Tc;
  EXPECT_EQ(profile->smallestDifference, std::min(first, last));
  EXPECT_EQ(profile->smallestAt, first < last ? 0.0 : 1.0);
}

INSTANTIATE_TEST_SUITE_P(
    Flows, ProfileTest,
    ::testing::Values(ProfileCase{"ParallelHotSmaller", FA::ParallelFlow, 500, 800, 900},
                      ProfileCase{"ParallelColdSmaller", FA::ParallelFlow, 800, 500, 300},
                      ProfileCase{"CounterHotSmaller", FA::CounterFlow, 500, 800, 900},
                      ProfileCase{"CounterColdSmaller", FA::CounterFlow, 800, 500, 2000},
                      ProfileCase{"CounterEqualRates", FA::CounterFlow, 600, 600, 600}),
    test_names::ByName{});

}  // namespace
}  // namespace calvora
