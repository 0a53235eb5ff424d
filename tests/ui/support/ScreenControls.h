#pragma once

#include <QAbstractButton>
#include <QCheckBox>
#include <QLineEdit>
#include <QString>
#include <QtTest>
#include <string>
#include <string_view>

#include "common/Format.h"
#include "common/ui/QtMessages.h"
#include "common/ui/RadioGroup.h"
#include "design/ui/Combi2.h"

// Controls of a screen looked up by objectName for the design page tests; a
// missing control ends the test run.

inline QLineEdit* Edit(QWidget* screen, const char* name) {
  auto* edit = screen->findChild<QLineEdit*>(name);
  if (!edit)
    qFatal("missing %s", name);
  return edit;
}

inline RadioGroup* Group(QWidget* screen, const char* name) {
  auto* group = screen->findChild<RadioGroup*>(name);
  if (!group)
    qFatal("missing %s", name);
  return group;
}

// A check box of the design screen.
inline QCheckBox* Box(const char* name) {
  auto* box = Combi2Dlg->findChild<QCheckBox*>(name);
  if (!box)
    qFatal("missing %s", name);
  return box;
}

inline void Click(QWidget* screen, const char* name) {
  auto* button = screen->findChild<QAbstractButton*>(name);
  if (!button)
    qFatal("missing %s", name);
  QTest::mouseClick(button, Qt::LeftButton);
}

// A value as the results screen writes it.
inline QString Formatted(double value, int precision, int decimals) {
  return QString::fromStdString(
      calvora::FormatFixed(value, precision, decimals, PlatformDecimalSeparator()));
}

// A typed number in the platform's notation.
inline QString Number(const char* text) {
  QString s = QString::fromLatin1(text);
  s.replace('.', QChar(PlatformDecimalSeparator()));
  return s;
}

// The same number as the core analyses read it.
inline std::string CoreText(const char* text) {
  return Number(text).toStdString();
}

inline QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), text.size());
}
