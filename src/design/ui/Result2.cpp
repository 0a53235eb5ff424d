#include "design/ui/Result2.h"

TResults2* Results2 = nullptr;

TResults2::TResults2(QWidget* parent) : QDialog(parent) {
  setObjectName("Results2");
  setWindowTitle("Calvora  v1.0");
}
