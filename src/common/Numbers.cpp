#include "common/Numbers.h"

#include <locale.h>
#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdlib>

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

}  // namespace

std::optional<double> TryParseNumber(std::string_view text, char decimalSeparator) {
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

double ParseNumber(std::string_view text, char decimalSeparator) {
  if (auto value = TryParseNumber(text, decimalSeparator))
    return *value;
  throw ConversionError(std::string(text));
}

double Power(double a, double b) {
  return std::exp(b * std::log(a));
}

}  // namespace calvora
