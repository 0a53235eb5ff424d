#include "thermal/ThermalSolver.h"

#include <cmath>
#include <utility>

#include "common/Errors.h"
#include "common/FloatingPoint.h"
#include "common/Numbers.h"
#include "ntu/InverseRelations.h"
#include "ntu/MassFlowSearch.h"
#include "thermal/ThermalResults.h"

namespace calvora {

namespace {

namespace ti = thermal_input;
using Q_ = ti::Quantity;

constexpr unsigned Mask(std::initializer_list<Unknown> unknowns) {
  unsigned m = 0;
  for (Unknown u : unknowns) {
    m |= UnknownBit(u);
  }
  return m;
}

struct Combination {
  int number;
  unsigned unknowns;
  std::array<Q_, 6> reads;  // known values, in the order they are read
};

using U_ = Unknown;
constexpr std::array<Combination, 21> kCombinations = {{
    {1, Mask({U_::Mh, U_::Q, U_::A}), {Q_::Th1, Q_::Th0, Q_::Tc1, Q_::Tc0, Q_::Mc, Q_::U}},
    {2, Mask({U_::Mh, U_::Q, U_::U}), {Q_::Th1, Q_::Th0, Q_::Tc1, Q_::Tc0, Q_::Mc, Q_::A}},
    {3, Mask({U_::Mh, U_::A, U_::Tc0}), {Q_::Th1, Q_::Th0, Q_::Tc1, Q_::Q, Q_::Mc, Q_::U}},
    {4, Mask({U_::Mh, U_::U, U_::Tc0}), {Q_::Th1, Q_::Th0, Q_::Tc1, Q_::Q, Q_::Mc, Q_::A}},
    {5, Mask({U_::A, U_::Q, U_::Tc0}), {Q_::Th1, Q_::Th0, Q_::Tc1, Q_::U, Q_::Mc, Q_::Mh}},
    {6, Mask({U_::A, U_::Q, U_::Th0}), {Q_::Th1, Q_::Tc0, Q_::Tc1, Q_::U, Q_::Mc, Q_::Mh}},
    {7, Mask({U_::A, U_::Tc0, U_::Th0}), {Q_::Th1, Q_::Tc1, Q_::Q, Q_::U, Q_::Mc, Q_::Mh}},
    {8, Mask({U_::Q, U_::Tc0, U_::Th0}), {Q_::Th1, Q_::Tc1, Q_::A, Q_::U, Q_::Mc, Q_::Mh}},
    {9, Mask({U_::Mc, U_::Q, U_::A}), {Q_::Th1, Q_::Th0, Q_::Tc1, Q_::Tc0, Q_::Mh, Q_::U}},
    {10, Mask({U_::Mc, U_::Q, U_::U}), {Q_::Th1, Q_::Th0, Q_::Tc1, Q_::Tc0, Q_::Mh, Q_::A}},
    {11, Mask({U_::Mc, U_::A, U_::Th0}), {Q_::Th1, Q_::Tc1, Q_::Tc0, Q_::U, Q_::Mh, Q_::Q}},
    {12, Mask({U_::Mc, U_::U, U_::Th0}), {Q_::Th1, Q_::Tc1, Q_::Tc0, Q_::A, Q_::Mh, Q_::Q}},
    {13, Mask({U_::U, U_::Q, U_::Tc0}), {Q_::Th1, Q_::Th0, Q_::Tc1, Q_::A, Q_::Mc, Q_::Mh}},
    {14, Mask({U_::Th0, U_::U, U_::Q}), {Q_::Th1, Q_::Tc0, Q_::Tc1, Q_::A, Q_::Mc, Q_::Mh}},
    {15, Mask({U_::Tc0, U_::U, U_::Th0}), {Q_::Th1, Q_::Tc1, Q_::A, Q_::Q, Q_::Mc, Q_::Mh}},
    {16, Mask({U_::Tc0, U_::Mh, U_::Q}), {Q_::Th1, Q_::Tc1, Q_::Th0, Q_::U, Q_::Mc, Q_::A}},
    {17, Mask({U_::Th0, U_::Mh, U_::Q}), {Q_::Th1, Q_::Tc1, Q_::Tc0, Q_::U, Q_::Mc, Q_::A}},
    {18, Mask({U_::Mc, U_::Q, U_::Tc0}), {Q_::Th1, Q_::Tc1, Q_::Th0, Q_::U, Q_::Mh, Q_::A}},
    {19, Mask({U_::Mc, U_::Th0, U_::Q}), {Q_::Th1, Q_::Tc1, Q_::Tc0, Q_::U, Q_::Mh, Q_::A}},
    {20, Mask({U_::Tc0, U_::Th0, U_::Mh}), {Q_::Th1, Q_::Tc1, Q_::A, Q_::Q, Q_::Mc, Q_::U}},
    {21, Mask({U_::Tc0, U_::Th0, U_::Mc}), {Q_::Th1, Q_::Tc1, Q_::A, Q_::Q, Q_::Mh, Q_::U}},
}};

const Combination* FindCombination(unsigned mask) {
  for (const Combination& c : kCombinations) {
    if (c.unknowns == mask) {
      return &c;
    }
  }
  return nullptr;
}

double& Slot(ThermalState& s, Q_ q) {
  switch (q) {
    case Q_::Th1:
      return s.Th1;
    case Q_::Tc1:
      return s.Tc1;
    case Q_::Th0:
      return s.Th0;
    case Q_::Tc0:
      return s.Tc0;
    case Q_::Mh:
      return s.mh;
    case Q_::Mc:
      return s.mc;
    case Q_::Q:
      return s.Q;
    case Q_::A:
      return s.A;
    case Q_::U:
      return s.U;
    case Q_::Cc:
      return s.cc;
    case Q_::Ch:
      break;
  }
  return s.ch;
}

// The steps every combination is built from.
class Steps {
 public:
  Steps(ThermalState& s, Messages& m) : s_(s), m_(m) {}

  double Qh() const { return HeatTransferRate(s_.mh, s_.ch, s_.Th1, s_.Th0); }
  double Qc() const { return HeatTransferRate(s_.mc, s_.cc, s_.Tc0, s_.Tc1); }
  void Tc0FromQ() { s_.Tc0 = HeatedOutletTemperature(s_.Tc1, s_.Q, s_.mc, s_.cc); }
  void Th0FromQ() { s_.Th0 = CooledOutletTemperature(s_.Th1, s_.Q, s_.mh, s_.ch); }
  void MhFromQ() { s_.mh = MassFlowFromHeat(s_.Q, s_.ch, s_.Th1, s_.Th0); }
  void McFromQ() { s_.mc = MassFlowFromHeat(s_.Q, s_.cc, s_.Tc0, s_.Tc1); }
  void Rates() { s_.SetRates(CapacityRates(s_.mc, s_.cc, s_.mh, s_.ch)); }

  // NTU from the temperatures, then the area (or U) from the NTU.
  void AreaFromEpsilon() {
    NtuFromTemperatures();
    s_.A = ProductRatio(s_.NTU, s_.Cmin, s_.U);
  }
  void CoefficientFromEpsilon() {
    NtuFromTemperatures();
    s_.U = ProductRatio(s_.NTU, s_.Cmin, s_.A);
  }
  void TailArea() {
    Rates();
    AreaFromEpsilon();
  }
  void TailCoefficient() {
    Rates();
    CoefficientFromEpsilon();
  }

  void ForwardFromUA() {
    Rates();
    s_.NTU = NtuFromUA(s_.A, s_.Cmin, s_.U);
    Effectiveness(s_.C, s_.NTU, s_.Ch, s_.Cc, s_.arrangement, s_.mixing, s_.epsilon, m_);
    s_.Q = HeatTransferRate(s_.epsilon, s_.Cmin, s_.Th1, s_.Tc1);
  }

  double Search(MassFlowCase c, double start) { return SolveMassFlow(c, start, s_, m_); }
  void Tc0FromEpsilon() {
    s_.Tc0 = ColdOutletFromEffectiveness(s_.epsilon, s_.Cmin, s_.Th1, s_.Tc1, s_.mc, s_.cc);
  }
  void Th0FromEpsilon() {
    s_.Th0 = HotOutletFromEffectiveness(s_.epsilon, s_.Cmin, s_.Th1, s_.Tc1, s_.mh, s_.ch);
  }

 private:
  void NtuFromTemperatures() {
    s_.epsilon = EffectivenessFromTemperatures(s_.Q, s_.Cmin, s_.Th1, s_.Th0, s_.Tc1, s_.Tc0, s_.Ch,
                                               s_.Cc, s_.arrangement);
    NtuFromEffectiveness(s_.C, s_.epsilon, s_.Ch, s_.Cc, s_.arrangement, s_.mixing, s_.NTU, m_);
  }

  ThermalState& s_;
  Messages& m_;
};

void RunCombination(int number, ThermalState& s, Messages& messages) {
  Steps st(s, messages);
  switch (number) {
    case 1:
      s.Q = st.Qc();
      st.MhFromQ();
      st.TailArea();
      break;
    case 2:
      s.Q = st.Qc();
      st.MhFromQ();
      st.TailCoefficient();
      break;
    case 3:
      st.Tc0FromQ();
      st.MhFromQ();
      st.TailArea();
      break;
    case 4:
      st.Tc0FromQ();
      st.MhFromQ();
      st.TailCoefficient();
      break;
    case 5:
      s.Q = st.Qh();
      st.Tc0FromQ();
      st.MhFromQ();  // replaces the entered mh
      st.TailArea();
      break;
    case 6:
      s.Q = st.Qc();
      st.Rates();
      st.Th0FromQ();
      st.AreaFromEpsilon();
      break;
    case 7:
      st.Th0FromQ();
      st.Tc0FromQ();
      st.TailArea();
      break;
    case 8:
      st.ForwardFromUA();
      st.Tc0FromQ();
      st.Th0FromQ();
      break;
    case 9:
      s.Q = st.Qh();
      st.McFromQ();
      st.TailArea();
      break;
    case 10:
      s.Q = st.Qh();
      st.McFromQ();
      st.TailCoefficient();
      break;
    case 11:
      st.McFromQ();
      st.Rates();
      st.Th0FromQ();
      st.AreaFromEpsilon();
      break;
    case 12:
      st.McFromQ();
      st.Rates();
      st.Th0FromQ();
      st.CoefficientFromEpsilon();
      break;
    case 13:
      s.Q = st.Qh();
      st.Tc0FromQ();
      st.TailCoefficient();
      break;
    case 14:
      s.Q = st.Qc();
      st.Rates();
      st.Th0FromQ();
      st.CoefficientFromEpsilon();
      break;
    case 15:
      st.Th0FromQ();
      st.Tc0FromQ();
      st.TailCoefficient();
      break;
    case 16:
      s.mh = st.Search(MassFlowCase::HotFlowHotBalance, s.mc);
      st.Tc0FromEpsilon();
      break;
    case 17:
      s.mh = st.Search(MassFlowCase::HotFlowColdBalance, s.mc);
      st.Th0FromEpsilon();
      break;
    case 18:
      s.mc = st.Search(MassFlowCase::ColdFlowHotBalance, s.mh);
      st.Tc0FromEpsilon();
      break;
    case 19:
      s.mc = st.Search(MassFlowCase::ColdFlowColdBalance, s.mh);
      st.Th0FromEpsilon();
      break;
    case 20:
      // Both outlets from the duty the last evaluation left in Q (the effectiveness duty).
      s.mh = st.Search(MassFlowCase::HotFlowGivenDuty, s.mc);
      st.Tc0FromQ();
      st.Th0FromQ();
      break;
    case 21:
      s.mc = st.Search(MassFlowCase::ColdFlowGivenDuty, s.mh);
      st.Tc0FromEpsilon();
      st.Th0FromEpsilon();
      break;
  }
}

const char* CountMessage(int count) {
  switch (count) {
    case 0:
      return kNoUnknownsMessage;
    case 1:
      return kOneUnknownMessage;
    case 2:
      return kTwoUnknownsMessage;
    case 3:
      return nullptr;
  }
  return kTooManyUnknownsMessage;
}

// A relation that found no effectiveness or NTU ends the run once its message is shown.
struct RelationFailed {};

class RunMessages : public Messages {
 public:
  explicit RunMessages(Messages& sink) : sink_(sink) {}
  void show(MessageKind kind, const std::string& text) override {
    sink_.show(kind, text);
    if (text == kInsufficientDataMessage || text == kCannotFindNtuMessage) {
      throw RelationFailed{};
    }
  }

 private:
  Messages& sink_;
};

// The first entry of the combination that cannot describe an exchanger, as the
// warning naming it, or null.
const char* EntryProblem(const Combination& combination, ThermalState& s) {
  const auto entered = [&](Q_ q) {
    for (Q_ r : combination.reads) {
      if (r == q) {
        return true;
      }
    }
    return false;
  };
  const auto between = [&](double t) { return s.Tc1 < t && t < s.Th1; };
  if (!(s.Th1 > s.Tc1)) {
    return kInletOrderMessage;
  }
  if (entered(Q_::Th0) && !between(s.Th0)) {
    return kHotOutletRangeMessage;
  }
  if (entered(Q_::Tc0) && !between(s.Tc0)) {
    return kColdOutletRangeMessage;
  }
  const std::pair<Q_, const char*> positive[] = {{Q_::Mh, kHotFlowMessage},
                                                 {Q_::Mc, kColdFlowMessage},
                                                 {Q_::Q, kDutyMessage},
                                                 {Q_::A, kAreaMessage},
                                                 {Q_::U, kCoefficientMessage}};
  for (const auto& [q, message] : positive) {
    if (entered(q) && !(Slot(s, q) > 0.0)) {
      return message;
    }
  }
  if (entered(Q_::Q) && entered(Q_::Mh) && entered(Q_::Mc)) {
    const CapacityRateSet r = CapacityRates(s.mc, s.cc, s.mh, s.ch);
    if (r.Cmin > 0.0 && s.Q > r.Cmin * (s.Th1 - s.Tc1)) {
      return kDutyTooLargeMessage;
    }
  }
  return nullptr;
}

// The results keep the method's own bounds: every flow, duty, area, coefficient,
// NTU and capacity rate above zero and finite, the effectiveness in (0, 1] and
// not beyond what the exchanger type reaches at this C.
bool WithinTheMethod(const ThermalState& s) {
  for (double v : {s.mh, s.mc, s.Q, s.A, s.U, s.NTU, s.Cmin, s.Cmax}) {
    if (!(v > 0.0 && std::isfinite(v))) {
      return false;
    }
  }
  if (!std::isfinite(s.Th0) || !std::isfinite(s.Tc0)) {
    return false;
  }
  // The both-mixed top is itself found by a search: a margin far below what is shown.
  const double limit = EffectivenessLimit(s.C, s.Ch, s.Cc, s.arrangement, s.mixing);
  return s.epsilon > 0.0 && s.epsilon <= 1.0 && s.epsilon <= limit * (1.0 + 1e-12);
}

}  // namespace

void ThermalInputs::SetArrangement(FlowArrangement a) {
  exchangerType = -1;
  for (std::size_t i = 0; i < kExchangerTypeItems.size(); ++i)
    if (kExchangerTypeItems[i] == a)
      exchangerType = static_cast<int>(i);
}

void ThermalInputs::SetMixing(CrossFlowMixing m) {
  mixing = -1;
  for (std::size_t i = 0; i < kMixingItems.size(); ++i)
    if (kMixingItems[i] == m)
      mixing = static_cast<int>(i);
}

FlowArrangement ThermalInputs::Arrangement() const {
  if (exchangerType < 0 || exchangerType >= static_cast<int>(kExchangerTypeItems.size()))
    return static_cast<FlowArrangement>(0);
  return kExchangerTypeItems[exchangerType];
}

CrossFlowMixing ThermalInputs::Mixing() const {
  if (Arrangement() != FlowArrangement::CrossFlow || mixing < 0 ||
      mixing >= static_cast<int>(kMixingItems.size()))
    return CrossFlowMixing::None;
  return kMixingItems[mixing];
}

bool ThermalInputs::IsUnknown(Q_ q) const {
  const int u = static_cast<int>(q) - static_cast<int>(Q_::Th0);
  return u >= 0 && u < kUnknownCount && unknown[u];
}

ThermalInputs ThermalStartingInputs() {
  ThermalInputs in;
  in.exchangerType = 0;
  in.mixing = 0;
  return in;
}

ThermalOutcome ThermalResultsOutcome(const ThermalState& state, char decimalSeparator) {
  ThermalOutcome outcome;
  outcome.state = state;
  outcome.fieldTexts = ThermalResultTexts(state, decimalSeparator);
  return outcome;
}

int AllowedCombination(unsigned unknownMask) {
  const Combination* c = FindCombination(unknownMask);
  return c ? c->number : 0;
}

ThermalOutcome SolveThermal(const ThermalInputs& inputs, Messages& messages,
                            fields::ResultTexts texts) {
  FloatingPointGuard guard;
  ThermalOutcome outcome;
  ThermalState& s = outcome.state;
  const auto end = [&](ThermalEnding ending) {
    outcome.ending = ending;
    return outcome;
  };

  unsigned mask = 0;
  int count = 0;
  for (int i = 0; i < kUnknownCount; ++i) {
    if (inputs.unknown[i]) {
      mask |= 1u << i;
      ++count;
    }
  }
  const char* countMessage = CountMessage(count);
  if (countMessage) {
    messages.show(MessageKind::Warning, countMessage);
  }

  s.arrangement = inputs.Arrangement();
  s.mixing = inputs.Mixing();
  if (countMessage) {
    return end(ThermalEnding::RefusedChoice);
  }

  const auto read = [&](Q_ q) {
    return ParseNumber(inputs.texts[static_cast<int>(q)], inputs.decimalSeparator);
  };
  try {
    s.cc = read(Q_::Cc);
    s.ch = read(Q_::Ch);
    const Combination* combination = FindCombination(mask);
    if (!combination) {
      messages.show(MessageKind::Warning, kRefusedCombinationMessage);
      return end(ThermalEnding::RefusedChoice);
    }
    for (Q_ q : combination->reads) {
      Slot(s, q) = read(q);
    }
    if (const char* problem = EntryProblem(*combination, s)) {
      messages.show(MessageKind::Warning, problem);
      return end(ThermalEnding::FailedCheck);
    }
    RunMessages runMessages(messages);
    RunCombination(combination->number, s, runMessages);
    guard.check();
    if (!WithinTheMethod(s)) {
      throw MathError();
    }
    if (texts == fields::ResultTexts::Written)
      outcome.fieldTexts = ThermalResultTexts(s, inputs.decimalSeparator);
    return end(ThermalEnding::Results);
  } catch (const RelationFailed&) {
    return end(ThermalEnding::NoRelation);
  } catch (const ConversionError&) {
    messages.show(MessageKind::Warning, kMissingValuesMessage);
    return end(ThermalEnding::MissingValues);
  } catch (const MathError&) {
    messages.show(MessageKind::Error, kCalculationFailedMessage);
    return end(ThermalEnding::CalculationFailure);
  } catch (const MassFlowSearchFailed&) {
    messages.show(MessageKind::Error, kMassFlowNotFoundMessage);
    return end(ThermalEnding::SearchFailed);
  }
}

}  // namespace calvora
