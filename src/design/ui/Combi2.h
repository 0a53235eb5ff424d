#pragma once

#include <QDialog>

// Placeholder: the screen is built in its own change; the class, the global
// instance and the caption are final so navigation works already.
class TCombi2Dlg : public QDialog {
  Q_OBJECT
 public:
  explicit TCombi2Dlg(QWidget* parent = nullptr);
};

extern TCombi2Dlg* Combi2Dlg;
