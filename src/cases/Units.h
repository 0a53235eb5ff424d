#pragma once

// Values with units, as a case file may give them ("176 degF", "1500 lb/h",
// "150 Btu/(h ft2 degF)"), converted to the unit an entry is read in. The units
// database is read once, on the first conversion, so a program that never
// meets a unit never pays for it.

#include <optional>
#include <string>
#include <string_view>

namespace calvora::cases {

// `value` in `unit` expressed in `target` (both in the units library's
// spelling; "" is a pure number). Temperatures convert with their offset, as
// absolute temperatures. Converted values are rounded to 15 significant digits,
// which removes the library's last-digit noise (1 in is 0.0254 m, not
// 0.025400000000000002). On failure returns nothing and says why in `fault`:
// an unknown unit, a unit of another dimension than `target`, or a result too
// large for a double.
std::optional<double> ConvertUnit(double value, std::string_view unit, std::string_view target,
                                  std::string& fault);

// A quantity typed as text: a number in the C locale ('.' as separator), or a
// number, blanks, and a unit. Returns the value in `target`, or nothing with
// the reason in `fault`.
std::optional<double> ParseQuantity(std::string_view text, std::string_view target,
                                    std::string& fault);

// `value` rounded to 15 significant digits (finite values; others unchanged).
double RoundTo15Digits(double value);

}  // namespace calvora::cases
