#pragma once

#include <QLineEdit>
#include <QWidget>
#include <string>

#include "analyses/DoublePipe.h"
#include "common/Errors.h"

// Readers the page runners share: they copy a control's state into an input
// record, finding the control by its name on a screen or dialog.

// A missing control is a wiring fault of the screens, reported as a missing
// selection rather than a crash.
template <typename Control>
Control* FindControl(QWidget* screen, const char* name) {
  Control* control = screen ? screen->findChild<Control*>(QString::fromLatin1(name)) : nullptr;
  if (!control)
    throw calvora::SelectionError(std::string("missing control ") + name);
  return control;
}

// The text of an edit box exactly as typed.
inline std::string EditText(QWidget* screen, const char* name) {
  return FindControl<QLineEdit>(screen, name)->text().toStdString();
}

// The four entries of a fluid-data dialog (Other1dlg, Other2dlg).
inline calvora::FluidDataTexts FluidData(QWidget* dialog) {
  return {EditText(dialog, "Edit1"), EditText(dialog, "Edit2"), EditText(dialog, "Edit3"),
          EditText(dialog, "Edit4")};
}
