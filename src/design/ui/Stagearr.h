#pragma once

#include <QDialog>

// Placeholder: the screen is built in its own change; the class, the global
// instance and the caption are final so navigation works already.
class TStaggerdlg : public QDialog {
  Q_OBJECT
 public:
  explicit TStaggerdlg(QWidget* parent = nullptr);
};

extern TStaggerdlg* Staggerdlg;
