#pragma once

#include <QDialog>

#include <QStringList>
#include <array>
#include "common/ui/CaseActions.h"
#include "common/ui/Screen.h"

#include "analyses/DesignResult.h"
#include "design/DesignOutcome.h"

class QLabel;
class QLineEdit;

// The design results screen: the 23 fields Edit1 to Edit23 of a DesignResult in
// the groups "Flow conditions", "Heat transfer and outlet temperatures",
// "Pressure drops", "Fluid properties" and "Inlet temperatures".
class TResults2 : public TScreen {
  Q_OBJECT
 public:
  explicit TResults2(QWidget* parent = nullptr);

  // Shows the results of a run that ended with results: the visible fields get
  // their texts, hidden groups keep the texts of an earlier run.
  void showOutcome(const calvora::DesignOutcome& outcome);

  // The design report of the run on display, as it would be saved (or printed).
  QStringList reportLines(bool printed) const;

  // The run on display.
  const calvora::DesignOutcome& outcome() const { return shown_; }
  // "Open case...", "Save case..." (the run's entries and the results shown),
  // "Copy results".
  const CaseActions& caseActions() const { return caseActions_; }
  // The shown fields as "caption TAB value" lines.
  QString resultLines() const;

 signals:
  // A case file was chosen ("Open case...") or dropped on the screen.
  void caseOpenRequested(const QString& path);

 private:
  // By row of kDesignResultFields: its field, and the group it hides with.
  std::array<QLineEdit*, calvora::kDesignResultFieldCount> fields_{};
  std::array<QWidget*, calvora::kDesignResultFieldCount> hideable_{};
  calvora::DesignOutcome shown_;  // the run the fields show, for the report
  CaseActions caseActions_;
};

extern TResults2* Results2;
