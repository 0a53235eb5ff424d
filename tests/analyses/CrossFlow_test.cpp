#include "analyses/CrossFlow.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>
#include <vector>

#include "ParamNames.h"
#include "analyses/AnalysisMessages.h"
#include "analyses/HeatBalance.h"
#include "common/Errors.h"
#include "properties/FluidTables.h"

namespace {

using test_names::PrintTo;

using calvora::CrossFlowAnalysis;
using calvora::CrossFlowInputs;
using calvora::CrossFlowTrace;
using calvora::DesignRun;
using calvora::Message;
using calvora::MessageKind;
using calvora::RecordingMessages;

constexpr int kAir = 0, kWater = 1, kOil = 2, kOther = 3;
constexpr int kInLine = 0, kStaggered = 1;

std::string Text(double v) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.17g", v);
  return buffer;
}

const std::string kRange(calvora::kTemperatureOutOfRangeMessage);

std::string Height(const char* text) {
  return std::string(calvora::kExchangerHeightPrefix) + text;
}

// Forty 16/20 mm copper tubes, 1 m long, in line: 10 rows normal to the air
// flow, 4 rows deep, pitches 30 mm along and 40 mm across the flow.
CrossFlowInputs BaseInputs() {
  CrossFlowInputs in;
  in.innerFluid = kWater;
  in.outerFluid = kAir;
  in.arrangement = kInLine;
  in.tubeInsideDiameter = "0.016";
  in.tubeOutsideDiameter = "0.02";
  in.rowsNormal = "10";
  in.rowsParallel = "4";
  in.tubeCount = "40";
  in.length = "1";
  in.innerMassFlow = "1";
  in.outerMassFlow = "0.5";
  in.innerTemperature = "80";
  in.outerTemperature = "27";
  in.inLinePitchParallel = "0.03";
  in.inLinePitchNormal = "0.04";
  in.staggeredPitchParallel = "0.025";
  in.staggeredPitchNormal = "0.03";
  in.inletPipeDiameter = "0.05";
  in.outletPipeDiameter = "0.06";
  return in;
}

// Height of the base bank: (10 + 1) 0.04 - 0.02 = 0.42 m.
const std::string kBaseHeight = Height("0.42000");

const calvora::FluidTable& TableOf(int fluid) {
  return fluid == kAir     ? calvora::kAirTable
         : fluid == kWater ? calvora::kSaturatedWaterTable
                           : calvora::kEngineOilTable;
}

// ---- ordinary exchangers ----------------------------------------------------------

struct Case {
  const char* name;
  int innerFluid, outerFluid, arrangement;
  double Di, Do, Nn, Np, N, L, mi, mo, Ti, To, Sp, Sn, kw;
  int material;
  double c, n;       // tube-bank coefficient and exponent, read off the tables by hand
  double rowFactor;  // few-rows correction read off its table by hand
  bool iteration;
  int mixing;  // 1 cold unmixed .. 4 both unmixed
  bool pressureDrops;
  bool commercial;
  double din, dout;
};

void PrintTo(const Case& c, std::ostream* os) {
  *os << c.name;
}

CrossFlowInputs InputsOf(const Case& c) {
  CrossFlowInputs in;
  in.innerFluid = c.innerFluid;
  in.outerFluid = c.outerFluid;
  in.material = c.material;
  in.arrangement = c.arrangement;
  in.tubeInsideDiameter = Text(c.Di);
  in.tubeOutsideDiameter = Text(c.Do);
  in.rowsNormal = Text(c.Nn);
  in.rowsParallel = Text(c.Np);
  in.tubeCount = Text(c.N);
  in.length = Text(c.L);
  in.innerMassFlow = Text(c.mi);
  in.outerMassFlow = Text(c.mo);
  in.innerTemperature = Text(c.Ti);
  in.outerTemperature = Text(c.To);
  // Only the chosen arrangement's dialog is read; the other holds nonsense.
  (c.arrangement == kInLine ? in.inLinePitchParallel : in.staggeredPitchParallel) = Text(c.Sp);
  (c.arrangement == kInLine ? in.inLinePitchNormal : in.staggeredPitchNormal) = Text(c.Sn);
  (c.arrangement == kInLine ? in.staggeredPitchParallel : in.inLinePitchParallel) = "x";
  (c.arrangement == kInLine ? in.staggeredPitchNormal : in.inLinePitchNormal) = "x";
  in.iteration = c.iteration;
  in.mixing = c.mixing - 1;
  in.pressureDrops = c.pressureDrops;
  in.innerTubeType = c.commercial ? 1 : 0;
  in.inletPipeDiameter = Text(c.din);
  in.outletPipeDiameter = Text(c.dout);
  in.innerFluidData = {"2000", "0.05", "0.14", "870"};
  in.outerFluidData = {"2000", "0.05", "0.14", "870"};
  return in;
}

class CrossFlowRealistic : public ::testing::TestWithParam<Case> {};

// The specific heat a stream enters the balance with: its table's at the inlet,
// or the fluid-data dialog's 2000 J/(kg K).
double SpecificHeatOf(int fluid, double T) {
  return fluid == kOther ? 2000 : balance::SpecificHeat(TableOf(fluid), T);
}

// Checked against the hand-read tube-bank coefficients, definitions and
// balances rather than a second copy of the correlations; the golden reports
// hold one whole run digit for digit.
TEST_P(CrossFlowRealistic, KeepsDefinitionsAndBalances) {
  const Case& c = GetParam();
  RecordingMessages messages;
  CrossFlowTrace trace;
  const DesignRun run = CrossFlowAnalysis(InputsOf(c), messages, &trace);
  ASSERT_TRUE(run.resultsFlag);
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].kind, MessageKind::Information);
  EXPECT_DOUBLE_EQ(trace.bankCoefficient, c.c);
  EXPECT_DOUBLE_EQ(trace.bankExponent, c.n);
  const auto& r = run.result;
  EXPECT_EQ(r.innerMassFlow, c.mi);  // the total, not the flow per tube
  EXPECT_EQ(r.outerMassFlow, c.mo);
  // Inside surface of all N tubes, pi taken as 3.1415.
  EXPECT_NEAR(r.surfaceArea, c.N * c.Di * 3.1415 * c.L, 1e-12);
  // Tube Re with the flow of one tube; bank Re on the gap between two tubes of
  // a row, Sn - Do, over the tube length; both with the viscosities reported.
  EXPECT_NEAR(r.innerReynolds, 4 * (c.mi / c.N) / (M_PI * c.Di * r.innerViscosity),
              1e-9 * r.innerReynolds);
  EXPECT_NEAR(r.outerReynolds, c.mo * c.Do / ((c.Sn - c.Do) * c.L * r.outerViscosity),
              1e-9 * r.outerReynolds);
  EXPECT_GT(r.overallCoefficient, 0);
  EXPECT_LT(r.overallCoefficient,
            std::min(r.innerFilmCoefficient, r.outerFilmCoefficient * c.Do / c.Di));
  EXPECT_EQ(r.innerPressureDrop > 0, c.pressureDrops);
  EXPECT_EQ(r.outerPressureDrop > 0, c.pressureDrops);
  if (!c.iteration) {
    EXPECT_EQ(r.heatTransferRate, 0);
    return;
  }
  // The inner stream enters the balance with the flow of one tube.
  balance::ExpectHeatBalance(r, {c.Ti, c.mi / c.N, SpecificHeatOf(c.innerFluid, c.Ti)},
                             {c.To, c.mo, SpecificHeatOf(c.outerFluid, c.To)});
}

// c and n from the tables at the pitch ratios: in line Sp/d 1.5, Sn/d 2.0 ->
// 0.112, 0.702; staggered 1.25, 1.5 -> 0.561, 0.554; in line 1.75, 1.5 halfway
// between the rows 1.5 and 2.0 -> (0.278 + 0.332)/2, (0.620 + 0.602)/2.
// clang-format off
const Case kRealisticCases[] = {
    {"WaterCooledByAirInLineFull",
     kWater, kAir, kInLine, 0.016, 0.02, 10, 4, 40, 1, 1, 0.5, 80, 27, 0.03, 0.04, 385, 0, 0.112,
     0.702, 0.89, true, 4, true, false, 0.05, 0.06},
    {"AirHeatsWaterStaggeredIteration",
     kAir, kWater, kStaggered, 0.016, 0.02, 8, 12, 96, 2, 0.6, 3, 227, 20, 0.025, 0.03, 202, 1,
     0.561, 0.554, 1.0, true, 1, false, false, 0, 0},
    {"OilWarmedByWaterDropsOnly",
     kOil, kWater, kInLine, 0.02, 0.025, 6, 7, 42, 1.5, 2, 4, 40, 90, 0.04375, 0.0375, 43, 2, 0.305,
     0.611, 0.97, false, 1, true, true, 0.08, 0.08},
    {"WaterInAirBothMixedCommercial",
     kWater, kAir, kStaggered, 0.016, 0.02, 10, 2, 20, 1, 0.5, 0.8, 90, 27, 0.025, 0.03, 385, 0,
     0.561, 0.554, 0.80, true, 3, true, true, 0.04, 0.04},
    {"ColdMixedWaterInWarmAir",
     kWater, kAir, kInLine, 0.016, 0.02, 10, 5, 50, 1, 2, 1.2, 20, 127, 0.03, 0.04, 385, 0, 0.112,
     0.702, 0.92, true, 2, false, false, 0, 0},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Cases, CrossFlowRealistic, ::testing::ValuesIn(kRealisticCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- documented behaviours ------------------------------------------------------

TEST(CrossFlow, RowCorrectionOnlyForWholeRowsOneToNine) {
  struct Row {
    double np;
    bool staggered;
    double factor;
  };
  const Row rows[] = {{1, false, 0.68}, {4, false, 0.89}, {9, false, 0.99}, {1, true, 0.64},
                      {2, true, 0.80},  {9, true, 0.99},  {10, false, 1.0}, {3.5, false, 1.0},
                      {0, true, 1.0},   {-4, false, 1.0}};
  for (const Row& row : rows) {
    EXPECT_EQ(calvora::RowCorrectionFactor(row.np, row.staggered), row.factor) << row.np;
  }
}

TEST(CrossFlow, FourRowsInLineGiveEightyNinePercentOfTenRows) {
  auto ho = [](const char* rows) {
    CrossFlowInputs in = BaseInputs();
    in.rowsParallel = rows;
    RecordingMessages messages;
    return CrossFlowAnalysis(in, messages).result.outerFilmCoefficient;
  };
  const double deep = ho("10");
  EXPECT_EQ(ho("3.5"), deep);
  EXPECT_NEAR(ho("4"), 0.89 * deep, 1e-12 * deep);
}

TEST(CrossFlow, HeightBoxOnEveryRunThatReachesIt) {
  struct HeightCase {
    const char *Nn, *Sn, *Do, *Di;
    std::vector<Message> messages;
  };
  const HeightCase cases[] = {
      // Nn = 5, Sn = 0.03 m, Do = 0.02 m: H = 6 x 0.03 - 0.02 = 0.16 m.
      {"5", "0.03", "0.02", "0.016", {{MessageKind::Information, Height("0.16000")}}},
      // H = 2.390945 x 0.06 - 0.02 = 0.1234567: 4 significant digits, then 5 decimals.
      {"1.390945", "0.06", "0.02", "0.016", {{MessageKind::Information, Height("0.12350")}}},
      // A negative height (no rows) shows its size.
      {"-1", "0.03", "0.02", "0.016", {{MessageKind::Information, Height("0.02000")}}},
      // Di = Do: the diameter message, no results, and still the height box.
      {"5",
       "0.03",
       "0.02",
       "0.02",
       {{MessageKind::Error, std::string(calvora::kTubeDiameterMessage)},
        {MessageKind::Information, Height("0.16000")}}},
  };
  for (const HeightCase& c : cases) {
    CrossFlowInputs in = BaseInputs();
    in.rowsNormal = c.Nn;
    in.inLinePitchNormal = c.Sn;
    in.inLinePitchParallel = "0.03";
    in.tubeOutsideDiameter = c.Do;
    in.tubeInsideDiameter = c.Di;
    RecordingMessages messages;
    const DesignRun run = CrossFlowAnalysis(in, messages);
    EXPECT_EQ(messages.messages, c.messages) << c.Nn << " " << c.Sn;
    EXPECT_EQ(run.resultsFlag, c.messages.size() == 1);
  }
}

TEST(CrossFlow, HeightUsesThePlatformSeparator) {
  CrossFlowInputs in = BaseInputs();
  in.decimalSeparator = ',';
  for (std::string* text : {&in.tubeInsideDiameter, &in.tubeOutsideDiameter, &in.innerMassFlow,
                            &in.outerMassFlow, &in.inLinePitchParallel, &in.inLinePitchNormal}) {
    for (char& ch : *text) {
      if (ch == '.')
        ch = ',';
    }
  }
  RecordingMessages messages;
  const DesignRun run = CrossFlowAnalysis(in, messages);
  EXPECT_TRUE(run.resultsFlag);
  EXPECT_EQ(messages.messages,
            (std::vector<Message>{{MessageKind::Information, Height("0,42000")}}));
}

TEST(CrossFlow, RangeMessagesAllUseTheCommonWording) {
  struct RangeCase {
    int inner, outer;
    const char *Ti, *To;
    int expectedRangeMessages;
  };
  const RangeCase cases[] = {{kAir, kAir, "400", "27", 1},    {kAir, kAir, "27", "-74", 1},
                             {kWater, kAir, "301", "400", 2}, {kWater, kWater, "250", "0", 0},
                             {kOil, kOil, "20", "160", 0},    {kOil, kWater, "160.5", "20", 1},
                             {kOther, kAir, "5000", "377", 0}};
  for (const RangeCase& c : cases) {
    CrossFlowInputs in = BaseInputs();
    in.innerFluid = c.inner;
    in.outerFluid = c.outer;
    in.innerTemperature = c.Ti;
    in.outerTemperature = c.To;
    in.innerFluidData = {"2000", "0.05", "0.14", "870"};
    RecordingMessages messages;
    const DesignRun run = CrossFlowAnalysis(in, messages);
    std::vector<Message> expected(c.expectedRangeMessages, Message{MessageKind::Error, kRange});
    expected.push_back({MessageKind::Information, kBaseHeight});
    EXPECT_EQ(messages.messages, expected) << c.Ti << " " << c.To;
    EXPECT_EQ(run.resultsFlag, c.expectedRangeMessages == 0);
  }
}

TEST(CrossFlow, InnerFlowIsSharedAmongTheTubes) {
  CrossFlowInputs in = BaseInputs();
  RecordingMessages messages;
  const DesignRun run = CrossFlowAnalysis(in, messages);
  // Water at 80 C, 1 kg/s over 40 tubes of 16 mm, full-precision pi.
  const double expected = 4 * (1.0 / 40) / (3.14159265358979323846 * 0.016 * 0.000355);
  EXPECT_NEAR(run.result.innerReynolds, expected, 1e-12 * expected);
  EXPECT_EQ(run.result.innerMassFlow, 1);
  EXPECT_EQ(run.result.surfaceArea, 40 * 0.016 * 3.1415 * 1);
}

TEST(CrossFlow, UserDescribedOuterFluidOnePassAndBothDrops) {
  CrossFlowInputs in = BaseInputs();
  in.outerFluid = kOther;
  in.outerFluidData = {"1007", "2.0e-5", "0.028", "1.09"};
  in.iteration = true;
  in.mixing = 0;
  in.pressureDrops = true;
  RecordingMessages messages;
  CrossFlowTrace trace;
  const DesignRun run = CrossFlowAnalysis(in, messages, &trace);
  ASSERT_TRUE(run.resultsFlag);
  EXPECT_EQ(trace.thermalPasses, 1);
  EXPECT_GT(run.result.innerPressureDrop, 0);
  EXPECT_GT(run.result.outerPressureDrop, 0);
  EXPECT_DOUBLE_EQ(run.result.outerPrandtl, 1007 * 2.0e-5 / 0.028);
  EXPECT_EQ(run.result.outerInletTemperature, 27);
}

TEST(CrossFlow, WithoutIterationNoHeatDuty) {
  CrossFlowInputs in = BaseInputs();
  in.pressureDrops = true;
  in.mixing = -1;  // not read
  RecordingMessages messages;
  CrossFlowTrace trace;
  const DesignRun run = CrossFlowAnalysis(in, messages, &trace);
  ASSERT_TRUE(run.resultsFlag);
  EXPECT_EQ(run.result.heatTransferRate, 0);
  EXPECT_EQ(run.result.coldOutletTemperature, 0);
  EXPECT_EQ(trace.thermalPasses, 0);
  EXPECT_GT(run.result.innerPressureDrop, 0);
  EXPECT_EQ(run.result.innerInletTemperature, 80);
}

TEST(CrossFlow, IterationBoundEndsWithErrorAndNoResults) {
  CrossFlowInputs in = BaseInputs();
  in.iteration = true;
  in.mixing = 3;
  in.pressureDrops = true;
  RecordingMessages messages;
  CrossFlowTrace trace;
  const DesignRun settled = CrossFlowAnalysis(in, messages, &trace);
  const int needed = trace.thermalPasses - 1;
  ASSERT_GE(needed, 1);
  const DesignRun justEnough = CrossFlowAnalysis(in, messages, nullptr, needed);
  EXPECT_TRUE(justEnough.resultsFlag);
  EXPECT_EQ(justEnough.result.heatTransferRate, settled.result.heatTransferRate);
  EXPECT_EQ(justEnough.result.outerPressureDrop, settled.result.outerPressureDrop);

  messages.messages.clear();
  const DesignRun cut = CrossFlowAnalysis(in, messages, nullptr, needed - 1);
  EXPECT_FALSE(cut.resultsFlag);
  EXPECT_EQ(messages.messages,
            (std::vector<Message>{
                {MessageKind::Information, kBaseHeight},
                {MessageKind::Error, std::string(calvora::kIterationDidNotSettleMessage)}}));
}

TEST(CrossFlow, SingleMixedWithEqualRatesUsesTheirCommonRelation) {
  // With Cc = Ch both single-mixed relations are one function: a duty, no message.
  CrossFlowInputs in = BaseInputs();
  in.outerFluid = kOther;
  // Cc = mo cp = 0.5 x 209.82 equals Ch = 0.025 x 4196.4.
  in.outerFluidData = {"209.82", "2.0e-5", "0.028", "1.09"};
  in.iteration = true;
  in.mixing = 0;
  RecordingMessages messages;
  const DesignRun run = CrossFlowAnalysis(in, messages);
  EXPECT_EQ(messages.messages, (std::vector<Message>{{MessageKind::Information, kBaseHeight}}));
  EXPECT_GT(run.result.heatTransferRate, 0);
  EXPECT_LT(run.result.hotOutletTemperature, 80);
}

// ---- failures that end the run --------------------------------------------------

TEST(CrossFlow, ArrangementIsReadFirst) {
  CrossFlowInputs in = BaseInputs();
  in.arrangement = -1;
  in.tubeInsideDiameter = "";
  RecordingMessages messages;
  EXPECT_THROW(CrossFlowAnalysis(in, messages), calvora::SelectionError);
  // ...but after the material entry.
  in.material = 4;
  in.otherMaterialConductivity = "abc";
  EXPECT_THROW(CrossFlowAnalysis(in, messages), calvora::ConversionError);
  EXPECT_TRUE(messages.messages.empty());
}

TEST(CrossFlow, EntriesThatAreNotNumbers) {
  using Field = std::string CrossFlowInputs::*;
  struct FieldCase {
    Field field;
    std::vector<Message> before;  // messages shown before the run ends
  };
  const Message airRange{MessageKind::Error, kRange};
  const FieldCase fields[] = {
      {&CrossFlowInputs::tubeInsideDiameter, {}},
      {&CrossFlowInputs::tubeOutsideDiameter, {}},
      {&CrossFlowInputs::rowsNormal, {}},
      {&CrossFlowInputs::rowsParallel, {}},
      {&CrossFlowInputs::tubeCount, {}},
      {&CrossFlowInputs::length, {}},
      {&CrossFlowInputs::innerMassFlow, {}},
      {&CrossFlowInputs::outerMassFlow, {}},
      {&CrossFlowInputs::innerTemperature, {}},
      {&CrossFlowInputs::outerTemperature, {}},
      // The spacing entries are read after the range checks, before the height box.
      {&CrossFlowInputs::inLinePitchParallel, {airRange}},
      {&CrossFlowInputs::inLinePitchNormal, {airRange}},
      // The header pipes are read last, after the height box.
      {&CrossFlowInputs::inletPipeDiameter, {airRange, {MessageKind::Information, kBaseHeight}}},
      {&CrossFlowInputs::outletPipeDiameter, {airRange, {MessageKind::Information, kBaseHeight}}},
  };
  for (const FieldCase& f : fields) {
    CrossFlowInputs in = BaseInputs();
    in.innerFluid = kAir;
    in.innerTemperature = "400";
    in.pressureDrops = true;
    in.*f.field = "";
    RecordingMessages messages;
    EXPECT_THROW(CrossFlowAnalysis(in, messages), calvora::ConversionError);
    EXPECT_EQ(messages.messages, f.before);
  }
}

TEST(CrossFlow, ArithmeticFailures) {
  struct Failure {
    const char* name;
    void (*edit)(CrossFlowInputs&);
    bool heightShown;
  };
  const Failure failures[] = {
      // N = 0 fails at mt = mi/N, before the temperatures are read.
      {"NoTubes",
       [](CrossFlowInputs& in) {
         in.tubeCount = "0";
         in.innerTemperature = "abc";
       },
       false},
      // Sn = Do: outside the tables (c = 0) and the gap is zero.
      {"PitchEqualsDiameter", [](CrossFlowInputs& in) { in.inLinePitchNormal = "0.02"; }, true},
      // Pitches beyond the tables: c = 0, ho = 0.
      {"PitchOutsideTables", [](CrossFlowInputs& in) { in.inLinePitchParallel = "0.1"; }, true},
      {"ZeroLength", [](CrossFlowInputs& in) { in.length = "0"; }, true},
      {"ZeroOuterDiameter", [](CrossFlowInputs& in) { in.tubeOutsideDiameter = "0"; }, false},
      {"ZeroWallConductivity",
       [](CrossFlowInputs& in) {
         in.material = 4;
         in.otherMaterialConductivity = "0";
       },
       true},
      {"EqualInletsWithIteration",
       [](CrossFlowInputs& in) {
         in.iteration = true;
         in.outerTemperature = "80";
       },
       true},
      {"ZeroPipeDiameter",
       [](CrossFlowInputs& in) {
         in.pressureDrops = true;
         in.outletPipeDiameter = "0";
       },
       true},
  };
  for (const Failure& f : failures) {
    CrossFlowInputs in = BaseInputs();
    f.edit(in);
    RecordingMessages messages;
    EXPECT_THROW(CrossFlowAnalysis(in, messages), calvora::MathError) << f.name;
    bool height = false;
    for (const auto& m : messages.messages)
      height |= m.kind == MessageKind::Information;
    EXPECT_EQ(height, f.heightShown) << f.name;
  }
}

TEST(CrossFlow, StaggeredReadsItsOwnDialog) {
  CrossFlowInputs in = BaseInputs();
  in.arrangement = kStaggered;
  in.inLinePitchParallel = "";
  in.inLinePitchNormal = "";
  RecordingMessages messages;
  CrossFlowTrace trace;
  const DesignRun run = CrossFlowAnalysis(in, messages, &trace);
  EXPECT_TRUE(run.resultsFlag);
  // Sp/d = 1.25, Sn/d = 1.5 in the staggered tables.
  EXPECT_EQ(trace.bankCoefficient, 0.561);
  EXPECT_EQ(trace.bankExponent, 0.554);
  // (10 + 1) 0.03 - 0.02 = 0.31 m.
  EXPECT_EQ(messages.messages,
            (std::vector<Message>{{MessageKind::Information, Height("0.31000")}}));
}

}  // namespace
