#pragma once

#include <QWidget>
#include <span>
#include <string>
#include <string_view>

#include "common/Errors.h"
#include "common/FieldTable.h"
#include "design/DesignFields.h"
#include "design/DesignOutcome.h"

// One reader and one writer for every design page: a page's field table names,
// per row, the screen or dialog and the control that holds the value, and the
// record member it belongs to.

// The control named by `objectName` on the design screen or dialog named
// `screen`, or nullptr when that screen or control does not exist.
QWidget* FieldControl(std::string_view screen, std::string_view objectName);

// The state of a control as a row of its kind reads it, and writing it back.
// Edit boxes hold texts, radio groups and lists item indices (-1: none), check
// boxes and radio buttons check states.
std::string ControlText(const QWidget* control);
int ControlChoice(const QWidget* control);
bool ControlCheck(const QWidget* control);
void SetControlText(QWidget* control, const std::string& text);
void SetControlChoice(QWidget* control, int index);
void SetControlCheck(QWidget* control, bool checked);

// Fills `record` from the controls of `rows`. A missing screen or control is a
// wiring fault of the screens, reported as a missing selection.
template <class Record>
void ReadFields(std::span<const calvora::fields::InputField<Record>> rows, Record& record) {
  for (const auto& row : rows) {
    const QWidget* control = FieldControl(row.screen, row.objectName);
    if (!control)
      throw calvora::SelectionError("missing control");
    switch (row.kind) {
      case calvora::fields::Kind::Text:
        row.text(record) = ControlText(control);
        break;
      case calvora::fields::Kind::Choice:
        row.choice(record) = ControlChoice(control);
        break;
      case calvora::fields::Kind::Check:
        row.check(record) = ControlCheck(control);
        break;
    }
  }
}

// Sets the controls of `rows` to the values of `record`, with the reactions the
// controls trigger (a dialog may be asked for, as when the user chooses).
template <class Record>
void WriteFields(std::span<const calvora::fields::InputField<Record>> rows, Record record) {
  for (const auto& row : rows) {
    QWidget* control = FieldControl(row.screen, row.objectName);
    if (!control)
      continue;
    switch (row.kind) {
      case calvora::fields::Kind::Text:
        SetControlText(control, row.text(record));
        break;
      case calvora::fields::Kind::Choice:
        SetControlChoice(control, row.choice(record));
        break;
      case calvora::fields::Kind::Check:
        SetControlCheck(control, row.check(record));
        break;
    }
  }
}

// The record of design page `page` and its dialogs as they stand, with the
// platform's decimal separator.
calvora::DesignInputs ReadDesignPage(calvora::design::DesignPage page);

// Sets the page of `inputs` and its dialogs to the record's values.
void WriteDesignPage(const calvora::DesignInputs& inputs);
