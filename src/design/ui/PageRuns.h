#pragma once

#include "design/DesignOutcome.h"

// One function per page of the design screen: reads the page and its dialogs
// into the analysis' input record and runs the analysis with the given message
// sink, returning how the run ended. A missing control (SelectionError) passes
// through to the design screen's OK handler, which shows its message.
calvora::DesignOutcome RunDoublePipePage(calvora::Messages& messages);
calvora::DesignOutcome RunCrossFlowPage(calvora::Messages& messages);
calvora::DesignOutcome RunShellAndTubePage(calvora::Messages& messages);
calvora::DesignOutcome RunCompactPage(calvora::Messages& messages);
