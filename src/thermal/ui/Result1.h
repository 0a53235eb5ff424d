#pragma once

#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <string_view>

#include "common/ui/CaseActions.h"
#include "thermal/ResultCaptions.h"
#include "thermal/ThermalReport.h"
#include "thermal/ThermalSolver.h"

// The thermal results screen: the fifteen read-only fields Edit1..Edit15 of one
// thermal analysis in the groups "Temperatures (deg.c)", "Fluid flow
// conditions" and "Properties of the exchanger", and the report (save, print).
class TResults1 : public QDialog {
  Q_OBJECT
 public:
  explicit TResults1(QWidget* parent = nullptr);

  // Fills the fields from a run that ended with results, and keeps the run's
  // record and outcome for the report.
  void showOutcome(const calvora::ThermalInputs& inputs, const calvora::ThermalOutcome& outcome);

  // The field and the caption of the row of kThermalResultFields with `key`.
  QLineEdit* field(std::string_view key) const;
  QLabel* caption(std::string_view key) const;

  // The report of the run shown.
  QStringList reportLines(calvora::ReportVariant variant) const;

  // The run on display.
  const calvora::ThermalOutcome& outcome() const { return outcome_; }
  // "Open case...", "Save case..." (the run's entries and its results),
  // "Copy results".
  const CaseActions& caseActions() const { return caseActions_; }
  // Every field as "caption TAB value" lines.
  QString resultLines() const;

  QLabel* Label16;        // the introduction
  QGroupBox* GroupBox1;   // temperatures
  QGroupBox* GroupBox2;   // fluid flow conditions
  QGroupBox* GroupBox3;   // properties of the exchanger
  QPushButton* BackBtn;   // "&Back"
  QPushButton* QuitBtn;   // "&Quit"
  QPushButton* PrintBtn;  // "&Print"
  QPushButton* SaveBtn;   // "&Save"
  QPushButton* HelpBtn;

  void reject() override;  // Escape answers like "&Back"

 signals:
  // The screen closed ("&Back", Escape, close box); "&Quit" also asks to end the program.
  void closed();
  void quitRequested();
  // A case file was chosen ("Open case...") or dropped on the screen.
  void caseOpenRequested(const QString& path);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void save();
  void print();
  void quit();

  QLineEdit* fields_[calvora::thermal_results::kFieldCount] = {};
  QLabel* captions_[calvora::thermal_results::kFieldCount] = {};
  calvora::ThermalInputs inputs_;
  calvora::ThermalOutcome outcome_;
  CaseActions caseActions_;
  bool centred_ = false;
};

extern TResults1* Results1;

// Shows Results1, then fills it from a run of `inputs` that ended with results.
void ShowThermalResults(const calvora::ThermalInputs& inputs,
                        const calvora::ThermalOutcome& outcome);
