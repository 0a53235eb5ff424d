#include "design/ui/Arangem.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "design/DesignCaptions.h"
#include "design/ui/DesignDialog.h"

TArrangem* Arrangem = nullptr;

namespace dt = calvora::design;

TArrangem::TArrangem(QWidget* parent) : TDesignDialog(parent) {
  setObjectName("Arrangem");
  setWindowTitle(DesignText(dt::kArrangemCaption));
  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  auto* box = new QGroupBox(DesignText(dt::kArrangemGroupCaption), this);
  box->setObjectName("GroupBox1");
  auto* boxLayout = new QVBoxLayout(box);
  group_ = new QButtonGroup(this);
  group_->setExclusive(true);
  for (int i = 0; i < 6; ++i) {
    buttons_[i] = new QRadioButton(DesignText(dt::kLayoutTexts[i].firstLine), box);
    buttons_[i]->setObjectName(QString("RadioButton%1").arg(i + 1));
    lines_[i] = new QLabel(DesignText(dt::kLayoutTexts[i].secondLine), box);
    lines_[i]->setObjectName(QString("Label%1").arg(i + 1));
    // The second line sits under the first, past the radio indicator.
    lines_[i]->setContentsMargins(24, 0, 0, 6);
    group_->addButton(buttons_[i], i + 1);
    boxLayout->addWidget(buttons_[i]);
    boxLayout->addWidget(lines_[i]);
  }
  buttons_[0]->setChecked(true);
  layout->addWidget(box);
  QPushButton* ok = addButtonRow(layout, {{"&OK", "BitBtn1"}}).front();
  connect(ok, &QPushButton::clicked, this, [this] { returnToDesignScreen(); });
}

int TArrangem::tubeLayout() const {
  return group_->checkedId();
}
