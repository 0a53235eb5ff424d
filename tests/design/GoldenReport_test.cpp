// Whole reports of the five chains (thermal, and the four design pages), saved
// and printed, compared line by line with the files in tests/data/reports. Each
// design report is built as the results screen builds it: from the record of a
// real run and its outcome. The printed report is the line list the print
// routine draws (it only adds page breaks).
//
// After a deliberate change of a report, regenerate the files with
//   CALVORA_UPDATE_GOLDEN=1 build/calvora_core_tests --gtest_filter='Chains/GoldenReport*'
// and read the difference before committing it.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <fstream>
#include <ostream>
#include <string>
#include <vector>

#include "ParamNames.h"
#include "common/Messages.h"
#include "design/DesignOutcome.h"
#include "design/DesignReport.h"
#include "support/ThermalSnapshot.h"
#include "thermal/ThermalReport.h"
#include "thermal/ThermalSolver.h"

namespace calvora {
namespace {

using test_names::PrintTo;

namespace ti = thermal_input;

using Lines = std::vector<std::string>;

constexpr int kAir = 0, kWater = 1;
constexpr int kCopper = 0, kCarbonSteel = 2;

// ---- the thermal chain ---------------------------------------------------------

// Counter flow, hot oil 150 -> 90 deg C heating water from 30 deg C; the hot flow,
// the cold outlet and the area unknown.
Lines ThermalReport(ReportVariant variant) {
  ThermalInputs in;
  in.SetArrangement(FlowArrangement::CounterFlow);
  in.SetMixing(CrossFlowMixing::ColdUnmixed);
  in.SetUnknown(Unknown::Mh);
  in.SetUnknown(Unknown::Tc0);
  in.SetUnknown(Unknown::A);
  in.SetText(ti::Quantity::Th1, "150");
  in.SetText(ti::Quantity::Tc1, "30");
  in.SetText(ti::Quantity::Th0, "90");
  in.SetText(ti::Quantity::Mc, "1.5");
  in.SetText(ti::Quantity::Q, "240000");
  in.SetText(ti::Quantity::U, "300");
  in.SetText(ti::Quantity::Cc, "4180");
  in.SetText(ti::Quantity::Ch, "2000");
  RecordingMessages messages;
  const ThermalReportSnapshot snap = SnapshotAfter(in, messages);
  EXPECT_TRUE(messages.messages.empty());
  return ThermalReportLines(snap, variant);
}

// ---- the design chain ----------------------------------------------------------

// The design record as run: expects a run that ended with results.
DesignOutcome Run(const DesignInputs& inputs) {
  RecordingMessages messages;
  const DesignOutcome o = RunDesign(inputs, messages);
  EXPECT_EQ(o.ending, RunEnding::Results);
  return o;
}

// Water in the inner tube cooled by water in the annulus, counter flow, with the
// iteration and the pressure drops.
DesignOutcome DoublePipe() {
  DoublePipeInputs in;
  in.innerFluid = kWater;
  in.outerFluid = kWater;
  in.material = kCopper;
  in.pressureDrops = true;
  in.iteration = true;
  in.flowCondition = 1;
  in.innerTubeType = 0;
  in.outerTubeType = 0;
  in.inletPipeDiameter = "0.03";
  in.outletPipeDiameter = "0.035";
  in.innerTubeInsideDiameter = "0.02";
  in.innerTubeOutsideDiameter = "0.025";
  in.outerTubeInsideDiameter = "0.04";
  in.outerTubeOutsideDiameter = "0.045";
  in.length = "5";
  in.innerMassFlow = "0.2";
  in.outerMassFlow = "0.3";
  in.innerTemperature = "80";
  in.outerTemperature = "20";
  return Run(in);
}

// Hot water in an in-line bank of 40 tubes across an air stream, with the
// pressure drops and without the iteration.
DesignOutcome CrossFlow() {
  CrossFlowInputs in;
  in.innerFluid = kWater;
  in.outerFluid = kAir;
  in.material = kCopper;
  in.arrangement = 0;
  in.pressureDrops = true;
  in.innerTubeType = 0;
  in.inletPipeDiameter = "0.05";
  in.outletPipeDiameter = "0.06";
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
  return Run(in);
}

// Cold water in the tubes of layout 2, hot water on the shell side, with the
// iteration and without the pressure drops.
DesignOutcome ShellAndTube() {
  ShellAndTubeInputs in;
  in.innerFluid = kWater;
  in.outerFluid = kWater;
  in.material = kCopper;
  in.iteration = true;
  in.shellDiameter = "0.5";
  in.tubeInsideDiameter = "0.0135";
  in.clearance = "0.015";
  in.baffles = "12";
  in.centralBaffleSpace = "0.2";
  in.endBaffleSpace = "0.3";
  in.innerMassFlow = "200";
  in.outerMassFlow = "25";
  in.innerTemperature = "20";
  in.outerTemperature = "80";
  in.arrangement = {false, true, false, false, false, false};
  return Run(in);
}

// Hot water in the tubes of surface 7 (index 6), cooled by air across the fins;
// carbon steel; neither the iteration nor the pressure drops.
DesignOutcome Compact() {
  CompactInputs in;
  in.surface = 6;
  in.innerFluid = kWater;
  in.outerFluid = kAir;
  in.material = kCarbonSteel;
  in.tubeInsideDiameter = "0.0165";
  in.tubeCount = "20";
  in.rowsNormal = "10";
  in.rowsParallel = "2";
  in.length = "0.6";
  in.innerMassFlow = "0.5";
  in.outerMassFlow = "1.2";
  in.innerTemperature = "80";
  in.outerTemperature = "20";
  return Run(in);
}

// ---- comparison -----------------------------------------------------------------

struct Golden {
  const char* chain;
  Lines (*lines)(bool printed);
};

Lines DesignLines(DesignOutcome (*page)(), bool printed) {
  return DesignReportLines(page(), printed ? ReportKind::Printed : ReportKind::Saved);
}

const Golden kGoldens[] = {
    {"thermal",
     [](bool p) { return ThermalReport(p ? ReportVariant::Printed : ReportVariant::Saved); }},
    {"double_pipe", [](bool p) { return DesignLines(DoublePipe, p); }},
    {"cross_flow", [](bool p) { return DesignLines(CrossFlow, p); }},
    {"shell_and_tube", [](bool p) { return DesignLines(ShellAndTube, p); }},
    {"compact", [](bool p) { return DesignLines(Compact, p); }},
};

struct GoldenCase {
  const Golden* golden;
  bool printed;
};

std::string FileName(const GoldenCase& c) {
  return std::string(c.golden->chain) + (c.printed ? ".printed.txt" : ".saved.txt");
}

std::vector<GoldenCase> AllCases() {
  std::vector<GoldenCase> cases;
  for (const Golden& g : kGoldens)
    for (bool printed : {false, true})
      cases.push_back({&g, printed});
  return cases;
}

void PrintTo(const GoldenCase& c, std::ostream* os) {
  *os << FileName(c);
}

class GoldenReport : public testing::TestWithParam<GoldenCase> {};

TEST_P(GoldenReport, MatchesFileLineByLine) {
  const std::string path = std::string(CALVORA_TEST_DATA) + "/reports/" + FileName(GetParam());
  const Lines actual = GetParam().golden->lines(GetParam().printed);
  if (std::getenv("CALVORA_UPDATE_GOLDEN")) {
    std::ofstream out(path, std::ios::binary);
    for (const std::string& line : actual)
      out << line << '\n';
    ASSERT_TRUE(out.good()) << "cannot write " << path;
    return;
  }
  std::ifstream in(path, std::ios::binary);
  ASSERT_TRUE(in.good()) << "missing golden file " << path;
  Lines expected;
  for (std::string line; std::getline(in, line);)
    expected.push_back(line);
  for (std::size_t i = 0; i < std::min(expected.size(), actual.size()); ++i)
    ASSERT_EQ(actual[i], expected[i]) << path << ", line " << i + 1;
  EXPECT_EQ(actual.size(), expected.size()) << path << ": line count";
}

INSTANTIATE_TEST_SUITE_P(Chains, GoldenReport, testing::ValuesIn(AllCases()),
                         [](const testing::TestParamInfo<GoldenCase>& info) {
                           return std::string(info.param.golden->chain) +
                                  (info.param.printed ? "_printed" : "_saved");
                         });

// The three resistances the result carries add up to 1/U; a run with the
// iteration carries a pass for which NTU = U A / Cmin and
// effectiveness = Q / (Cmin (Th1 - Tc1)).
TEST(GoldenRuns, CarryTheTermsOfUAndTheirOperatingPoint) {
  for (auto page : {DoublePipe, CrossFlow, ShellAndTube, Compact}) {
    const DesignOutcome o = page();
    const DesignResult& r = o.result;
    const double sum = r.innerFilmResistance + r.wallResistance + r.outerFilmResistance;
    EXPECT_NEAR(sum * r.overallCoefficient, 1.0, 1e-12);
    EXPECT_EQ(r.heatDutyComputed, IterationChosen(o.inputs));
    if (!r.heatDutyComputed)
      continue;
    EXPECT_EQ(r.hotInletTemperature,
              r.innerIsHot ? r.innerInletTemperature : r.outerInletTemperature);
    const double Cmin = std::min(r.hotCapacityRate, r.coldCapacityRate);
    EXPECT_NEAR(r.ntu, r.overallCoefficient * r.surfaceArea / Cmin, 1e-12 * r.ntu);
    EXPECT_NEAR(r.effectiveness,
                r.heatTransferRate / (Cmin * (r.hotInletTemperature - r.coldInletTemperature)),
                1e-12);
  }
}

}  // namespace
}  // namespace calvora
