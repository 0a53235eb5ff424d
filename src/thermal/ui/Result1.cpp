#include "thermal/ui/Result1.h"

TResults1* Results1 = nullptr;

TResults1::TResults1(QWidget* parent) : QDialog(parent) {
  setObjectName("Results1");
  setWindowTitle("Calvora  v1.0");
}
