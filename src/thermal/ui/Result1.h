#pragma once

#include <QDialog>

// Placeholder: the screen is built in its own change; the class, the global
// instance and the caption are final so navigation works already.
class TResults1 : public QDialog {
  Q_OBJECT
 public:
  explicit TResults1(QWidget* parent = nullptr);
};

extern TResults1* Results1;
