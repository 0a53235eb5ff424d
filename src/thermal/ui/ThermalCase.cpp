#include "thermal/ui/ThermalCase.h"

#include <QJsonObject>
#include <algorithm>
#include <cmath>
#include <vector>

#include "cases/CaseSchemas.h"
#include "thermal/ThermalFields.h"

namespace cs = calvora::cases;

QByteArray ThermalCaseBytes(const calvora::ThermalInputs& inputs,
                            const calvora::ThermalOutcome* shown) {
  const QJsonObject entries = cs::InputsJson(cs::kThermalSchema, inputs);
  if (!shown)
    return cs::CaseBytes(cs::kThermalSchema.kind, entries);
  std::vector<cs::SavedResult> results;
  for (const calvora::ThermalResultField& row : calvora::kThermalResultFields) {
    const double value = row.value(shown->state);
    results.push_back({std::string(row.key), row.absolute ? std::fabs(value) : value});
  }
  std::sort(results.begin(), results.end(),
            [](const auto& a, const auto& b) { return a.key < b.key; });
  const QJsonObject resultsJson = cs::ResultsJson(results);
  return cs::CaseBytes(cs::kThermalSchema.kind, entries, &resultsJson);
}

bool ApplyThermalCase(const cs::CaseDocument& document, calvora::ThermalInputs& record,
                      cs::CaseFault& fault) {
  calvora::ThermalInputs copy = record;
  if (!cs::ApplyInputs(document, cs::kThermalSchema, copy, fault))
    return false;
  const auto known = [](const void*, std::string_view key) {
    return calvora::fields::FindField(calvora::kThermalResultFields, key) != nullptr;
  };
  std::vector<cs::SavedResult> saved;
  if (!cs::ReadResults(document, known, nullptr, saved, fault))
    return false;
  record = std::move(copy);
  return true;
}
