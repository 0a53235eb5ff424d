#pragma once

#include <QString>

// Opens the single help window at a topic of the help file CALVOR1.HLP (an HTML
// document whose topics are anchors: "welcome", "Input1", "Input2",
// "Pressure_input", "results", "Results"). Says so plainly when the file is
// missing.
void OpenHelpTopic(const QString& topic);
