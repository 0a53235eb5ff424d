#pragma once

#include <QDialog>
#include <QStringList>

#include "analyses/DesignResult.h"
#include "design/DesignOutcome.h"
#include "design/DesignReport.h"

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

  // The design report as it would be saved (or printed) now, from the design
  // screen, its dialogs and this screen as displayed.
  calvora::DesignReportSnapshot snapshot() const;
  QStringList reportLines(bool printed) const;

  void reject() override;  // Esc answers like "Back"

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void quitClicked();
  QLineEdit* field(int number) const { return fields_[number - 1]; }

  QLineEdit* fields_[23] = {};
  QWidget* heatTransferGroup_ = nullptr;
  QWidget* pressureGroup_ = nullptr;
  QWidget* inletGroup_ = nullptr;
  bool centred_ = false;
};

extern TResults2* Results2;

// Called by each design page runner with its run's outcome: when the run ended
// with results, shows Results2 with them and hides the design screen.
void ShowDesignOutcome(const calvora::DesignOutcome& outcome);

// Shows `result` as a run of the showing page would (its iteration and
// pressure-drop boxes decide what is visible).
void ShowDesignResults(const calvora::DesignResult& result);
