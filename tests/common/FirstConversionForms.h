// The display format and the entry conversion as they were first written: a
// plain and slow but evidently exact form (glibc's exact decimal expansion, and
// strtod on a rebuilt text), kept for the tests to compare the fast forms with.
#pragma once

#include <locale.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace calvora::first_form {
namespace format_detail {

// Adds one unit at the last digit of `digits`; returns true when the carry ran
// off the front (all nines), in which case `digits` is now all zeros.
inline bool IncrementDigits(std::string& digits) {
  for (std::size_t i = digits.size(); i-- > 0;) {
    if (digits[i] == '9') {
      digits[i] = '0';
    } else {
      ++digits[i];
      return false;
    }
  }
  return true;
}

// Keeps the first `cut` digits of `all`, rounding half away from zero on the
// digit that follows. `all` is the exact expansion, so a 5 there means "at or
// above the half". Returns the kept digits; `intLen` grows by one on a carry.
inline std::string RoundDigits(const std::string& all, std::size_t cut, std::size_t& intLen) {
  std::string kept = all.substr(0, cut);
  if (cut < all.size() && all[cut] >= '5') {
    if (IncrementDigits(kept)) {
      kept.insert(kept.begin(), '1');
      ++intLen;
    }
  }
  return kept;
}

inline std::string Scientific(const std::string& all, std::size_t first, std::size_t intLen,
                              bool negative, int precision, char separator) {
  std::size_t dummyLen = 0;
  std::string kept = RoundDigits(all, first + precision, dummyLen);
  kept = kept.substr(first);
  int exponent = static_cast<int>(intLen) - 1 - static_cast<int>(first);
  if (kept.size() > static_cast<std::size_t>(precision)) {  // carry: 9.99 -> 10.0
    kept.pop_back();
    ++exponent;
  }
  std::string out = negative ? "-" : "";
  out += kept[0];
  if (precision > 1) {
    out += separator;
    out += kept.substr(1);
  }
  char expText[16];
  std::snprintf(expText, sizeof expText, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
  return out + expText;
}

}  // namespace format_detail

inline std::string FormatFixed(double value, int precision, int digits,
                               char decimalSeparator = '.') {
  using namespace format_detail;
  if (std::isnan(value))
    return "NAN";
  if (std::isinf(value))
    return value < 0 ? "-INF" : "INF";
  precision = std::max(precision, 1);
  digits = std::max(digits, 0);

  // glibc writes the exact decimal value of a double; 1100 decimals hold every
  // digit of the smallest subnormal.
  static thread_local char buffer[1500];
  std::snprintf(buffer, sizeof buffer, "%.1100f", std::fabs(value));
  // The C library writes its decimal point in the process locale (a comma, or
  // several bytes, under some), so only the digits are read, around whatever
  // stands between them.
  const std::string text(buffer);
  const std::size_t intLen = text.find_first_not_of("0123456789");
  std::string all;
  all.reserve(text.size());
  for (char c : text) {
    if (c >= '0' && c <= '9')
      all += c;
  }

  const std::size_t first = all.find_first_not_of('0');
  const bool negative = std::signbit(value);
  std::string zeroText = "0";
  if (digits > 0)
    zeroText += decimalSeparator + std::string(digits, '0');
  if (first == std::string::npos)
    return zeroText;

  // Keep digits up to the coarser of the P-th significant digit and the D-th
  // decimal.
  const std::size_t cut = std::min(intLen + digits, first + precision);
  std::size_t roundedIntLen = intLen;
  std::string kept = RoundDigits(all, cut, roundedIntLen);
  kept.resize(roundedIntLen + digits, '0');

  std::string integer = kept.substr(0, roundedIntLen);
  const std::string fraction = kept.substr(roundedIntLen);
  integer.erase(0, std::min(integer.find_first_not_of('0'), integer.size() - 1));
  if (integer.size() > static_cast<std::size_t>(precision)) {
    return Scientific(all, first, intLen, negative, precision, decimalSeparator);
  }
  const bool roundsToZero = kept.find_first_not_of('0') == std::string::npos;
  if (roundsToZero)
    return zeroText;

  std::string out = negative ? "-" : "";
  out += integer;
  if (digits > 0) {
    out += decimalSeparator;
    out += fraction;
  }
  return out;
}

namespace numbers_detail {

inline bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}
inline bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// The C locale, so the platform locale never changes how "1.5" is read once
// the separator has been normalised.
inline locale_t CLocale() {
  static locale_t c = newlocale(LC_NUMERIC_MASK, "C", static_cast<locale_t>(0));
  return c;
}

}  // namespace numbers_detail

inline std::optional<double> TryParseNumber(std::string_view text, char decimalSeparator = '.') {
  using namespace numbers_detail;
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && IsBlank(text[begin]))
    ++begin;
  while (end > begin && IsBlank(text[end - 1]))
    --end;
  std::string_view body = text.substr(begin, end - begin);

  // Validate the grammar and rebuild the number with '.' as separator.
  std::string normal;
  normal.reserve(body.size());
  std::size_t i = 0;
  if (i < body.size() && (body[i] == '+' || body[i] == '-'))
    normal += body[i++];
  std::size_t intDigits = 0;
  while (i < body.size() && IsDigit(body[i])) {
    normal += body[i++];
    ++intDigits;
  }
  std::size_t fracDigits = 0;
  if (i < body.size() && body[i] == decimalSeparator) {
    normal += '.';
    ++i;
    while (i < body.size() && IsDigit(body[i])) {
      normal += body[i++];
      ++fracDigits;
    }
  }
  if (intDigits + fracDigits == 0)
    return std::nullopt;
  if (i < body.size() && (body[i] == 'e' || body[i] == 'E')) {
    normal += 'e';
    ++i;
    if (i < body.size() && (body[i] == '+' || body[i] == '-'))
      normal += body[i++];
    std::size_t expDigits = 0;
    while (i < body.size() && IsDigit(body[i])) {
      normal += body[i++];
      ++expDigits;
    }
    if (expDigits == 0)
      return std::nullopt;
  }
  if (i != body.size())
    return std::nullopt;

  errno = 0;
  char* stop = nullptr;
  const double value = strtod_l(normal.c_str(), &stop, CLocale());
  if (stop != normal.c_str() + normal.size())
    return std::nullopt;
  if (errno == ERANGE && std::isinf(value))
    return std::nullopt;
  return value;
}

}  // namespace calvora::first_form
