#include "common/ui/RadioGroup.h"

#include <QGridLayout>

RadioGroup::RadioGroup(const QString& objectName, const QString& caption, const QStringList& items,
                       int columns, QWidget* parent)
    : QGroupBox(caption, parent) {
  setObjectName(objectName);
  auto* layout = new QGridLayout(this);
  columns = qMax(columns, 1);
  const int rows = (static_cast<int>(items.size()) + columns - 1) / columns;
  for (int i = 0; i < items.size(); ++i) {
    auto* button = new QRadioButton(items[i], this);
    button->setObjectName(QString("%1_Item%2").arg(objectName).arg(i));
    group_.addButton(button, i);
    buttons_.push_back(button);
    layout->addWidget(button, i % rows, i / rows);
  }
  connect(&group_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
    updateTabFocus();
    if (checked)
      emit itemIndexChanged(id);
  });
  updateTabFocus();
}

// Tab enters the choice at its selected item (or the first, when none is
// selected) from either side; the arrow keys move between the items.
void RadioGroup::updateTabFocus() {
  const int selected = qMax(group_.checkedId(), 0);
  for (int i = 0; i < buttons_.size(); ++i)
    buttons_[i]->setFocusPolicy(i == selected ? Qt::StrongFocus : Qt::ClickFocus);
}

int RadioGroup::itemIndex() const {
  return group_.checkedId();
}

void RadioGroup::setItemIndex(int index) {
  if (index >= 0 && index < buttons_.size()) {
    buttons_[index]->setChecked(true);
    return;
  }
  const int previous = group_.checkedId();
  if (previous < 0)
    return;
  // An exclusive group never unchecks its last button by itself.
  group_.setExclusive(false);
  buttons_[previous]->setChecked(false);
  group_.setExclusive(true);
  emit itemIndexChanged(-1);
}

QString RadioGroup::itemText(int index) const {
  return index >= 0 && index < buttons_.size() ? buttons_[index]->text().remove('&') : QString();
}

QString RadioGroup::selectedText() const {
  return itemText(itemIndex());
}
