#include "design/ui/Other1.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/Numbers.h"
#include "common/ui/QtMessages.h"
#include "design/DesignCaptions.h"
#include "design/ui/Combi2.h"

TOther1dlg* Other1dlg = nullptr;

namespace dt = calvora::design;

TOtherFluidDialog::TOtherFluidDialog(const QString& objectName, const QString& caption,
                                     const QString& heading, bool inner, QWidget* parent)
    : QDialog(parent), inner_(inner) {
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
    grid->addWidget(prompt, i, 0);
    grid->addWidget(entries_[i], i, 1);
  }
  layout->addLayout(grid);
  auto* buttons = new QHBoxLayout;
  auto* ok = new QPushButton("&OK", this);
  ok->setObjectName("BitBtn1");
  ok->setDefault(true);
  auto* cancel = new QPushButton("&Cancel", this);
  cancel->setObjectName("BitBtn2");
  buttons->addStretch(1);
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  buttons->addStretch(1);
  layout->addLayout(buttons);
  connect(ok, &QPushButton::clicked, this, &TOtherFluidDialog::okClicked);
  connect(cancel, &QPushButton::clicked, this, &TOtherFluidDialog::cancelClicked);
}

void TOtherFluidDialog::okClicked() {
  const char separator = PlatformDecimalSeparator();
  for (QLineEdit* entry : entries_) {
    if (!calvora::TryParseNumber(entry->text().toStdString(), separator)) {
      ShowMessage(this, calvora::MessageKind::Warning, DesignText(dt::kPleaseEnterRequiredData));
      return;
    }
  }
  if (Combi2Dlg)
    Combi2Dlg->setEnabled(true);
  hide();
}

void TOtherFluidDialog::cancelClicked() {
  close();
  if (!Combi2Dlg)
    return;
  if (inner_) {
    Combi2Dlg->resetInnerFluidOfShowingPage();
  } else {
    Combi2Dlg->resetOuterFluidOfShowingPage();
  }
}

void TOtherFluidDialog::hideEvent(QHideEvent* event) {
  QDialog::hideEvent(event);
  if (!event->spontaneous() && Combi2Dlg)
    Combi2Dlg->setEnabled(true);
}

TOther1dlg::TOther1dlg(QWidget* parent)
    : TOtherFluidDialog("Other1dlg", DesignText(dt::kOther1Caption), DesignText(dt::kOther1Heading),
                        true, parent) {}
