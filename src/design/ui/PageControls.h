#pragma once

#include <QLineEdit>
#include <string>

#include "analyses/DoublePipe.h"
#include "common/Errors.h"
#include "design/ui/Combi2.h"
#include "design/ui/OtherFluidDialog.h"

// Readers the page runners share: they copy a control's state into an input
// record.

// A screen that was never created is a wiring fault of the screens, reported
// as a missing selection rather than a crash.
template <typename Screen>
const Screen& Required(const Screen* screen) {
  if (!screen)
    throw calvora::SelectionError("missing screen");
  return *screen;
}

// The text of an edit box exactly as typed.
inline std::string EditText(const QLineEdit* edit) {
  return edit->text().toStdString();
}

inline std::string EditText(const PageEntry& entry) {
  return EditText(entry.edit);
}

// The four entries of a fluid-data dialog (Other1dlg, Other2dlg).
inline calvora::FluidDataTexts FluidData(const TOtherFluidDialog* dialog) {
  const TOtherFluidDialog& d = Required(dialog);
  return {EditText(d.entry(0)), EditText(d.entry(1)), EditText(d.entry(2)), EditText(d.entry(3))};
}
