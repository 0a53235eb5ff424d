#include "design/ui/Pressu.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "analyses/PressureDrops.h"
#include "common/ui/Help.h"
#include "common/ui/QtMessages.h"
#include "common/ui/RadioGroup.h"
#include "design/DesignCaptions.h"

TPressdlg* Pressdlg = nullptr;

namespace dt = calvora::design;

namespace {

QStringList TubeTypeItems() {
  QStringList items;
  for (std::string_view item : calvora::kTubeTypeItems)
    items << DesignText(item);
  return items;
}

}  // namespace

TPressdlg::TPressdlg(QWidget* parent) : TDesignDialog(parent) {
  setObjectName("Pressdlg");
  setWindowTitle(DesignText(dt::kPressCaption));
  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  auto* groups = new QHBoxLayout;
  innerTube_ = new RadioGroup("RadioGroup1", DesignText(dt::kInnerTubeTypeCaption), TubeTypeItems(),
                              1, this);
  innerTube_->setItemIndex(0);
  outerTube_ = new RadioGroup("RadioGroup2", DesignText(dt::kOuterTubeTypeCaption), TubeTypeItems(),
                              1, this);
  outerTube_->setItemIndex(0);
  groups->addWidget(innerTube_);
  groups->addWidget(outerTube_);
  layout->addLayout(groups);

  const std::string_view prompts[4] = {dt::kAnnulusInletPrompt, dt::kAnnulusOutletPrompt,
                                       dt::kShellInletPrompt, dt::kShellOutletPrompt};
  auto* grid = new QGridLayout;
  for (int i = 0; i < 4; ++i) {
    prompts_[i] = new QLabel(DesignText(prompts[i]), this);
    prompts_[i]->setObjectName(QString("Label%1").arg(i + 1));
    edits_[i] = new QLineEdit(this);
    edits_[i]->setObjectName(QString("Edit%1").arg(i + 1));
    edits_[i]->setMinimumWidth(110);
    prompts_[i]->setBuddy(edits_[i]);
    grid->addWidget(prompts_[i], i, 0);
    grid->addWidget(edits_[i], i, 1);
  }
  for (int i = 2; i < 4; ++i) {
    prompts_[i]->hide();
    edits_[i]->hide();
  }
  layout->addLayout(grid);

  const std::vector<QPushButton*> buttons =
      addButtonRow(layout, {{"&OK", "BitBtn1"}, {"&Cancel", "BitBtn2"}, {"&Help", "BitBtn3"}});
  connect(buttons[0], &QPushButton::clicked, this, &TPressdlg::okClicked);
  connect(buttons[1], &QPushButton::clicked, this, &TPressdlg::cancelClicked);
  connect(buttons[2], &QPushButton::clicked, this, [] { OpenHelpTopic("Pressure_input"); });
}

void TPressdlg::prepareForPage(dt::DesignPage page) {
  struct Preparation {
    bool outerTube;
    std::string_view inletPrompt;
    std::string_view outletPrompt;
    bool shellSide;
  };
  // By DesignPage.
  static constexpr Preparation kPreparations[dt::kDesignPageCount] = {
      {true, dt::kAnnulusInletPrompt, dt::kAnnulusOutletPrompt, false},
      {false, dt::kHeaderInletPrompt, dt::kHeaderOutletPrompt, false},
      {false, dt::kTubeHeaderInletPrompt, dt::kTubeHeaderOutletPrompt, true},
      {false, dt::kHeaderInletPrompt, dt::kHeaderOutletPrompt, false},
  };
  const Preparation& p = kPreparations[static_cast<int>(page)];
  // The shell-side entries keep their text unless they are part of this page.
  const int cleared = p.shellSide ? 4 : 2;
  for (int i = 0; i < cleared; ++i)
    edits_[i]->clear();
  outerTube_->setVisible(p.outerTube);
  prompts_[0]->setText(DesignText(p.inletPrompt));
  prompts_[1]->setText(DesignText(p.outletPrompt));
  for (int i = 2; i < 4; ++i) {
    prompts_[i]->setVisible(p.shellSide);
    edits_[i]->setVisible(p.shellSide);
  }
  adjustSize();
}

void TPressdlg::okClicked() {
  const int required = edits_[2]->isHidden() ? 2 : 4;
  for (int i = 0; i < required; ++i) {
    if (edits_[i]->text().isEmpty()) {
      ShowMessage(this, calvora::MessageKind::Warning, DesignText(dt::kEnterRequiredDataMessage));
      return;
    }
  }
  returnToDesignScreen();
}

void TPressdlg::cancelClicked() {
  emit dismissed();
  emit cancelled();
  close();
}
