#include "analyses/CompactAnalysis.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "analyses/AnalysisMessages.h"
#include "analyses/TubeAnalysisReference.h"
#include "common/Errors.h"
#include "properties/Correlations.h"

namespace calvora {
namespace {

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
  in.surfaceIndex = 6;
  in.innerFluidIndex = kWater;
  in.outerFluidIndex = kAir;
  in.material = 0;  // copper
  in.insideDiameter = "0.0165";
  in.tubes = "20";
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

// ---- independent recomputation ---------------------------------------------

// The rating written out from the textbook relations with std::pow and
// std::tanh, using only the property table data and the catalogue numbers.
struct Reference {  // NOLINT: aggregate filled in field order
  const TubeFinSurface& s;
  const FluidTable* innerTable;
  const FluidTable* outerTable;
  double Di, Nt, Nn, Np, L, mi, mo, kw, Ti, To;
  bool iterate, drops, commercial;
  double din, dout;

  reference::Props in{}, out{};
  double mt = 0, Rei = 0, Reo = 0, G = 0, Afr = 0, hi = 0, ho = 0, A = 0, U = 0;
  double Th1 = 0, Tc1 = 0, mh = 0, mc = 0, ch = 0, cc = 0;
  bool innerHot = false;
  reference::Thermal thermal{};
  double dpi = 0, dpo = 0;

  void Coefficients() {
    const double pi = std::acos(-1.0);
    Rei = 4 * mt / (pi * Di * in.mu);
    Afr = Nn * L * s.verticalSpacing;
    G = mo / (s.sigma * Afr);
    Reo = G * s.hydraulicDiameter / out.mu;
    hi = reference::TubeNu(Rei, in.pr) * in.k / Di;
    const double j = s.colburnCoefficient * std::pow(Reo, -s.colburnExponent);
    ho = j * G * out.cp / std::pow(out.pr, 2.0 / 3.0);
    A = Nt * L * pi * Di;
    const double t = Di / s.outsideDiameter * (1 - s.finAreaRatio);
    const double Lc = s.finType == FinType::Circular
                          ? (s.finDiameter - s.outsideDiameter) / 2 + s.finThickness / 2
                          : ((s.verticalSpacing + s.horizontalSpacing) / 2 - s.outsideDiameter) / 2;
    const double x = std::sqrt(2 * ho / (kw * s.finThickness)) * Lc;
    const double etaO = 1 - (1 - std::tanh(x) / x) * s.finAreaRatio;
    U = 1 / (1 / (hi * t) + Di * std::log(s.outsideDiameter / Di) / (2 * kw * t) + 1 / (etaO * ho));
  }
  void Roles() {
    innerHot = Ti >= To;
    Th1 = innerHot ? Ti : To;
    Tc1 = innerHot ? To : Ti;
    mh = innerHot ? mt : mo;
    mc = innerHot ? mo : mt;
    ch = innerHot ? in.cp : out.cp;
    cc = innerHot ? out.cp : in.cp;
  }
  void Pass() { thermal = reference::ThermalPass(3, 4, A, U, Th1, Tc1, mh, ch, mc, cc); }
  void Iterate(bool always) {
    if (!always && (innerTable == nullptr || outerTable == nullptr))
      return;
    reference::Weight(Ti, To, Tc1, thermal.Tc2, Th1, thermal.Th2);
    for (int pass = 0; pass < 1000; ++pass) {
      const reference::Thermal previous = thermal;
      if (innerTable)
        in = reference::Interpolate(*innerTable, Ti, in);
      if (outerTable)
        out = reference::Interpolate(*outerTable, To, out);
      Coefficients();
      Pass();
      reference::Weight(Ti, To, Tc1, thermal.Tc2, Th1, thermal.Th2);
      const double eh = std::fabs((thermal.Th2 - previous.Th2) / (Th1 - previous.Th2));
      const double ec = std::fabs((thermal.Tc2 - previous.Tc2) / (Tc1 - previous.Tc2));
      if (eh < 0.001 && ec < 0.001)
        return;
    }
    ADD_FAILURE() << "reference did not settle";
  }
  void Run() {
    in = reference::Interpolate(*innerTable, Ti, {});
    out = reference::Interpolate(*outerTable, To, {});
    mt = mi / Nt;
    Coefficients();
    if (iterate) {
      Roles();
      Pass();
      Iterate(false);
    }
    if (!drops)
      return;
    const double pi2 = 3.1416 * 3.1416;
    const double fi = reference::Friction(Rei, commercial);
    dpi = 8 / (pi2 * in.rho) *
          (std::pow(mt / (Di * Di), 2) * (4 * fi * L / Di + 1.5) +
           mi * mi * (1.5 / std::pow(din, 4) + 1.5 / std::pow(dout, 4)));
    const double fo = s.frictionCoefficient * std::pow(Reo, -s.frictionExponent);
    if (!iterate) {
      const double sTi = Ti, sTo = To, sRei = Rei, sReo = Reo, shi = hi, sho = ho, sU = U;
      Roles();
      Pass();
      Iterate(true);
      Ti = sTi, To = sTo, Rei = sRei, Reo = sReo, hi = shi, ho = sho, U = sU;
    }
    const reference::Props outlet = reference::Interpolate(*outerTable, thermal.Th2, out);
    const double v1 = 1 / out.rho, v2 = 1 / outlet.rho, vm = (v1 + v2) / 2;
    out = {outlet.pr, outlet.cp, outlet.mu, outlet.k, out.rho};
    // Frictional area over free-flow area of the core: alpha V / (sigma A_fr), V = Np Sp A_fr.
    const double areaRatio = s.alpha * Np * s.horizontalSpacing / s.sigma;
    const double E = G * G * v1 / 2;
    dpo = E * (1 + s.sigma * s.sigma) * (v2 / v1 - 1) + E * vm / v1 * fo * areaRatio;
  }
};

void ExpectClose(double got, double want, const char* what) {
  EXPECT_NEAR(got, want, 1e-9 * std::fabs(want) + 1e-12) << what;
}

struct RealisticCase {
  const char* name;
  CompactInputs inputs;
  const FluidTable* innerTable;
  const FluidTable* outerTable;
  double kw;
};

class CompactRealisticTest : public ::testing::TestWithParam<RealisticCase> {};

TEST_P(CompactRealisticTest, AgreesWithIndependentRecomputation) {
  const RealisticCase& c = GetParam();
  const CompactInputs& in = c.inputs;
  RecordingMessages messages;
  CompactTrace trace;
  const DesignRun run = CompactAnalysis(in, messages, &trace);
  ASSERT_TRUE(run.resultsFlag);
  EXPECT_TRUE(messages.messages.empty());

  Reference ref{kCompactSurfaces[in.surfaceIndex],
                c.innerTable,
                c.outerTable,
                std::stod(in.insideDiameter),
                std::stod(in.tubes),
                std::stod(in.rowsNormal),
                std::stod(in.rowsParallel),
                std::stod(in.length),
                std::stod(in.innerMassFlow),
                std::stod(in.outerMassFlow),
                c.kw,
                std::stod(in.innerTemperature),
                std::stod(in.outerTemperature),
                in.iterate,
                in.pressureDrops,
                in.innerTubeType == 1,
                std::stod(in.inletPipeDiameter),
                std::stod(in.outletPipeDiameter)};
  ref.Run();

  const DesignResult& r = run.result;
  ExpectClose(r.innerMassFlow, ref.mi, "inner flow");
  ExpectClose(r.outerMassFlow, ref.mo, "outer flow");
  ExpectClose(r.innerReynolds, ref.Rei, "Re_i");
  ExpectClose(r.outerReynolds, ref.Reo, "Re_o");
  ExpectClose(r.surfaceArea, ref.A, "A");
  ExpectClose(r.innerFilmCoefficient, ref.hi, "h_i");
  ExpectClose(r.outerFilmCoefficient, ref.ho, "h_o");
  ExpectClose(r.overallCoefficient, ref.U, "U");
  ExpectClose(r.heatTransferRate, ref.thermal.Q, "Q");
  ExpectClose(r.coldOutletTemperature, ref.thermal.Tc2, "Tc2");
  ExpectClose(r.hotOutletTemperature, ref.thermal.Th2, "Th2");
  ExpectClose(r.innerPressureDrop, ref.dpi, "dp_i");
  ExpectClose(r.outerPressureDrop, ref.dpo, "dp_o");
  ExpectClose(r.innerDensity, ref.in.rho, "rho_i");
  ExpectClose(r.innerPrandtl, ref.in.pr, "Pr_i");
  ExpectClose(r.innerViscosity, ref.in.mu, "mu_i");
  ExpectClose(r.innerConductivity, ref.in.k, "k_i");
  ExpectClose(r.outerDensity, ref.out.rho, "rho_o");
  ExpectClose(r.outerPrandtl, ref.out.pr, "Pr_o");
  ExpectClose(r.outerViscosity, ref.out.mu, "mu_o");
  ExpectClose(r.outerConductivity, ref.out.k, "k_o");
  ExpectClose(r.innerPropertyTemperature, ref.Ti, "T_i");
  ExpectClose(r.outerPropertyTemperature, ref.To, "T_o");
  EXPECT_EQ(trace.innerHot, ref.innerHot);

  // Sanity of the physics: heat flows from hot to cold and both pressure drops are positive.
  EXPECT_GT(r.heatTransferRate, 0);
  EXPECT_LT(r.hotOutletTemperature, ref.Th1);
  EXPECT_GT(r.coldOutletTemperature, ref.Tc1);
  if (in.pressureDrops) {
    EXPECT_GT(r.innerPressureDrop, 0);
    EXPECT_GT(r.outerPressureDrop, 0);
  }
}

RealisticCase HotWaterCoilWithIteration() {
  CompactInputs in = WaterCoil();
  in.iterate = true;
  in.pressureDrops = true;
  return {"HotWaterCoilWithIteration", in, &kSaturatedWaterTable, &kAirTable, 385};
}

// Warm air over a continuous-fin aluminium coil carrying cold water, rated
// with the core pressure drop's own pass instead of the page's iteration.
RealisticCase WarmAirOverColdWaterWithoutIteration() {
  CompactInputs in = WaterCoil();
  in.surfaceIndex = 14;
  in.material = 1;  // aluminium
  in.insideDiameter = "0.0085";
  in.tubes = "40";
  in.rowsNormal = "20";
  in.rowsParallel = "2";
  in.length = "0.8";
  in.innerMassFlow = "0.8";
  in.outerMassFlow = "1.5";
  in.innerTemperature = "10";
  in.outerTemperature = "60";
  in.innerTubeType = 1;
  in.iterate = false;
  in.pressureDrops = true;
  return {"WarmAirOverColdWaterWithoutIteration", in, &kSaturatedWaterTable, &kAirTable, 202};
}

INSTANTIATE_TEST_SUITE_P(Cases, CompactRealisticTest,
                         ::testing::Values(HotWaterCoilWithIteration(),
                                           WarmAirOverColdWaterWithoutIteration()),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- checks and edge cases ----------------------------------------------

struct DiameterCase {
  const char* insideDiameter;
  bool accepted;
};

class CompactDiameterTest : public ::testing::TestWithParam<DiameterCase> {};

TEST_P(CompactDiameterTest, InsideDiameterUpToTheTubeOutsideDiameter) {
  CompactInputs in = WaterCoil();
  in.surfaceIndex = 0;  // Do = 0.00965 m
  in.insideDiameter = GetParam().insideDiameter;
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
                                           DiameterCase{"0.00975", false}));

TEST(CompactAnalysis, DiameterAndTemperatureMessagesInStepOrder) {
  CompactInputs in = WaterCoil();
  in.surfaceIndex = 0;
  in.insideDiameter = "0.01";
  in.innerTemperature = "310";  // above the water table
  in.outerTemperature = "-80";  // below the air table
  in.iterate = true;
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
  in.outerFluidIndex = kOther;
  in.outerFluidData = {"1007", "1.85e-5", "0.026", "1.2"};
  in.innerTemperature = "40";
  in.outerTemperature = "40";
  in.iterate = true;
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
    in.iterate = iterate;
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

class CompactUserFluidTest : public ::testing::TestWithParam<OnePassCase> {};

TEST_P(CompactUserFluidTest, AUserDescribedFluidMakesOnePass) {
  CompactInputs in = WaterCoil();
  in.innerFluidIndex = GetParam().inner;
  in.outerFluidIndex = GetParam().outer;
  // Water-like and air-like typed properties.
  in.innerFluidData = {"4190", "0.00035", "0.67", "975"};
  in.outerFluidData = {"1007", "1.85e-5", "0.026", "1.2"};
  in.iterate = true;
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
                                           OnePassCase{kOther, kOther}));

// Outer air temperature and mass flow (as texts) that give exactly `reynolds`
// on the surface of `in`, found by stepping the flow one double at a time
// around the estimate, for a few temperatures (a product G Dh cannot reach
// every double, so one viscosity may never land on the limit).
std::optional<std::pair<std::string, std::string>> FlowForReynolds(const CompactInputs& in,
                                                                   double reynolds) {
  const TubeFinSurface& s = kCompactSurfaces[in.surfaceIndex];
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

class CompactReynoldsTest : public ::testing::TestWithParam<ReynoldsCase> {};

TEST_P(CompactReynoldsTest, WarnsOnlyOutsideTheSurfaceRange) {
  CompactInputs in = WaterCoil();
  in.surfaceIndex = 0;  // valid from 600 to 10000
  in.insideDiameter = "0.008";
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
                      ReynoldsCase{600, -1e-9, kCompactReynoldsLowMessage.data()}));

TEST(CompactAnalysis, OuterPropertiesShownAreThoseAtTheHotExit) {
  CompactInputs in = WaterCoil();  // the water is the hot stream
  in.iterate = true;
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
  bool iterate;  // the page's iteration, or the core pressure drop's own
};

class CompactBoundTest : public ::testing::TestWithParam<BoundCase> {};

// A run that settles within the bound gives the unbounded result; one pass
// fewer ends with the error and no results.
TEST_P(CompactBoundTest, ReachingTheBoundShowsAnErrorAndNoResults) {
  CompactInputs in = WaterCoil();
  in.iterate = GetParam().iterate;
  in.pressureDrops = true;
  RecordingMessages messages;
  CompactTrace trace;
  const DesignRun settled = CompactAnalysis(in, messages, &trace);
  const int needed = (in.iterate ? trace.thermalPasses : trace.corePasses) - 1;
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
  in.surfaceIndex = kEmptySurfaceIndex;
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
  in.otherConductivity = "abc";
  EXPECT_THROW(CompactAnalysis(in, messages), ConversionError);

  in = WaterCoil();
  in.pressureDrops = true;
  in.outletPipeDiameter = "x";
  EXPECT_THROW(CompactAnalysis(in, messages), ConversionError);

  in = WaterCoil();
  in.tubes = "0";
  EXPECT_THROW(CompactAnalysis(in, messages), MathError);

  // An arithmetic failure ends the run at its step: an entry read after it
  // that is not a number is never reached.
  in = WaterCoil();
  in.tubes = "0";
  in.innerTemperature = "";
  EXPECT_THROW(CompactAnalysis(in, messages), MathError);

  in = WaterCoil();
  in.material = 4;
  in.otherConductivity = "0";
  EXPECT_THROW(CompactAnalysis(in, messages), MathError);
  in.pressureDrops = true;
  in.inletPipeDiameter = "x";
  EXPECT_THROW(CompactAnalysis(in, messages), MathError);

  in = WaterCoil();
  in.innerFluidIndex = kOther;
  in.innerFluidData = {"4190", "0.00035", "0.67", "975"};
  in.innerMassFlow = "0";  // Cmin = 0 in the single thermal pass
  in.iterate = true;
  in.pressureDrops = true;
  in.inletPipeDiameter = "x";
  EXPECT_THROW(CompactAnalysis(in, messages), MathError);

  in = WaterCoil();
  in.pressureDrops = true;
  in.inletPipeDiameter = "0";
  EXPECT_THROW(CompactAnalysis(in, messages), MathError);

  in = WaterCoil();
  in.outerFluidIndex = -1;
  EXPECT_THROW(CompactAnalysis(in, messages), SelectionError);
  EXPECT_TRUE(messages.messages.empty());
}

}  // namespace
}  // namespace calvora
