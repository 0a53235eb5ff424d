#pragma once

#include <QByteArray>

#include "cases/CaseFile.h"
#include "thermal/ThermalSolver.h"

// The thermal input screen as a case file, through its field tables.

// The case file of `inputs`, with the results of `shown` when given: every
// results field, by its key, as the screen shows it.
QByteArray ThermalCaseBytes(const calvora::ThermalInputs& inputs,
                            const calvora::ThermalOutcome* shown = nullptr);

// Applies a thermal document to `record` (all or nothing) and checks its saved
// results' keys.
bool ApplyThermalCase(const calvora::cases::CaseDocument& document, calvora::ThermalInputs& record,
                      calvora::cases::CaseFault& fault);
