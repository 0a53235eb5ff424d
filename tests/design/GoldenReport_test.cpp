// Whole reports of the five chains (thermal, and the four design pages), saved
// and printed, compared line by line with the files in tests/data/reports. Each
// report is built as the screens build it: the entries as typed, the captions
// the screens show, and the results texts of a real run. The printed report is
// the line list the print routine draws (it only adds page breaks).
//
// After a deliberate change of a report, regenerate the files with
//   CALVORA_UPDATE_GOLDEN=1 build/calvora_core_tests --gtest_filter='GoldenReport*'
// and read the difference before committing it.

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <fstream>
#include <ostream>
#include <string>
#include <vector>

#include "ParamNames.h"
#include "common/Messages.h"
#include "design/DesignCaptions.h"
#include "design/DesignOutcome.h"
#include "design/DesignReport.h"
#include "support/ThermalSnapshot.h"
#include "thermal/ThermalReport.h"
#include "thermal/ThermalSolver.h"

namespace calvora {
namespace {

using test_names::PrintTo;

namespace dt = design;
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

template <std::size_t N>
std::vector<ReportEntry> Entries(const std::array<dt::EntryRow, N>& rows,
                                 const std::array<std::string, N>& texts) {
  std::vector<ReportEntry> entries;
  for (std::size_t i = 0; i < N; ++i)
    entries.push_back({std::string(rows[i].caption), texts[i]});
  return entries;
}

ReportFluids Fluids(int inner, const std::string& innerTemperature, int outer,
                    const std::string& outerTemperature, int material, bool liquids = false) {
  return {inner,
          {std::string(liquids ? dt::kInnerLiquidTempCaption : dt::kInnerTempCaption),
           innerTemperature},
          outer,
          {std::string(liquids ? dt::kOuterLiquidTempCaption : dt::kOuterTempCaption),
           outerTemperature},
          material};
}

// The results screen after the run: expects a run that ended with results.
ResultsReport ResultsOf(const DesignInputs& inputs) {
  RecordingMessages messages;
  const DesignOutcome o = RunDesign(inputs, messages);
  EXPECT_EQ(o.ending, RunEnding::Results);
  return ResultsReportOf(o);
}

// Water in the inner tube cooled by water in the annulus, counter flow, with the
// iteration and the pressure drops.
DesignReportSnapshot DoublePipe() {
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
  DesignReportSnapshot s;
  s.pageIndex = 0;
  s.doublePipe.entries =
      Entries(dt::kDoublePipeEntries, {"0.02", "0.025", "0.04", "0.045", "5", "0.2", "0.3"});
  s.doublePipe.iteration = true;
  s.doublePipe.flowCondition = 1;
  s.doublePipe.fluids = Fluids(kWater, "80", kWater, "20", kCopper);
  s.results = ResultsOf(in);
  return s;
}

// Hot water in an in-line bank of 40 tubes across an air stream, with the
// pressure drops and without the iteration.
DesignReportSnapshot CrossFlow() {
  CrossFlowInputs in;
  in.innerFluid = kWater;
  in.outerFluid = kAir;
  in.material = kCopper;
  in.arrangement = 0;
  in.pressureDrops = true;
  in.tubeType = 0;
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
  DesignReportSnapshot s;
  s.pageIndex = 1;
  s.crossFlow.entries =
      Entries(dt::kCrossFlowEntries, {"0.016", "0.02", "10", "4", "40", "1", "1", "0.5"});
  s.crossFlow.arrangement = 0;
  s.crossFlow.inLineSp = "0.03";
  s.crossFlow.inLineSn = "0.04";
  s.crossFlow.staggeredSp = "0.025";
  s.crossFlow.staggeredSn = "0.03";
  s.crossFlow.fluids = Fluids(kWater, "80", kAir, "27", kCopper);
  s.results = ResultsOf(in);
  return s;
}

// Cold water in the tubes of layout 2, hot water on the shell side, with the
// iteration and without the pressure drops.
DesignReportSnapshot ShellAndTube() {
  ShellAndTubeInputs in;
  in.innerFluid = kWater;
  in.outerFluid = kWater;
  in.material = kCopper;
  in.iteration = true;
  in.shellDiameter = "0.5";
  in.tubeDiameter = "0.0135";
  in.clearance = "0.015";
  in.baffles = "12";
  in.centralBaffleSpace = "0.2";
  in.endBaffleSpace = "0.3";
  in.innerMassFlow = "200";
  in.outerMassFlow = "25";
  in.innerTemperature = "20";
  in.outerTemperature = "80";
  in.arrangement = {false, true, false, false, false, false};
  DesignReportSnapshot s;
  s.pageIndex = 2;
  ShellAndTubeReport& st = s.shellAndTube;
  const auto& rows = dt::kShellAndTubeEntries;
  st.shellDiameter = "0.5";
  st.tubeDiameter = "0.0135";
  st.clearance = {std::string(rows[2].caption), "0.015"};
  st.baffles = {std::string(rows[3].caption), "12"};
  st.centralSpace = {std::string(rows[4].caption), "0.2"};
  st.endSpace = {std::string(rows[5].caption), "0.3"};
  st.innerFlow = "200";
  st.outerFlow = "25";
  st.layoutChosen = true;
  st.layoutCaption = dt::kLayoutTexts[1].firstLine;
  st.layoutLine = dt::kLayoutTexts[1].secondLine;
  st.fluids = Fluids(kWater, "20", kWater, "80", kCopper);
  s.results = ResultsOf(in);
  return s;
}

// Hot water in the tubes of surface 7 (index 6), cooled by air across the fins;
// carbon steel; neither the iteration nor the pressure drops.
DesignReportSnapshot Compact() {
  CompactInputs in;
  in.surfaceIndex = 6;
  in.innerFluidIndex = kWater;
  in.outerFluidIndex = kAir;
  in.material = kCarbonSteel;
  in.insideDiameter = "0.0165";
  in.tubes = "20";
  in.rowsNormal = "10";
  in.rowsParallel = "2";
  in.length = "0.6";
  in.innerMassFlow = "0.5";
  in.outerMassFlow = "1.2";
  in.innerTemperature = "80";
  in.outerTemperature = "20";
  DesignReportSnapshot s;
  s.pageIndex = 3;
  s.compact.surface = 6;
  s.compact.entries =
      Entries(dt::kCompactEntries, {"0.0165", "0.5", "1.2", "20", "2", "10", "0.6"});
  s.compact.fluids = Fluids(kWater, "80", kAir, "20", kCarbonSteel, true);
  s.results = ResultsOf(in);
  return s;
}

// ---- comparison -----------------------------------------------------------------

struct Golden {
  const char* chain;
  Lines (*lines)(bool printed);
};

Lines DesignLines(DesignReportSnapshot (*page)(), bool printed) {
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

}  // namespace
}  // namespace calvora
