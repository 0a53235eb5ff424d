#pragma once

#include <QDialog>
#include <QStringList>

#include "design/DesignReport.h"
#include "design/DesignResult.h"

class QLineEdit;

// The design results screen: the 23 fields Edit1 to Edit23 of a DesignResult in
// the groups "Flow conditions", "Heat transfer and outlet temperatures",
// "Pressure drops", "Fluid properties" and "Inlet temperatures".
class TResults2 : public QDialog {
  Q_OBJECT
 public:
  explicit TResults2(QWidget* parent = nullptr);

  void showResults(const calvora::DesignResult& result);

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

// Called by each design page runner when its run succeeded: shows Results2 with
// `result`, hides the design screen.
void ShowDesignResults(const calvora::DesignResult& result);
