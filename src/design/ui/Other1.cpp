#include "design/ui/Other1.h"

TOther1dlg* Other1dlg = nullptr;

TOther1dlg::TOther1dlg(QWidget* parent) : QDialog(parent) {
  setObjectName("Other1dlg");
  setWindowTitle("");
}
