#include "common/ui/QtMessages.h"

#include <QApplication>
#include <QLocale>
#include <QMessageBox>

#include "common/FloatingPoint.h"

void ShowMessage(QWidget* parent, calvora::MessageKind kind, const QString& text) {
  calvora::PreservedArithmeticFlags keep;
  QMessageBox::Icon icon = QMessageBox::Information;
  switch (kind) {
    case calvora::MessageKind::Error:
      icon = QMessageBox::Critical;
      break;
    case calvora::MessageKind::Warning:
      icon = QMessageBox::Warning;
      break;
    case calvora::MessageKind::Information:
      icon = QMessageBox::Information;
      break;
  }
  QMessageBox box(icon, QApplication::applicationDisplayName(), text, QMessageBox::Ok, parent);
  box.setObjectName("MessageBox");
  box.exec();
}

void QtMessages::show(calvora::MessageKind kind, const std::string& text) {
  ShowMessage(parent_, kind, QString::fromStdString(text));
}

char PlatformDecimalSeparator() {
  // The default locale is the system's unless a test sets another.
  const QString point = QLocale().decimalPoint();
  return point.size() == 1 && point[0].unicode() < 128 ? static_cast<char>(point[0].unicode())
                                                       : '.';
}
