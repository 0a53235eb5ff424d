// Results an engineer can trust: consistent exchangers entered into every
// combination come back satisfying the method's own equations, and typing
// mistakes or unreachable data end in one message with no results.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "ntu/InverseRelations.h"
#include "support/ThermalSnapshot.h"
#include "thermal/ThermalFields.h"
#include "thermal/ThermalSolver.h"

namespace calvora {
namespace {

namespace ti = thermal_input;

// Inputs from entries written by their keys "Th1=90 Tc1=15 ..." (a later entry
// wins) and the unknowns named "Mh Q A".
ThermalInputs Inputs(const std::string& unknowns, const std::string& entries, const char* type,
                     const char* mixing) {
  ThermalInputs in;
  in.exchangerType = ItemIndex(ti::kExchangerTypes, type);
  in.mixing = ItemIndex(ti::kCrossFlowMixings, mixing);
  std::istringstream u(unknowns), e(entries);
  for (std::string name; u >> name;)
    fields::FindField(kThermalUnknownFields, name)->check(in) = true;
  for (std::string entry; e >> entry;)
    fields::FindField(kThermalInputFields, entry.substr(0, entry.find('=')))->text(in) =
        entry.substr(entry.find('=') + 1);
  return in;
}

double Field(const ThermalState& s, const std::string& name) {
  const std::pair<const char*, double> fields[] = {
      {"Th0", s.Th0}, {"Tc0", s.Tc0}, {"Mh", s.mh},       {"Mc", s.mc},  {"Q", s.Q},
      {"A", s.A},     {"U", s.U},     {"eps", s.epsilon}, {"NTU", s.NTU}};
  for (const auto& [n, v] : fields)
    if (name == n)
      return v;
  ADD_FAILURE() << "no field " << name;
  return 0;
}

const char* const kCross = "Cross Flow";
const char* const kCounter = "Counter Flow";

struct Case {
  const char* name;
  const char* unknowns;
  const char* type;
  const char* mixing;
  const char* entries;   // over kBase
  const char* message;   // the one message that ends the run, or null
  const char* expected;  // "Q=151263.342 eps=0.1519": to the decimals written
};

// A consistent counter-flow exchanger: 1 kg/s cooled 100 -> 60 against 2 kg/s.
const char* const kBase =
    "Th1=100 Tc1=20 Th0=60 Tc0=40 Mh=1 Mc=2 Q=40000 A=2 U=500 cc=1000 ch=1000 ";

void RunCase(const Case& c) {
  RecordingMessages messages;
  const auto s =
      SolveThermal(Inputs(c.unknowns, std::string(kBase) + c.entries, c.type, c.mixing), messages);
  if (c.message) {
    EXPECT_FALSE(s.showsResults());
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, c.message);
    return;
  }
  ASSERT_TRUE(s.showsResults()) << (messages.messages.empty() ? "" : messages.messages[0].text);
  EXPECT_TRUE(messages.messages.empty());
  std::istringstream in(c.expected);
  for (std::string item; in >> item;) {
    const std::string value = item.substr(item.find('=') + 1);
    const auto decimals = value.size() - value.find('.') - 1;
    EXPECT_NEAR(Field(s.state, item.substr(0, item.find('='))), std::stod(value),
                0.5 * std::pow(10.0, -static_cast<double>(decimals)))
        << item;
  }
}

class CaseTest : public ::testing::TestWithParam<Case> {};
TEST_P(CaseTest, ShowsTheCorrectValuesOrOnlyItsMessage) {
  RunCase(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Reported, CaseTest,
    ::testing::Values(
        // C comes out a hair below 1 from the derived hot flow.
        Case{"BalancedCounterArea", "Mh Q A", kCounter, "",
             "Th1=90 Th0=79.7 Tc1=15 Tc0=25.3 Mc=0.5 U=500 cc=4180 ch=4180", nullptr,
             "Mh=0.500 Q=21527.000 eps=0.1373 NTU=0.1592 A=0.6654"},
        // 2.3 * 3330 = 4.5 * 1702 = 7659 in decimal, not in binary.
        Case{"DecimalBalancedCounterDuty", "Q Tc0 Th0", kCounter, "",
             "Th1=150 Tc1=20 Mh=2.3 ch=3330 Mc=4.5 cc=1702 A=2.8 U=490", nullptr,
             "Q=151263.342 Th0=130.250 Tc0=39.750 eps=0.1519"},
        Case{"BothUnmixedDuty", "Q Tc0 Th0", kCross, "Both fluids are unmixed",
             "Th1=100 Tc1=20 Mh=1 Mc=1.25 A=10 U=1000 cc=4180 ch=4180", nullptr,
             "Q=233922.567 Th0=44.038 Tc0=64.770 NTU=2.3923"},
        Case{"BothUnmixedAreaBack", "A Tc0 Th0", kCross, "Both fluids are unmixed",
             "Th1=100 Tc1=20 Mh=1 Mc=1.25 Q=233922.567 U=1000 cc=4180 ch=4180", nullptr,
             "A=10.0000 NTU=2.3923"},
        Case{"BothUnmixedCoefficientBack", "Tc0 U Th0", kCross, "Both fluids are unmixed",
             "Th1=100 Tc1=20 Mh=1 Mc=1.25 Q=233922.567 A=10 cc=4180 ch=4180", nullptr,
             "U=1000.000 NTU=2.3923"},
        // eps = 0.9; both mixed reaches 0.871 at most at this C.
        Case{"BothMixedBeyondItsPeak", "A Tc0 Th0", kCross, "Both fluids are mixed",
             "Th1=200 Tc1=20 Q=36450 Mh=0.25 Mc=0.15 U=1000 cc=1500 ch=3800", kCannotFindNtuMessage,
             ""},
        // NTU = 2000/4180, eps = 1 - exp(-(1 - exp(-NTU))) whichever stream is mixed.
        Case{"SingleMixedTieDuty", "Q Tc0 Th0", kCross, "Cold fluid is mixed",
             "Th1=100 Tc1=20 Mh=1 Mc=1 A=5 U=400 cc=4180 ch=4180", nullptr,
             "Q=105778.130 Th0=74.694 Tc0=45.306 eps=0.3163"},
        Case{"SingleMixedTieArea", "Mh Q A", kCross, "Cold fluid is unmixed",
             "Th1=100 Tc1=20 Th0=74.69422739061996 Tc0=45.30577260938004 Mc=1 U=400 cc=4180 "
             "ch=4180",
             nullptr, "Mh=1.000 A=5.0000"}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    TypingMistakes, CaseTest,
    ::testing::Values(
        Case{"InletsSwapped", "Q Tc0 Th0", kCounter, "", "Th1=20 Tc1=150", kInletOrderMessage, ""},
        Case{"HotOutletAboveItsInlet", "A Q Tc0", kCounter, "",
             "Th1=120 Th0=125 Tc1=15 U=350 Mc=0.8 Mh=2 cc=4180 ch=2100", kHotOutletRangeMessage,
             ""},
        Case{"CondensingOutletTypedAsInlet", "U Q Tc0", "All exchangers with C=0", "",
             "Th0=100 ch=1E9", kHotOutletRangeMessage, ""},
        Case{"ColdOutletAboveHotInlet", "Mc Q A", kCounter, "", "Tc0=130", kColdOutletRangeMessage,
             ""},
        Case{"StrayMinusOnColdFlow", "A Q Th0", "Parallel Flow", "", "Mc=-1", kColdFlowMessage, ""},
        Case{"ZeroStartOfTheSearch", "Tc0 Th0 Mh", kCounter, "", "Mc=0", kColdFlowMessage, ""},
        Case{"StrayMinusOnHotFlow", "A Tc0 Th0", kCounter, "", "Mh=-1", kHotFlowMessage, ""},
        Case{"StrayMinusOnDuty", "Mh A Tc0", kCounter, "", "Q=-40000", kDutyMessage, ""},
        Case{"StrayMinusOnArea", "Mh Q U", kCounter, "", "A=-2", kAreaMessage, ""},
        Case{"ZeroCoefficient", "Mh Q A", kCounter, "", "U=0", kCoefficientMessage, ""},
        // The streams exchange 1000 W/K * 80 K = 80 kW at most.
        Case{"DutyBeyondTheStreams", "A Tc0 Th0", kCounter, "", "Q=80001", kDutyTooLargeMessage,
             ""},
        Case{"CrossFlowWithoutMixing", "Q Tc0 Th0", kCross, "", "", kInsufficientDataMessage, ""}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- round trip -----------------------------------------------------------------

std::string Text(double v) {
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.17g", v);
  return buffer;
}

// Which of the method's equations the shown state breaks, or empty.
std::string Broken(const ThermalState& s, double tolerance) {
  RecordingMessages none;
  double relation = 0;
  Effectiveness(s.C, s.NTU, s.Ch, s.Cc, s.arrangement, s.mixing, relation, none);
  const struct {
    const char* name;
    double got, want;
  } equations[] = {{"hot balance", s.mh * s.ch * (s.Th1 - s.Th0), s.Q},
                   {"cold balance", s.mc * s.cc * (s.Tc0 - s.Tc1), s.Q},
                   {"eps = Q/(Cmin dT)", s.Q / (s.Cmin * (s.Th1 - s.Tc1)), s.epsilon},
                   {"NTU = UA/Cmin", s.U * s.A / s.Cmin, s.NTU},
                   {"eps = relation", relation, s.epsilon}};
  for (const auto& e : equations)
    if (!(std::fabs(e.got - e.want) <= tolerance * std::fabs(e.want)))
      return e.name;
  return {};
}

TEST(RoundTrip, EveryCombinationKeepsTheEquationsOrSaysWhy) {
  const std::pair<const char*, const char*> types[] = {
      {"Parallel Flow", ""},
      {kCounter, ""},
      {"Shell and Tube (one pass, 2,4, or 6 tubes)", ""},
      {"All exchangers with C=0", ""},
      {kCross, "Cold fluid is unmixed"},
      {kCross, "Cold fluid is mixed"},
      {kCross, "Both fluids are mixed"},
      {kCross, "Both fluids are unmixed"}};
  // Mh, ch, Mc, cc: exactly balanced, balanced in decimal only, then C from 0.01 to 1
  // with either stream as Cmin.
  std::vector<std::vector<double>> streams = {{1, 4180, 1, 4180}, {2.3, 3330, 4.5, 1702}};
  for (double C : {0.01, 0.2, 0.5, 0.9, 0.99999, 1.0}) {
    streams.push_back({1.7, 2100, 1.7 * 2100 / (C * 4180), 4180});
    streams.push_back({0.6 * 4180 / (C * 2100), 2100, 0.6, 4180});
  }
  int runs = 0, searchRuns = 0, searchMessages = 0;
  for (const auto& [type, mixing] : types) {
    for (const auto& f : streams) {
      for (double ntu : {0.05, 0.7, 3.0, 8.0}) {
        const double cmin = std::fmin(f[0] * f[1], f[2] * f[3]);
        const std::string known = "Th1=120.5 Tc1=-15 Mh=" + Text(f[0]) + " ch=" + Text(f[1]) +
                                  " Mc=" + Text(f[2]) + " cc=" + Text(f[3]) +
                                  " U=350 A=" + Text(ntu * cmin / 350) + " ";
        RecordingMessages messages;
        const auto truth = SolveThermal(Inputs("Q Tc0 Th0", known, type, mixing), messages);
        ASSERT_TRUE(truth.showsResults()) << type << mixing << known;
        const std::string all = known + "Th0=" + Text(truth.state.Th0) +
                                " Tc0=" + Text(truth.state.Tc0) + " Q=" + Text(truth.state.Q);
        for (unsigned mask = 0; mask < 128; ++mask) {
          const int number = AllowedCombination(mask);
          if (number == 0)
            continue;
          ThermalInputs in = Inputs("", all, type, mixing);
          for (int u = 0; u < kUnknownCount; ++u)
            in.unknown[u] = (mask >> u) & 1u;
          RecordingMessages said;
          const auto s = SolveThermal(in, said);
          ++runs;
          searchRuns += number >= 16;
          const std::string where =
              std::string(type) + " " + mixing + " #" + std::to_string(number) + " " + all;
          if (!s.showsResults()) {
            ASSERT_EQ(said.messages.size(), 1u) << where;
            EXPECT_GE(number, 16) << said.messages[0].text << " " << where;
            ++searchMessages;
            continue;
          }
          EXPECT_EQ(Broken(s.state, number >= 16 ? 1e-4 : 1e-6), "") << where;
        }
      }
    }
  }
  std::printf("[ share    ] %d of %d runs ended in a message (%d runs of the mass-flow search)\n",
              searchMessages, runs, searchRuns);
}

}  // namespace
}  // namespace calvora
