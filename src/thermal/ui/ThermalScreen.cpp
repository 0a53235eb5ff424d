#include "thermal/ui/ThermalScreen.h"

#include <QCheckBox>
#include <QLineEdit>

#include "common/ui/QtMessages.h"
#include "common/ui/RadioGroup.h"
#include "thermal/ThermalFields.h"
#include "thermal/ui/Combi1.h"

namespace {

using calvora::ThermalField;
using calvora::fields::Kind;

// `control(i)` is the control of rows[i].
template <class Rows, class Control>
void Read(const Rows& rows, Control control, calvora::ThermalInputs& in) {
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const ThermalField& row = rows[i];
    switch (row.kind) {
      case Kind::Text:
        row.text(in) = static_cast<QLineEdit*>(control(i))->text().toStdString();
        break;
      case Kind::Choice:
        row.choice(in) = static_cast<RadioGroup*>(control(i))->itemIndex();
        break;
      case Kind::Check:
        row.check(in) = static_cast<QCheckBox*>(control(i))->isChecked();
        break;
    }
  }
}

template <class Rows, class Control>
void Write(const Rows& rows, Control control, calvora::ThermalInputs in) {
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const ThermalField& row = rows[i];
    switch (row.kind) {
      case Kind::Text:
        static_cast<QLineEdit*>(control(i))->setText(QString::fromStdString(row.text(in)));
        break;
      case Kind::Choice:
        static_cast<RadioGroup*>(control(i))->setItemIndex(row.choice(in));
        break;
      case Kind::Check:
        static_cast<QCheckBox*>(control(i))->setChecked(row.check(in));
        break;
    }
  }
}

}  // namespace

calvora::ThermalInputs ReadThermalScreen(const TCombi1Dlg& screen) {
  calvora::ThermalInputs in;
  Read(
      calvora::kThermalInputFields, [&](std::size_t i) { return screen.inputControl(i); }, in);
  Read(
      calvora::kThermalUnknownFields,
      [&](std::size_t i) -> QWidget* { return screen.unknownBox(i); }, in);
  in.decimalSeparator = PlatformDecimalSeparator();
  return in;
}

void WriteThermalScreen(TCombi1Dlg& screen, const calvora::ThermalInputs& inputs) {
  Write(
      calvora::kThermalInputFields, [&](std::size_t i) { return screen.inputControl(i); }, inputs);
  Write(
      calvora::kThermalUnknownFields,
      [&](std::size_t i) -> QWidget* { return screen.unknownBox(i); }, inputs);
}
