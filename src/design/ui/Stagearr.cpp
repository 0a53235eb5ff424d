#include "design/ui/Stagearr.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "analyses/TubeBankTables.h"
#include "common/ui/QtMessages.h"
#include "design/DesignCaptions.h"
#include "design/ui/SpacingDialog.h"

TStaggerdlg* Staggerdlg = nullptr;

namespace dt = calvora::design;

namespace {

// "Must be greater than " + lower bound + upper bound, on one line.
QHBoxLayout* BoundLine(QLabel* lead, QLabel* lower, QLabel* upper) {
  auto* line = new QHBoxLayout;
  line->setSpacing(0);
  line->addWidget(lead);
  line->addWidget(lower);
  line->addWidget(upper);
  line->addStretch(1);
  return line;
}

}  // namespace

TStaggerdlg::TStaggerdlg(QWidget* parent) : TSpacingDialog(parent) {
  setObjectName("Staggerdlg");
  setWindowTitle(QString());
  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  const QStringList rows = {"0.600", "0.900", "1.000", "1.125", "1.250", "1.500", "2.000", "3.000"};
  auto* tables = new QHBoxLayout;
  tables->addWidget(
      BankTableView("CTable", "c values", rows, calvora::kStaggeredCoefficients, this));
  tables->addSpacing(24);
  tables->addWidget(BankTableView("NTable", "n values", rows, calvora::kStaggeredExponents, this));
  layout->addLayout(tables);

  const char* boundNames[4] = {"Label96", "Label97", "Label99", "Label100"};
  for (int i = 0; i < 4; ++i) {
    bounds_[i] = new QLabel(this);
    bounds_[i]->setObjectName(boundNames[i]);
  }
  auto* grid = new QGridLayout;
  auto* spPrompt = new QLabel(DesignText(dt::kSpacingSpPrompt), this);
  spPrompt->setObjectName("Label93");
  sp_ = new QLineEdit(PlatformNumberText(DesignText(dt::kStaggeredDefaultSp)), this);
  sp_->setObjectName("Edit1");
  spPrompt->setBuddy(sp_);
  auto* spLead = new QLabel(DesignText(dt::kStaggeredSpLead), this);
  spLead->setObjectName("Label95");
  auto* snPrompt = new QLabel(DesignText(dt::kSpacingSnPrompt), this);
  snPrompt->setObjectName("Label94");
  sn_ = new QLineEdit(PlatformNumberText(DesignText(dt::kStaggeredDefaultSn)), this);
  sn_->setObjectName("Edit2");
  snPrompt->setBuddy(sn_);
  auto* snLead = new QLabel(DesignText(dt::kStaggeredSnLead), this);
  snLead->setObjectName("Label98");
  grid->addWidget(spPrompt, 0, 0);
  grid->addWidget(sp_, 0, 1);
  grid->addLayout(BoundLine(spLead, bounds_[0], bounds_[1]), 1, 0, 1, 3);
  grid->addWidget(snPrompt, 2, 0);
  grid->addWidget(sn_, 2, 1);
  grid->addLayout(BoundLine(snLead, bounds_[2], bounds_[3]), 3, 0, 1, 3);
  grid->setColumnStretch(2, 1);
  fitSpacingEntries();
  layout->addLayout(grid);

  const std::vector<QPushButton*> buttons =
      addButtonRow(layout, {{"&OK", "BitBtn1"}, {"&Cancel", "BitBtn2"}});
  connect(buttons[0], &QPushButton::clicked, this, &TStaggerdlg::okClicked);
  connect(buttons[1], &QPushButton::clicked, this, &TStaggerdlg::cancelClicked);
}

void TStaggerdlg::setBounds(const QString& spLower, const QString& spUpper, const QString& snLower,
                            const QString& snUpper) {
  const QString texts[4] = {spLower, spUpper, snLower, snUpper};
  for (int i = 0; i < 4; ++i)
    bounds_[i]->setText(texts[i]);
}

void TStaggerdlg::okClicked() {
  if (spacingAccepted(true))
    returnToDesignScreen();
}
