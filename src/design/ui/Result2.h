#pragma once

#include <QDialog>
#include <QStringList>
#include <functional>

#include "analyses/DesignResult.h"
#include "design/DesignOutcome.h"
#include "design/DesignReport.h"

class QLabel;
class QLineEdit;

// The design results screen: the 23 fields Edit1 to Edit23 of a DesignResult in
// the groups "Flow conditions", "Heat transfer and outlet temperatures",
// "Pressure drops", "Fluid properties" and "Inlet temperatures".
class TResults2 : public QDialog {
  Q_OBJECT
 public:
  explicit TResults2(QWidget* parent = nullptr);

  // Shows the results of a run that ended with results: the visible fields get
  // their texts, hidden groups keep the texts of an earlier run.
  void showOutcome(const calvora::DesignOutcome& outcome);

  // Where the report's input part comes from: the design screen and its dialogs
  // as displayed when the report is made.
  void setReportInputs(std::function<calvora::DesignReportSnapshot()> inputs) {
    reportInputs_ = std::move(inputs);
  }

  // The design report as it would be saved (or printed) now, from the design
  // screen, its dialogs and this screen as displayed.
  calvora::DesignReportSnapshot snapshot() const;
  QStringList reportLines(bool printed) const;

  void reject() override;  // Esc answers like "Back"

 signals:
  // The screen closed ("Back", Esc, close box); "Quit" also asks to end the program.
  void closed();
  void quitRequested();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void quitClicked();
  QLineEdit* field(int number) const { return fields_[number - 1]; }

  QLineEdit* fields_[23] = {};
  calvora::DesignOutcome shown_;  // the run the fields show, for the report
  std::function<calvora::DesignReportSnapshot()> reportInputs_;
  QWidget* heatTransferGroup_ = nullptr;
  QWidget* pressureGroup_ = nullptr;
  QWidget* inletGroup_ = nullptr;
  bool centred_ = false;
};

extern TResults2* Results2;
