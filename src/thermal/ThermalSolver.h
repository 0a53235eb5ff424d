#pragma once

// The thermal analysis: validates the choice of three unknowns among Th0, Tc0,
// Mh, Mc, Q, A and U, reads the entries the chosen combination needs, and solves
// for the three unknowns by closed forms or by the mass-flow search.

#include <array>
#include <string>
#include <string_view>

#include "common/FieldTable.h"
#include "common/Messages.h"
#include "ntu/ThermalState.h"
#include "thermal/InputCaptions.h"
#include "thermal/ResultCaptions.h"

namespace calvora {

inline constexpr const char* kNoUnknownsMessage =
    "You haven't chosen any unknowns, Please choose three from the list !";
inline constexpr const char* kOneUnknownMessage =
    "You have only chosen one unknown, please choose two more !";
inline constexpr const char* kTwoUnknownsMessage =
    "You have only chosen two unknowns, please choose one more !";
inline constexpr const char* kTooManyUnknownsMessage =
    "You have chosen more than three unknowns, please reselect just three !";
inline constexpr const char* kRefusedCombinationMessage =
    "Sorry, this combination of unknowns is not allowed! Press Help to see those that are.";
inline constexpr const char* kMissingValuesMessage =
    "Some of the required values are missing, please be sure you've entered them all !";
inline constexpr const char* kCalculationFailedMessage =
    "Something's gone wrong with the calculations, please try again !";

// Entries that cannot describe an exchanger: each names the entry and what it must be.
inline constexpr const char* kInletOrderMessage =
    "The inlet temperature of the hot fluid Th1 must be above the inlet temperature of the cold "
    "fluid Tc1, please check them !";
inline constexpr const char* kHotOutletRangeMessage =
    "The outlet temperature of the hot fluid Th0 must lie between Tc1 and Th1, please check it !";
inline constexpr const char* kColdOutletRangeMessage =
    "The outlet temperature of the cold fluid Tc0 must lie between Tc1 and Th1, please check it !";
inline constexpr const char* kHotFlowMessage =
    "The mass flow rate of the hot fluid Mh must be above zero, please check it !";
inline constexpr const char* kColdFlowMessage =
    "The mass flow rate of the cold fluid Mc must be above zero, please check it !";
inline constexpr const char* kDutyMessage =
    "The total heat transfer Q must be above zero, please check it !";
inline constexpr const char* kAreaMessage =
    "The total surface area A must be above zero, please check it !";
inline constexpr const char* kCoefficientMessage =
    "The overall heat transfer coefficient U must be above zero, please check it !";
inline constexpr const char* kDutyTooLargeMessage =
    "The total heat transfer Q must not exceed Cmin (Th1 - Tc1), the most these flows can "
    "exchange, please check it !";

// Every warning a thermal run can show: the choice of unknowns, a missing value
// and the entry checks. Each ends the run with no results.
inline constexpr std::array<std::string_view, 15> kThermalWarnings = {kNoUnknownsMessage,
                                                                      kOneUnknownMessage,
                                                                      kTwoUnknownsMessage,
                                                                      kTooManyUnknownsMessage,
                                                                      kRefusedCombinationMessage,
                                                                      kMissingValuesMessage,
                                                                      kInletOrderMessage,
                                                                      kHotOutletRangeMessage,
                                                                      kColdOutletRangeMessage,
                                                                      kHotFlowMessage,
                                                                      kColdFlowMessage,
                                                                      kDutyMessage,
                                                                      kAreaMessage,
                                                                      kCoefficientMessage,
                                                                      kDutyTooLargeMessage};

// The seven quantities that may be marked unknown, in the order they are counted.
enum class Unknown : int { Th0, Tc0, Mh, Mc, Q, A, U };
inline constexpr int kUnknownCount = 7;

// The exchanger types of "Type of Heat Exchanger" and the mixings of "Type of
// Cross Flow", in the order of their items (thermal_input::kExchangerTypes,
// kCrossFlowMixings).
inline constexpr std::array<FlowArrangement, 5> kExchangerTypeItems = {
    FlowArrangement::ParallelFlow, FlowArrangement::CounterFlow, FlowArrangement::ShellAndTube,
    FlowArrangement::CapacityRatioZero, FlowArrangement::CrossFlow};
inline constexpr std::array<CrossFlowMixing, 4> kMixingItems = {
    CrossFlowMixing::ColdUnmixed, CrossFlowMixing::ColdMixed, CrossFlowMixing::BothMixed,
    CrossFlowMixing::BothUnmixed};

// What the input screen holds when OK is pressed. Its rows (keys, captions,
// units, controls) are kThermalInputFields and kThermalUnknownFields.
struct ThermalInputs {
  std::array<bool, kUnknownCount> unknown{};  // indexed by Unknown
  // Texts exactly as typed, indexed by thermal_input::Quantity
  // (Th1, Tc1, Th0, Tc0, Mh, Mc, Q, A, U, Cc, Ch).
  std::array<std::string, thermal_input::kQuantityCount> texts{};
  int exchangerType = -1;  // selected item of "Type of Heat Exchanger", -1 when none
  int mixing = -1;         // selected item of "Type of Cross Flow", -1 when none
  char decimalSeparator = '.';

  void SetText(thermal_input::Quantity q, std::string text) {
    texts[static_cast<int>(q)] = std::move(text);
  }
  void SetUnknown(Unknown u, bool value = true) { unknown[static_cast<int>(u)] = value; }
  // Selects the item of `a` (of `m`).
  void SetArrangement(FlowArrangement a);
  void SetMixing(CrossFlowMixing m);
  // The selected exchanger type; with none selected no relation applies (the
  // effectiveness and the NTU stay 0).
  FlowArrangement Arrangement() const;
  // The selected mixing for cross flow, None for the other types or none selected.
  CrossFlowMixing Mixing() const;
  // Whether the quantity is marked unknown (Th1, Tc1 and the specific heats never are).
  bool IsUnknown(thermal_input::Quantity q) const;

  bool operator==(const ThermalInputs&) const = default;
};

// The screen's starting values: no unknown marked, every entry empty, the first
// exchanger type and the first mixing selected, '.' as separator.
ThermalInputs ThermalStartingInputs();

// How a thermal run ended. Only Results fills the results screen; every other
// ending has shown its message through the sink already.
enum class ThermalEnding {
  Results,             // solved, and the values found keep the method's bounds
  RefusedChoice,       // not three unknowns, or a combination that is not allowed
  MissingValues,       // an entry the combination reads is not a number
  FailedCheck,         // an entry cannot describe an exchanger (the warning names it)
  NoRelation,          // "Insufficient Data !" or "Cannot find NTU"
  SearchFailed,        // the mass-flow search found no flow
  CalculationFailure,  // arithmetic failed, or the values found break the method
};

// Everything the results screen and the report need from one run. With an
// ending other than Results the texts are empty; the state holds what the run
// had reached.
struct ThermalOutcome {
  ThermalEnding ending = ThermalEnding::Results;
  ThermalState state;
  // The texts of the results fields, in the order of kThermalResultFields.
  std::array<std::string, thermal_results::kFieldCount> fieldTexts;

  bool showsResults() const { return ending == ThermalEnding::Results; }
};

// Bit of an unknown in a combination mask.
constexpr unsigned UnknownBit(Unknown u) {
  return 1u << static_cast<int>(u);
}

// The number (1..21) of the allowed combination with exactly these unknowns,
// or 0 when the combination is not allowed.
int AllowedCombination(unsigned unknownMask);

// Runs one analysis from a fresh zero state, as the input screen's OK does.
// Every message goes to `messages`. The outcome says how the run ended: results
// (with the field texts, written with the record's decimal separator), or the
// choice was refused, an entry was missing or cannot describe an exchanger, a
// relation found no effectiveness or NTU, the mass-flow search failed, or the
// calculation failed (including results that break the method: a flow, Q, A, U,
// NTU or capacity rate not above zero, or an effectiveness beyond what the
// exchanger type reaches). With ResultTexts::Skipped the field texts stay empty.
ThermalOutcome SolveThermal(const ThermalInputs& inputs, Messages& messages,
                            fields::ResultTexts texts = fields::ResultTexts::Written);

// The outcome of a run that ended with `state`: its field texts with
// `decimalSeparator`.
ThermalOutcome ThermalResultsOutcome(const ThermalState& state, char decimalSeparator);

}  // namespace calvora
