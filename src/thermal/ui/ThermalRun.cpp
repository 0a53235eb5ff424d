#include "thermal/ui/ThermalRun.h"

#include "common/ui/QtMessages.h"
#include "thermal/ThermalSolver.h"
#include "thermal/ui/Combi1.h"
#include "thermal/ui/Result1.h"

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

void RunThermalAnalysis() {
  if (!Combi1Dlg)
    return;
  QtMessages messages(Combi1Dlg);
  const auto state = calvora::SolveThermal(ReadInputScreen(*Combi1Dlg), messages);
  if (!state)
    return;
  ShowThermalResults(*state);
  Combi1Dlg->hide();
}
