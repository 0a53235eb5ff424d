#pragma once

#include <string_view>

// Texts the shell-and-tube analysis shows, each once. The range check of a
// table fluid shows kTemperatureOutOfRangeMessage (properties/FluidTables.h);
// an iteration that does not settle shows kIterationDidNotSettleMessage
// (analyses/AnalysisMessages.h).
namespace calvora {

inline constexpr std::string_view kShellDiameterRangeMessage =
    "The shell diameter is out of range.";
inline constexpr std::string_view kTubeDiameterRangeMessage = "The tube diameter is out of range.";
inline constexpr std::string_view kBaffleCountRangeMessage =
    "The number of baffles is out of range.";
inline constexpr std::string_view kClearanceMessage =
    "The minimum clearance must be less than the inside shell diameter.";
inline constexpr std::string_view kEndBaffleRatioMessage =
    "The ratio of inlet/outlet baffle space to the central baffle space must be between 1.25 "
    "and 3";
inline constexpr std::string_view kBaffleRatioLowMessage =
    "The range of baffle space ratio is below 0.2, this may lead to inaccuracies.";
inline constexpr std::string_view kBaffleRatioHighMessage =
    "The range of baffle space ratio is above 1.4, this may lead to inaccuracies.";
// Followed by the number of tubes |Nt| as FormatFixed(|Nt|, 6, 2), e.g. "210.00".
inline constexpr std::string_view kInnerFlowMessagePrefix =
    "Inner flow rate should be greater than ";
inline constexpr std::string_view kOuterFlowMessage = "Outer flow rate should be greater than 1.0";
inline constexpr std::string_view kLowShellReynoldsMessage =
    "Reynold # is very small which may cause problems!";

}  // namespace calvora
