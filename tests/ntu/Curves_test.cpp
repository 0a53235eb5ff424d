#include "ntu/Curves.h"

#include <gtest/gtest.h>

#include <cmath>

#include "ParamNames.h"

namespace calvora {
namespace {

using test_names::PrintTo;
using FA = FlowArrangement;
using CM = CrossFlowMixing;

struct CurveCase {
  const char* name;
  CurveType type;
  double C;
};

class CurveTest : public ::testing::TestWithParam<CurveCase> {};

// Each point is the calculation's own effectiveness with the smaller rate on the
// stream the type names; C = 0 is the relation of any exchanger, 1 - exp(-NTU).
TEST_P(CurveTest, PointsAreTheRelationsValues) {
  const CurveCase& c = GetParam();
  const std::vector<CurvePoint> curve = EffectivenessCurve(c.type, c.C, 5.0, 10);
  ASSERT_EQ(curve.size(), 11u);
  EXPECT_EQ(curve[0].epsilon, 0.0);
  for (int i : {1, 3, 10}) {
    double expected = 1.0 - std::exp(-0.5 * i);
    RecordingMessages messages;
    if (c.C > 0)
      Effectiveness(c.C, 0.5 * i, c.type.coldIsCmin ? 1.0 : c.C, c.type.coldIsCmin ? c.C : 1.0,
                    c.type.arrangement, c.type.mixing, expected, messages);
    EXPECT_DOUBLE_EQ(curve[i].epsilon, expected) << "NTU " << curve[i].NTU;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Types, CurveTest,
    ::testing::Values(CurveCase{"Parallel", {FA::ParallelFlow, CM::None, true}, 0.5},
                      CurveCase{"CounterEqualRates", {FA::CounterFlow, CM::None, true}, 1.0},
                      CurveCase{"CounterZero", {FA::CounterFlow, CM::None, true}, 0.0},
                      CurveCase{"ShellAndTube", {FA::ShellAndTube, CM::None, true}, 0.75},
                      CurveCase{"BothMixed", {FA::CrossFlow, CM::BothMixed, true}, 0.25},
                      CurveCase{"BothUnmixed", {FA::CrossFlow, CM::BothUnmixed, true}, 1.0},
                      CurveCase{"ColdUnmixedColdMin", {FA::CrossFlow, CM::ColdUnmixed, true}, 0.5},
                      CurveCase{"ColdMixedHotMin", {FA::CrossFlow, CM::ColdMixed, false}, 0.5}),
    test_names::ByName{});

// Parallel flow: 1 / (1 + C). Both mixed: a peak no nearby NTU exceeds. A single
// mixed cross flow has no curve for equal rates.
TEST(CurveTest, LimitsAndEqualRates) {
  EXPECT_DOUBLE_EQ(EffectivenessLimit({FA::ParallelFlow, CM::None, true}, 0.25)->epsilon, 0.8);
  const CurveType mixed{FA::CrossFlow, CM::BothMixed, true};
  const CurveLimit peak = EffectivenessLimit(mixed, 1.0).value();
  for (double f : {0.99, 1.01, 3.0})
    EXPECT_LT(*CurveEffectiveness(mixed, 1.0, peak.NTU * f), peak.epsilon);
  EXPECT_FALSE(EffectivenessLimit({FA::CounterFlow, CM::None, true}, 0.5));
  // At C = 1 the two single-mixed relations are one function.
  const auto coldMixed = EffectivenessCurve({FA::CrossFlow, CM::ColdMixed, true}, 1.0, 5.0, 10);
  const auto coldUnmixed = EffectivenessCurve({FA::CrossFlow, CM::ColdUnmixed, true}, 1.0, 5.0, 10);
  ASSERT_EQ(coldMixed.size(), 11u);
  for (size_t i = 0; i < coldMixed.size(); ++i)
    EXPECT_DOUBLE_EQ(coldMixed[i].epsilon, coldUnmixed[i].epsilon);
}

}  // namespace
}  // namespace calvora
