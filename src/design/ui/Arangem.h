#pragma once

#include "design/ui/DesignDialog.h"

class QButtonGroup;
class QLabel;
class QRadioButton;

// The six standard shell-and-tube layouts (RadioButton1 to RadioButton6, each
// with its second line Label1 to Label6); exactly one is checked.
class TArrangem : public TDesignDialog {
  Q_OBJECT
 public:
  explicit TArrangem(QWidget* parent = nullptr);

  // TubeLayout 1 to 6 of the checked button.
  int tubeLayout() const;
  QRadioButton* button(int index) const { return buttons_[index]; }
  QLabel* secondLine(int index) const { return lines_[index]; }

 private:
  QButtonGroup* group_ = nullptr;
  QRadioButton* buttons_[6] = {};
  QLabel* lines_[6] = {};
};

extern TArrangem* Arrangem;
