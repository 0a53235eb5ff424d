#pragma once

// Runs the thermal analysis for the entries of Combi1Dlg: validates the choice of
// unknowns, solves, shows every message, and on success shows Results1 and
// hides Combi1Dlg. Called by Combi1Dlg's OK button.
void RunThermalAnalysis();
