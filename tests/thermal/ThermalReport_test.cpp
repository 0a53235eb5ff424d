#include "thermal/ThermalReport.h"

#include <gtest/gtest.h>

#include <ostream>

#include "ParamNames.h"

#include <algorithm>
#include <string>
#include <vector>

#include "support/ThermalSnapshot.h"
#include "thermal/ThermalResults.h"
#include "thermal/ThermalSolver.h"

namespace calvora {
namespace {

using test_names::PrintTo;

namespace ti = thermal_input;

// Counter flow, Mh, Q and A unknown; the entries as a user would type them.
ThermalInputs Combination1(const char* arrangement = "Counter Flow",
                           const char* mixing = "Cold fluid is unmixed") {
  ThermalInputs in;
  in.exchangerType = ItemIndex(ti::kExchangerTypes, arrangement);
  in.mixing = ItemIndex(ti::kCrossFlowMixings, mixing);
  in.SetUnknown(Unknown::Mh);
  in.SetUnknown(Unknown::Q);
  in.SetUnknown(Unknown::A);
  in.SetText(ti::Quantity::Th1, "120");
  in.SetText(ti::Quantity::Tc1, "20");
  in.SetText(ti::Quantity::Th0, "80");
  in.SetText(ti::Quantity::Tc0, "45");
  in.SetText(ti::Quantity::Mc, "2");
  in.SetText(ti::Quantity::U, "800");
  in.SetText(ti::Quantity::Mh, "9.5");  // hidden: not in the report
  in.SetText(ti::Quantity::Cc, "4180");
  in.SetText(ti::Quantity::Ch, "2000");
  return in;
}

TEST(ThermalReport, SavedReportOfCombination1LineByLine) {
  // Hand check: Q = 2 * 4180 * 25 = 209000 W; mh = 209000 / (40 * 2000) = 2.6125 kg/s (as a
  // double just below 2.6125, so 2.612); Ch = 5225 < Cc = 8360: eps = 40 / 100 = 0.4,
  // C = 0.625, NTU = ln((0.4 - 1)/(0.625 * 0.4 - 1)) / (0.625 - 1) = ln(0.8) / -0.375 = 0.59505,
  // A = NTU * 5225 / 800 = 3.88642.
  const std::vector<std::string> expected = {
      "The following is a full set of results obtained from the NTU- Effectiveness",
      "method for a full thermal analysis of the chosen heat exchanger.",
      "",
      "",
      "The list below is of the user entered data :",
      "",
      "The type of heat exchanger being analysed is counter flow.",
      "Th1---The inlet temperature of the hot fluid (deg.c) :  120",
      "Th0---The outlet temperature of the hot fluid (deg.C) :  80",
      "Tc1---The inlet temperature of the cold fluid (deg.C) :  20",
      "Tc0---The outlet temperature of the cold fluid (deg.C) :  45",
      "Mc---The mass flow rate of the cold fluid (kg/sec) :  2",
      "U---The overall heat transfer coefficient (W/m2.deg.C) :  800",
      "Specific heat capacity of the cold fluid (J/kg.deg.c) :  4180",
      "Specific heat capacity of the hot fluid (J/kg.deg.c) :  2000",
      "",
      "",
      "",
      "The list below is of the results obtained by the program :",
      "",
      "Inlet temperature of the hot fluid :  120.000",
      "Inlet temperature of the cold fluid :  20.000",
      "Outlet temperature  of the hot fluid :  80.000",
      "Outlet temperature of the cold fluid :  45.000",
      "",
      "The overall heat transfer coefficient, U (W/m2.deg.c) :  800.000",
      "The mass flow rate of the cold fluid (kg/sec) :  2.000",
      "The mass flow rate of the hot fluid (kg/sec) :  2.612",
      "The specific heat capacity of the cold fluid (J/Kg.deg.c) :  4180.000",
      "The specific heat capacity of the hot fluid (J/Kg.deg.c) :  2000.000",
      "The minimum capacity flow (Cmin) :  5225.000",
      "The maximum capacity flow rate (Cmax) :  8360.000",
      "The total overall heat transfer, Q (W) :  209000.000",
      "",
      "Total surface area (m2) :  3.8864",
      "The effectiveness, E :  0.4000",
      "Number of transfer units :  0.5950",
      "",
      "",
      "Thank you for using Calvora v1.0",
      "",
  };
  EXPECT_EQ(ThermalReportLines(SnapshotAfter(Combination1()), ReportVariant::Saved), expected);
}

TEST(ThermalReport, PrintedVariantDiffersOnlyAtStartAndEnd) {
  const ThermalReportSnapshot snap = SnapshotAfter(Combination1());
  const auto saved = ThermalReportLines(snap, ReportVariant::Saved);
  const auto printed = ThermalReportLines(snap, ReportVariant::Printed);
  ASSERT_EQ(printed.front(), "");
  ASSERT_EQ(printed.size(), saved.size() + 1);
  // Saved ends "Thank you for using Calvora v1.0", ""; printed ends with two closing lines.
  EXPECT_TRUE(std::equal(saved.begin(), saved.end() - 2, printed.begin() + 1));
  EXPECT_EQ(printed[printed.size() - 2], "Thank you for using this program.");
  EXPECT_EQ(printed.back(), "Hopefully any problems were quickly resolved.");
  EXPECT_EQ(printed[printed.size() - 5], "Number of transfer units :  0.5950");
}

struct MixingCase {
  const char* item;
  const char* line;
};

void PrintTo(const MixingCase& c, std::ostream* os) {
  *os << c.item;
}

class CrossFlowReportTest : public ::testing::TestWithParam<MixingCase> {};

TEST_P(CrossFlowReportTest, ListsExactlyTheSelectedMixingLine) {
  const auto lines = ThermalReportLines(SnapshotAfter(Combination1("Cross Flow", GetParam().item)),
                                        ReportVariant::Saved);
  const auto at = std::find(lines.begin(), lines.end(),
                            "The type of heat exchanger being analysed is cross flow.");
  ASSERT_NE(at, lines.end());
  EXPECT_EQ(*(at + 1), GetParam().line);
  EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                          [](const std::string& l) { return l.rfind("  ", 0) == 0; }),
            1);
}

INSTANTIATE_TEST_SUITE_P(
    Mixings, CrossFlowReportTest,
    ::testing::Values(MixingCase{"Cold fluid is unmixed", "  The cold fluid is unmixed."},
                      MixingCase{"Cold fluid is mixed", "  The cold fluid is mixed."},
                      MixingCase{"Both fluids are mixed", "  Both the fluid are mixed."},
                      MixingCase{"Both fluids are unmixed", "  Both the fluid are unmixed."}),
    [](const auto& info) {
      const auto& c = info.param;
      return test_names::Words(info.index, c.item);
    });

TEST(ThermalReport, ArrangementLines) {
  const std::pair<const char*, const char*> cases[] = {
      {"Parallel Flow", "The type of heat exchanger being analysed is parallel flow."},
      {"Shell and Tube (one pass, 2,4, or 6 tubes)",
       "The type of heat exchanger being analysed is shell and tube (one pass, 2,4 or 6 tubes)."},
      {"All exchangers with C=0",
       "The type of heat exchanger being analysed is all exchangers with C=0."}};
  for (const auto& [item, line] : cases) {
    ThermalReportSnapshot snap = SnapshotAfter(Combination1(item, "Both fluids are mixed"));
    const auto lines = ThermalReportLines(snap, ReportVariant::Saved);
    EXPECT_EQ(lines[6], line);
    EXPECT_EQ(lines[7].rfind("Th1---", 0), 0u) << "no mixing line outside cross flow";
  }
}

TEST(ThermalResults, TemperaturesKeepTheirSignOtherValuesAreAbsolute) {
  ThermalState s;
  s.Th1 = -5;
  s.Tc0 = -1.23456;
  s.U = -800;
  s.mc = -2;
  s.Q = -1.5;
  s.A = -0.12345;
  s.epsilon = -0.5;
  s.NTU = -2;
  const auto t = ThermalResultTexts(s, ',');
  EXPECT_EQ(t[0], "-5,000");
  EXPECT_EQ(t[3], "-1,235");
  EXPECT_EQ(t[4], "800,000");
  EXPECT_EQ(t[5], "2,000");
  EXPECT_EQ(t[11], "1,500");
  EXPECT_EQ(t[12], "0,1235");  // four decimals for the exchanger group
  EXPECT_EQ(t[13], "0,5000");
  EXPECT_EQ(t[14], "2,0000");
}

}  // namespace
}  // namespace calvora
