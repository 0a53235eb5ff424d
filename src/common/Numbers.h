#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace calvora {

// Strict conversion of a typed entry: optional blanks around, an optional sign,
// digits with `decimalSeparator` as the only separator, an optional exponent
// (e or E, optional sign, digits). Empty or blank texts, letters, thousands
// separators, "inf", "nan" and hexadecimal are not numbers. A value too large
// for a double is not a number either; one too small becomes 0 (or subnormal).
std::optional<double> TryParseNumber(std::string_view text, char decimalSeparator = '.');

// As TryParseNumber, but throws ConversionError when the text is not a number.
double ParseNumber(std::string_view text, char decimalSeparator = '.');

// a^b as the methods compute it: exp(b ln a), so a zero or negative base is an
// arithmetic failure (invalid logarithm or division by zero), never a quiet result.
double Power(double a, double b);

}  // namespace calvora
