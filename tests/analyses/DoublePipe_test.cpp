#include "analyses/DoublePipe.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>
#include <vector>

#include "analyses/AnalysisMessages.h"
#include "analyses/TubeAnalysisReference.h"
#include "common/Errors.h"
#include "properties/FluidTables.h"

namespace {

using calvora::DesignRun;
using calvora::DoublePipeAnalysis;
using calvora::DoublePipeInputs;
using calvora::DoublePipeTrace;
using calvora::Message;
using calvora::MessageKind;
using calvora::RecordingMessages;

constexpr int kAir = 0, kWater = 1, kOil = 2, kOther = 3;

std::string Text(double v) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.17g", v);
  return buffer;
}

// A plain copper double pipe: 20/25 mm inner tube in a 40/45 mm outer tube, 5 m long.
DoublePipeInputs BaseInputs() {
  DoublePipeInputs in;
  in.innerFluid = kWater;
  in.outerFluid = kOil;
  in.innerTubeInsideDiameter = "0.02";
  in.innerTubeOutsideDiameter = "0.025";
  in.outerTubeInsideDiameter = "0.04";
  in.outerTubeOutsideDiameter = "0.045";
  in.length = "5";
  in.innerMassFlow = "0.2";
  in.outerMassFlow = "0.3";
  in.innerTemperature = "80";
  in.outerTemperature = "40";
  in.inletPipeDiameter = "0.03";
  in.outletPipeDiameter = "0.035";
  return in;
}

const calvora::FluidTable& TableOf(int fluid) {
  return fluid == kAir     ? calvora::kAirTable
         : fluid == kWater ? calvora::kSaturatedWaterTable
                           : calvora::kEngineOilTable;
}

constexpr double kCopper = 385, kAluminium = 202, kCarbonSteel = 43;

// ---- the recomputation --------------------------------------------------------

struct Expected {
  double Rei = 0, Reo = 0, hi = 0, ho = 0, U = 0, A = 0;
  double Q = 0, Tc2 = 0, Th2 = 0, dPi = 0, dPo = 0, Ti = 0, To = 0;
  reference::Props inner, outer;
  int passes = 0;
};

struct Case {
  const char* name;
  int innerFluid, outerFluid;
  double D1, D2, D3, L, mi, mo, Ti, To, kw;
  int material;
  bool iteration;
  int flow;  // 0 parallel, 1 counter
  bool pressureDrops;
  bool innerCommercial, outerCommercial;
  double din, dout;
};

void PrintTo(const Case& c, std::ostream* os) {
  *os << c.name;
}

Expected Recompute(const Case& c) {
  Expected e;
  e.inner = reference::Interpolate(TableOf(c.innerFluid), c.Ti, {});
  e.outer = reference::Interpolate(TableOf(c.outerFluid), c.To, {});
  e.A = 3.1415 * c.L * c.D1;
  auto coefficients = [&] {
    e.Rei = 4 * c.mi / (3.1415 * c.D1 * e.inner.mu);
    e.Reo = 4 * c.mo / ((c.D3 - c.D2) * 3.1415 * e.outer.mu);
    e.hi = reference::TubeNu(e.Rei, e.inner.pr) * e.inner.k / c.D1;
    e.ho = reference::AnnulusNu(e.Reo, e.outer.pr, c.D2, c.D3) * e.outer.k / (c.D3 - c.D2);
    e.U =
        1 / (e.A * std::log(c.D2 / c.D1) / (6.283 * c.kw * c.L) + c.D1 / (c.D2 * e.ho) + 1 / e.hi);
  };
  coefficients();
  e.Ti = c.Ti;
  e.To = c.To;
  if (c.iteration) {
    const bool innerHot = c.Ti >= c.To;
    const double Th1 = innerHot ? c.Ti : c.To, Tc1 = innerHot ? c.To : c.Ti;
    const double mh = innerHot ? c.mi : c.mo, mc = innerHot ? c.mo : c.mi;
    const double ch = innerHot ? e.inner.cp : e.outer.cp, cc = innerHot ? e.outer.cp : e.inner.cp;
    auto pass = [&] {
      return reference::ThermalPass(c.flow + 1, 0, e.A, e.U, Th1, Tc1, mh, ch, mc, cc);
    };
    reference::Thermal t = pass();
    e.passes = 1;
    reference::Weight(e.Ti, e.To, Tc1, t.Tc2, Th1, t.Th2);
    for (;;) {
      const reference::Thermal before = t;
      e.inner = reference::Interpolate(TableOf(c.innerFluid), e.Ti, e.inner);
      e.outer = reference::Interpolate(TableOf(c.outerFluid), e.To, e.outer);
      coefficients();
      t = pass();
      ++e.passes;
      reference::Weight(e.Ti, e.To, Tc1, t.Tc2, Th1, t.Th2);
      const double eh = std::fabs((t.Th2 - before.Th2) / (Th1 - before.Tc2));
      const double ec = std::fabs((t.Tc2 - before.Tc2) / (Tc1 - before.Tc2));
      if (eh < 0.001 && ec < 0.001)
        break;
    }
    e.Q = t.Q;
    e.Tc2 = t.Tc2;
    e.Th2 = t.Th2;
  }
  if (c.pressureDrops) {
    const double fi = reference::Friction(e.Rei, c.innerCommercial);
    e.dPi =
        (4 * fi * c.L / c.D1 + 1.5) * std::pow(c.mi / (3.1416 * c.D1 * c.D1), 2) * 8 / e.inner.rho;
    const double fo = reference::Friction(e.Reo, c.outerCommercial);
    const double annulusArea = c.D3 * c.D3 - c.D2 * c.D2;
    e.dPo = (1.5 / std::pow(c.din, 4) + 1.5 / std::pow(c.dout, 4) +
             4 / (annulusArea * annulusArea) + 4 * fo * c.L / std::pow(c.D3 - c.D2, 5)) *
            std::pow(c.mo / 3.1416, 2) * 8 / e.outer.rho;
  }
  return e;
}

DoublePipeInputs InputsOf(const Case& c) {
  DoublePipeInputs in;
  in.innerFluid = c.innerFluid;
  in.outerFluid = c.outerFluid;
  in.material = c.material;
  in.innerTubeInsideDiameter = Text(c.D1);
  in.innerTubeOutsideDiameter = Text(c.D2);
  in.outerTubeInsideDiameter = Text(c.D3);
  in.outerTubeOutsideDiameter = Text(c.D3 + 0.005);
  in.length = Text(c.L);
  in.innerMassFlow = Text(c.mi);
  in.outerMassFlow = Text(c.mo);
  in.innerTemperature = Text(c.Ti);
  in.outerTemperature = Text(c.To);
  in.iteration = c.iteration;
  in.flowCondition = c.iteration ? c.flow : -1;
  in.pressureDrops = c.pressureDrops;
  in.innerTubeType = c.innerCommercial ? 1 : 0;
  in.outerTubeType = c.outerCommercial ? 1 : 0;
  in.inletPipeDiameter = Text(c.din);
  in.outletPipeDiameter = Text(c.dout);
  return in;
}

class DoublePipeRealistic : public ::testing::TestWithParam<Case> {};

void ExpectNear(double actual, double expected, const char* what) {
  EXPECT_NEAR(actual, expected, 1e-9 * std::fabs(expected) + 1e-12) << what;
}

TEST_P(DoublePipeRealistic, AgreesWithHandRecomputation) {
  const Case& c = GetParam();
  RecordingMessages messages;
  DoublePipeTrace trace;
  const DesignRun run = DoublePipeAnalysis(InputsOf(c), messages, &trace);
  const Expected e = Recompute(c);
  ASSERT_TRUE(run.resultsFlag);
  EXPECT_TRUE(messages.messages.empty());
  const auto& r = run.result;
  EXPECT_EQ(r.innerMassFlow, c.mi);
  EXPECT_EQ(r.outerMassFlow, c.mo);
  ExpectNear(r.surfaceArea, e.A, "A");
  ExpectNear(r.innerReynolds, e.Rei, "Rei");
  ExpectNear(r.outerReynolds, e.Reo, "Reo");
  ExpectNear(r.innerFilmCoefficient, e.hi, "hi");
  ExpectNear(r.outerFilmCoefficient, e.ho, "ho");
  ExpectNear(r.overallCoefficient, e.U, "U");
  ExpectNear(r.heatTransferRate, e.Q, "Q");
  ExpectNear(r.coldOutletTemperature, e.Tc2, "Tc2");
  ExpectNear(r.hotOutletTemperature, e.Th2, "Th2");
  ExpectNear(r.innerPressureDrop, e.dPi, "dPi");
  ExpectNear(r.outerPressureDrop, e.dPo, "dPo");
  ExpectNear(r.innerPropertyTemperature, e.Ti, "final Ti");
  ExpectNear(r.outerPropertyTemperature, e.To, "final To");
  ExpectNear(r.innerDensity, e.inner.rho, "inner rho");
  ExpectNear(r.outerViscosity, e.outer.mu, "outer mu");
  ExpectNear(r.innerPrandtl, e.inner.pr, "inner Pr");
  ExpectNear(r.outerConductivity, e.outer.k, "outer k");
  EXPECT_EQ(trace.thermalPasses, e.passes);

  if (c.iteration) {
    // Physical sanity: both exits between the inlets, heat given = heat taken.
    const double lo = std::min(c.Ti, c.To), hi = std::max(c.Ti, c.To);
    EXPECT_GT(r.coldOutletTemperature, lo);
    EXPECT_LT(r.hotOutletTemperature, hi);
    EXPECT_LE(r.coldOutletTemperature, hi);
    EXPECT_GE(r.hotOutletTemperature, lo);
    EXPECT_GT(r.heatTransferRate, 0);
    // Both streams' balances with the specific heats of the inlet temperatures.
    const auto inletInner = reference::Interpolate(TableOf(c.innerFluid), c.Ti, {});
    const auto inletOuter = reference::Interpolate(TableOf(c.outerFluid), c.To, {});
    const double innerHeat =
        c.mi * inletInner.cp *
        std::fabs(c.Ti - (c.Ti >= c.To ? r.hotOutletTemperature : r.coldOutletTemperature));
    const double outerHeat =
        c.mo * inletOuter.cp *
        std::fabs(c.To - (c.Ti >= c.To ? r.coldOutletTemperature : r.hotOutletTemperature));
    EXPECT_NEAR(innerHeat, r.heatTransferRate, 1e-9 * r.heatTransferRate);
    EXPECT_NEAR(outerHeat, r.heatTransferRate, 1e-9 * r.heatTransferRate);
  }
}

// Inlet temperatures, flows and diameters of ordinary exchangers: hot water
// heating oil, hot air heating water, water cooling water, oil cooled by water.
INSTANTIATE_TEST_SUITE_P(Cases, DoublePipeRealistic,
                         ::testing::Values(Case{"WaterHeatsOilCounterWithDrops",
                                                kWater,
                                                kOil,
                                                0.02,
                                                0.025,
                                                0.04,
                                                5,
                                                0.2,
                                                0.3,
                                                80,
                                                40,
                                                kCopper,
                                                0,
                                                true,
                                                1,
                                                true,
                                                false,
                                                false,
                                                0.03,
                                                0.035},
                                           Case{"AirHeatsWaterParallel",
                                                kAir,
                                                kWater,
                                                0.05,
                                                0.055,
                                                0.08,
                                                4,
                                                0.05,
                                                0.5,
                                                227,
                                                20,
                                                kAluminium,
                                                1,
                                                true,
                                                0,
                                                false,
                                                false,
                                                false,
                                                0,
                                                0},
                                           Case{"ColdWaterInHotWaterCounterCommercial",
                                                kWater,
                                                kWater,
                                                0.025,
                                                0.03,
                                                0.05,
                                                6,
                                                0.4,
                                                0.6,
                                                30,
                                                90,
                                                kCarbonSteel,
                                                2,
                                                true,
                                                1,
                                                true,
                                                true,
                                                true,
                                                0.04,
                                                0.04},
                                           Case{"WaterOilNoIterationWithDrops",
                                                kWater,
                                                kOil,
                                                0.02,
                                                0.025,
                                                0.04,
                                                5,
                                                0.2,
                                                0.3,
                                                80,
                                                40,
                                                kCopper,
                                                0,
                                                false,
                                                0,
                                                true,
                                                false,
                                                true,
                                                0.03,
                                                0.035},
                                           // Settles one pass later than it would if the hot change
                                           // were measured against the hot stream's own span.
                                           Case{"WaterCooledByAirCounterWithDrops",
                                                kWater,
                                                kAir,
                                                0.02,
                                                0.025,
                                                0.04,
                                                5,
                                                0.2,
                                                0.3,
                                                90,
                                                27,
                                                kCopper,
                                                0,
                                                true,
                                                1,
                                                true,
                                                false,
                                                false,
                                                0.03,
                                                0.035},
                                           Case{"OilCooledByWaterIterationOnly",
                                                kOil,
                                                kWater,
                                                0.03,
                                                0.035,
                                                0.06,
                                                8,
                                                0.5,
                                                0.8,
                                                140,
                                                25,
                                                kCopper,
                                                0,
                                                true,
                                                1,
                                                false,
                                                false,
                                                false,
                                                0,
                                                0}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- range checks ---------------------------------------------------------------

struct RangeCase {
  const char* name;
  int innerFluid, outerFluid;
  const char* Ti;
  const char* To;
  std::vector<std::string> messages;
};

class DoublePipeRanges : public ::testing::TestWithParam<RangeCase> {};

TEST_P(DoublePipeRanges, MessagesAndFlag) {
  const RangeCase& c = GetParam();
  DoublePipeInputs in = BaseInputs();
  in.innerFluid = c.innerFluid;
  in.outerFluid = c.outerFluid;
  in.innerTemperature = c.Ti;
  in.outerTemperature = c.To;
  in.iteration = true;
  in.flowCondition = 1;
  in.pressureDrops = true;
  RecordingMessages messages;
  const DesignRun run = DoublePipeAnalysis(in, messages);
  std::vector<Message> expected;
  for (const auto& text : c.messages)
    expected.push_back({MessageKind::Error, text});
  EXPECT_EQ(messages.messages, expected);
  EXPECT_EQ(run.resultsFlag, c.messages.empty());
}

const std::string kInnerRange(calvora::kInnerTemperatureOutOfRangeMessage);
const std::string kRange(calvora::kTemperatureOutOfRangeMessage);

INSTANTIATE_TEST_SUITE_P(
    Cases, DoublePipeRanges,
    ::testing::Values(
        RangeCase{"InnerAir400OwnWording", kAir, kWater, "400", "20", {kInnerRange}},
        RangeCase{"OuterAir400CommonWording", kWater, kAir, "20", "400", {kRange}},
        RangeCase{"BothAirOutOfRange", kAir, kAir, "-80", "400", {kInnerRange, kRange}},
        RangeCase{"AirEndsAccepted", kAir, kAir, "-73", "377", {}},
        RangeCase{"Water250Accepted", kWater, kWater, "250", "20", {}},
        RangeCase{"Water301Rejected", kWater, kWater, "301", "20", {kRange}},
        RangeCase{"WaterBelowZeroRejectedOuter", kWater, kWater, "20", "-0.5", {kRange}},
        RangeCase{"OilEndsAccepted", kOil, kOil, "20", "160", {}},
        RangeCase{"OilJustOutside", kOil, kOil, "19.99", "160.01", {kRange, kRange}}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- diameter checks ------------------------------------------------------------

struct DiameterCase {
  const char* name;
  const char *D1, *D2, *D3, *D4;
  std::vector<std::string> messages;
  bool arithmeticFailure;
};

class DoublePipeDiameters : public ::testing::TestWithParam<DiameterCase> {};

TEST_P(DoublePipeDiameters, MessagesInOrder) {
  const DiameterCase& c = GetParam();
  DoublePipeInputs in = BaseInputs();
  in.innerTubeInsideDiameter = c.D1;
  in.innerTubeOutsideDiameter = c.D2;
  in.outerTubeInsideDiameter = c.D3;
  in.outerTubeOutsideDiameter = c.D4;
  RecordingMessages messages;
  DesignRun run;
  if (c.arithmeticFailure) {
    EXPECT_THROW(DoublePipeAnalysis(in, messages), calvora::MathError);
  } else {
    run = DoublePipeAnalysis(in, messages);
    EXPECT_EQ(run.resultsFlag, c.messages.empty());
  }
  std::vector<Message> expected;
  for (const auto& text : c.messages)
    expected.push_back({MessageKind::Error, text});
  EXPECT_EQ(messages.messages, expected);
}

const std::string kOuter(calvora::kOuterDiametersMessage);
const std::string kAnnulus(calvora::kAnnulusDiameterMessage);

INSTANTIATE_TEST_SUITE_P(
    Cases, DoublePipeDiameters,
    ::testing::Values(
        DiameterCase{"Sound", "0.02", "0.025", "0.04", "0.045", {}, false},
        DiameterCase{"InnerWallZero", "0.025", "0.025", "0.04", "0.045", {kOuter}, false},
        DiameterCase{"OuterWallZeroToo", "0.025", "0.025", "0.04", "0.04", {kOuter}, false},
        DiameterCase{"OuterWallOnly", "0.02", "0.025", "0.04", "0.039", {kOuter}, false},
        DiameterCase{"AlsoNoAnnulus", "0.02", "0.02", "0.018", "0.045", {kOuter, kAnnulus}, false},
        DiameterCase{"AnnulusOnly", "0.02", "0.025", "0.024", "0.045", {kAnnulus}, false},
        // D3 = D2: the message, then the annulus Reynolds number divides by zero.
        DiameterCase{"ClosedAnnulusFails", "0.02", "0.025", "0.025", "0.045", {kAnnulus}, true}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- documented behaviours ------------------------------------------------------

TEST(DoublePipe, WithoutIterationNoHeatDutyWhateverTheFlowCondition) {
  for (int flow : {-1, 0, 1}) {
    DoublePipeInputs in = BaseInputs();
    in.flowCondition = flow;
    RecordingMessages messages;
    DoublePipeTrace trace;
    const DesignRun run = DoublePipeAnalysis(in, messages, &trace);
    ASSERT_TRUE(run.resultsFlag);
    EXPECT_GT(run.result.overallCoefficient, 0);
    EXPECT_EQ(run.result.heatTransferRate, 0);
    EXPECT_EQ(run.result.coldOutletTemperature, 0);
    EXPECT_EQ(run.result.hotOutletTemperature, 0);
    EXPECT_EQ(run.result.innerInletTemperature, 80);
    EXPECT_EQ(run.result.outerInletTemperature, 40);
    EXPECT_EQ(trace.thermalPasses, 0);
  }
}

TEST(DoublePipe, PressureDropsWithAndWithoutIteration) {
  // The drops are computed whenever they are asked for; without the iteration
  // they use the inlet properties.
  for (bool iteration : {false, true}) {
    for (bool drops : {false, true}) {
      DoublePipeInputs in = BaseInputs();
      in.iteration = iteration;
      in.flowCondition = 1;
      in.pressureDrops = drops;
      RecordingMessages messages;
      const DesignRun run = DoublePipeAnalysis(in, messages);
      ASSERT_TRUE(run.resultsFlag);
      EXPECT_EQ(run.result.innerPressureDrop > 0, drops) << iteration;
      EXPECT_EQ(run.result.outerPressureDrop > 0, drops) << iteration;
      EXPECT_EQ(run.result.heatTransferRate > 0, iteration);
    }
  }
}

TEST(DoublePipe, LaminarAnnulusCoefficientIgnoresTheFlow) {
  // Oil in the annulus at 40 C is laminar for these flows: ho = Nu(r) k / (D3 - D2)
  // with Nu from the diameter ratio 0.025/0.04 alone.
  const double r = 0.025 / 0.04;
  const double nu = 25 - 168.9235 * r + 613.725 * r * r - 1094.15 * r * r * r +
                    934.75 * r * r * r * r - 305.4688 * r * r * r * r * r;
  const double expected = nu * 0.144 / 0.015;
  for (const char* flow : {"0.05", "0.3", "1.2"}) {
    DoublePipeInputs in = BaseInputs();
    in.outerMassFlow = flow;
    RecordingMessages messages;
    const DesignRun run = DoublePipeAnalysis(in, messages);
    EXPECT_LT(run.result.outerReynolds, 2100);
    EXPECT_NEAR(run.result.outerFilmCoefficient, expected, 1e-9 * expected) << flow;
  }
}

TEST(DoublePipe, UserDescribedFluidMakesExactlyOnePass) {
  for (bool otherInside : {true, false}) {
    DoublePipeInputs in = BaseInputs();
    in.iteration = true;
    in.flowCondition = 0;
    calvora::FluidDataTexts data{"2000", "0.05", "0.14", "870"};
    if (otherInside) {
      in.innerFluid = kOther;
      in.innerFluidData = data;
      in.innerTemperature = "1000";  // never range-checked
    } else {
      in.outerFluid = kOther;
      in.outerFluidData = data;
    }
    RecordingMessages messages;
    DoublePipeTrace trace;
    const DesignRun run = DoublePipeAnalysis(in, messages, &trace);
    ASSERT_TRUE(run.resultsFlag);
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(trace.thermalPasses, 1);
    const double pr = 2000 * 0.05 / 0.14;
    EXPECT_DOUBLE_EQ(otherInside ? run.result.innerPrandtl : run.result.outerPrandtl, pr);
    EXPECT_EQ(otherInside ? run.result.innerDensity : run.result.outerDensity, 870);
    // The single pass leaves the inlet temperatures as typed.
    EXPECT_EQ(run.result.innerInletTemperature, otherInside ? 1000 : 80);
    EXPECT_GT(run.result.heatTransferRate, 0);
  }
}

TEST(DoublePipe, IterationBoundEndsWithErrorAndNoResults) {
  DoublePipeInputs in = BaseInputs();
  in.iteration = true;
  in.flowCondition = 1;
  RecordingMessages messages;
  DoublePipeTrace trace;
  const DesignRun settled = DoublePipeAnalysis(in, messages, &trace);
  const int needed = trace.thermalPasses - 1;
  ASSERT_GT(needed, 1);
  // The iteration moves the property temperatures between inlet and outlet;
  // the inlet temperatures handed over stay the ones entered.
  EXPECT_EQ(settled.result.innerInletTemperature, std::stod(in.innerTemperature));
  EXPECT_EQ(settled.result.outerInletTemperature, std::stod(in.outerTemperature));
  EXPECT_NE(settled.result.innerPropertyTemperature, settled.result.innerInletTemperature);

  // A bound that is just enough gives the result of the default bound.
  const DesignRun justEnough = DoublePipeAnalysis(in, messages, nullptr, needed);
  EXPECT_TRUE(justEnough.resultsFlag);
  EXPECT_EQ(justEnough.result.heatTransferRate, settled.result.heatTransferRate);
  EXPECT_EQ(justEnough.result.overallCoefficient, settled.result.overallCoefficient);
  EXPECT_TRUE(messages.messages.empty());

  const DesignRun cut = DoublePipeAnalysis(in, messages, nullptr, needed - 1);
  EXPECT_FALSE(cut.resultsFlag);
  EXPECT_EQ(messages.messages,
            (std::vector<Message>{
                {MessageKind::Error, std::string(calvora::kIterationDidNotSettleMessage)}}));
}

// ---- failures that end the run --------------------------------------------------

TEST(DoublePipe, EachEntryThatIsNotANumberEndsTheRun) {
  using Field = std::string DoublePipeInputs::*;
  const Field fields[] = {&DoublePipeInputs::innerTubeInsideDiameter,
                          &DoublePipeInputs::innerTubeOutsideDiameter,
                          &DoublePipeInputs::outerTubeInsideDiameter,
                          &DoublePipeInputs::outerTubeOutsideDiameter,
                          &DoublePipeInputs::length,
                          &DoublePipeInputs::innerMassFlow,
                          &DoublePipeInputs::outerMassFlow,
                          &DoublePipeInputs::innerTemperature,
                          &DoublePipeInputs::outerTemperature,
                          &DoublePipeInputs::inletPipeDiameter,
                          &DoublePipeInputs::outletPipeDiameter};
  for (Field field : fields) {
    for (const char* bad : {"", " ", "1,5", "abc"}) {
      DoublePipeInputs in = BaseInputs();
      in.pressureDrops = true;
      in.innerTemperature = "400";  // would give a range message if read before
      in.innerFluid = kAir;
      in.*field = bad;
      RecordingMessages messages;
      EXPECT_THROW(DoublePipeAnalysis(in, messages), calvora::ConversionError) << bad;
      EXPECT_TRUE(messages.messages.empty());
    }
  }
}

TEST(DoublePipe, EntriesThatAreNotReadDoNotMatter) {
  DoublePipeInputs in = BaseInputs();
  in.inletPipeDiameter = "x";  // pressure drops not asked for
  in.otherMaterialConductivity = "x";
  in.innerFluidData = {"a", "b", "c", "d"};
  in.flowCondition = -1;
  RecordingMessages messages;
  EXPECT_TRUE(DoublePipeAnalysis(in, messages).resultsFlag);
}

TEST(DoublePipe, FluidDataIsReadAfterTheInnerRangeCheck) {
  // Inner air out of range shows its message; then the outer fluid's dialog
  // entry that is not a number ends the run.
  DoublePipeInputs in = BaseInputs();
  in.innerFluid = kAir;
  in.innerTemperature = "400";
  in.outerFluid = kOther;
  in.outerFluidData = {"2000", "0.05", "0.14", "abc"};
  RecordingMessages messages;
  EXPECT_THROW(DoublePipeAnalysis(in, messages), calvora::ConversionError);
  EXPECT_EQ(messages.messages, (std::vector<Message>{{MessageKind::Error, kInnerRange}}));
}

TEST(DoublePipe, OtherMaterial) {
  DoublePipeInputs in = BaseInputs();
  in.material = 4;
  in.otherMaterialConductivity = "385";
  RecordingMessages messages;
  const double copperU = DoublePipeAnalysis(BaseInputs(), messages).result.overallCoefficient;
  EXPECT_EQ(DoublePipeAnalysis(in, messages).result.overallCoefficient, copperU);
  in.otherMaterialConductivity = "";
  EXPECT_THROW(DoublePipeAnalysis(in, messages), calvora::ConversionError);
  in.otherMaterialConductivity = "0";
  EXPECT_THROW(DoublePipeAnalysis(in, messages), calvora::MathError);
}

TEST(DoublePipe, ArithmeticFailures) {
  struct Failure {
    const char* name;
    void (*edit)(DoublePipeInputs&);
  };
  const Failure failures[] = {
      {"ZeroD1", [](DoublePipeInputs& in) { in.innerTubeInsideDiameter = "0"; }},
      {"ZeroLength", [](DoublePipeInputs& in) { in.length = "0"; }},
      {"NegativeD1", [](DoublePipeInputs& in) { in.innerTubeInsideDiameter = "-0.02"; }},
      {"ZeroFlowWithIteration",
       [](DoublePipeInputs& in) {
         in.iteration = true;
         in.flowCondition = 0;
         in.innerMassFlow = "0";
       }},
      {"EqualInletsWithIteration",
       [](DoublePipeInputs& in) {
         in.iteration = true;
         in.flowCondition = 1;
         in.outerTemperature = "80";
       }},
      {"ZeroViscosityOfOtherFluid",
       [](DoublePipeInputs& in) {
         in.outerFluid = kOther;
         in.outerFluidData = {"2000", "0", "0.14", "870"};
       }},
      {"ZeroConductivityOfOtherFluid",
       [](DoublePipeInputs& in) {
         in.outerFluid = kOther;
         in.outerFluidData = {"2000", "0.05", "0", "870"};
       }},
      {"ZeroPipeDiameter",
       [](DoublePipeInputs& in) {
         in.pressureDrops = true;
         in.inletPipeDiameter = "0";
       }},
  };
  for (const Failure& f : failures) {
    DoublePipeInputs in = BaseInputs();
    f.edit(in);
    RecordingMessages messages;
    EXPECT_THROW(DoublePipeAnalysis(in, messages), calvora::MathError) << f.name;
  }
}

TEST(DoublePipe, ZeroFlowWithoutIterationIsNoFailure) {
  DoublePipeInputs in = BaseInputs();
  in.innerMassFlow = "0";
  RecordingMessages messages;
  const DesignRun run = DoublePipeAnalysis(in, messages);
  EXPECT_TRUE(run.resultsFlag);
  EXPECT_EQ(run.result.innerReynolds, 0);
}

TEST(DoublePipe, EqualInletsWithUserFluidGiveNoDuty) {
  DoublePipeInputs in = BaseInputs();
  in.iteration = true;
  in.flowCondition = 1;
  in.outerFluid = kOther;
  in.outerFluidData = {"2000", "0.05", "0.14", "870"};
  in.outerTemperature = "80";
  RecordingMessages messages;
  const DesignRun run = DoublePipeAnalysis(in, messages);
  EXPECT_TRUE(run.resultsFlag);
  EXPECT_EQ(run.result.heatTransferRate, 0);
  EXPECT_EQ(run.result.hotOutletTemperature, 80);
}

TEST(DoublePipe, OutOfRangeInletStaysFinite) {
  // Results are not shown, but the run must not fail on its own: the record
  // starts at the nearest table row.
  for (const char* t : {"-200", "1000"}) {
    DoublePipeInputs in = BaseInputs();
    in.innerTemperature = t;
    in.iteration = true;
    in.flowCondition = 1;
    in.pressureDrops = true;
    RecordingMessages messages;
    const DesignRun run = DoublePipeAnalysis(in, messages);
    EXPECT_FALSE(run.resultsFlag);
    EXPECT_TRUE(std::isfinite(run.result.overallCoefficient));
  }
}

TEST(DoublePipe, MissingFlowConditionWithIterationIsASelectionFailure) {
  DoublePipeInputs in = BaseInputs();
  in.iteration = true;
  in.flowCondition = -1;
  RecordingMessages messages;
  EXPECT_THROW(DoublePipeAnalysis(in, messages), calvora::SelectionError);
}

}  // namespace
