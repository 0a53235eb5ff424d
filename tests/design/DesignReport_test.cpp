#include "design/DesignReport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace calvora {
namespace {

using Lines = std::vector<std::string>;

ResultsReport SampleResults() {
  ResultsReport r;
  r.lines = {{"Reynolds number of inner fluid :", "12345.6780"},
             {"Reynold number of the outer fluid :", "2345.0000"},
             {"Total surface area(based on internal Dia.) :", "1.2000"},
             {"Coefficient of heat transfer for inner fluid :", "45.1000"},
             {"Coefficient of heat transfer for outer fluid :", "67.2000"},
             {"Overall heat transfer coefficient :", "20.3000"}};
  r.innerColumn = "Inner";
  r.outerColumn = "Outer";
  r.rowCaptions = {"Density :", "Prandtl No.:", "Viscosity :", "Conductivity:"};
  r.inner = {"1.177000", "0.708000", "0.000018", "0.026200"};
  r.outer = {"998.0000", "6.780000", "0.000959", "0.603000"};
  r.innerInlet = {true, "25.00"};
  r.outerInlet = {true, "80.00"};
  r.heatTransfer = {false, "1000.000"};
  r.coldExit = {false, "30.000"};
  r.hotExit = {false, "70.000"};
  r.innerDrop = {false, "10.0000"};
  r.outerDrop = {false, "20.0000"};
  return r;
}

ReportFluids SampleFluids(int inner, int outer, int material) {
  return {inner, {"Inner fluid Temp. :", "25"}, outer, {"Outer fluid temp. :", "80"}, material};
}

DesignReportSnapshot DoublePipe(bool iteration, int flowCondition) {
  DesignReportSnapshot s;
  s.pageIndex = 0;
  s.doublePipe.entries = {{"Inside diameter of the inner tube ( m ) :", "0.02"},
                          {"Outside diameter of the inner tube ( m ) :", "0.025"},
                          {"Inside diameter of the outer tube ( m ) :", "0.04"},
                          {"Outside diameter of the outer tube ( m ) :", "0.045"},
                          {"Length of the inner tubes ( m ) :", "3"},
                          {"Mass flow rate of the inner fluid ( kg/sec ) :", "0.1"},
                          {"Mass flow rate of the outer fluid ( kg/sec ) :", "0.2"}};
  s.doublePipe.iteration = iteration;
  s.doublePipe.flowCondition = flowCondition;
  s.doublePipe.fluids = SampleFluids(0, 1, 0);
  s.results = SampleResults();
  return s;
}

// Whole reports of each page, saved and printed, are compared line by line with
// the golden files in tests/data/reports (GoldenReport_test.cpp); the tests
// here vary one choice at a time.

TEST(DesignReport, PrintedReportDiffersOnlyAtBothEnds) {
  const DesignReportSnapshot s = DoublePipe(false, -1);
  Lines saved = DesignReportLines(s, ReportKind::Saved);
  Lines printed = DesignReportLines(s, ReportKind::Printed);
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
  DesignReportSnapshot s = DoublePipe(true, 1);
  ResultsReport& r = s.results;
  r.innerInlet.visible = r.outerInlet.visible = false;
  r.heatTransfer.visible = r.coldExit.visible = r.hotExit.visible = true;
  r.innerDrop.visible = r.outerDrop.visible = true;
  const Lines lines = DesignReportLines(s, ReportKind::Saved);
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
    DesignReportSnapshot s = DoublePipe(false, -1);
    s.doublePipe.fluids = SampleFluids(c.inner, c.outer, c.material);
    Lines block = DesignPageBlock(s);
    Lines sentences;
    for (const std::string& line : block)
      if (line.rfind("The ", 0) == 0)
        sentences.push_back(line);
    EXPECT_EQ(sentences, c.sentences) << c.inner << c.outer << c.material;
    // The temperature lines stay whatever the choices.
    EXPECT_NE(std::find(block.begin(), block.end(), " Inner fluid Temp. :   25"), block.end());
  }
}

DesignReportSnapshot CrossFlow(int arrangement) {
  DesignReportSnapshot s;
  s.pageIndex = 1;
  s.crossFlow.entries = {{"Inside diameter of a tube ( m ) :", "0.016"},
                         {"Outside diameter of a tube ( m ) :", "0.02"},
                         {"Number of rows normal to the flow :", "5"},
                         {"Number of rows parallel to the flow :", "4"},
                         {"The total number of tubes :", "20"},
                         {"The length of each tube ( m ) :", "1"},
                         {"Total mass flow rate of the inner fluid ( kg/sec ) :", "0.5"},
                         {"Total mass flow rate of the outer fluid ( kg/sec ) :", "1.5"}};
  s.crossFlow.arrangement = arrangement;
  s.crossFlow.inLineSp = "0.025";
  s.crossFlow.inLineSn = "0.03";
  s.crossFlow.staggeredSp = "0.012";
  s.crossFlow.staggeredSn = "0.06";
  s.crossFlow.fluids = SampleFluids(3, 0, 4);
  s.results = SampleResults();
  return s;
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

DesignReportSnapshot Compact(int surface) {
  DesignReportSnapshot s;
  s.pageIndex = 3;
  s.compact.surface = surface;
  s.compact.entries = {{"Internal diameter of one of the tubes (m) :", "0.008"},
                       {"Mass flow rate of the internal fluid (kg/s) :", "0.3"},
                       {"Mass flow rate of the outer fluid (kg/s) :", "1.2"},
                       {"Number of tubes in the bunch :", "40"},
                       {"Number of rows parallel to flow :", "4"},
                       {"Number of rows normal to the flow :", "10"},
                       {"Length of one of the tubes (m) :", "0.6"}};
  s.compact.fluids = {0, {"Inner liquid Temp. :", "90"}, 0, {"Outer liquid temp. :", "20"}, 1};
  return s;
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

TEST(DesignReport, UnknownPageWritesNoBlock) {
  DesignReportSnapshot s = DoublePipe(false, -1);
  s.pageIndex = 4;
  EXPECT_TRUE(DesignPageBlock(s).empty());
  const Lines lines = DesignReportLines(s, ReportKind::Saved);
  EXPECT_EQ(lines[5], "");
  EXPECT_EQ(lines[9], "The results arrived at by the program are :");
}

}  // namespace
}  // namespace calvora
