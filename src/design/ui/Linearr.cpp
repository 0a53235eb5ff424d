#include "design/ui/Linearr.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "analyses/TubeBankTables.h"
#include "design/DesignCaptions.h"

TInlinedlg* Inlinedlg = nullptr;

namespace dt = calvora::design;

TInlinedlg::TInlinedlg(QWidget* parent) : TSpacingDialog(parent) {
  setObjectName("Inlinedlg");
  setWindowTitle(QString());
  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  const QStringList rows = {"1.250", "1.500", "2.000", "3.000"};
  auto* tables = new QHBoxLayout;
  tables->addWidget(BankTableView("CTable", "c values", rows, calvora::kInLineCoefficients, this));
  tables->addSpacing(24);
  tables->addWidget(BankTableView("NTable", "n values", rows, calvora::kInLineExponents, this));
  layout->addLayout(tables);

  auto* grid = new QGridLayout;
  auto* spPrompt = new QLabel(DesignText(dt::kSpacingSpPrompt), this);
  spPrompt->setObjectName("Label11");
  sp_ = new QLineEdit(PlatformNumberText(DesignText(dt::kInLineDefaultSp)), this);
  sp_->setObjectName("Edit1");
  spPrompt->setBuddy(sp_);
  auto* snPrompt = new QLabel(DesignText(dt::kSpacingSnPrompt), this);
  snPrompt->setObjectName("Label12");
  sn_ = new QLineEdit(PlatformNumberText(DesignText(dt::kInLineDefaultSn)), this);
  sn_->setObjectName("Edit2");
  snPrompt->setBuddy(sn_);
  grid->addWidget(spPrompt, 0, 0);
  grid->addWidget(sp_, 0, 1);
  grid->addWidget(snPrompt, 1, 0);
  grid->addWidget(sn_, 1, 1);
  grid->setColumnStretch(2, 1);
  fitSpacingEntries();
  layout->addLayout(grid);

  auto* boundLine = new QHBoxLayout;
  boundLine->setSpacing(0);
  auto* lead = new QLabel(DesignText(dt::kInLineBoundLead), this);
  lead->setObjectName("Label13");
  greater_ = new QLabel(this);
  greater_->setObjectName("Label14");
  less_ = new QLabel(this);
  less_->setObjectName("Label36");
  boundLine->addWidget(lead);
  boundLine->addSpacing(4);
  boundLine->addWidget(greater_);
  boundLine->addWidget(less_);
  boundLine->addStretch(1);
  layout->addLayout(boundLine);

  const std::vector<QPushButton*> buttons =
      addButtonRow(layout, {{"&OK", "BitBtn1"}, {"&Cancel", "BitBtn2"}});
  connect(buttons[0], &QPushButton::clicked, this, &TInlinedlg::okClicked);
  connect(buttons[1], &QPushButton::clicked, this, &TInlinedlg::cancelClicked);
}

void TInlinedlg::setBounds(const QString& greaterThan, const QString& lessThan) {
  greater_->setText(greaterThan);
  less_->setText(lessThan);
}

void TInlinedlg::okClicked() {
  if (spacingAccepted(false))
    returnToDesignScreen();
}
