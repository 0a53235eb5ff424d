#include "design/ui/DesignDialog.h"

#include <QBoxLayout>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QPushButton>
#include <QStyle>

void TDesignDialog::hideEvent(QHideEvent* event) {
  QDialog::hideEvent(event);
  if (!event->spontaneous())
    emit dismissed();
}

void TDesignDialog::returnToDesignScreen() {
  emit dismissed();
  hide();
}

std::vector<QPushButton*> TDesignDialog::addButtonRow(QBoxLayout* layout,
                                                      std::initializer_list<Button> buttons) {
  std::vector<QPushButton*> created;
  for (const Button& button : buttons) {
    auto* push = new QPushButton(button.caption, this);
    push->setObjectName(button.name);
    // The pictures of the thermal screens' buttons of the same role.
    const QString caption = button.caption;
    if (caption == "&OK")
      push->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    else if (caption == "&Cancel")
      push->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
    else if (caption == "&Help")
      push->setIcon(style()->standardIcon(QStyle::SP_DialogHelpButton));
    created.push_back(push);
  }
  created.front()->setDefault(true);
  auto* row = new QHBoxLayout;
  row->addStretch(1);
  for (QPushButton* button : created)
    row->addWidget(button);
  row->addStretch(1);
  layout->addLayout(row);
  return created;
}
