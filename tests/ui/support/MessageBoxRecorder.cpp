#include "MessageBoxRecorder.h"

#include <QApplication>

MessageBoxRecorder::MessageBoxRecorder() {
  connect(&timer_, &QTimer::timeout, this, &MessageBoxRecorder::poll);
  timer_.start(10);
}

MessageBoxRecorder::~MessageBoxRecorder() {
  timer_.stop();
}

QStringList MessageBoxRecorder::texts() const {
  QStringList list;
  for (const Box& box : boxes)
    list << box.text;
  return list;
}

void MessageBoxRecorder::poll() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    auto* box = qobject_cast<QMessageBox*>(widget);
    if (box && box->isVisible()) {
      boxes.push_back({box->icon(), box->text()});
      box->accept();
    }
  }
}
