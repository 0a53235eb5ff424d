#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QAction;
class QByteArray;
class QWidget;

namespace calvora::cases {
struct CaseFault;
}

// The case entries of an input or results screen, created once with the
// screen: "Open case..." (Ctrl+O) and "Save case..." (Ctrl+Shift+S), on a
// results screen also "Copy results" (Ctrl+Shift+C; the shell adds "Chart...",
// F9, after it). They
// are the screen's actions, so its context menu (right button, Shift+F10, the
// Menu key) lists them and their keys work anywhere on the screen.
struct CaseActions {
  QAction* open = nullptr;
  QAction* save = nullptr;
  QAction* copyResults = nullptr;  // results screens only
};
CaseActions AddCaseActions(QWidget* screen, bool results);

// Asks for a case file to open or to save (asking before an existing file is
// replaced); empty when cancelled.
QString AskCaseToOpen(QWidget* parent);
QString AskCaseToSave(QWidget* parent);

// Writes a case file through a temporary; a failure shows a message with the
// file and the system's reason and returns false.
bool WriteCaseFile(QWidget* parent, const QString& path, const QByteArray& bytes);

// The message of a file that cannot be opened: the file, the key, the fault.
void ShowCaseFault(QWidget* parent, const calvora::cases::CaseFault& fault);

// Wires a screen's case entries: "Open case..." asks for a file and passes it
// to `open`, as a file dropped on the screen is; "Save case..." asks for a file
// and writes `caseBytes()` to it.
void ConnectCaseEntries(QWidget* screen, const CaseActions& actions,
                        std::function<void(const QString&)> open,
                        std::function<QByteArray()> caseBytes);

// Lets `screen` take a case file (.json) dropped anywhere on it, its fields
// included; `open` gets the file's path.
void AcceptCaseDrops(QWidget* screen, std::function<void(const QString&)> open);

// "caption TAB value" lines, one per field, so they paste into a spreadsheet
// as two columns; and putting a text on the clipboard.
QString CaptionValueLines(const QStringList& captions, const QStringList& values);
void CopyText(const QString& text);
