#include "design/ui/PageRuns.h"

// Placeholder until the analysis of this page is wired in.
void RunCompactPage(calvora::Messages&) {}
