#pragma once

#include <string>
#include <string_view>

// Texts the design analyses show through their message sink. Each text lives
// here once; the screens and their tests read them from here.
namespace calvora {

// Double pipe: the range check of an inner-side air temperature has its own
// wording; every other range check shows kTemperatureOutOfRangeMessage
// (properties/FluidTables.h).
inline constexpr std::string_view kInnerTemperatureOutOfRangeMessage =
    "The inner fluid temperature is out of range, Try again!";

// Double pipe diameter checks, in the order they are made.
inline constexpr std::string_view kOuterDiametersMessage =
    "Outer diameters must be greater than inner ones.";
inline constexpr std::string_view kAnnulusDiameterMessage =
    "Inside diam. of outer pipe must be greater than the outer diam. of inner pipe.";

// Cross flow: a tube whose inside diameter is not below its outside diameter.
inline constexpr std::string_view kTubeDiameterMessage =
    "Outer diameter must be greater than inner.";

// Cross flow: the information box with the height of the bank, followed by the
// height |H| written as FormatFixed(|H|, 4, 5).
inline constexpr std::string_view kExchangerHeightPrefix = "The height of the exchanger is ";

// Every more accurate iteration is bounded; a run that reaches the bound shows
// this error and no results.
inline constexpr int kMaximumIterationPasses = 1000;
inline constexpr std::string_view kIterationDidNotSettleMessage =
    "The exit temperatures did not settle in the more accurate iteration, so no results can be "
    "shown. Please check that all the data is correct.";

}  // namespace calvora
