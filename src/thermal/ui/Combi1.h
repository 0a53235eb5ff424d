#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <array>
#include <cstddef>

#include "common/ui/CaseActions.h"
#include "common/ui/RadioGroup.h"
#include "thermal/ThermalFields.h"

// The input screen of the thermal analysis: the user marks three of Th0, Tc0, Mh,
// Mc, Q, A, U as unknown, enters the others with the inlet temperatures and the
// specific heats, picks the exchanger type (and for cross flow the mixing case)
// and presses OK. Its rows are built from kThermalInputFields and
// kThermalUnknownFields; ReadThermalScreen and WriteThermalScreen
// (thermal/ui/ThermalScreen.h) read and fill it through them.
class TCombi1Dlg : public QDialog {
  Q_OBJECT
 public:
  explicit TCombi1Dlg(QWidget* parent = nullptr);

  // Edit fields, named as on the form: Edit1 Th1, Edit3 Tc1, Edit2 Th0, Edit4 Tc0,
  // Edit5 Mh, Edit6 Mc, Edit7 Q, Edit8 A, Edit9 U, Edit10 cc, Edit11 ch.
  QLineEdit* Edit1;
  QLineEdit* Edit2;
  QLineEdit* Edit3;
  QLineEdit* Edit4;
  QLineEdit* Edit5;
  QLineEdit* Edit6;
  QLineEdit* Edit7;
  QLineEdit* Edit8;
  QLineEdit* Edit9;
  QLineEdit* Edit10;
  QLineEdit* Edit11;

  // "Unknown" check boxes: CheckBox2 Th0, CheckBox4 Tc0, CheckBox5 Mh, CheckBox6 Mc,
  // CheckBox7 Q, CheckBox8 A, CheckBox9 U.
  QCheckBox* CheckBox2;
  QCheckBox* CheckBox4;
  QCheckBox* CheckBox5;
  QCheckBox* CheckBox6;
  QCheckBox* CheckBox7;
  QCheckBox* CheckBox8;
  QCheckBox* CheckBox9;

  // Captions of the always-known rows: Label1 Th1, Label3 Tc1, Label10 cc, Label11 ch.
  QLabel* Label1;
  QLabel* Label3;
  QLabel* Label10;
  QLabel* Label11;
  QLabel* Label2;  // the instruction above the quantities
  QLabel* Label4;  // the green reminder to choose the exchanger type

  RadioGroup* RadioGroup1;  // "Type of Heat Exchanger"
  RadioGroup* RadioGroup2;  // "Type of Cross Flow", shown only for "Cross Flow"

  QPushButton* OkBtn;
  QPushButton* CancelBtn;  // "&Back"
  QPushButton* HelpBtn;
  QPushButton* BitBtn1;  // "&Quit"

  // The edit field and the caption control (label or check box) of a row.
  QLineEdit* edit(calvora::thermal_input::Quantity quantity) const;
  QWidget* caption(calvora::thermal_input::Quantity quantity) const;

  // The control built for row `row` of kThermalInputFields (an edit field or a
  // radio group), and the box of row `row` of kThermalUnknownFields; nullptr
  // past the end.
  QWidget* inputControl(std::size_t row) const;
  QCheckBox* unknownBox(std::size_t row) const;

  // "Open case..." and "Save case...": the screen's entries as a case file.
  const CaseActions& caseActions() const { return caseActions_; }

  // Escape and "&Back" close the screen like its close box, so the main menu returns.
  void reject() override;

 signals:
  // OK solved the entries: the results of the run of `inputs` are to be shown.
  void solved(const calvora::ThermalInputs& inputs, const calvora::ThermalOutcome& outcome);
  // The screen closed ("&Back", Escape, close box); "&Quit" also asks to end the program.
  void closed();
  void quitRequested();
  // A case file was chosen ("Open case...") or dropped on the screen.
  void caseOpenRequested(const QString& path);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void OkClicked();
  void UnknownToggled(QCheckBox* box, QLineEdit* field, bool checked);
  void ExchangerTypeChanged(int index);
  void Quit();

  std::array<QWidget*, calvora::kThermalInputFields.size()> inputControls_{};
  std::array<QCheckBox*, calvora::kUnknownCount> unknownBoxes_{};
  QWidget* captions_[calvora::thermal_input::kQuantityCount] = {};
  CaseActions caseActions_;
  bool centred_ = false;
};

extern TCombi1Dlg* Combi1Dlg;
