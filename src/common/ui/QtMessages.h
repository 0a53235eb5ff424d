#pragma once

#include <QString>
#include <QWidget>

#include "common/Messages.h"

// Shows each message as a modal message box with a single OK button and the
// icon of its kind. The calculation's floating-point flags are the same after
// the box as before it, so a box never hides or invents an arithmetic failure.
class QtMessages : public calvora::Messages {
 public:
  explicit QtMessages(QWidget* parent = nullptr) : parent_(parent) {}
  void show(calvora::MessageKind kind, const std::string& text) override;

 private:
  QWidget* parent_;
};

// One message box outside any calculation.
void ShowMessage(QWidget* parent, calvora::MessageKind kind, const QString& text);

// The platform's decimal separator, passed to the core's number conversion and
// display format.
char PlatformDecimalSeparator();
