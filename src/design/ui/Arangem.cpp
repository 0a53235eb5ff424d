#include "design/ui/Arangem.h"

TArrangem* Arrangem = nullptr;

TArrangem::TArrangem(QWidget* parent) : QDialog(parent) {
  setObjectName("Arrangem");
  setWindowTitle("");
}
