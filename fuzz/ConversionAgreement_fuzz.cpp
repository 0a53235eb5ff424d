// libFuzzer target: the fast display format and entry conversion give exactly
// what their first, plainly exact forms give (tests/common/FirstConversionForms.h).
//
// Input: 8 bytes of a double's bit pattern, one byte for P (1..18) and one for
// D (0..12) and the separator, then a typed text. The double is formatted by
// both forms; the text is converted by both (with either separator), and so is
// the fast form's display of the double.

#include <bit>
#include <cfenv>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "../tests/common/FirstConversionForms.h"
#include "FuzzChecks.h"
#include "common/FloatingPoint.h"
#include "common/Format.h"

namespace {

void CompareConversion(std::string_view text, char separator) {
  std::feclearexcept(FE_ALL_EXCEPT);
  const auto fast = calvora::TryParseNumber(text, separator);
  const int fastFlags = std::fetestexcept(calvora::kFailureFlags);
  std::feclearexcept(FE_ALL_EXCEPT);
  const auto first = calvora::first_form::TryParseNumber(text, separator);
  const int firstFlags = std::fetestexcept(calvora::kFailureFlags);
  const bool same =
      fast.has_value() == first.has_value() &&
      (!fast || std::bit_cast<std::uint64_t>(*fast) == std::bit_cast<std::uint64_t>(*first));
  if (!same || fastFlags != firstFlags)
    fuzz::Fail("the conversion of '" + std::string(text) + "' differs from its first form");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 10)
    return 0;
  std::uint64_t bits;
  std::memcpy(&bits, data, sizeof bits);
  const double value = std::bit_cast<double>(bits);
  const int precision = 1 + data[8] % 18;
  const int digits = data[9] % 13;
  const char separator = data[9] & 0x80 ? ',' : '.';
  const std::string shown = calvora::FormatFixed(value, precision, digits, separator);
  const std::string first = calvora::first_form::FormatFixed(value, precision, digits, separator);
  if (shown != first)
    fuzz::Fail("fixed(" + std::to_string(precision) + ", " + std::to_string(digits) + ") of " +
               first + " reads '" + shown + "'");
  CompareConversion(shown, separator);
  const std::string_view text(reinterpret_cast<const char*>(data + 10), size - 10);
  CompareConversion(text, '.');
  CompareConversion(text, ',');
  return 0;
}
