#include "thermal/ui/Combi1.h"

TCombi1Dlg* Combi1Dlg = nullptr;

TCombi1Dlg::TCombi1Dlg(QWidget* parent) : QDialog(parent) {
  setObjectName("Combi1Dlg");
  setWindowTitle("Calvora  v1.0");
}
