#pragma once

#include "design/ui/SpacingDialog.h"

class QLabel;

// Tube pitches of an in-line bank (Edit1 Sp, Edit2 Sn) beside the tables of c and
// n; the design screen writes the bounds into Label14 and Label36.
class TInlinedlg : public TSpacingDialog {
  Q_OBJECT
 public:
  explicit TInlinedlg(QWidget* parent = nullptr);

  void setBounds(const QString& greaterThan, const QString& lessThan);

 private:
  void okClicked();

  QLabel* greater_ = nullptr;
  QLabel* less_ = nullptr;
};

extern TInlinedlg* Inlinedlg;
