#include "design/ui/Crosmix.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/ui/RadioGroup.h"
#include "design/DesignCaptions.h"
#include "design/ui/DesignDialog.h"

TCrossmix* Crossmix = nullptr;

namespace dt = calvora::design;

TCrossmix::TCrossmix(QWidget* parent) : TDesignDialog(parent) {
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
  // The choice has no caption of its own: the heading above it says what it is.
  mixing_->setAccessibleName(heading->text());
  layout->addWidget(mixing_);
  const std::vector<QPushButton*> buttons =
      addButtonRow(layout, {{"&OK", "BitBtn1"}, {"&Cancel", "BitBtn2"}});
  connect(buttons[0], &QPushButton::clicked, this, [this] { returnToDesignScreen(); });
  connect(buttons[1], &QPushButton::clicked, this, [this] {
    emit dismissed();
    emit cancelled();
    close();
  });
}
