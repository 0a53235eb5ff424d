#include "design/ui/Pressu.h"

TPressdlg* Pressdlg = nullptr;

TPressdlg::TPressdlg(QWidget* parent) : QDialog(parent) {
  setObjectName("Pressdlg");
  setWindowTitle("");
}
