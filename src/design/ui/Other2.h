#pragma once

#include "design/ui/OtherFluidDialog.h"

// The fluid-data dialog of the outer fluid.
class TOther2dlg : public TOtherFluidDialog {
  Q_OBJECT
 public:
  explicit TOther2dlg(QWidget* parent = nullptr);
};

extern TOther2dlg* Other2dlg;
