#pragma once

#include "design/ui/SpacingDialog.h"

class QLabel;
class QLineEdit;

// Tube pitches of a staggered bank (Edit1 Sp, Edit2 Sn) beside the tables of c
// and n; the design screen writes the bounds into Label96, Label97 (Sp) and
// Label99, Label100 (Sn).
class TStaggerdlg : public TSpacingDialog {
  Q_OBJECT
 public:
  explicit TStaggerdlg(QWidget* parent = nullptr);

  void setBounds(const QString& spLower, const QString& spUpper, const QString& snLower,
                 const QString& snUpper);

 private:
  void okClicked();

  QLabel* bounds_[4] = {};
};

extern TStaggerdlg* Staggerdlg;
