#include "thermal/ui/ThermalRun.h"

// Placeholder until the solver is wired in.
void RunThermalAnalysis() {}
