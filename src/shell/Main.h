#pragma once

#include <QWidget>

// Placeholder: the screen is built in its own change; the class, the global
// instance and the caption are final so navigation works already.
class TMainform : public QWidget {
  Q_OBJECT
 public:
  explicit TMainform(QWidget* parent = nullptr);
};

extern TMainform* Mainform;
