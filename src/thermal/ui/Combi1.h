#pragma once

#include <QDialog>

// Placeholder: the screen is built in its own change; the class, the global
// instance and the caption are final so navigation works already.
class TCombi1Dlg : public QDialog {
  Q_OBJECT
 public:
  explicit TCombi1Dlg(QWidget* parent = nullptr);
};

extern TCombi1Dlg* Combi1Dlg;
