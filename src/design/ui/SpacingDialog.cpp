#include "design/ui/SpacingDialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "common/ui/QtMessages.h"
#include "design/DesignCaptions.h"
#include "design/TubeSpacing.h"

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

bool TSpacingDialog::spacingAccepted(bool staggered) {
  const char separator = PlatformDecimalSeparator();
  const calvora::design::SpacingCheck check = calvora::design::CheckTubeSpacing(
      staggered, sp_->text().toStdString(), sn_->text().toStdString(),
      outsideDiameter_ ? outsideDiameter_().toStdString() : std::string(), separator);
  if (check == calvora::design::SpacingCheck::Accepted)
    return true;
  const calvora::design::SpacingMessage message = calvora::design::MessageOf(check);
  ShowMessage(this, message.kind, DesignText(message.text));
  return false;
}

void TSpacingDialog::cancelClicked() {
  close();
  emit cancelled();
}
