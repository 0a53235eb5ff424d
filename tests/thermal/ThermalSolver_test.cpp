#include "thermal/ThermalSolver.h"

#include <gtest/gtest.h>

#include <ostream>

#include "ParamNames.h"

#include <cmath>
#include <cstdio>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "ntu/MassFlowSearch.h"

namespace calvora {
namespace {

using test_names::PrintTo;

namespace ti = thermal_input;
using FA = FlowArrangement;
using CM = CrossFlowMixing;

// Unknowns written as the user names them, e.g. "Mh Q A".
unsigned MaskOf(const std::string& names) {
  static const char* const kNames[] = {"Th0", "Tc0", "Mh", "Mc", "Q", "A", "U"};
  unsigned mask = 0;
  std::istringstream in(names);
  std::string name;
  while (in >> name) {
    for (int i = 0; i < kUnknownCount; ++i) {
      if (name == kNames[i])
        mask |= 1u << i;
    }
  }
  return mask;
}

// Allowed combinations, numbered as in the help topic of the input screen.
const char* const kAllowed[21] = {
    "Mh Q A",    "Mh Q U",   "Mh A Tc0", "Mh U Tc0", "A Q Tc0",  "A Q Th0",    "A Tc0 Th0",
    "Q Tc0 Th0", "Mc Q A",   "Mc Q U",   "Mc A Th0", "Mc U Th0", "U Q Tc0",    "Th0 U Q",
    "Tc0 U Th0", "Tc0 Mh Q", "Th0 Mh Q", "Mc Q Tc0", "Mc Th0 Q", "Tc0 Th0 Mh", "Tc0 Th0 Mc"};

const char* const kRefused[14] = {"Th0 Mh Mc", "Th0 Mh A", "Th0 Mh U", "Th0 A U", "Tc0 Mh Mc",
                                  "Tc0 Mc A",  "Tc0 Mc U", "Tc0 A U",  "Mh Mc Q", "Mh Mc A",
                                  "Mh Mc U",   "Mh A U",   "Mc A U",   "Q A U"};

std::string Text(double v) {
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.17g", v);
  return buffer;
}

struct Exchanger {
  const char* name;
  FA arrangement;
  CM mixing;
};

const Exchanger kExchangers[] = {
    {"Parallel", FA::ParallelFlow, CM::None},
    {"Counter", FA::CounterFlow, CM::None},
    {"ShellAndTube", FA::ShellAndTube, CM::None},
    {"CapacityRatioZero", FA::CapacityRatioZero, CM::None},
    {"CrossColdUnmixed", FA::CrossFlow, CM::ColdUnmixed},
    {"CrossColdMixed", FA::CrossFlow, CM::ColdMixed},
};

// The exchanger worked forward from known flows, U and A (hot stream is Cmin).
ThermalState Forward(const Exchanger& x) {
  ThermalState s;
  s.arrangement = x.arrangement;
  s.mixing = x.mixing;
  s.Th1 = 150;
  s.Tc1 = 20;
  s.ch = 4000;
  s.cc = 4180;
  s.mh = 2;
  s.mc = 3;
  s.U = 500;
  s.A = 12;
  s.SetRates(CapacityRates(s.mc, s.cc, s.mh, s.ch));
  s.NTU = NtuFromUA(s.A, s.Cmin, s.U);
  RecordingMessages none;
  Effectiveness(s.C, s.NTU, s.Ch, s.Cc, s.arrangement, s.mixing, s.epsilon, none);
  s.Q = HeatTransferRate(s.epsilon, s.Cmin, s.Th1, s.Tc1);
  s.Th0 = CooledOutletTemperature(s.Th1, s.Q, s.mh, s.ch);
  s.Tc0 = HeatedOutletTemperature(s.Tc1, s.Q, s.mc, s.cc);
  return s;
}

// Inputs with every known field typed and every unknown field left empty.
ThermalInputs InputsFor(const ThermalState& s, const Exchanger& x, unsigned mask) {
  ThermalInputs in;
  in.SetArrangement(x.arrangement);
  in.SetMixing(x.mixing);
  const double values[ti::kQuantityCount] = {s.Th1, s.Tc1, s.Th0, s.Tc0, s.mh, s.mc,
                                             s.Q,   s.A,   s.U,   s.cc,  s.ch};
  for (int i = 0; i < ti::kQuantityCount; ++i)
    in.texts[i] = Text(values[i]);
  for (int u = 0; u < kUnknownCount; ++u) {
    in.unknown[u] = (mask >> u) & 1u;
    if (in.unknown[u])
      in.texts[u + 2] = "";  // Th0..U follow Th1, Tc1 in the row order
  }
  return in;
}

class AllowedCombinationTest : public ::testing::TestWithParam<std::tuple<int, const Exchanger*>> {
};

TEST_P(AllowedCombinationTest, RecoversTheHiddenQuantities) {
  const int number = std::get<0>(GetParam());
  const Exchanger& x = *std::get<1>(GetParam());
  const unsigned mask = MaskOf(kAllowed[number - 1]);
  ASSERT_EQ(AllowedCombination(mask), number);
  const ThermalState truth = Forward(x);
  RecordingMessages messages;
  const ThermalOutcome got = SolveThermal(InputsFor(truth, x, mask), messages);
  ASSERT_TRUE(got.showsResults());
  EXPECT_TRUE(messages.messages.empty());
  const double tolerance = number >= 16 ? 1e-5 : 1e-9;  // the search stops at 1e-7 on the duty
  if (x.arrangement == FA::CapacityRatioZero && (number == 18 || number == 21)) {
    // With C taken as 0 the duty does not depend on mc while the hot stream stays Cmin, so
    // every mc above Ch / cc solves the problem (the start value mh already does): check that
    // the flow found is one of them.
    EXPECT_GE(got.state.Cc, got.state.Ch);
    EXPECT_NEAR(got.state.Q, truth.Q, tolerance * truth.Q);
    EXPECT_NEAR(got.state.Th0, truth.Th0, tolerance * truth.Th0);
    return;
  }
  const auto near = [&](double actual, double expected, const char* what) {
    EXPECT_NEAR(actual, expected, tolerance * std::fabs(expected)) << what;
  };
  near(got.state.Th0, truth.Th0, "Th0");
  near(got.state.Tc0, truth.Tc0, "Tc0");
  near(got.state.mh, truth.mh, "mh");
  near(got.state.mc, truth.mc, "mc");
  near(got.state.Q, truth.Q, "Q");
  near(got.state.A, truth.A, "A");
  near(got.state.U, truth.U, "U");
  near(got.state.epsilon, truth.epsilon, "epsilon");
  near(got.state.NTU, truth.NTU, "NTU");
  near(got.state.Cmin, truth.Cmin, "Cmin");
  near(got.state.Cmax, truth.Cmax, "Cmax");
  EXPECT_EQ(got.state.arrangement, x.arrangement);
  EXPECT_EQ(got.state.mixing, x.mixing);
}

INSTANTIATE_TEST_SUITE_P(All, AllowedCombinationTest,
                         ::testing::Combine(::testing::Range(1, 22),
                                            ::testing::Values(&kExchangers[0], &kExchangers[1],
                                                              &kExchangers[2], &kExchangers[3],
                                                              &kExchangers[4], &kExchangers[5])),
                         [](const auto& info) {
                           return std::string(std::get<1>(info.param)->name) + "_" +
                                  std::to_string(std::get<0>(info.param));
                         });

ThermalInputs CompleteInputs(unsigned mask) {
  return InputsFor(Forward(kExchangers[1]), kExchangers[1], mask);
}

class RefusedCombinationTest : public ::testing::TestWithParam<const char*> {};

TEST_P(RefusedCombinationTest, ShowsOnlyTheRefusal) {
  const unsigned mask = MaskOf(GetParam());
  EXPECT_EQ(AllowedCombination(mask), 0);
  RecordingMessages messages;
  EXPECT_FALSE(SolveThermal(CompleteInputs(mask), messages).showsResults());
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0],
            (Message{MessageKind::Warning,
                     "Sorry, this combination of unknowns is not allowed! Press Help to see those "
                     "that are."}));
}

INSTANTIATE_TEST_SUITE_P(All, RefusedCombinationTest, ::testing::ValuesIn(kRefused),
                         [](const auto& info) {
                           return test_names::Words(info.index, "unknowns", info.param);
                         });

struct CountCase {
  const char* unknowns;
  const char* message;
};

void PrintTo(const CountCase& c, std::ostream* os) {
  *os << c.unknowns;
}

class UnknownCountTest : public ::testing::TestWithParam<CountCase> {};

TEST_P(UnknownCountTest, ShowsOnlyItsWarning) {
  RecordingMessages messages;
  EXPECT_FALSE(SolveThermal(CompleteInputs(MaskOf(GetParam().unknowns)), messages).showsResults());
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0], (Message{MessageKind::Warning, GetParam().message}));
}

INSTANTIATE_TEST_SUITE_P(
    Counts, UnknownCountTest,
    ::testing::Values(
        CountCase{"", "You haven't chosen any unknowns, Please choose three from the list !"},
        CountCase{"Q", "You have only chosen one unknown, please choose two more !"},
        CountCase{"Mh Mc", "You have only chosen two unknowns, please choose one more !"},
        CountCase{"Mh Q A U",
                  "You have chosen more than three unknowns, please reselect just three !"},
        CountCase{"Th0 Tc0 Mh Mc Q A U",
                  "You have chosen more than three unknowns, please reselect just three !"}),
    [](const auto& info) {
      const auto& c = info.param;
      return test_names::Words(info.index, "unknowns", c.unknowns);
    });

TEST(SolveThermal, CountIsCheckedBeforeAnyEntryIsRead) {
  ThermalInputs in = CompleteInputs(MaskOf("Mh Q A U"));
  for (auto& t : in.texts)
    t = "";
  RecordingMessages messages;
  EXPECT_FALSE(SolveThermal(in, messages).showsResults());
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].text, kTooManyUnknownsMessage);
}

struct MissingCase {
  const char* name;
  ti::Quantity field;
  const char* text;
  bool complains;
};

class MissingEntryTest : public ::testing::TestWithParam<MissingCase> {};

// Combination 1 (Mh, Q, A unknown) reads Th1, Th0, Tc1, Tc0, Mc, U and both specific heats.
TEST_P(MissingEntryTest, OnlyEntriesTheCombinationReadsMatter) {
  ThermalInputs in = CompleteInputs(MaskOf("Mh Q A"));
  in.texts[static_cast<int>(GetParam().field)] = GetParam().text;
  RecordingMessages messages;
  const bool solved = SolveThermal(in, messages).showsResults();
  if (GetParam().complains) {
    EXPECT_FALSE(solved);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0],
              (Message{MessageKind::Warning,
                       "Some of the required values are missing, please be sure you've entered "
                       "them all !"}));
  } else {
    EXPECT_TRUE(solved);
    EXPECT_TRUE(messages.messages.empty());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Combination1, MissingEntryTest,
    ::testing::Values(MissingCase{"EmptyCc", ti::Quantity::Cc, "", true},
                      MissingCase{"LettersInCh", ti::Quantity::Ch, "4k", true},
                      MissingCase{"BlankU", ti::Quantity::U, "  ", true},
                      MissingCase{"CommaInTh0", ti::Quantity::Th0, "60,5", true},
                      MissingCase{"HiddenQNotRead", ti::Quantity::Q, "", false},
                      MissingCase{"HiddenMhGarbageNotRead", ti::Quantity::Mh, "abc", false},
                      MissingCase{"UnusedAGarbageNotRead", ti::Quantity::A, "x", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SolveThermal, ReadsWithThePlatformDecimalSeparator) {
  ThermalInputs in = CompleteInputs(MaskOf("Q Tc0 Th0"));
  in.decimalSeparator = ',';
  in.SetText(ti::Quantity::Mh, "2,5");
  in.SetText(ti::Quantity::Mc, "3");
  RecordingMessages messages;
  const auto s = SolveThermal(in, messages);
  ASSERT_TRUE(s.showsResults());
  EXPECT_EQ(s.state.mh, 2.5);
}

// Simple numbers for the hand-checked cases below.
ThermalInputs HandInputs(const char* unknowns, FA arrangement = FA::CounterFlow) {
  ThermalInputs in;
  in.SetArrangement(arrangement);
  in.SetMixing(CM::ColdUnmixed);
  const unsigned mask = MaskOf(unknowns);
  for (int u = 0; u < kUnknownCount; ++u)
    in.unknown[u] = (mask >> u) & 1u;
  in.SetText(ti::Quantity::Th1, "100");
  in.SetText(ti::Quantity::Tc1, "20");
  in.SetText(ti::Quantity::Th0, "60");
  in.SetText(ti::Quantity::Tc0, "40");
  in.SetText(ti::Quantity::Mh, "1");
  in.SetText(ti::Quantity::Mc, "2");
  in.SetText(ti::Quantity::Q, "40000");
  in.SetText(ti::Quantity::A, "2");
  in.SetText(ti::Quantity::U, "500");
  in.SetText(ti::Quantity::Cc, "1000");
  in.SetText(ti::Quantity::Ch, "1000");
  return in;
}

// Two cases the method must not pass off as results, and one it must not bend.
struct LimitCase {
  const char* name;
  const char* unknowns;
  FA arrangement;
  std::vector<std::pair<ti::Quantity, const char*>> entries;
  bool solved;
  double Tc1 = 0, Q = 0, mh = 0, epsilon = 0, A = 0;  // expected when solved
};

class ImpossibleOrSubZeroTest : public ::testing::TestWithParam<LimitCase> {};

TEST_P(ImpossibleOrSubZeroTest, FailsOrKeepsTheSign) {
  const LimitCase& c = GetParam();
  ThermalInputs in = HandInputs(c.unknowns, c.arrangement);
  for (const auto& [quantity, text] : c.entries)
    in.SetText(quantity, text);
  RecordingMessages messages;
  const auto s = SolveThermal(in, messages);
  if (!c.solved) {
    EXPECT_FALSE(s.showsResults());
    EXPECT_EQ(messages.messages,
              (std::vector<Message>{{MessageKind::Error, kCalculationFailedMessage}}));
    return;
  }
  ASSERT_TRUE(s.showsResults());
  EXPECT_TRUE(messages.messages.empty());
  EXPECT_EQ(s.state.Tc1, c.Tc1);
  EXPECT_NEAR(s.state.Q, c.Q, 1e-9);
  EXPECT_NEAR(s.state.mh, c.mh, 1e-12);
  EXPECT_NEAR(s.state.epsilon, c.epsilon, 1e-12);
  EXPECT_NEAR(s.state.A, c.A, 1e-7);  // A written to eight digits below
}

// Water from 60 to 20 against a brine from -10 to 10 at 2 kg/s, counter flow:
// Q = 2 * 4180 * (10 - -10) = 167200 W; mh = 167200 / (4180 * 40) = 1 kg/s;
// Ch = 4180 (Cmin), Cc = 8360, C = 0.5; eps = (60 - 20) / (60 - -10) = 4/7;
// NTU = ln((eps - 1) / (C eps - 1)) / (C - 1) = ln(0.6) / -0.5 = 1.0216512475;
// A = NTU * 4180 / 500 = 8.5410044.
const std::vector<std::pair<ti::Quantity, const char*>> kSubZeroBrine = {
    {ti::Quantity::Th1, "60"},  {ti::Quantity::Th0, "20"}, {ti::Quantity::Tc1, "-10"},
    {ti::Quantity::Tc0, "10"},  {ti::Quantity::Mc, "2"},   {ti::Quantity::Ch, "4180"},
    {ti::Quantity::Cc, "4180"}, {ti::Quantity::U, "500"}};

INSTANTIATE_TEST_SUITE_P(
    Mends, ImpossibleOrSubZeroTest,
    ::testing::Values(
        // Tc0 = 99 with Mc = 1 needs 79 kW; the hot stream (Cmin = 500 W/K) can give 40 kW at
        // most: Th0 = -58, eps = 158/80.
        LimitCase{"CounterBeyondOne",
                  "A Q Th0",
                  FA::CounterFlow,
                  {{ti::Quantity::Tc0, "99"}, {ti::Quantity::Mc, "1"}, {ti::Quantity::Mh, "0.5"}},
                  false},
        LimitCase{"SubZeroColdInlet", "Mh Q A", FA::CounterFlow, kSubZeroBrine, true, -10.0,
                  167200.0, 1.0, 4.0 / 7.0, 8.5410044}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SolveThermal, Combination9KeepsTheSignOfASubZeroInlet) {
  RecordingMessages messages;
  ThermalInputs in9 = HandInputs("Mc Q A");
  in9.SetText(ti::Quantity::Tc1, "-10");
  const auto s9 = SolveThermal(in9, messages);
  ASSERT_TRUE(s9.showsResults());
  EXPECT_EQ(s9.state.Tc1, -10.0);
  // Q = 1 * 1000 * 40 = 40 kW over Tc0 - Tc1 = 50: mc = 0.8, with the sign of the difference.
  EXPECT_DOUBLE_EQ(s9.state.mc, 0.8);
}

TEST(SolveThermal, Combination5FormsTc0FromTheHotStreamDuty) {
  ThermalInputs in = HandInputs("A Q Tc0");
  in.SetText(ti::Quantity::Mh, "1.5");
  RecordingMessages messages;
  const auto s = SolveThermal(in, messages);
  ASSERT_TRUE(s.showsResults());
  // Tc0 = 20 + 1.5 * 1000 * 40 / (2 * 1000) = 50.
  EXPECT_EQ(s.state.Q, 60000.0);
  EXPECT_EQ(s.state.Tc0, 50.0);
  EXPECT_EQ(s.state.mh, 1.5);
}

TEST(SolveThermal, Combination8WithEqualRatesOnCounterFlowUsesTheTieRelation) {
  ThermalInputs in = HandInputs("Q Tc0 Th0");
  in.SetText(ti::Quantity::Mc, "1");  // Cc = Ch = 1000: C = 1
  RecordingMessages messages;
  const auto s = SolveThermal(in, messages);
  ASSERT_TRUE(s.showsResults());
  // NTU = 2 * 500 / 1000 = 1, eps = 1 / 2, Q = 0.5 * 1000 * 80 = 40 kW.
  EXPECT_EQ(s.state.C, 1.0);
  EXPECT_EQ(s.state.NTU, 1.0);
  EXPECT_EQ(s.state.epsilon, 0.5);
  EXPECT_EQ(s.state.Q, 40000.0);
  EXPECT_EQ(s.state.Tc0, 60.0);
  EXPECT_EQ(s.state.Th0, 60.0);
}

TEST(SolveThermal, Combination15FormsTc0FromQOnEveryArrangement) {
  for (const Exchanger& x : kExchangers) {
    ThermalInputs in = HandInputs("Tc0 U Th0", x.arrangement);
    RecordingMessages messages;
    const auto s = SolveThermal(in, messages);
    ASSERT_TRUE(s.showsResults()) << x.name;
    EXPECT_EQ(s.state.Tc0, 40.0) << x.name;  // 20 + 40000 / (2 * 1000)
    EXPECT_EQ(s.state.Th0, 60.0) << x.name;  // 100 - 40000 / (1 * 1000)
  }
}

TEST(SolveThermal, Combinations9To12GiveAPositiveColdFlow) {
  for (const char* unknowns : {"Mc Q A", "Mc Q U", "Mc A Th0", "Mc U Th0"}) {
    for (const Exchanger& x : kExchangers) {
      RecordingMessages messages;
      const auto s = SolveThermal(HandInputs(unknowns, x.arrangement), messages);
      ASSERT_TRUE(s.showsResults()) << unknowns << " " << x.name;
      EXPECT_GT(s.state.mc, 0.0) << unknowns << " " << x.name;
    }
  }
}

TEST(SolveThermal, Combination21FillsAllThreeUnknowns) {
  const ThermalState truth = Forward(kExchangers[1]);
  RecordingMessages messages;
  const auto s = SolveThermal(InputsFor(truth, kExchangers[1], MaskOf("Tc0 Th0 Mc")), messages);
  ASSERT_TRUE(s.showsResults());
  EXPECT_NEAR(s.state.Th0, truth.Th0, 1e-4);
  EXPECT_NEAR(s.state.Tc0, truth.Tc0, 1e-4);
  EXPECT_NEAR(s.state.mc, truth.mc, 1e-5);
}

TEST(SolveThermal, MixingIsIgnoredUnlessCrossFlow) {
  ThermalInputs in = HandInputs("Q Tc0 Th0", FA::ParallelFlow);
  in.SetMixing(CM::BothMixed);
  RecordingMessages messages;
  const auto s = SolveThermal(in, messages);
  ASSERT_TRUE(s.showsResults());
  EXPECT_EQ(s.state.mixing, CM::None);
}

struct FailureCase {
  const char* name;
  const char* unknowns;
  FA arrangement;
  ti::Quantity field;
  const char* text;
  const char* message;
};

class CalculationFailureTest : public ::testing::TestWithParam<FailureCase> {};

TEST_P(CalculationFailureTest, ShowsOneErrorAndNoResults) {
  const FailureCase& c = GetParam();
  ThermalInputs in = HandInputs(c.unknowns, c.arrangement);
  in.SetText(c.field, c.text);
  RecordingMessages messages;
  EXPECT_FALSE(SolveThermal(in, messages).showsResults());
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0], (Message{MessageKind::Error, c.message}));
}

INSTANTIATE_TEST_SUITE_P(
    Failures, CalculationFailureTest,
    ::testing::Values(
        // Parallel flow cannot heat the cold stream above the hot outlet: Tc0 = 70 > Th0 = 60
        // gives eps (1 + C) = 1.25.
        FailureCase{"ParallelTemperatureCross", "Mh Q A", FA::ParallelFlow, ti::Quantity::Tc0, "70",
                    kCalculationFailedMessage},
        // 10 MW cannot pass into a 2000 W/K stream heated from 20 with the hot side at 100.
        FailureCase{"UnreachableDuty", "Tc0 Th0 Mh", FA::CounterFlow, ti::Quantity::Q, "1e7",
                    kMassFlowNotFoundMessage}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace calvora
