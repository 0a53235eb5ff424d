#include "cli/Kinds.h"

#include <cmath>
#include <limits>

#include "cases/CaseSchemas.h"
#include "design/DesignOutcome.h"
#include "design/DesignReport.h"
#include "thermal/ThermalReport.h"

namespace calvora::cli {

namespace {

// Keeps a run's messages in the output, in order, as the screens show them.
class OutputMessages final : public Messages {
 public:
  explicit OutputMessages(std::vector<Message>& messages) : messages_(messages) {}
  void show(MessageKind kind, const std::string& text) override {
    messages_.push_back({kind, text});
  }

 private:
  std::vector<Message>& messages_;
};

// The report's lines as "Save" writes them: each line and its line end.
std::string ReportBytes(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) {
    bytes += line;
    bytes += '\n';
  }
  return bytes;
}

// A shown value as the screen shows it: without its sign where the row says so.
template <class Row, class Result>
double ShownValue(const Row& row, const Result& result) {
  const double value = row.value(result);
  return row.absolute ? std::fabs(value) : value;
}

constexpr double kNotShown = std::numeric_limits<double>::quiet_NaN();

// The display texts are needed by the report alone: the values are the numbers.
fields::ResultTexts TextsFor(bool report) {
  return report ? fields::ResultTexts::Written : fields::ResultTexts::Skipped;
}

// ---- thermal --------------------------------------------------------------------

constexpr auto kThermalColumns = ColumnsOf(kThermalResultFields);

void RunThermal(ThermalInputs inputs, bool report, RunOutput& out) {
  OutputMessages sink(out.messages);
  const ThermalOutcome outcome = SolveThermal(inputs, sink, TextsFor(report));
  out.values.assign(kThermalColumns.size(), kNotShown);
  if (!outcome.showsResults())
    return;
  out.results = true;
  for (std::size_t i = 0; i < kThermalResultFields.size(); ++i)
    out.values[i] = ShownValue(kThermalResultFields[i], outcome.state);
  if (report)
    out.report = ReportBytes(ThermalReportLines(inputs, outcome, ReportVariant::Saved));
}

// ---- the design kinds -----------------------------------------------------------

constexpr auto kDesignColumns = ColumnsOf(design::kDesignResultFields);

template <class Record>
void RunDesignKind(Record record, bool report, RunOutput& out) {
  OutputMessages sink(out.messages);
  const DesignOutcome outcome = RunDesign(DesignInputs(std::move(record)), sink, TextsFor(report));
  out.values.assign(kDesignColumns.size(), kNotShown);
  if (!outcome.showsResults())
    return;
  out.results = true;
  for (std::size_t i = 0; i < design::kDesignResultFields.size(); ++i)
    if (outcome.fieldVisible[i])
      out.values[i] = ShownValue(design::kDesignResultFields[i], outcome.result);
  if (report)
    out.report = ReportBytes(DesignReportLines(outcome, ReportKind::Saved));
}

// The design screen starts each page from the record's own defaults: the first
// fluid and material, the first tube types, mixing, layout and surface, no flow
// condition or arrangement, both boxes clear, every entry empty.
template <class Record>
Record DesignStarting() {
  return Record{};
}

template <class Record>
std::unique_ptr<CaseKind> DesignKind(const cases::CaseSchema<Record>& schema) {
  return MakeKind(
      KindParts<Record>{schema, kDesignColumns, &DesignStarting<Record>, &RunDesignKind<Record>});
}

KindRegistry MakeRegistry() {
  KindRegistry kinds;
  kinds.Add(MakeKind(KindParts<ThermalInputs>{cases::kThermalSchema, kThermalColumns,
                                              &ThermalStartingInputs, &RunThermal}));
  kinds.Add(DesignKind(cases::kDoublePipeSchema));
  kinds.Add(DesignKind(cases::kCrossFlowSchema));
  kinds.Add(DesignKind(cases::kShellAndTubeSchema));
  kinds.Add(DesignKind(cases::kCompactSchema));
  return kinds;
}

}  // namespace

const KindRegistry& CaseKinds() {
  static const KindRegistry kinds = MakeRegistry();
  return kinds;
}

}  // namespace calvora::cli
