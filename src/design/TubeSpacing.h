#pragma once

#include <string_view>

#include "analyses/CrossFlow.h"
#include "common/Messages.h"

// The checks of the tube pitches of a cross-flow bank: the spacing dialogs make
// them when OK is pressed, and whatever fills a record other than the dialogs
// makes them too.
namespace calvora::design {

enum class SpacingCheck {
  Accepted,
  MissingData,     // a pitch or the outside diameter is not a number
  OutOfRange,      // Sp/d or Sn/d outside the tables
  NoCoefficients,  // staggered: the tables have no c or n there
};

// Sp/d must lie in [1.25, 3] in line or [0.6, 3] staggered, Sn/d in [1.25, 3],
// and a staggered bank needs both table values at the ratios.
SpacingCheck CheckTubeSpacing(bool staggered, std::string_view sp, std::string_view sn,
                              std::string_view outsideDiameter, char decimalSeparator);

// The check of the pitches of the record's arrangement (Accepted without one).
SpacingCheck CheckTubeSpacing(const CrossFlowInputs& inputs);

// The box a failed check shows: its kind and its text ("" for Accepted).
struct SpacingMessage {
  MessageKind kind;
  std::string_view text;
};
SpacingMessage MessageOf(SpacingCheck check);

}  // namespace calvora::design
