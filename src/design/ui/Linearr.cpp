#include "design/ui/Linearr.h"

TInlinedlg* Inlinedlg = nullptr;

TInlinedlg::TInlinedlg(QWidget* parent) : QDialog(parent) {
  setObjectName("Inlinedlg");
  setWindowTitle("");
}
