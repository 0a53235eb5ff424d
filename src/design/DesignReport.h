#pragma once

#include <string>
#include <vector>

#include "design/DesignOutcome.h"

// The design report: the inputs of the page that was run, then its results.
// Built from the run's record and outcome alone: the entries as typed, the
// selected items and boxes of the record, the captions of the field tables and
// the texts and visibility of the results.
namespace calvora {

enum class ReportKind { Saved, Printed };

std::vector<std::string> DesignReportLines(const DesignOutcome& outcome, ReportKind kind);

// The lines of the block of the record's page alone.
std::vector<std::string> DesignPageBlock(const DesignInputs& inputs);

}  // namespace calvora
