#include "thermal/ui/ThermalRun.h"

#include "common/ui/QtMessages.h"
#include "thermal/ThermalSolver.h"
#include "thermal/ui/Combi1.h"

namespace ti = calvora::thermal_input;

namespace {

// What Combi1Dlg holds now, as typed.
calvora::ThermalInputs ReadInputScreen(const TCombi1Dlg& screen) {
  calvora::ThermalInputs in;
  const QCheckBox* boxes[calvora::kUnknownCount] = {
      screen.CheckBox2, screen.CheckBox4, screen.CheckBox5, screen.CheckBox6,
      screen.CheckBox7, screen.CheckBox8, screen.CheckBox9};
  for (int u = 0; u < calvora::kUnknownCount; ++u)
    in.unknown[u] = boxes[u]->isChecked();
  for (int q = 0; q < ti::kQuantityCount; ++q) {
    in.texts[q] = screen.edit(static_cast<ti::Quantity>(q))->text().toStdString();
  }
  in.arrangementItem = screen.RadioGroup1->selectedText().toStdString();
  in.mixingItem = screen.RadioGroup2->selectedText().toStdString();
  in.decimalSeparator = PlatformDecimalSeparator();
  return in;
}

}  // namespace

std::optional<calvora::ThermalState> RunThermalAnalysis(TCombi1Dlg& screen) {
  QtMessages messages(&screen);
  return calvora::SolveThermal(ReadInputScreen(screen), messages);
}

void ReadThermalReportInputs(const TCombi1Dlg& screen, calvora::ThermalReportSnapshot& snapshot) {
  for (int q = 0; q < ti::kQuantityCount; ++q) {
    const auto quantity = static_cast<ti::Quantity>(q);
    QWidget* captionWidget = screen.caption(quantity);
    QString captionText;
    if (auto* label = qobject_cast<QLabel*>(captionWidget)) {
      captionText = label->text();
    } else if (auto* box = qobject_cast<QAbstractButton*>(captionWidget)) {
      captionText = box->text();
    }
    QLineEdit* edit = screen.edit(quantity);
    snapshot.inputs[q] = {captionText.toStdString(), edit->text().toStdString(), !edit->isHidden()};
  }
  snapshot.arrangementItem = screen.RadioGroup1->selectedText().toStdString();
  snapshot.mixingItem = screen.RadioGroup2->selectedText().toStdString();
}
