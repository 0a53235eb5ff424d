#include "common/ui/Screen.h"

#include <QCloseEvent>
#include <QShowEvent>

#include "common/ui/Centre.h"

void TScreen::reject() {
  close();
}

void TScreen::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!centred_) {
    centred_ = true;
    CentreOnScreen(this);
  }
}

void TScreen::closeEvent(QCloseEvent* event) {
  event->accept();
  emit closed();
}

void TScreen::quitClicked() {
  close();
  emit quitRequested();
}
