#include "design/ui/DesignCase.h"

#include <QSignalBlocker>
#include <cmath>
#include <variant>
#include <vector>

#include "cases/CaseSchemas.h"
#include "design/TubeSpacing.h"
#include "design/ui/Combi2.h"
#include "design/ui/PageFields.h"

namespace dt = calvora::design;
namespace cs = calvora::cases;

namespace {

// Calls `work(schema, record)` with the schema of the record's page.
template <class Work>
auto WithSchema(calvora::DesignInputs& inputs, Work work) {
  return std::visit(
      [&](auto& record) {
        using Record = std::decay_t<decltype(record)>;
        if constexpr (std::is_same_v<Record, calvora::DoublePipeInputs>)
          return work(cs::kDoublePipeSchema, record);
        else if constexpr (std::is_same_v<Record, calvora::CrossFlowInputs>)
          return work(cs::kCrossFlowSchema, record);
        else if constexpr (std::is_same_v<Record, calvora::ShellAndTubeInputs>)
          return work(cs::kShellAndTubeSchema, record);
        else
          return work(cs::kCompactSchema, record);
      },
      inputs);
}

bool KnownResult(const void*, std::string_view key) {
  return calvora::fields::FindField(dt::kDesignResultFields, key) != nullptr;
}

}  // namespace

std::optional<dt::DesignPage> PageOfCaseKind(std::string_view kind) {
  const std::pair<std::string_view, dt::DesignPage> kinds[] = {
      {cs::kDoublePipeSchema.kind, dt::DesignPage::DoublePipe},
      {cs::kCrossFlowSchema.kind, dt::DesignPage::CrossFlow},
      {cs::kShellAndTubeSchema.kind, dt::DesignPage::ShellAndTube},
      {cs::kCompactSchema.kind, dt::DesignPage::Compact},
  };
  for (const auto& [name, page] : kinds)
    if (name == kind)
      return page;
  return std::nullopt;
}

QByteArray DesignCaseBytes(const calvora::DesignInputs& inputs,
                           const calvora::DesignOutcome* shown) {
  std::vector<cs::SavedResult> results;
  if (shown)
    for (int i = 0; i < calvora::kDesignResultFieldCount; ++i)
      if (shown->fieldVisible[i]) {
        const auto& row = dt::kDesignResultFields[i];
        const double value = row.value(shown->result);
        results.push_back({std::string(row.key), row.absolute ? std::fabs(value) : value});
      }
  std::sort(results.begin(), results.end(),
            [](const auto& a, const auto& b) { return a.key < b.key; });
  const QJsonObject resultsJson = cs::ResultsJson(results);
  calvora::DesignInputs copy = inputs;
  return WithSchema(copy, [&](const auto& schema, const auto& record) {
    return cs::CaseBytes(schema.kind, cs::InputsJson(schema, record),
                         shown ? &resultsJson : nullptr);
  });
}

bool ApplyDesignCase(const cs::CaseDocument& document, calvora::DesignInputs& record,
                     cs::CaseFault& fault) {
  calvora::DesignInputs copy = record;
  const bool applied = WithSchema(copy, [&](const auto& schema, auto& r) {
    return cs::ApplyInputs(document, schema, r, fault);
  });
  if (!applied)
    return false;
  if (const auto* crossFlow = std::get_if<calvora::CrossFlowInputs>(&copy)) {
    const dt::SpacingCheck check = dt::CheckTubeSpacing(*crossFlow);
    if (check != dt::SpacingCheck::Accepted) {
      fault = {document.file.toStdString(),
               crossFlow->arrangement == 0 ? "inputs.inLinePitchParallel"
                                           : "inputs.staggeredPitchParallel",
               std::string(dt::MessageOf(check).text)};
      return false;
    }
  }
  std::vector<cs::SavedResult> saved;
  if (!cs::ReadResults(document, KnownResult, nullptr, saved, fault))
    return false;
  record = std::move(copy);
  return true;
}

void WriteDesignCase(const calvora::DesignInputs& record) {
  if (!Combi2Dlg)
    return;
  // The screen's requests for dialogs (and the clearing of the pitches when the
  // diameter changes) are for a user's changes, not for a case set as a whole.
  const QSignalBlocker quiet(Combi2Dlg);
  Combi2Dlg->showPage(calvora::PageOf(record));
  WriteDesignPage(record);
}
