#include "design/ui/Crosmix.h"

#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/ui/RadioGroup.h"
#include "design/DesignCaptions.h"
#include "design/ui/Combi2.h"

TCrossmix* Crossmix = nullptr;

namespace dt = calvora::design;

TCrossmix::TCrossmix(QWidget* parent) : QDialog(parent) {
  setObjectName("Crossmix");
  setWindowTitle(DesignText(dt::kCrossmixCaption));
  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  auto* heading = new QLabel(DesignText(dt::kCrossmixHeading), this);
  heading->setObjectName("Label1");
  layout->addWidget(heading);
  QStringList items;
  for (std::string_view item : dt::kMixingItems)
    items << DesignText(item);
  mixing_ = new RadioGroup("RadioGroup1", QString(), items, 1, this);
  mixing_->setItemIndex(0);
  layout->addWidget(mixing_);
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
  connect(ok, &QPushButton::clicked, this, [this] {
    if (Combi2Dlg)
      Combi2Dlg->setEnabled(true);
    hide();
  });
  connect(cancel, &QPushButton::clicked, this, [this] {
    if (Combi2Dlg) {
      Combi2Dlg->setEnabled(true);
      Combi2Dlg->uncheckCrossFlowIteration();
    }
    close();
  });
}

void TCrossmix::hideEvent(QHideEvent* event) {
  QDialog::hideEvent(event);
  if (!event->spontaneous() && Combi2Dlg)
    Combi2Dlg->setEnabled(true);
}
