#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

// Asks for a file name (filter, default extension "txt", prompt before
// overwriting) and writes the lines, each ended by the platform's line
// terminator. The file is written through QSaveFile, so an existing file is
// never left half-written; an I/O error shows a message with the system's
// reason. Returns the file written, or an empty string (cancelled or failed).
QString SaveReportWithDialog(QWidget* parent, const QString& filter, const QStringList& lines);

// Writes the lines to `path` (no dialog); on failure returns false and sets
// `reason` to the system's explanation.
bool WriteReportFile(const QString& path, const QStringList& lines, QString* reason);

// Runs the print dialog and prints the lines as plain text with page breaks,
// wrapping lines wider than the page.
// With `warnWithoutPrinter`, a warning says so when no printer is installed
// (the dialog can still print to a PDF file).
void PrintReportWithDialog(QWidget* parent, const QStringList& lines, bool warnWithoutPrinter);

// Prints the lines on an already set-up printer (or PDF writer). A line wider
// than the printable width is wrapped at a blank (inside a word only when the
// word alone is wider), its continuations indented, so nothing is cut off.
class QPagedPaintDevice;
void PrintReportLines(QPagedPaintDevice& device, const QStringList& lines);
