#pragma once

#include <QDialog>

// Placeholder: the screen is built in its own change; the class, the global
// instance and the caption are final so navigation works already.
class TResults2 : public QDialog {
  Q_OBJECT
 public:
  explicit TResults2(QWidget* parent = nullptr);
};

extern TResults2* Results2;
