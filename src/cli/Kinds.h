#pragma once

// The five kinds of case the program runs: thermal, double-pipe, cross-flow,
// shell-and-tube and compact, each with its schema, its result columns, the
// input screen's starting values and a run that does what OK does.

#include "cli/CaseKind.h"

namespace calvora::cli {

// Every kind, registered once; safe to use from several threads.
const KindRegistry& CaseKinds();

}  // namespace calvora::cli
