#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <optional>
#include <string_view>

#include "cases/CaseFile.h"
#include "design/DesignOutcome.h"

// The design pages as case files, through the schemas of their field tables.

// The page a case of `kind` fills ("double-pipe" ...), or nothing for another kind.
std::optional<calvora::design::DesignPage> PageOfCaseKind(std::string_view kind);

// The case file of a page's record, with the results of `shown` when given:
// every field the results screen shows, by its key.
QByteArray DesignCaseBytes(const calvora::DesignInputs& inputs,
                           const calvora::DesignOutcome* shown = nullptr);

// Applies a document of the record's kind to `record` (all or nothing), with
// the checks the screen makes (the tube pitches of a cross-flow arrangement),
// and checks its saved results' keys.
bool ApplyDesignCase(const calvora::cases::CaseDocument& document, calvora::DesignInputs& record,
                     calvora::cases::CaseFault& fault);

// Fills the design screen from `record`: its page shown, every entry, choice,
// box and dialog entry set, and no dialog asked for.
void WriteDesignCase(const calvora::DesignInputs& record);
