#pragma once

// The shape of the tables that declare every entry and every result once.
// A screen builds its rows from them, one generic reader fills an input record
// from a page (and fills a page from a record), the case file and the command
// line address entries and results by their keys, and the reports take their
// captions from them. No toolkit type: the screens and the case files sit above.

#include <span>
#include <string>
#include <string_view>

namespace calvora::fields {

// What kind of control holds an entry.
enum class Kind {
  Text,    // an edit field: the text exactly as typed, converted when the method reads it
  Choice,  // a radio group or list: the index of the selected item, -1 when none is
  Check,   // a check box
};

// One entry, choice or check box of an input screen or of one of its dialogs.
// `Record` is the core's input record the row reads and writes. The accessors
// are captureless lambdas turned into function pointers, so a row can reach a
// member of a nested record (a dialog's entries) and the table stays constexpr.
template <class Record>
struct InputField {
  std::string_view key;  // case-file and command-line name: Th1, innerDiameter, ...
  Kind kind;
  std::string_view screen;      // objectName of the screen or dialog that shows the control
  std::string_view objectName;  // objectName of the control on that screen
  std::string_view caption;     // the screen's own caption beside the control ("" when none)
  std::string_view unit;        // SI unit the screen reads, in UDUNITS-2 spelling ("" when none)
  std::string& (*text)(Record&) = nullptr;    // Kind::Text
  int& (*choice)(Record&) = nullptr;          // Kind::Choice
  bool& (*check)(Record&) = nullptr;          // Kind::Check
  std::span<const std::string_view> items{};  // Kind::Choice: the item texts, in index order
};

// Whether a run writes the display texts of its results fields: the screens and
// the reports need them; a sweep that keeps only the numbers skips the work.
enum class ResultTexts { Written, Skipped };

// When a results field (and the group that holds it) is shown.
enum class Shown {
  Always,
  WithIteration,      // only when the run iterated
  WithoutIteration,   // only when it did not
  WithPressureDrops,  // only when the pressure drops were asked for
};

// One field of a results screen: where it is shown, what it is called, and how
// it is written. `Result` is the record the value is read from.
template <class Result>
struct ResultField {
  std::string_view key;         // case-file and CSV name: Q, innerReynolds, ...
  std::string_view objectName;  // the results screen's field
  std::string_view caption;     // the screen's caption beside the field
  std::string_view unit;        // SI unit of the value, in UDUNITS-2 spelling ("" when none)
  std::string_view group;       // the screen's group caption ("" when none)
  double (*value)(const Result&) = nullptr;
  int precision = 10;                // significant digits of the display format (P)
  int digits = 4;                    // decimals of the display format (D)
  bool absolute = false;             // written without its sign
  Shown shown = Shown::Always;       // when the field and its group are visible
  std::string_view prompt{};         // objectName of the caption label ("" when it shares one)
  std::string_view column{};         // the column of a two-column group ("" when none)
  int reportPlace = 0;               // place in the report's results block (0: not written)
  std::string_view reportCaption{};  // the report's own caption ("": the screen's)
};

// The row of a table (std::array or built-in array of rows) with `key`, or nullptr.
template <class Table>
constexpr auto FindField(const Table& rows, std::string_view key) -> decltype(&rows[0]) {
  for (const auto& row : rows)
    if (row.key == key)
      return &row;
  return nullptr;
}

}  // namespace calvora::fields
