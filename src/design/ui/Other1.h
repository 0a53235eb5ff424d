#pragma once

#include "design/ui/OtherFluidDialog.h"

// The fluid-data dialog of the inner fluid.
class TOther1dlg : public TOtherFluidDialog {
  Q_OBJECT
 public:
  explicit TOther1dlg(QWidget* parent = nullptr);
};

extern TOther1dlg* Other1dlg;
