#pragma once

#include "thermal/ThermalSolver.h"

class TCombi1Dlg;

// The thermal input screen as a record and back, row by row through
// kThermalInputFields and kThermalUnknownFields: edit fields hold texts as
// typed, radio groups item indices (-1: none), unknown boxes check states.

// What `screen` holds now, with the platform's decimal separator.
calvora::ThermalInputs ReadThermalScreen(const TCombi1Dlg& screen);

// Sets every entry, choice and unknown box of `screen` to `inputs`, with the
// reactions a user's change has (a marked unknown hides its field, "Cross Flow"
// shows the mixing choice). The record's separator is not converted: its texts
// go in as they stand.
void WriteThermalScreen(TCombi1Dlg& screen, const calvora::ThermalInputs& inputs);
