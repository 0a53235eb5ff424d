#pragma once

#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <functional>

#include "ntu/ThermalState.h"
#include "thermal/ResultCaptions.h"
#include "thermal/ThermalReport.h"

// The thermal results screen: the fifteen read-only fields Edit1..Edit15 of one
// thermal analysis in the groups "Temperatures (deg.c)", "Fluid flow
// conditions" and "Properties of the exchanger", and the report (save, print).
class TResults1 : public QDialog {
  Q_OBJECT
 public:
  explicit TResults1(QWidget* parent = nullptr);

  // Fills the fields from a finished calculation.
  void showResults(const calvora::ThermalState& state);

  QLineEdit* field(int number) const { return fields_[number - 1]; }
  QLabel* caption(int number) const { return captions_[number - 1]; }

  // Where the report's input part comes from: the thermal input screen as
  // displayed when the report is made.
  void setReportInputs(std::function<void(calvora::ThermalReportSnapshot&)> inputs) {
    reportInputs_ = std::move(inputs);
  }

  // The report from the input screen and this screen as displayed now.
  calvora::ThermalReportSnapshot snapshot() const;
  QStringList reportLines(calvora::ReportVariant variant) const;

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

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void save();
  void print();
  void quit();

  QLineEdit* fields_[calvora::thermal_results::kFieldCount] = {};
  QLabel* captions_[calvora::thermal_results::kFieldCount] = {};
  std::function<void(calvora::ThermalReportSnapshot&)> reportInputs_;
  bool centred_ = false;
};

extern TResults1* Results1;

// Called by the thermal run when a calculation succeeded: shows Results1, then
// fills it from `state`.
void ShowThermalResults(const calvora::ThermalState& state);
