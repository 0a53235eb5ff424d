#include "cases/Csv.h"

#include <charconv>
#include <cmath>

namespace calvora::cases {

void AppendShortest(std::string& out, double value) {
  char buffer[32];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
  out.append(buffer, end);
}

CsvRow& CsvRow::Text(std::string_view text) {
  Separate();
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
    out_ += text;
    return *this;
  }
  out_ += '"';
  for (const char c : text) {
    if (c == '"')
      out_ += '"';
    out_ += c;
  }
  out_ += '"';
  return *this;
}

CsvRow& CsvRow::Number(double value) {
  Separate();
  if (std::isfinite(value))
    AppendShortest(out_, value);
  return *this;
}

CsvRow& CsvRow::Header(std::string_view key, std::string_view unit) {
  if (unit.empty())
    return Text(key);
  std::string text(key);
  text += " [";
  text += unit;
  text += ']';
  return Text(text);
}

}  // namespace calvora::cases
