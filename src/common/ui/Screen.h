#pragma once

#include <QDialog>

class QCloseEvent;
class QShowEvent;

// What every screen of a chain does alike: it is centred when first shown, Esc
// answers like "Back", closing it says so, and "Quit" closes it and asks to end
// the program.
class TScreen : public QDialog {
  Q_OBJECT
 public:
  using QDialog::QDialog;

  void reject() override;  // Esc answers like "Back"

 signals:
  // The screen closed ("Back", Esc, close box); "Quit" also asks to end the program.
  void closed();
  void quitRequested();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  // "Quit": closes the screen, then asks to end the program.
  void quitClicked();

 private:
  bool centred_ = false;
};
