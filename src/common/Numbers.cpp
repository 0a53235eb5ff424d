#include "common/Numbers.h"

#include <locale.h>

#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "common/Errors.h"

namespace calvora {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// The C locale, so the platform locale never changes how "1.5" is read once
// the separator has been normalised.
locale_t CLocale() {
  static locale_t c = newlocale(LC_NUMERIC_MASK, "C", static_cast<locale_t>(0));
  return c;
}

// The powers of ten a double holds exactly.
constexpr double kExactPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                   1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr int kLargestExactPower = 22;
constexpr std::uint64_t kLargestExactInteger = std::uint64_t{1} << 53;
constexpr int kMantissaRoom = 19;  // decimal digits an unsigned 64-bit integer always holds
// Decimals and exponents beyond this many go to the general conversion, so
// neither count can overflow on the way.
constexpr long kShortScale = 1000;

// The general conversion: the C library's correctly rounded strtod on the text
// rebuilt with '.' as separator. `number` is a checked entry without blanks.
std::optional<double> ConvertInCLocale(std::string_view number, char decimalSeparator) {
  std::string normal(number);
  for (char& c : normal) {
    if (c == decimalSeparator)
      c = '.';
  }
  errno = 0;
  char* stop = nullptr;
  const double value = strtod_l(normal.c_str(), &stop, CLocale());
  if (stop != normal.c_str() + normal.size())
    return std::nullopt;
  if (errno == ERANGE && std::isinf(value))
    return std::nullopt;
  return value;
}

}  // namespace

std::optional<double> TryParseNumber(std::string_view text, char decimalSeparator) {
  const char* p = text.data();
  const char* end = p + text.size();
  while (p < end && IsBlank(*p))
    ++p;
  while (end > p && IsBlank(end[-1]))
    --end;
  const char* const body = p;

  // Check the grammar; on the way, collect the digits as one integer while it
  // is exact, for the common entry of a few digits and a small exponent.
  bool negative = false;
  if (p < end && (*p == '+' || *p == '-'))
    negative = *p++ == '-';
  std::uint64_t mantissa = 0;
  int mantissaDigits = 0;  // from the first non-zero digit on
  auto collect = [&](char c) {
    if (mantissaDigits < kMantissaRoom + 1) {
      mantissa = mantissa * 10 + static_cast<unsigned>(c - '0');
      mantissaDigits += mantissa != 0;
    }
  };
  std::size_t intDigits = 0;
  while (p < end && IsDigit(*p)) {
    collect(*p++);
    ++intDigits;
  }
  std::size_t fracDigits = 0;
  if (p < end && *p == decimalSeparator) {
    ++p;
    while (p < end && IsDigit(*p)) {
      collect(*p++);
      ++fracDigits;
    }
  }
  if (intDigits + fracDigits == 0)
    return std::nullopt;
  long exponent = 0;
  if (p < end && (*p == 'e' || *p == 'E')) {
    ++p;
    bool negativeExponent = false;
    if (p < end && (*p == '+' || *p == '-'))
      negativeExponent = *p++ == '-';
    const char* const exponentDigits = p;
    while (p < end && IsDigit(*p)) {
      if (exponent <= kShortScale)  // larger ones are left to the general conversion
        exponent = exponent * 10 + (*p - '0');
      ++p;
    }
    if (p == exponentDigits)
      return std::nullopt;
    if (negativeExponent)
      exponent = -exponent;
  }
  if (p != end)
    return std::nullopt;

  // An exact integer times or divided by an exact power of ten is one correctly
  // rounded operation: the same double strtod gives.
  const long scale = exponent - static_cast<long>(fracDigits);
  if (mantissaDigits <= kMantissaRoom && mantissa <= kLargestExactInteger &&
      fracDigits <= static_cast<std::size_t>(kShortScale) && exponent >= -kShortScale &&
      exponent <= kShortScale && scale >= -kLargestExactPower && scale <= kLargestExactPower) {
    const double whole = static_cast<double>(mantissa);
    const double value = scale < 0 ? whole / kExactPowers[-scale] : whole * kExactPowers[scale];
    return negative ? -value : value;
  }
  return ConvertInCLocale(std::string_view(body, static_cast<std::size_t>(end - body)),
                          decimalSeparator);
}

double ParseNumber(std::string_view text, char decimalSeparator) {
  if (auto value = TryParseNumber(text, decimalSeparator))
    return *value;
  throw ConversionError(std::string(text));
}

double Power(double a, double b) {
  return std::exp(b * std::log(a));
}

}  // namespace calvora
