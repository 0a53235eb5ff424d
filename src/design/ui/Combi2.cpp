#include "design/ui/Combi2.h"

TCombi2Dlg* Combi2Dlg = nullptr;

TCombi2Dlg::TCombi2Dlg(QWidget* parent) : QDialog(parent) {
  setObjectName("Combi2Dlg");
  setWindowTitle("Calvora v1.0");
}
