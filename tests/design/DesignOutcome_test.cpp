#include "design/DesignOutcome.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <ostream>
#include <string>

#include "ParamNames.h"
#include "common/Errors.h"
#include "common/Messages.h"

namespace {

using test_names::PrintTo;

using calvora::Message;
using calvora::MessageKind;
using calvora::RunEnding;

// How each failure ends a run, with the box the design screen shows for it.
struct GuardCase {
  const char* name;
  void (*work)();
  RunEnding ending;
  MessageKind kind;
  const char* text;
};

volatile double zero = 0;

const GuardCase kGuardCases[] = {
    {"Thrown_arithmetic_failure", [] { throw calvora::MathError(); }, RunEnding::CalculationFailure,
     MessageKind::Error,
     "Something's gone wrong, please check that all the data is present and correct."},
    {"Only_flagged_division_by_zero", [] { (void)std::log(zero); }, RunEnding::CalculationFailure,
     MessageKind::Error,
     "Something's gone wrong, please check that all the data is present and correct."},
    {"Text_that_is_not_a_number", [] { throw calvora::ConversionError("abc"); },
     RunEnding::ConversionFailure, MessageKind::Error, "You need to enter all the required data."},
    {"No_selection", [] { throw calvora::SelectionError(); }, RunEnding::MissingSelection,
     MessageKind::Warning, "You need to choose the flow condition in the exchanger"},
    {"Clean_run", [] {}, RunEnding::Results, MessageKind::Error, ""},
};

void PrintTo(const GuardCase& c, std::ostream* os) {
  *os << c.name;
}

class RunGuardedTest : public testing::TestWithParam<GuardCase> {};

TEST_P(RunGuardedTest, EndsWithItsMessage) {
  const GuardCase& c = GetParam();
  calvora::RecordingMessages sink;
  EXPECT_EQ(calvora::RunGuarded(sink, [&](calvora::Messages&) { c.work(); }), c.ending);
  if (c.ending == RunEnding::Results) {
    EXPECT_TRUE(sink.messages.empty());
  } else {
    EXPECT_EQ(sink.messages, (std::vector<Message>{{c.kind, c.text}}));
  }
  // The caller's flags are as before: the failure stays inside the run.
  EXPECT_EQ(std::fetestexcept(FE_DIVBYZERO), 0);
}

INSTANTIATE_TEST_SUITE_P(Failures, RunGuardedTest, testing::ValuesIn(kGuardCases),
                         [](const testing::TestParamInfo<GuardCase>& info) {
                           return std::string(info.param.name);
                         });

// A failure left over from before the run is not the run's.
TEST(RunGuarded, StartsWithCleanFlags) {
  volatile double infinite = 1.0 / zero;
  (void)infinite;
  calvora::RecordingMessages sink;
  EXPECT_EQ(calvora::RunGuarded(sink, [](calvora::Messages&) {}), RunEnding::Results);
  EXPECT_NE(std::fetestexcept(FE_DIVBYZERO), 0);
  std::feclearexcept(FE_ALL_EXCEPT);
}

// The two boxes decide which of the 23 fields show: 16 always, the heat-transfer
// three with the iteration, the two inlet temperatures without it, the two
// pressure drops with the pressure-drop box.
TEST(ResultsOutcome, BoxesDecideVisibleFields) {
  struct Boxes {
    bool iteration, pressureDrops;
    int visible;
  };
  for (const Boxes b : {Boxes{false, false, 18}, Boxes{true, false, 19}, Boxes{false, true, 20},
                        Boxes{true, true, 21}}) {
    calvora::DoublePipeInputs in;
    in.iteration = b.iteration;
    in.pressureDrops = b.pressureDrops;
    const calvora::DesignOutcome o = calvora::ResultsOutcome(in, {});
    int visible = 0;
    for (bool v : o.fieldVisible)
      visible += v;
    EXPECT_EQ(visible, b.visible) << b.iteration << b.pressureDrops;
    EXPECT_EQ(o.visible("heatTransferRate"), b.iteration);
    EXPECT_EQ(o.visible("innerInletTemperature"), !b.iteration);
    EXPECT_EQ(o.visible("innerPressureDrop"), b.pressureDrops);
  }
}

// Texts as the screen shows them: magnitudes for flows and coefficients, signed
// temperatures, the record's decimal separator.
TEST(ResultsOutcome, FieldTexts) {
  calvora::DesignResult r;
  r.innerMassFlow = -0.12345;
  r.coldOutletTemperature = -5.4321;
  r.innerViscosity = 0.0000181;
  r.innerInletTemperature = -10.256;
  calvora::CompactInputs in;
  in.decimalSeparator = ',';
  const calvora::DesignOutcome o = calvora::ResultsOutcome(in, r);
  EXPECT_EQ(o.text("innerMassFlow"), "0,1235");
  EXPECT_EQ(o.text("coldOutletTemperature"), "-5,432");
  EXPECT_EQ(o.text("innerViscosity"), "0,000018");
  EXPECT_EQ(o.text("innerInletTemperature"), "-10,26");
}

// A record with no entries ends as a conversion failure, with no results.
TEST(RunDesign, EmptyPageIsAConversionFailure) {
  calvora::RecordingMessages sink;
  calvora::CompactInputs in;
  in.surface = 0;
  in.innerFluid = 0;
  in.outerFluid = 0;
  in.material = 0;
  const calvora::DesignOutcome o = calvora::RunDesign(in, sink);
  EXPECT_EQ(o.ending, RunEnding::ConversionFailure);
  EXPECT_FALSE(o.showsResults());
  ASSERT_FALSE(sink.messages.empty());
  EXPECT_EQ(sink.messages.back().text, "You need to enter all the required data.");
}

}  // namespace
