#pragma once

#include <QString>
#include <QStringList>

class QTextBrowser;

// Opens the single help window at a topic of the help file CALVOR1.HLP (an HTML
// document whose topics are anchors: "welcome", "Input1", "Input2",
// "Pressure_input", "results", "Results"). Says so plainly when the file is
// missing.
void OpenHelpTopic(const QString& topic);

// Where the help file is looked for, in this order: beside the executable, the
// installed share folder, the source tree's help folder.
QStringList HelpFileCandidates();

// The first candidate that exists, or an empty string.
QString FindHelpFile();

// Shows `helpFile` (which may be missing) in the help window at `topic`.
void ShowHelpFile(const QString& helpFile, const QString& topic);

// The help window (objectName "HelpWindow"), nullptr until help was first asked for.
QTextBrowser* HelpWindow();
