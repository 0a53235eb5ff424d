#pragma once

// Comma-separated values as RFC 4180 writes them: fields separated by commas,
// records ended by CR LF, a field quoted (its quotes doubled) when it holds a
// comma, a quote, a CR or an LF. Numbers are written with '.' in the shortest
// form that reads back to the same double; a value that is not finite (a field
// a run did not show) is an empty field. Everything appends to a caller's
// buffer, so a long sweep formats its rows without an allocation per cell.

#include <string>
#include <string_view>

namespace calvora::cases {

// Appends one record, field by field.
class CsvRow {
 public:
  explicit CsvRow(std::string& out) : out_(out) {}
  CsvRow& Text(std::string_view text);
  CsvRow& Number(double value);
  // A header field: "key [unit]", or "key" without a unit.
  CsvRow& Header(std::string_view key, std::string_view unit);
  // Ends the record with CR LF.
  void End() {
    out_ += "\r\n";
    first_ = true;
  }

 private:
  void Separate() {
    if (!first_)
      out_ += ',';
    first_ = false;
  }
  std::string& out_;
  bool first_ = true;
};

// Appends `value` in the shortest form that reads back to it ("0.1", "1e-05").
void AppendShortest(std::string& out, double value);

}  // namespace calvora::cases
