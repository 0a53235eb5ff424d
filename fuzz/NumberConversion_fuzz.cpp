// libFuzzer target: the strict number conversion and the display format.
//
// For any text: TryParseNumber either refuses it or gives a finite value, and
// ParseNumber agrees (throws exactly when TryParseNumber refuses). A text with
// neither '.' nor ',' converts the same with either separator. A converted value
// written with FormatFixed(P, D) reads as a number again and, written in fixed
// notation, lies within the rounding of its coarser position.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "common/Errors.h"
#include "common/Format.h"
#include "common/Numbers.h"

namespace {

[[noreturn]] void Fail(const char* what, std::string_view text, const std::string& shown = {}) {
  std::fprintf(stderr, "property broken: %s\n  text: '%.*s'\n  shown: '%s'\n", what,
               static_cast<int>(text.size()), text.data(), shown.c_str());
  std::abort();
}

void CheckSeparator(std::string_view text, char separator, int precision, int digits) {
  const auto value = calvora::TryParseNumber(text, separator);
  bool threw = false;
  double parsed = 0;
  try {
    parsed = calvora::ParseNumber(text, separator);
  } catch (const calvora::ConversionError&) {
    threw = true;
  }
  if (threw == value.has_value())
    Fail("ParseNumber and TryParseNumber disagree", text);
  if (!value)
    return;
  if (!std::isfinite(*value))
    Fail("a converted value is not finite", text);
  if (parsed != *value && !(std::isnan(parsed) && std::isnan(*value)))
    Fail("ParseNumber and TryParseNumber give different values", text);

  const std::string shown = calvora::FormatFixed(*value, precision, digits, separator);
  if (shown.find("INF") != std::string::npos || shown.find("NAN") != std::string::npos)
    Fail("a finite value is shown as not a number", text, shown);
  const std::size_t e = shown.find('E');
  const auto mantissa = calvora::TryParseNumber(shown.substr(0, e), separator);
  if (!mantissa)
    Fail("the shown text does not read as a number", text, shown);
  if (e != std::string::npos)
    return;
  if (digits > 0 && shown.find(separator) != shown.size() - 1 - static_cast<std::size_t>(digits))
    Fail("the shown text does not have exactly D decimals", text, shown);
  if (shown.front() == '-' && *mantissa == 0)
    Fail("zero shown with a minus sign", text, shown);
  // Rounded once at the coarser of the D-th decimal and the P-th significant digit.
  const double magnitude = std::fabs(*value);
  const double decimalStep = std::pow(10.0, -digits);
  const double significantStep =
      magnitude > 0 ? std::pow(10.0, std::floor(std::log10(magnitude)) - precision + 1) : 0;
  const double tolerance =
      0.5 * std::fmax(decimalStep, significantStep) * (1 + 1e-9) + std::fabs(*value) * 1e-15;
  if (!(std::fabs(*mantissa - *value) <= tolerance))
    Fail("the shown value is not the rounded value", text, shown);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1)
    return 0;
  // The first byte picks the format; the rest is the typed text.
  const int precision = 1 + data[0] % 17;
  const int digits = (data[0] / 17) % 11;
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
  CheckSeparator(text, '.', precision, digits);
  CheckSeparator(text, ',', precision, digits);
  if (text.find_first_of(".,") == std::string_view::npos &&
      calvora::TryParseNumber(text, '.') != calvora::TryParseNumber(text, ','))
    Fail("a text without separators converts differently by separator", text);
  return 0;
}
