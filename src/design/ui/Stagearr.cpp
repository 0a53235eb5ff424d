#include "design/ui/Stagearr.h"

TStaggerdlg* Staggerdlg = nullptr;

TStaggerdlg::TStaggerdlg(QWidget* parent) : QDialog(parent) {
  setObjectName("Staggerdlg");
  setWindowTitle("");
}
