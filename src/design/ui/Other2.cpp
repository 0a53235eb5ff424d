#include "design/ui/Other2.h"

TOther2dlg* Other2dlg = nullptr;

TOther2dlg::TOther2dlg(QWidget* parent) : QDialog(parent) {
  setObjectName("Other2dlg");
  setWindowTitle("");
}
