#pragma once

#include <QDialog>

// Placeholder: the screen is built in its own change; the class, the global
// instance and the caption are final so navigation works already.
class TOther2dlg : public QDialog {
  Q_OBJECT
 public:
  explicit TOther2dlg(QWidget* parent = nullptr);
};

extern TOther2dlg* Other2dlg;
