#pragma once

#include <QDialog>

// Placeholder: the screen is built in its own change; the class, the global
// instance and the caption are final so navigation works already.
class TCrossmix : public QDialog {
  Q_OBJECT
 public:
  explicit TCrossmix(QWidget* parent = nullptr);
};

extern TCrossmix* Crossmix;
