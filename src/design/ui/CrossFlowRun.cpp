#include "design/ui/PageRuns.h"

// Placeholder until the analysis of this page is wired in.
void RunCrossFlowPage(calvora::Messages&) {}
