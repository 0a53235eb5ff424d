#pragma once

#include <array>

#include "design/ui/DesignDialog.h"

class QLineEdit;

// A fluid-data dialog: four entries (specific heat, dynamic viscosity,
// conductivity, density: Edit1 to Edit4) for a fluid the user describes.
// Shown modelessly by the design screen, which stays disabled until OK
// succeeds, Cancel is pressed or the window is closed; Cancel resets the
// screen's choice of this fluid.
class TOtherFluidDialog : public TDesignDialog {
  Q_OBJECT
 public:
  TOtherFluidDialog(const QString& objectName, const QString& caption, const QString& heading,
                    QWidget* parent);

  QLineEdit* entry(int index) const { return entries_[index]; }

 private:
  void okClicked();
  void cancelClicked();

  std::array<QLineEdit*, 4> entries_{};
};
