#include "analyses/CompactAnalysis.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "ParamNames.h"
#include "analyses/AnalysisMessages.h"
#include "analyses/HeatBalance.h"
#include "common/Errors.h"
#include "properties/Correlations.h"

namespace calvora {
namespace {

using test_names::PrintTo;

constexpr int kAir = 0, kWater = 1, kOil = 2, kOther = 3;

std::string Text(double value) {
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.17g", value);
  return buffer;
}

// A water-in-tube coil of entry 6 (19.66 mm tubes, 37.2 mm circular fins) with
// air across the fins.
CompactInputs WaterCoil() {
  CompactInputs in;
  in.surface = 6;
  in.innerFluid = kWater;
  in.outerFluid = kAir;
  in.material = 0;  // copper
  in.tubeInsideDiameter = "0.0165";
  in.tubeCount = "20";
  in.rowsNormal = "10";
  in.rowsParallel = "2";
  in.length = "0.6";
  in.innerMassFlow = "0.5";
  in.outerMassFlow = "1.2";
  in.innerTemperature = "80";
  in.outerTemperature = "20";
  in.inletPipeDiameter = "0.05";
  in.outletPipeDiameter = "0.04";
  return in;
}

// ---- ordinary coils -----------------------------------------------------------------

struct RealisticCase {
  const char* name;
  CompactInputs inputs;
  const FluidTable* innerTable;
  const FluidTable* outerTable;
  double kw;
};

void PrintTo(const RealisticCase& c, std::ostream* os) {
  *os << c.name;
}

class CompactRealisticTest : public ::testing::TestWithParam<RealisticCase> {};

// Checked against definitions, balances and the textbook cross-flow
// effectiveness rather than a second copy of the correlations; the golden
// reports hold one whole run digit for digit.
TEST_P(CompactRealisticTest, KeepsDefinitionsAndBalances) {
  const RealisticCase& c = GetParam();
  const CompactInputs& in = c.inputs;
  RecordingMessages messages;
  CompactTrace trace;
  const DesignRun run = CompactAnalysis(in, messages, &trace);
  ASSERT_TRUE(run.resultsFlag);
  EXPECT_TRUE(messages.messages.empty());

  const double Di = std::stod(in.tubeInsideDiameter), Nt = std::stod(in.tubeCount);
  const double L = std::stod(in.length), mi = std::stod(in.innerMassFlow);
  const double mo = std::stod(in.outerMassFlow);
  const double Ti = std::stod(in.innerTemperature), To = std::stod(in.outerTemperature);
  const DesignResult& r = run.result;
  EXPECT_EQ(r.innerMassFlow, mi);
  EXPECT_EQ(r.outerMassFlow, mo);
  // Inside surface of all tubes.
  EXPECT_NEAR(r.surfaceArea, Nt * L * M_PI * Di, 1e-12);
  EXPECT_GT(r.overallCoefficient, 0);
  EXPECT_EQ(trace.innerHot, Ti >= To);
  EXPECT_EQ(r.innerPressureDrop > 0, in.pressureDrops);
  EXPECT_EQ(r.outerPressureDrop > 0, in.pressureDrops);
  if (!in.iteration)
    return;
  // Tube Re with the flow of one tube and the viscosity reported (without the
  // iteration the core pressure drop's own pass moves the properties shown).
  EXPECT_NEAR(r.innerReynolds, 4 * (mi / Nt) / (M_PI * Di * r.innerViscosity),
              1e-9 * r.innerReynolds);
  const balance::Balance b =
      balance::ExpectHeatBalance(r, {Ti, mi / Nt, balance::SpecificHeat(*c.innerTable, Ti)},
                                 {To, mo, balance::SpecificHeat(*c.outerTable, To)});
  // Both fluids unmixed: eps = 1 - exp((1/C) NTU^0.22 (exp(-C NTU^0.78) - 1)).
  const double ntu = r.overallCoefficient * r.surfaceArea / b.Cmin;
  const double C = b.Cmin / b.Cmax;
  EXPECT_NEAR(
      b.effectiveness,
      1 - std::exp((1 / C) * std::pow(ntu, 0.22) * (std::exp(-C * std::pow(ntu, 0.78)) - 1)), 1e-9);
}

RealisticCase HotWaterCoilWithIteration() {
  CompactInputs in = WaterCoil();
  in.iteration = true;
  in.pressureDrops = true;
  return {"HotWaterCoilWithIteration", in, &kSaturatedWaterTable, &kAirTable, 385};
}

// Warm air over a continuous-fin aluminium coil carrying cold water, rated
// with the core pressure drop's own pass instead of the page's iteration.
RealisticCase WarmAirOverColdWaterWithoutIteration() {
  CompactInputs in = WaterCoil();
  in.surface = 14;
  in.material = 1;  // aluminium
  in.tubeInsideDiameter = "0.0085";
  in.tubeCount = "40";
  in.rowsNormal = "20";
  in.rowsParallel = "2";
  in.length = "0.8";
  in.innerMassFlow = "0.8";
  in.outerMassFlow = "1.5";
  in.innerTemperature = "10";
  in.outerTemperature = "60";
  in.innerTubeType = 1;
  in.iteration = false;
  in.pressureDrops = true;
  return {"WarmAirOverColdWaterWithoutIteration", in, &kSaturatedWaterTable, &kAirTable, 202};
}

INSTANTIATE_TEST_SUITE_P(Cases, CompactRealisticTest,
                         ::testing::Values(HotWaterCoilWithIteration(),
                                           WarmAirOverColdWaterWithoutIteration()),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- checks and edge cases ----------------------------------------------

struct DiameterCase {
  const char* tubeInsideDiameter;
  bool accepted;
};

void PrintTo(const DiameterCase& c, std::ostream* os) {
  *os << "inside diameter " << c.tubeInsideDiameter;
}

class CompactDiameterTest : public ::testing::TestWithParam<DiameterCase> {};

TEST_P(CompactDiameterTest, InsideDiameterUpToTheTubeOutsideDiameter) {
  CompactInputs in = WaterCoil();
  in.surface = 0;  // Do = 0.00965 m
  in.tubeInsideDiameter = GetParam().tubeInsideDiameter;
  RecordingMessages messages;
  const DesignRun run = CompactAnalysis(in, messages);
  EXPECT_EQ(run.resultsFlag, GetParam().accepted);
  if (GetParam().accepted) {
    EXPECT_TRUE(messages.messages.empty());
  } else {
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0],
              (Message{MessageKind::Error, std::string(kCompactDiameterMessage)}));
  }
}

INSTANTIATE_TEST_SUITE_P(Diameters, CompactDiameterTest,
                         ::testing::Values(DiameterCase{"0.00965", true},
                                           DiameterCase{"0.0096", true},
                                           DiameterCase{"0.00975", false}),
                         [](const auto& info) {
                           const auto& c = info.param;
                           return test_names::Words(info.index, "inside diameter",
                                                    c.tubeInsideDiameter,
                                                    c.accepted ? "accepted" : "refused");
                         });

TEST(CompactAnalysis, DiameterAndTemperatureMessagesInStepOrder) {
  CompactInputs in = WaterCoil();
  in.surface = 0;
  in.tubeInsideDiameter = "0.01";
  in.innerTemperature = "310";  // above the water table
  in.outerTemperature = "-80";  // below the air table
  in.iteration = true;
  in.pressureDrops = true;
  RecordingMessages messages;
  const DesignRun run = CompactAnalysis(in, messages);
  EXPECT_FALSE(run.resultsFlag);
  const std::string range(kTemperatureOutOfRangeMessage);
  ASSERT_GE(messages.messages.size(), 3u);
  EXPECT_EQ(messages.messages[0].text, kCompactDiameterMessage);
  EXPECT_EQ(messages.messages[1], (Message{MessageKind::Error, range}));
  EXPECT_EQ(messages.messages[2], (Message{MessageKind::Error, range}));
  EXPECT_TRUE(std::isfinite(run.result.overallCoefficient));
}

TEST(CompactAnalysis, EqualInletsMakeTheInnerFluidHot) {
  // A user-described outer fluid: the single thermal pass is final.
  CompactInputs in = WaterCoil();
  in.outerFluid = kOther;
  in.outerFluidData = {"1007", "1.85e-5", "0.026", "1.2"};
  in.innerTemperature = "40";
  in.outerTemperature = "40";
  in.iteration = true;
  RecordingMessages messages;
  CompactTrace trace;
  const DesignRun run = CompactAnalysis(in, messages, &trace);
  EXPECT_TRUE(trace.innerHot);
  // No temperature difference, no heat: the exit temperatures equal the inlets.
  ASSERT_TRUE(run.resultsFlag);
  EXPECT_EQ(run.result.heatTransferRate, 0);
  EXPECT_EQ(run.result.hotOutletTemperature, 40);
  EXPECT_EQ(run.result.coldOutletTemperature, 40);
  EXPECT_TRUE(messages.messages.empty());
}

// Two table fluids at equal inlets: the first relative change of the iteration
// (the page's, or the core pressure drop's own) is 0/0.
TEST(CompactAnalysis, EqualInletsOfTwoTableFluidsFailInTheIteration) {
  CompactInputs in = WaterCoil();
  in.innerTemperature = "40";
  in.outerTemperature = "40";
  for (const bool iterate : {true, false}) {
    in.iteration = iterate;
    in.pressureDrops = !iterate;
    RecordingMessages messages;
    EXPECT_THROW(CompactAnalysis(in, messages), MathError) << iterate;
    EXPECT_TRUE(messages.messages.empty());
  }
}

TEST(CompactAnalysis, WithoutIterationTheCorePressureDropIteratesOnItsOwn) {
  CompactInputs plain = WaterCoil();
  RecordingMessages messages;
  CompactTrace plainTrace;
  const DesignRun without = CompactAnalysis(plain, messages, &plainTrace);
  EXPECT_EQ(plainTrace.thermalPasses, 0);
  EXPECT_EQ(plainTrace.corePasses, 0);

  CompactInputs in = plain;
  in.pressureDrops = true;
  CompactTrace trace;
  const DesignRun run = CompactAnalysis(in, messages, &trace);
  ASSERT_TRUE(run.resultsFlag);
  EXPECT_TRUE(messages.messages.empty());
  EXPECT_EQ(trace.thermalPasses, 0);
  EXPECT_GT(trace.corePasses, 1);
  // Restored after the core's own iteration: the page's temperatures,
  // Reynolds numbers, film coefficients and U.
  const DesignResult& a = without.result;
  const DesignResult& b = run.result;
  EXPECT_EQ(b.innerInletTemperature, 80);
  EXPECT_EQ(b.outerInletTemperature, 20);
  EXPECT_EQ(b.innerReynolds, a.innerReynolds);
  EXPECT_EQ(b.outerReynolds, a.outerReynolds);
  EXPECT_EQ(b.innerFilmCoefficient, a.innerFilmCoefficient);
  EXPECT_EQ(b.outerFilmCoefficient, a.outerFilmCoefficient);
  EXPECT_EQ(b.overallCoefficient, a.overallCoefficient);
  EXPECT_EQ(b.surfaceArea, a.surfaceArea);
  // The fluid properties keep the values of the core's last pass.
  EXPECT_NE(b.innerViscosity, a.innerViscosity);
}

// Hot water in the tubes, cool air across the fins, rated with pressure drops
// and without the page's iteration: the core's own pass takes the water as the
// hot stream and settles.
TEST(CompactAnalysis, HotWaterCoilWithoutIterationSettles) {
  CompactInputs in = WaterCoil();
  in.innerTemperature = "90";
  in.outerTemperature = "15";
  in.pressureDrops = true;
  RecordingMessages messages;
  CompactTrace trace;
  const DesignRun run = CompactAnalysis(in, messages, &trace);
  ASSERT_TRUE(run.resultsFlag);
  EXPECT_TRUE(messages.messages.empty());
  EXPECT_TRUE(trace.innerHot);
  EXPECT_LT(trace.corePasses, 20);
  // The water leaves cooler than it came, but warmer than the air.
  EXPECT_LT(trace.coreHotOutlet, 90);
  EXPECT_GT(trace.coreHotOutlet, 15);
  EXPECT_GT(run.result.outerPressureDrop, 0);
}

struct OnePassCase {
  int inner;
  int outer;
};

void PrintTo(const OnePassCase& c, std::ostream* os) {
  *os << "inner " << c.inner << ", outer " << c.outer;
}

class CompactUserFluidTest : public ::testing::TestWithParam<OnePassCase> {};

TEST_P(CompactUserFluidTest, AUserDescribedFluidMakesOnePass) {
  CompactInputs in = WaterCoil();
  in.innerFluid = GetParam().inner;
  in.outerFluid = GetParam().outer;
  // Water-like and air-like typed properties.
  in.innerFluidData = {"4190", "0.00035", "0.67", "975"};
  in.outerFluidData = {"1007", "1.85e-5", "0.026", "1.2"};
  in.iteration = true;
  RecordingMessages messages;
  CompactTrace trace;
  const DesignRun run = CompactAnalysis(in, messages, &trace);
  EXPECT_TRUE(run.resultsFlag);
  EXPECT_EQ(trace.thermalPasses, 1);
  // The property temperatures are not weighted: the inlets stay as typed.
  EXPECT_EQ(run.result.innerInletTemperature, 80);
  EXPECT_EQ(run.result.outerInletTemperature, 20);
  if (GetParam().inner == kOther) {
    EXPECT_DOUBLE_EQ(run.result.innerPrandtl, 4190 * 0.00035 / 0.67);
  }
}

INSTANTIATE_TEST_SUITE_P(Sides, CompactUserFluidTest,
                         ::testing::Values(OnePassCase{kOther, kAir}, OnePassCase{kWater, kOther},
                                           OnePassCase{kOther, kOther}),
                         [](const auto& info) {
                           const auto& c = info.param;
                           return test_names::Words(info.index, "inner", c.inner, "outer", c.outer);
                         });

// Outer air temperature and mass flow (as texts) that give exactly `reynolds`
// on the surface of `in`, found by stepping the flow one double at a time
// around the estimate, for a few temperatures (a product G Dh cannot reach
// every double, so one viscosity may never land on the limit).
std::optional<std::pair<std::string, std::string>> FlowForReynolds(const CompactInputs& in,
                                                                   double reynolds) {
  const TubeFinSurface& s = kCompactSurfaces[in.surface];
  const double rows = std::stod(in.rowsNormal);
  const double length = std::stod(in.length);
  for (int tenths = 200; tenths < 300; ++tenths) {
    const std::string temperature = std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
    FluidProperties air;
    AirProperties(std::stod(temperature), air);
    auto reynoldsOf = [&](double flow) {
      return CompactMassVelocity(s.hydraulicDiameter, length, s.verticalSpacing, rows, s.sigma,
                                 flow, air.viscosity)
          .reynolds;
    };
    double flow = reynolds / reynoldsOf(1.0);
    for (int k = 0; k < 16; ++k)
      flow = std::nextafter(flow, 0.0);
    for (int k = 0; k < 32; ++k, flow = std::nextafter(flow, 1e9)) {
      if (reynoldsOf(flow) == reynolds)
        return std::make_pair(temperature, Text(flow));
    }
  }
  return std::nullopt;
}

struct ReynoldsCase {
  double reynolds;  // target outer Reynolds number
  double nudge;     // relative change of the flow
  const char* message;
};

void PrintTo(const ReynoldsCase& c, std::ostream* os) {
  *os << "Re " << c.reynolds << " nudged " << c.nudge;
}

class CompactReynoldsTest : public ::testing::TestWithParam<ReynoldsCase> {};

TEST_P(CompactReynoldsTest, WarnsOnlyOutsideTheSurfaceRange) {
  CompactInputs in = WaterCoil();
  in.surface = 0;  // valid from 600 to 10000
  in.tubeInsideDiameter = "0.008";
  const auto exact = FlowForReynolds(in, GetParam().reynolds);
  ASSERT_TRUE(exact.has_value()) << "no flow lands exactly on the limit";
  in.outerTemperature = exact->first;
  const double flow = std::stod(exact->second);
  in.outerMassFlow = GetParam().nudge == 0 ? exact->second : Text(flow * (1 + GetParam().nudge));
  RecordingMessages messages;
  const DesignRun run = CompactAnalysis(in, messages);
  EXPECT_TRUE(run.resultsFlag);
  if (GetParam().nudge == 0) {
    EXPECT_EQ(run.result.outerReynolds, GetParam().reynolds);
  }
  if (GetParam().message == nullptr) {
    EXPECT_TRUE(messages.messages.empty());
  } else {
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0], (Message{MessageKind::Warning, GetParam().message}));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Limits, CompactReynoldsTest,
    ::testing::Values(ReynoldsCase{10000, 0, nullptr}, ReynoldsCase{600, 0, nullptr},
                      ReynoldsCase{10000, 1e-9, kCompactReynoldsHighMessage.data()},
                      ReynoldsCase{600, -1e-9, kCompactReynoldsLowMessage.data()}),
    [](const auto& info) {
      const auto& c = info.param;
      return test_names::Words(info.index, "Re", c.reynolds, c.nudge < 0 ? "below" : "above");
    });

TEST(CompactAnalysis, OuterPropertiesShownAreThoseAtTheHotExit) {
  CompactInputs in = WaterCoil();  // the water is the hot stream
  in.iteration = true;
  in.pressureDrops = true;
  RecordingMessages messages;
  CompactTrace trace;
  const DesignRun run = CompactAnalysis(in, messages, &trace);
  ASSERT_TRUE(run.resultsFlag);
  EXPECT_TRUE(trace.innerHot);
  EXPECT_EQ(trace.coreHotOutlet, run.result.hotOutletTemperature);
  FluidProperties air;
  ASSERT_TRUE(AirProperties(trace.coreHotOutlet, air));
  EXPECT_EQ(run.result.outerViscosity, air.viscosity);
  EXPECT_EQ(run.result.outerConductivity, air.conductivity);
  EXPECT_EQ(run.result.outerPrandtl, air.prandtl);
  EXPECT_EQ(trace.outletDensity, air.density);
  // The density shown stays the one of the last evaluation, the core's inlet state.
  EXPECT_EQ(run.result.outerDensity, trace.inletDensity);
  EXPECT_NE(run.result.outerDensity, air.density);
}

struct BoundCase {
  const char* name;
  bool iteration;  // the page's iteration, or the core pressure drop's own
};

class CompactBoundTest : public ::testing::TestWithParam<BoundCase> {};

// A run that settles within the bound gives the unbounded result; one pass
// fewer ends with the error and no results.
TEST_P(CompactBoundTest, ReachingTheBoundShowsAnErrorAndNoResults) {
  CompactInputs in = WaterCoil();
  in.iteration = GetParam().iteration;
  in.pressureDrops = true;
  RecordingMessages messages;
  CompactTrace trace;
  const DesignRun settled = CompactAnalysis(in, messages, &trace);
  const int needed = (in.iteration ? trace.thermalPasses : trace.corePasses) - 1;
  ASSERT_GT(needed, 1);
  const DesignRun justEnough = CompactAnalysis(in, messages, nullptr, needed);
  EXPECT_TRUE(justEnough.resultsFlag);
  EXPECT_EQ(justEnough.result.outerPressureDrop, settled.result.outerPressureDrop);
  EXPECT_EQ(justEnough.result.heatTransferRate, settled.result.heatTransferRate);
  EXPECT_TRUE(messages.messages.empty());

  const DesignRun cut = CompactAnalysis(in, messages, nullptr, needed - 1);
  EXPECT_FALSE(cut.resultsFlag);
  EXPECT_EQ(
      messages.messages,
      (std::vector<Message>{{MessageKind::Error, std::string(kIterationDidNotSettleMessage)}}));
}

INSTANTIATE_TEST_SUITE_P(Iterations, CompactBoundTest,
                         ::testing::Values(BoundCase{"PageIteration", true},
                                           BoundCase{"CorePressureDrop", false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CompactAnalysis, EmptySurfaceWarnsAndStops) {
  CompactInputs in;  // every entry empty: nothing is read after the surface
  in.surface = kEmptySurfaceIndex;
  RecordingMessages messages;
  const DesignRun run = CompactAnalysis(in, messages);
  EXPECT_FALSE(run.resultsFlag);
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0],
            (Message{MessageKind::Warning, std::string(kCompactNoSurfaceMessage)}));
}

TEST(CompactAnalysis, FailuresEndTheRun) {
  RecordingMessages messages;
  CompactInputs in = WaterCoil();
  in.length = "";
  EXPECT_THROW(CompactAnalysis(in, messages), ConversionError);

  in = WaterCoil();
  in.material = 4;  // other material with a letter in its entry
  in.otherMaterialConductivity = "abc";
  EXPECT_THROW(CompactAnalysis(in, messages), ConversionError);

  in = WaterCoil();
  in.pressureDrops = true;
  in.outletPipeDiameter = "x";
  EXPECT_THROW(CompactAnalysis(in, messages), ConversionError);

  in = WaterCoil();
  in.tubeCount = "0";
  EXPECT_THROW(CompactAnalysis(in, messages), MathError);

  // An arithmetic failure ends the run at its step: an entry read after it
  // that is not a number is never reached.
  in = WaterCoil();
  in.tubeCount = "0";
  in.innerTemperature = "";
  EXPECT_THROW(CompactAnalysis(in, messages), MathError);

  in = WaterCoil();
  in.material = 4;
  in.otherMaterialConductivity = "0";
  EXPECT_THROW(CompactAnalysis(in, messages), MathError);
  in.pressureDrops = true;
  in.inletPipeDiameter = "x";
  EXPECT_THROW(CompactAnalysis(in, messages), MathError);

  in = WaterCoil();
  in.innerFluid = kOther;
  in.innerFluidData = {"4190", "0.00035", "0.67", "975"};
  in.innerMassFlow = "0";  // Cmin = 0 in the single thermal pass
  in.iteration = true;
  in.pressureDrops = true;
  in.inletPipeDiameter = "x";
  EXPECT_THROW(CompactAnalysis(in, messages), MathError);

  in = WaterCoil();
  in.pressureDrops = true;
  in.inletPipeDiameter = "0";
  EXPECT_THROW(CompactAnalysis(in, messages), MathError);

  in = WaterCoil();
  in.outerFluid = -1;
  EXPECT_THROW(CompactAnalysis(in, messages), SelectionError);
  EXPECT_TRUE(messages.messages.empty());
}

}  // namespace
}  // namespace calvora
