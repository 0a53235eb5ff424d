#include "design/ui/Linearr.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "analyses/TubeBankTables.h"
#include "common/Numbers.h"
#include "common/ui/QtMessages.h"
#include "design/DesignCaptions.h"
#include "design/ui/Combi2.h"

TInlinedlg* Inlinedlg = nullptr;

namespace dt = calvora::design;

QString PlatformNumberText(QString pointText) {
  return pointText.replace(QLatin1Char('.'), QLatin1Char(PlatformDecimalSeparator()));
}

QWidget* BankTableView(const QString& name, const QString& title, const QStringList& rowHeaders,
                       std::span<const std::array<double, 4>> values, QWidget* parent) {
  auto* view = new QWidget(parent);
  view->setObjectName(name);
  auto* grid = new QGridLayout(view);
  grid->setHorizontalSpacing(12);
  grid->setVerticalSpacing(2);
  auto* heading = new QLabel(title, view);
  heading->setObjectName(name + "_Title");
  QFont bold = heading->font();
  bold.setBold(true);
  heading->setFont(bold);
  grid->addWidget(heading, 0, 0, 1, 6, Qt::AlignHCenter);
  grid->addWidget(new QLabel("Sn / d", view), 1, 2, 1, 4, Qt::AlignHCenter);
  const char* columns[4] = {"1.25", "1.5", "2.0", "3.0"};
  for (int column = 0; column < 4; ++column) {
    auto* header = new QLabel(PlatformNumberText(columns[column]), view);
    header->setFont(bold);
    grid->addWidget(header, 2, column + 2, Qt::AlignRight);
  }
  grid->addWidget(new QLabel("Sp / d", view), 3, 0, static_cast<int>(rowHeaders.size()), 1,
                  Qt::AlignVCenter);
  for (int row = 0; row < rowHeaders.size(); ++row) {
    auto* header = new QLabel(PlatformNumberText(rowHeaders[row]), view);
    header->setFont(bold);
    grid->addWidget(header, row + 3, 1);
    for (int column = 0; column < 4; ++column) {
      auto* value =
          new QLabel(PlatformNumberText(QString::number(values[row][column], 'f', 4)), view);
      value->setObjectName(QString("%1_%2_%3").arg(name).arg(row + 1).arg(column + 1));
      grid->addWidget(value, row + 3, column + 2, Qt::AlignRight);
    }
  }
  return view;
}

std::optional<SpacingRatios> ReadSpacingRatios(const QLineEdit* sp, const QLineEdit* sn) {
  const char separator = PlatformDecimalSeparator();
  const QLineEdit* diameter = Combi2Dlg ? Combi2Dlg->findChild<QLineEdit*>("Edit9") : nullptr;
  if (!diameter)
    return std::nullopt;
  const std::optional<double> spValue =
      calvora::TryParseNumber(sp->text().toStdString(), separator);
  const std::optional<double> snValue =
      calvora::TryParseNumber(sn->text().toStdString(), separator);
  const std::optional<double> d =
      calvora::TryParseNumber(diameter->text().toStdString(), separator);
  if (!spValue || !snValue || !d)
    return std::nullopt;
  return SpacingRatios{*spValue / *d, *snValue / *d};
}

void TSpacingDialog::clearSpacings() {
  sp_->clear();
  sn_->clear();
}

void TSpacingDialog::fitSpacingEntries() {
  const int entryWidth =
      qMax(110, sp_->fontMetrics().horizontalAdvance(QStringLiteral("0.00000000")) + 16);
  sp_->setFixedWidth(entryWidth);
  sn_->setFixedWidth(entryWidth);
}

std::optional<SpacingRatios> TSpacingDialog::ratiosInRange(double spMinimum) {
  const std::optional<SpacingRatios> ratios = ReadSpacingRatios(sp_, sn_);
  if (!ratios) {
    ShowMessage(this, calvora::MessageKind::Warning, DesignText(dt::kPleaseEnterRequiredData));
    return std::nullopt;
  }
  const bool inRange =
      ratios->sp >= spMinimum && ratios->sp <= 3 && ratios->sn >= 1.25 && ratios->sn <= 3;
  if (!inRange) {
    ShowMessage(this, calvora::MessageKind::Information, DesignText(dt::kOutOfRangeMessage));
    return std::nullopt;
  }
  return ratios;
}

void TSpacingDialog::cancelClicked() {
  close();
  if (Combi2Dlg)
    Combi2Dlg->clearCrossFlowArrangement();
}

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
  auto* snPrompt = new QLabel(DesignText(dt::kSpacingSnPrompt), this);
  snPrompt->setObjectName("Label12");
  sn_ = new QLineEdit(PlatformNumberText(DesignText(dt::kInLineDefaultSn)), this);
  sn_->setObjectName("Edit2");
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
  if (ratiosInRange(1.25))
    returnToDesignScreen();
}
