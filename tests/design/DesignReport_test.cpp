#include "design/DesignReport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace calvora {
namespace {

using Lines = std::vector<std::string>;

DoublePipeInputs DoublePipe(bool iteration, int flowCondition) {
  DoublePipeInputs in;
  in.innerTubeInsideDiameter = "0.02";
  in.innerTubeOutsideDiameter = "0.025";
  in.outerTubeInsideDiameter = "0.04";
  in.outerTubeOutsideDiameter = "0.045";
  in.length = "3";
  in.innerMassFlow = "0.1";
  in.outerMassFlow = "0.2";
  in.iteration = iteration;
  in.flowCondition = flowCondition;
  in.outerFluid = 1;
  in.innerTemperature = "25";
  in.outerTemperature = "80";
  return in;
}

// Whole reports of each page, saved and printed, are compared line by line with
// the golden files in tests/data/reports (GoldenReport_test.cpp); the tests
// here vary one choice at a time.

TEST(DesignReport, PrintedReportDiffersOnlyAtBothEnds) {
  const DesignOutcome o = ResultsOutcome(DoublePipe(false, -1), {});
  Lines saved = DesignReportLines(o, ReportKind::Saved);
  Lines printed = DesignReportLines(o, ReportKind::Printed);
  ASSERT_EQ(printed.front(), "");
  const Lines printedEnd(printed.end() - 4, printed.end());
  EXPECT_EQ(printedEnd, (Lines{"", "", "Thank you for using this program.",
                               "Hopefully any problems were quickly resolved."}));
  // Same body: the saved report without its 4-line ending, the printed one
  // without its leading blank line and 4-line ending.
  EXPECT_EQ(Lines(saved.begin(), saved.end() - 4), Lines(printed.begin() + 1, printed.end() - 4));
}

// The optional result lines appear for the visible fields only, in their fixed order.
TEST(DesignReport, OptionalResultsFollowVisibility) {
  DoublePipeInputs in = DoublePipe(true, 1);
  in.pressureDrops = true;
  DesignResult r;
  r.heatTransferRate = 1000;
  r.coldOutletTemperature = 30;
  r.hotOutletTemperature = 70;
  r.innerPressureDrop = 10;
  r.outerPressureDrop = 20;
  r.outerConductivity = 0.603;
  const Lines lines = DesignReportLines(ResultsOutcome(in, r), ReportKind::Saved);
  const Lines tail(lines.end() - 9, lines.end() - 4);
  EXPECT_EQ(tail, (Lines{"The overall heat transfer (W) : 1000.000",
                         "Exit temperature of the cold fluid (deg.c) : 30.000",
                         "Exit temperature of the hot fluid (deg.c) : 70.000",
                         "Pressure drop of the inner fluid (Pa) : 10.0000",
                         "Pressure drop of the outer fluid (Pa) : 20.0000"}));
  EXPECT_EQ(lines[lines.size() - 10], "Outer Fluid Conductivity:  0.603000");
}

struct FlowConditionCase {
  bool iteration;
  int flowCondition;
  std::vector<std::string> line;  // the line after the seven entries, if any
};

TEST(DesignReport, DoublePipeFlowConditionOnlyWithIteration) {
  const FlowConditionCase cases[] = {
      {true, 0, {"The flow condition in the exchanger is parallel flow."}},
      {true, 1, {"The flow condition in the exchanger is counter flow."}},
      {true, -1, {}},
      {false, 1, {}},
  };
  for (const FlowConditionCase& c : cases) {
    const Lines block = DesignPageBlock(DoublePipe(c.iteration, c.flowCondition));
    ASSERT_EQ(block.size(), 13u + c.line.size());
    EXPECT_EQ(Lines(block.begin() + 8, block.begin() + 8 + c.line.size()), c.line);
    EXPECT_EQ(block[8 + c.line.size()], "The inner fluid is air.");
  }
}

TEST(DesignReport, FluidAndMaterialSentencesByItemIndex) {
  struct Case {
    int inner, outer, material;
    Lines sentences;  // inner, outer, material sentence (missing ones left out)
  };
  const Case cases[] = {
      {1,
       2,
       1,
       {"The inner fluid is saturated water.", "The outer fluid is unused engine oil.",
        "The construction material is Aluminium."}},
      {2,
       3,
       2,
       {"The inner fluid is unused engine oil.", "The outer fluid is \"another\" fluid.",
        "The construction material is Carbon Steel."}},
      {3,
       0,
       3,
       {"The inner fluid is \"another\" fluid.", "The outer fluid is air.",
        "The construction material is Chrome-Nickel Steel."}},
      {0,
       0,
       4,
       {"The inner fluid is air.", "The outer fluid is air.",
        "The construction material is \"another\" material."}},
      {-1, 4, 5, {}},
  };
  for (const Case& c : cases) {
    DoublePipeInputs in = DoublePipe(false, -1);
    in.innerFluid = c.inner;
    in.outerFluid = c.outer;
    in.material = c.material;
    Lines block = DesignPageBlock(in);
    Lines sentences;
    for (const std::string& line : block)
      if (line.rfind("The ", 0) == 0)
        sentences.push_back(line);
    EXPECT_EQ(sentences, c.sentences) << c.inner << c.outer << c.material;
    // The temperature lines stay whatever the choices.
    EXPECT_NE(std::find(block.begin(), block.end(), " Inner fluid Temp. :   25"), block.end());
  }
}

CrossFlowInputs CrossFlow(int arrangement) {
  CrossFlowInputs in;
  in.tubeInsideDiameter = "0.016";
  in.tubeOutsideDiameter = "0.02";
  in.rowsNormal = "5";
  in.rowsParallel = "4";
  in.tubeCount = "20";
  in.length = "1";
  in.innerMassFlow = "0.5";
  in.outerMassFlow = "1.5";
  in.arrangement = arrangement;
  in.inLinePitchParallel = "0.025";
  in.inLinePitchNormal = "0.03";
  in.staggeredPitchParallel = "0.012";
  in.staggeredPitchNormal = "0.06";
  in.innerFluid = 3;
  in.material = 4;
  in.innerTemperature = "25";
  in.outerTemperature = "80";
  return in;
}

TEST(DesignReport, CrossFlowBlockWithEachArrangement) {
  const Lines head = {"Type of heat exchanger being analysed : cross flow",
                      "Inside diameter of a tube ( m ) :   0.016",
                      "Outside diameter of a tube ( m ) :   0.02",
                      "Number of rows normal to the flow :   5",
                      "Number of rows parallel to the flow :   4",
                      "The total number of tubes :   20",
                      "The length of each tube ( m ) :   1",
                      "Total mass flow rate of the inner fluid ( kg/sec ) :   0.5",
                      "Total mass flow rate of the outer fluid ( kg/sec ) :   1.5"};
  const Lines tail = {"The inner fluid is \"another\" fluid.", " Inner fluid Temp. :   25",
                      "The outer fluid is air.", " Outer fluid temp. :   80",
                      "The construction material is \"another\" material."};
  const std::pair<int, Lines> cases[] = {
      {0,
       {"The exchanger is in the In-Line arrangemnt.", " The horizontal tube spacing is (m) :0.025",
        " The verical tube spacing is (m) :0.03"}},
      {1,
       {"The exchanger is in the Staggered arrangemnt.",
        " The horizontal tube spacing is (m) :0.012", " The vertical tube spacing is (m) :0.06"}},
      {-1, {}},
  };
  for (const auto& [arrangement, middle] : cases) {
    Lines expected = head;
    expected.insert(expected.end(), middle.begin(), middle.end());
    expected.insert(expected.end(), tail.begin(), tail.end());
    EXPECT_EQ(DesignPageBlock(CrossFlow(arrangement)), expected) << arrangement;
  }
}

CompactInputs Compact(int surface) {
  CompactInputs in;
  in.surface = surface;
  in.tubeInsideDiameter = "0.008";
  in.innerMassFlow = "0.3";
  in.outerMassFlow = "1.2";
  in.tubeCount = "40";
  in.rowsParallel = "4";
  in.rowsNormal = "10";
  in.length = "0.6";
  in.material = 1;
  in.innerTemperature = "90";
  in.outerTemperature = "20";
  return in;
}

// The catalogue lines of the first surface, of the empty separator item and of
// an index outside the list.
TEST(DesignReport, CompactCatalogueLines) {
  const std::pair<int, Lines> cases[] = {
      {0,
       {"Outer tube diameter =0.00965m , Fin diameter =0.0234m ",
        "Vertcal tube spacing =0.0248m  , Horizontal tube spacing =0.0203m ",
        "Hydraulic diameter =0.00475m  , Fin thickness =0.00046m "}},
      {13,
       {"Outer tube diameter =, Fin diameter =",
        "Vertcal tube spacing = , Horizontal tube spacing =",
        "Hydraulic diameter = , Fin thickness ="}},
      {-1,
       {"Outer tube diameter =, Fin diameter =",
        "Vertcal tube spacing = , Horizontal tube spacing =",
        "Hydraulic diameter = , Fin thickness ="}},
  };
  for (const auto& [surface, catalogue] : cases) {
    const Lines block = DesignPageBlock(Compact(surface));
    EXPECT_EQ(Lines(block.begin() + 2, block.begin() + 5), catalogue) << surface;
  }
}

}  // namespace
}  // namespace calvora
