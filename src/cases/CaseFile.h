#pragma once

// One case in a file: the entries, choices and check boxes of one input screen
// and its dialogs, and the results on display when it was saved.
//
//   {
//       "format": "calvora-case",
//       "inputs": { "Mh": 0.3, "Th1": "176 degF", "type": "Counter flow", ... },
//       "kind": "thermal",
//       "results": { "Q": 12345.5, ... },
//       "version": 1
//   }
//
// Entries are JSON numbers in the unit the screen reads (the field table's
// unit), written with '.' whatever the locale, in the shortest form that reads
// back to the same double. A file may also give an entry as a text: a number,
// or a number, a blank and a unit ("176 degF"), converted to the screen's unit;
// "" is an empty entry. Choices are their item texts (null: nothing selected),
// check boxes true or false, and a set of check marks (the thermal unknowns) a
// list of their symbols.
//
// Reading is strict and all or nothing: a file that is too large, not JSON, of
// another kind, with an unknown key, a value of the wrong type, an unknown unit
// or one of another dimension leaves the record untouched and says which file,
// which key and what is wrong. Keys the file leaves out keep the record's
// values, so a file read into the screen's starting record gives the screen's
// starting values for them.
//
// A record holds its entries as typed, with its own decimal separator. A number
// read from a file goes into the record as the screen would show it typed: the
// shortest form that reads back to the same double, with the record's separator
// ("0,75" in a comma locale). Writing converts the record's texts with that
// separator, so a case saved in a comma locale is the same file as in a dot
// locale. An entry that is not a number (a half-typed text) is written as the
// text it holds; such a file is refused when read back.

#include <QByteArray>
#include <QByteArrayView>
#include <QJsonObject>
#include <QString>
#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cases/CaseMessages.h"
#include "common/FieldTable.h"

namespace calvora::cases {

inline constexpr std::string_view kFormatName = "calvora-case";
inline constexpr int kFormatVersion = 1;
// Larger files are refused before they are read.
inline constexpr qint64 kMaximumCaseBytes = 1024 * 1024;

// The kinds of case, as the files and the command line name them.
inline constexpr std::array<std::string_view, 5> kKinds = {"thermal", "double-pipe", "cross-flow",
                                                           "shell-and-tube", "compact"};

// What is wrong with a file: which file, which key (as a path: "inputs.Th1";
// empty when the fault is the file's as a whole), and what.
struct CaseFault {
  std::string file;
  std::string key;
  std::string what;
  // "file: key: what", or "file: what".
  std::string Message() const;
};

// Check marks a file lists by their symbols, such as the thermal unknowns:
// "unknowns": ["Th0", "Mh", "Q"]. `member` reaches the mark of symbols[index].
template <class Record>
struct SymbolSet {
  std::string_view key;
  std::span<const std::string_view> symbols;
  bool& (*member)(Record&, std::size_t index) = nullptr;
};

// Everything a kind of case holds: its input rows, its sets of check marks, and
// where its record keeps the decimal separator its texts are typed with.
template <class Record>
struct CaseSchema {
  std::string_view kind;  // one of kKinds
  std::span<const fields::InputField<Record>> inputs;
  std::span<const SymbolSet<Record>> sets{};
  char (*separator)(const Record&) = nullptr;
};

// A file read and checked as a whole; its entries are applied to a record by
// ApplyInputs.
struct CaseDocument {
  QString file;
  std::string kind;
  QJsonObject inputs;
  std::optional<QJsonObject> results;
};

// Reads `path` (refused unread when larger than kMaximumCaseBytes).
bool LoadCase(const QString& path, CaseDocument& document, CaseFault& fault);
// Checks the bytes of a file named `file`: JSON, the format, the version, the
// kind, the top-level keys and their types.
bool ParseCase(QByteArrayView bytes, const QString& file, CaseDocument& document, CaseFault& fault);

// The file: format, version, kind, inputs and (when given) results, indented,
// UTF-8, keys in alphabetical order.
QByteArray CaseBytes(std::string_view kind, const QJsonObject& inputs,
                     const QJsonObject* results = nullptr);
// Writes the file through a temporary, so a failed save leaves no half file
// (nor changes an existing one).
bool SaveCase(const QString& path, const QByteArray& bytes, CaseFault& fault);

// One result as saved: its key and value.
struct SavedResult {
  std::string key;
  double value = 0;
};
// The results a file holds, in key order. A key `known` refuses, or a value that
// is not a number, is a fault.
bool ReadResults(const CaseDocument& document, bool (*known)(const void* context, std::string_view),
                 const void* context, std::vector<SavedResult>& results, CaseFault& fault);
QJsonObject ResultsJson(std::span<const SavedResult> results);

// The shortest text that reads back as `value`, with `separator` ("1e-05", "0,75").
std::string NumberText(double value, char separator);

// Value conversions of one entry, shared by every kind (the `what` of a fault on
// failure).
bool TextFromJson(const QJsonValue& value, std::string_view unit, char separator, std::string& text,
                  std::string& what);
QJsonValue JsonFromText(const std::string& text, char separator);
bool ChoiceFromJson(const QJsonValue& value, std::span<const std::string_view> items, int& index,
                    std::string& what);
QJsonValue JsonFromChoice(int index, std::span<const std::string_view> items);
bool SymbolsFromJson(const QJsonValue& value, std::span<const std::string_view> symbols,
                     std::vector<bool>& marked, std::string& what);
QJsonValue JsonFromSymbols(std::span<const std::string_view> symbols,
                           const std::vector<bool>& marked);

// Applies a document's inputs to `record`, all or nothing.
template <class Record>
bool ApplyInputs(const CaseDocument& document, const CaseSchema<Record>& schema, Record& record,
                 CaseFault& fault) {
  fault = {document.file.toStdString(), "kind", {}};
  if (document.kind != schema.kind) {
    fault.what = kOtherKind + document.kind;
    return false;
  }
  Record copy = record;
  const char separator = schema.separator(copy);
  for (auto it = document.inputs.begin(); it != document.inputs.end(); ++it) {
    const std::string key = it.key().toStdString();
    fault.key = "inputs." + key;
    bool ok = false;
    if (const auto* row = fields::FindField(schema.inputs, key)) {
      switch (row->kind) {
        case fields::Kind::Text:
          ok = TextFromJson(it.value(), row->unit, separator, row->text(copy), fault.what);
          break;
        case fields::Kind::Choice:
          ok = ChoiceFromJson(it.value(), row->items, row->choice(copy), fault.what);
          break;
        case fields::Kind::Check:
          ok = it.value().isBool();
          if (ok)
            row->check(copy) = it.value().toBool();
          else
            fault.what = kWantCheck;
          break;
      }
    } else if (const auto* set = fields::FindField(schema.sets, key)) {
      std::vector<bool> marked;
      ok = SymbolsFromJson(it.value(), set->symbols, marked, fault.what);
      for (std::size_t i = 0; ok && i < marked.size(); ++i)
        set->member(copy, i) = marked[i];
    } else {
      fault.what = kUnknownKey;
    }
    if (!ok)
      return false;
  }
  record = std::move(copy);
  fault = {};
  return true;
}

// The inputs of `record` as a file holds them.
template <class Record>
QJsonObject InputsJson(const CaseSchema<Record>& schema, const Record& record) {
  Record& r = const_cast<Record&>(record);  // the accessors hand out references; nothing is written
  const char separator = schema.separator(record);
  QJsonObject inputs;
  for (const auto& row : schema.inputs) {
    const QString key = QString::fromUtf8(row.key.data(), static_cast<qsizetype>(row.key.size()));
    switch (row.kind) {
      case fields::Kind::Text:
        inputs.insert(key, JsonFromText(row.text(r), separator));
        break;
      case fields::Kind::Choice:
        inputs.insert(key, JsonFromChoice(row.choice(r), row.items));
        break;
      case fields::Kind::Check:
        inputs.insert(key, row.check(r));
        break;
    }
  }
  for (const auto& set : schema.sets) {
    std::vector<bool> marked(set.symbols.size());
    for (std::size_t i = 0; i < marked.size(); ++i)
      marked[i] = set.member(r, i);
    inputs.insert(QString::fromUtf8(set.key.data(), static_cast<qsizetype>(set.key.size())),
                  JsonFromSymbols(set.symbols, marked));
  }
  return inputs;
}

}  // namespace calvora::cases
