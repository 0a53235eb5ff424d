#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>
#include <QStringList>
#include <QVector>

// A framed group of exclusive radio items with a caption, like the choices of
// every screen ("Type of Heat Exchanger", "Inner fluid :", ...). The selected
// item is identified by its index (-1: nothing selected) or its text.
// itemIndexChanged fires for user clicks and for selections set from code alike,
// so a screen's reaction runs the same way in both cases.
class RadioGroup : public QGroupBox {
  Q_OBJECT
 public:
  RadioGroup(const QString& objectName, const QString& caption, const QStringList& items,
             int columns = 1, QWidget* parent = nullptr);

  int itemIndex() const;
  // Selects item `index`; -1 clears the selection.
  void setItemIndex(int index);
  QString itemText(int index) const;
  QString selectedText() const;  // empty when nothing is selected
  int count() const { return static_cast<int>(buttons_.size()); }
  QRadioButton* button(int index) const { return buttons_.value(index); }

 signals:
  void itemIndexChanged(int index);

 private:
  void updateTabFocus();

  QButtonGroup group_;
  QVector<QRadioButton*> buttons_;
};
