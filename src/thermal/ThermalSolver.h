#pragma once

// The thermal analysis: validates the choice of three unknowns among Th0, Tc0,
// Mh, Mc, Q, A and U, reads the entries the chosen combination needs, and solves
// for the three unknowns by closed forms or by the mass-flow search.

#include <array>
#include <optional>
#include <string>

#include "common/Messages.h"
#include "ntu/ThermalState.h"
#include "thermal/InputCaptions.h"

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

// The seven quantities that may be marked unknown, in the order they are counted.
enum class Unknown : int { Th0, Tc0, Mh, Mc, Q, A, U };
inline constexpr int kUnknownCount = 7;

// What the input screen holds when OK is pressed.
struct ThermalInputs {
  std::array<bool, kUnknownCount> unknown{};  // indexed by Unknown
  // Texts exactly as typed, indexed by thermal_input::Quantity
  // (Th1, Tc1, Th0, Tc0, Mh, Mc, Q, A, U, Cc, Ch).
  std::array<std::string, thermal_input::kQuantityCount> texts{};
  std::string arrangementItem;  // selected item of "Type of Heat Exchanger"
  std::string mixingItem;       // selected item of "Type of Cross Flow"
  char decimalSeparator = '.';

  void SetText(thermal_input::Quantity q, std::string text) {
    texts[static_cast<int>(q)] = std::move(text);
  }
  void SetUnknown(Unknown u, bool value = true) { unknown[static_cast<int>(u)] = value; }
};

// Bit of an unknown in a combination mask.
constexpr unsigned UnknownBit(Unknown u) {
  return 1u << static_cast<int>(u);
}

// The number (1..21) of the allowed combination with exactly these unknowns,
// or 0 when the combination is not allowed.
int AllowedCombination(unsigned unknownMask);

// Runs one analysis from a fresh zero state. Every message goes to `messages`.
// Returns the state to show, or nothing when the choice was refused, an entry
// was missing or cannot describe an exchanger, a relation found no effectiveness
// or NTU ("Insufficient Data !", "Cannot find NTU"), or the calculation failed
// (including results that break the method: a flow, Q, A, U, NTU or capacity rate
// not above zero, or an effectiveness beyond what the exchanger type reaches).
std::optional<ThermalState> SolveThermal(const ThermalInputs& inputs, Messages& messages);

}  // namespace calvora
