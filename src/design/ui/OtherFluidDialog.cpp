#include "design/ui/OtherFluidDialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/Numbers.h"
#include "common/ui/QtMessages.h"
#include "design/DesignCaptions.h"

namespace dt = calvora::design;

TOtherFluidDialog::TOtherFluidDialog(const QString& objectName, const QString& caption,
                                     const QString& heading, QWidget* parent)
    : TDesignDialog(parent) {
  setObjectName(objectName);
  setWindowTitle(caption);
  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  auto* headingLabel = new QLabel(heading, this);
  headingLabel->setObjectName("Label5");
  layout->addWidget(headingLabel);
  auto* grid = new QGridLayout;
  for (int i = 0; i < 4; ++i) {
    auto* prompt = new QLabel(DesignText(dt::kOtherFluidPrompts[i]), this);
    prompt->setObjectName(QString("Label%1").arg(i + 1));
    entries_[i] = new QLineEdit(this);
    entries_[i]->setObjectName(QString("Edit%1").arg(i + 1));
    entries_[i]->setMinimumWidth(110);
    prompt->setBuddy(entries_[i]);
    grid->addWidget(prompt, i, 0);
    grid->addWidget(entries_[i], i, 1);
  }
  layout->addLayout(grid);
  const std::vector<QPushButton*> buttons =
      addButtonRow(layout, {{"&OK", "BitBtn1"}, {"&Cancel", "BitBtn2"}});
  connect(buttons[0], &QPushButton::clicked, this, &TOtherFluidDialog::okClicked);
  connect(buttons[1], &QPushButton::clicked, this, &TOtherFluidDialog::cancelClicked);
}

void TOtherFluidDialog::okClicked() {
  const char separator = PlatformDecimalSeparator();
  for (QLineEdit* entry : entries_) {
    if (!calvora::TryParseNumber(entry->text().toStdString(), separator)) {
      ShowMessage(this, calvora::MessageKind::Warning, DesignText(dt::kPleaseEnterRequiredData));
      return;
    }
  }
  returnToDesignScreen();
}

void TOtherFluidDialog::cancelClicked() {
  close();
  emit cancelled();
}
