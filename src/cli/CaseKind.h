#pragma once

// What the command line knows of one kind of case: its record, how a case file
// fills it, how OK runs it, what its results are and what its report says. The
// command line works on any kind through CaseKind; each kind fills a KindParts
// for its own record and registers MakeKind(parts).

#include <QByteArray>
#include <cmath>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cases/CaseFile.h"
#include "common/FieldTable.h"
#include "common/Messages.h"

namespace calvora::cli {

// A results field as a column: its key, unit and the screen's display format
// (significant digits and decimals), by which --verify compares.
struct ResultColumn {
  std::string_view key;
  std::string_view unit;
  int precision = 10;
  int digits = 4;
};

// The columns of a results table, in its order.
template <class Result, std::size_t N>
constexpr std::array<ResultColumn, N> ColumnsOf(
    const std::array<fields::ResultField<Result>, N>& rows) {
  std::array<ResultColumn, N> columns{};
  for (std::size_t i = 0; i < N; ++i)
    columns[i] = {rows[i].key, rows[i].unit, rows[i].precision, rows[i].digits};
  return columns;
}

// What one run gives, as the screens would show it.
struct RunOutput {
  bool results = false;           // the run ended in results (not in a message)
  std::vector<double> values;     // one per result column; NaN for a field not shown
  std::vector<Message> messages;  // the messages the screens show in boxes, in order
  std::string report;             // the report "Save" writes, when asked for and results came
  void Clear() {
    results = false;
    values.clear();
    messages.clear();
    report.clear();
  }
};

// The parts of one kind, filled by its wiring.
template <class Record>
struct KindParts {
  cases::CaseSchema<Record> schema;
  std::span<const ResultColumn> results;
  Record (*starting)() = nullptr;  // the input screen's starting values
  // Runs the record as OK runs it: clean arithmetic flags, the checks, the
  // analysis; fills `out` (values sized to `results`), and the report when
  // `report` is true and the run gave results. Must be safe to call from
  // several threads at once on different records.
  // The record is the run's own copy (a sweep point's), so a run may move it on.
  void (*run)(Record record, bool report, RunOutput& out) = nullptr;
};

// A case read from its file, ready to run any number of times.
class PreparedCase {
 public:
  virtual ~PreparedCase() = default;
  // Runs the case with the text entries `keys` set to `values` (in the unit
  // the screen reads them in). Safe to call from several threads at once.
  virtual void Run(std::span<const std::string_view> keys, std::span<const double> values,
                   bool report, RunOutput& out) const = 0;
};

class CaseKind {
 public:
  virtual ~CaseKind() = default;
  virtual std::string_view Name() const = 0;
  virtual std::span<const ResultColumn> Results() const = 0;
  // A case of this kind with every key and the screen's starting values.
  virtual QByteArray Template() const = 0;
  // The unit of text entry `key`, or nothing when the kind has no such entry.
  virtual std::optional<std::string_view> EntryUnit(std::string_view key) const = 0;
  // The document's inputs over the starting values, or nothing with `fault`
  // (its saved results are checked as well).
  virtual std::unique_ptr<PreparedCase> Prepare(const cases::CaseDocument& document,
                                                cases::CaseFault& fault) const = 0;
};

namespace detail {

template <class Record>
class Prepared final : public PreparedCase {
 public:
  Prepared(const KindParts<Record>& parts, Record record)
      : parts_(parts), record_(std::move(record)) {}
  void Run(std::span<const std::string_view> keys, std::span<const double> values, bool report,
           RunOutput& out) const override {
    out.Clear();
    if (keys.empty()) {
      parts_.run(record_, report, out);
      return;
    }
    Record varied = record_;
    const char separator = parts_.schema.separator(varied);
    for (std::size_t i = 0; i < keys.size(); ++i)
      if (const auto* row = fields::FindField(parts_.schema.inputs, keys[i]); row && row->text)
        row->text(varied) = cases::NumberText(values[i], separator);
    parts_.run(std::move(varied), report, out);
  }

 private:
  const KindParts<Record>& parts_;
  Record record_;
};

template <class Record>
class Kind final : public CaseKind {
 public:
  explicit Kind(KindParts<Record> parts) : parts_(parts) {}
  std::string_view Name() const override { return parts_.schema.kind; }
  std::span<const ResultColumn> Results() const override { return parts_.results; }
  QByteArray Template() const override {
    return cases::CaseBytes(parts_.schema.kind,
                            cases::InputsJson(parts_.schema, parts_.starting()));
  }
  std::optional<std::string_view> EntryUnit(std::string_view key) const override {
    const auto* row = fields::FindField(parts_.schema.inputs, key);
    if (!row || row->kind != fields::Kind::Text)
      return std::nullopt;
    return row->unit;
  }
  std::unique_ptr<PreparedCase> Prepare(const cases::CaseDocument& document,
                                        cases::CaseFault& fault) const override {
    Record record = parts_.starting();
    if (!cases::ApplyInputs(document, parts_.schema, record, fault))
      return nullptr;
    // The saved results are checked too, so a case that opens is sound as a whole.
    std::vector<cases::SavedResult> saved;
    const auto known = [](const void* context, std::string_view key) {
      for (const ResultColumn& column : static_cast<const Kind*>(context)->parts_.results)
        if (column.key == key)
          return true;
      return false;
    };
    if (!cases::ReadResults(document, known, this, saved, fault))
      return nullptr;
    return std::make_unique<Prepared<Record>>(parts_, std::move(record));
  }

 private:
  KindParts<Record> parts_;
};

}  // namespace detail

template <class Record>
std::unique_ptr<CaseKind> MakeKind(KindParts<Record> parts) {
  return std::make_unique<detail::Kind<Record>>(parts);
}

// The kinds the command line can run, by name.
class KindRegistry {
 public:
  void Add(std::unique_ptr<CaseKind> kind) { kinds_.push_back(std::move(kind)); }
  const CaseKind* Find(std::string_view name) const {
    for (const auto& kind : kinds_)
      if (kind->Name() == name)
        return kind.get();
    return nullptr;
  }

 private:
  std::vector<std::unique_ptr<CaseKind>> kinds_;
};

}  // namespace calvora::cli
