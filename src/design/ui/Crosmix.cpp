#include "design/ui/Crosmix.h"

TCrossmix* Crossmix = nullptr;

TCrossmix::TCrossmix(QWidget* parent) : QDialog(parent) {
  setObjectName("Crossmix");
  setWindowTitle("");
}
