#pragma once

#include <QDialog>

// Placeholder: the screen is built in its own change; the class, the global
// instance and the caption are final so navigation works already.
class TPressdlg : public QDialog {
  Q_OBJECT
 public:
  explicit TPressdlg(QWidget* parent = nullptr);
};

extern TPressdlg* Pressdlg;
