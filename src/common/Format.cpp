#include "common/Format.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace calvora {
namespace {

// Room for every significant digit of any double (767 at most) with its
// exponent, and for the digits of the short first reading.
constexpr int kDigitRoom = 800;
constexpr int kBufferSize = kDigitRoom + 16;

// Up to this precision the short reading is tried first; beyond it the value is
// expanded exactly straight away.
constexpr int kShortReadingLimit = 40;
// Digits read beyond the P-th significant one: the short reading is undecided
// only when all of them sit exactly on a half, which for most values needs the
// double to be that half.
constexpr int kGuardDigits = 8;

// The leading significant digits of a positive double: d0.d1d2... x 10^exponent.
struct Digits {
  char buffer[kBufferSize];
  const char* digits = nullptr;  // count digits, the first non-zero
  int count = 0;
  int exponent = 0;
  bool exact = false;  // every digit of the value; the ones beyond read 0
};

// Writes `significant` digits of `magnitude`, correctly rounded to the nearest
// (std::to_chars with a precision works on the exact binary value).
void Read(double magnitude, int significant, bool exact, Digits& d) {
  const auto [end, ec] = std::to_chars(d.buffer, d.buffer + sizeof d.buffer, magnitude,
                                       std::chars_format::scientific, significant - 1);
  (void)ec;  // the buffer holds every reading asked for
  // "d.ddde+XX", or "de+XX" for one digit: moving the first digit onto the
  // point leaves the digits side by side.
  const char* p = d.buffer + 1;
  if (*p == '.') {
    d.buffer[1] = d.buffer[0];
    d.digits = d.buffer + 1;
    p = d.buffer + 1 + significant;
  } else {
    d.digits = d.buffer;
  }
  d.count = significant;
  ++p;  // 'e'
  const bool negative = *p++ == '-';
  int exponent = 0;
  for (; p < end; ++p)
    exponent = exponent * 10 + (*p - '0');
  d.exponent = negative ? -exponent : exponent;
  d.exact = exact;
}

// The power of ten of the last non-zero binary digit's place: a double is an odd
// integer times 2^e, and its decimal expansion ends at 10^e when e < 0.
int LowestBitExponent(double magnitude) {
  const auto bits = std::bit_cast<std::uint64_t>(magnitude);
  const int biased = static_cast<int>(bits >> 52);
  std::uint64_t mantissa = bits & ((std::uint64_t{1} << 52) - 1);
  int exponent = -1074;
  if (biased != 0) {
    mantissa |= std::uint64_t{1} << 52;
    exponent = biased - 1075;
  }
  return exponent + std::countr_zero(mantissa);
}

// Every significant digit of `magnitude`; `leading` is the power of ten of its
// first digit, or one above.
void ReadExactly(double magnitude, int leading, Digits& d) {
  const int significant = leading - std::min(LowestBitExponent(magnitude), 0) + 2;
  Read(magnitude, std::min(significant, kDigitRoom), true, d);
}

// A value rounded to `count` leading digits: digits x 10^(exponent - count + 1);
// zero when count is 0. Places below the digits read 0.
struct Rounded {
  char digits[kDigitRoom];
  int count = 0;
  int exponent = 0;
};

// Keeps the first `kept` digits of `d`, rounding half away from zero on what
// follows. False when the digits read cannot tell whether what follows is at or
// above the half.
bool RoundDigits(const Digits& d, int kept, Rounded& r) {
  if (kept < 0) {  // below a tenth of the last kept place
    r.count = 0;
    return true;
  }
  bool up = false;
  if (kept < d.count) {
    const char next = d.digits[kept];
    if (next > '5') {
      up = true;
    } else if (next == '5') {
      up = d.exact;
      for (int i = kept + 1; i < d.count && !up; ++i)
        up = d.digits[i] != '0';
      if (!up && !d.exact)
        return false;  // exactly a half as read; the value may lie just below it
    }
  }
  kept = std::min(kept, d.count);
  std::copy(d.digits, d.digits + kept, r.digits);
  r.count = kept;
  r.exponent = d.exponent;
  if (!up)
    return true;
  int i = kept;
  while (i > 0 && r.digits[i - 1] == '9')
    r.digits[--i] = '0';
  if (i > 0) {
    ++r.digits[i - 1];
  } else {  // 9...9 (or nothing kept) becomes 1 at the next place up
    r.digits[0] = '1';
    r.count = 1;
    r.exponent = d.exponent + 1;
  }
  return true;
}

std::string ZeroText(int digits, char separator) {
  std::string out(digits > 0 ? 2 + digits : 1, '0');
  if (digits > 0)
    out[1] = separator;
  return out;
}

// The scientific spelling: P significant digits, "E", the exponent's sign and at
// least two of its digits.
bool WriteScientific(const Digits& d, bool negative, int precision, char separator,
                     std::string& out) {
  Rounded r;
  if (!RoundDigits(d, precision, r))
    return false;
  const int exponent = std::abs(r.exponent);
  const int exponentDigits = exponent >= 100 ? 3 : 2;
  out.assign(negative + 1 + (precision > 1 ? precision : 0) + 2 + exponentDigits, '0');
  char* p = out.data();
  if (negative)
    *p++ = '-';
  *p++ = r.digits[0];
  if (precision > 1) {
    *p++ = separator;
    std::copy(r.digits + 1, r.digits + r.count, p);
    p += precision - 1;
  }
  *p++ = 'E';
  *p++ = r.exponent < 0 ? '-' : '+';
  if (exponentDigits == 3)
    *p++ = static_cast<char>('0' + exponent / 100);
  *p++ = static_cast<char>('0' + exponent / 10 % 10);
  *p = static_cast<char>('0' + exponent % 10);
  return true;
}

// The fixed spelling from the digits read; false when they cannot decide the
// rounding.
bool Write(const Digits& d, bool negative, int precision, int digits, char separator,
           std::string& out) {
  // The last kept place: the coarser of the P-th significant digit and the D-th
  // decimal.
  const int last = std::max(d.exponent - precision + 1, -digits);
  Rounded r;
  if (!RoundDigits(d, d.exponent - last + 1, r))
    return false;
  if (r.count == 0) {
    out = ZeroText(digits, separator);
    return true;
  }
  if (r.exponent + 1 > precision)
    return WriteScientific(d, negative, precision, separator, out);

  const int integerDigits = std::max(r.exponent + 1, 1);
  out.assign(negative + integerDigits + (digits > 0 ? 1 + digits : 0), '0');
  char* p = out.data();
  if (negative)
    *p++ = '-';
  // The digit at place 10^k is r.digits[r.exponent - k]; other places read 0.
  auto place = [&r](int k) {
    const int i = r.exponent - k;
    return i >= 0 && i < r.count ? r.digits[i] : '0';
  };
  for (int k = integerDigits - 1; k >= 0; --k)
    *p++ = place(k);
  if (digits > 0) {
    *p++ = separator;
    for (int k = -1; k >= -digits && k >= r.exponent - r.count + 1; --k)
      *p++ = place(k);
  }
  return true;
}

}  // namespace

std::string FormatFixed(double value, int precision, int digits, char decimalSeparator) {
  if (std::isnan(value))
    return "NAN";
  if (std::isinf(value))
    return value < 0 ? "-INF" : "INF";
  precision = std::max(precision, 1);
  digits = std::max(digits, 0);
  const double magnitude = std::fabs(value);
  if (magnitude == 0)
    return ZeroText(digits, decimalSeparator);
  const bool negative = std::signbit(value);

  // A short reading decides almost every value; one that reads exactly as a
  // half at the rounding place is expanded in full.
  Digits d;
  std::string out;
  if (precision <= kShortReadingLimit) {
    Read(magnitude, std::max(precision + kGuardDigits, 17), false, d);
    if (Write(d, negative, precision, digits, decimalSeparator, out))
      return out;
    ReadExactly(magnitude, d.exponent, d);
  } else {
    Read(magnitude, 17, false, d);
    ReadExactly(magnitude, d.exponent, d);
  }
  Write(d, negative, precision, digits, decimalSeparator, out);
  return out;
}

}  // namespace calvora
