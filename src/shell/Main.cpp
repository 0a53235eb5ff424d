#include "shell/Main.h"

TMainform* Mainform = nullptr;

TMainform::TMainform(QWidget* parent) : QWidget(parent) {
  setObjectName("Mainform");
  setWindowTitle("Calvora  v1.0");
}
