#include "design/ui/Result2.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

#include "common/FloatingPoint.h"
#include "common/ui/Help.h"
#include "common/ui/QtMessages.h"
#include "common/ui/RadioGroup.h"
#include "common/ui/ReportOutput.h"
#include "design/DesignCaptions.h"
#include "design/DesignFields.h"
#include "design/DesignReport.h"
#include "design/ui/DesignCase.h"
#include "design/ui/DesignText.h"

TResults2* Results2 = nullptr;

namespace dt = calvora::design;

namespace {

// The save dialog's filter: the description keeps its text, the pattern in the
// last brackets is what the dialog matches.
const char kReportFilter[] = "Text Files (.txt) (*.txt);;All Files (*.*)";

QLineEdit* ResultField(const QString& name, QWidget* parent) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(name);
  field->setReadOnly(true);
  field->setMinimumWidth(130);
  return field;
}

QLabel* NamedLabel(const QString& name, std::string_view text, QWidget* parent) {
  auto* label = new QLabel(DesignText(text), parent);
  label->setObjectName(name);
  return label;
}

}  // namespace

TResults2::TResults2(QWidget* parent) : TScreen(parent) {
  setObjectName("Results2");
  setWindowTitle(DesignText(dt::kResultsCaption));
  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  auto* intro = NamedLabel("Label24", dt::kResultsIntro, this);
  intro->setWordWrap(true);
  layout->addWidget(intro);

  // One group box per group of the field table, its fields in table order: a
  // caption beside each field, or, in a group of two columns, the column
  // captions above and one caption per row.
  auto* columns = new QHBoxLayout;
  auto* left = new QVBoxLayout;
  auto* right = new QVBoxLayout;
  QList<QWidget*> order;  // Tab goes down the left column, then down the right one
  for (const dt::ResultGroupPlace& place : dt::kResultGroups) {
    auto* group = new QGroupBox(DesignText(place.caption), this);
    group->setObjectName(DesignText(place.objectName));
    auto* grid = new QGridLayout(group);
    QStringList rowCaptions;
    int rows = 0;
    bool twoColumns = false;
    for (int i = 0; i < calvora::kDesignResultFieldCount; ++i) {
      const auto& row = dt::kDesignResultFields[i];
      if (row.group != place.caption)
        continue;
      fields_[i] = ResultField(DesignText(row.objectName), group);
      order << fields_[i];
      if (row.shown != calvora::fields::Shown::Always)
        hideable_[i] = group;
      if (row.column.empty()) {
        QLabel* prompt = NamedLabel(DesignText(row.prompt), row.caption, group);
        prompt->setBuddy(fields_[i]);
        grid->addWidget(prompt, rows, 0);
        grid->addWidget(fields_[i], rows++, 1);
        continue;
      }
      // Each field of a two-column group is named by its column and its row.
      twoColumns = true;
      const QString caption = DesignText(row.caption);
      if (!rowCaptions.contains(caption)) {
        rowCaptions << caption;
        grid->addWidget(NamedLabel(DesignText(row.prompt), row.caption, group),
                        static_cast<int>(rowCaptions.size()), 0);
      }
      const int column = row.column == dt::kInnerColumn ? 1 : 2;
      if (!grid->itemAtPosition(0, column)) {
        grid->addWidget(NamedLabel(DesignText(row.column) + "Column", row.column, group), 0, column,
                        Qt::AlignHCenter);
      }
      fields_[i]->setAccessibleName(DesignText(row.column) + ' ' + caption);
      grid->addWidget(fields_[i], static_cast<int>(rowCaptions.indexOf(caption)) + 1, column);
    }
    if (!twoColumns)
      grid->setColumnStretch(0, 1);
    (place.rightColumn ? right : left)->addWidget(group);
  }
  left->addStretch(1);
  right->addStretch(1);
  columns->addLayout(left);
  columns->addLayout(right);
  layout->addLayout(columns);

  struct Button {
    const char* name;
    const char* caption;
    const char* hint;
    QStyle::StandardPixmap icon;
  };
  static constexpr Button kButtons[] = {
      {"BackBtn", "&Back", "Go back to the last page", QStyle::SP_ArrowBack},
      {"PrintBtn", "&Print", "Prints the results.", QStyle::SP_FileIcon},
      {"SaveBtn", "&Save", "Save results to a text file", QStyle::SP_DialogSaveButton},
      {"QuitBtn", "&Quit", "Exit the program", QStyle::SP_DialogCloseButton},
      {"HelpBtn", "&Help", "Displays help on this screen", QStyle::SP_DialogHelpButton},
  };
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  QPushButton* made[5] = {};
  for (int i = 0; i < 5; ++i) {
    made[i] = new QPushButton(kButtons[i].caption, this);
    made[i]->setObjectName(kButtons[i].name);
    made[i]->setToolTip(kButtons[i].hint);
    made[i]->setIcon(style()->standardIcon(kButtons[i].icon));
    buttons->addWidget(made[i]);
  }
  buttons->addStretch(1);
  layout->addLayout(buttons);
  // then along the buttons.
  for (QPushButton* button : made)
    order << button;
  for (int i = 1; i < order.size(); ++i)
    setTabOrder(order[i - 1], order[i]);
  connect(made[0], &QPushButton::clicked, this, &QWidget::close);
  connect(made[1], &QPushButton::clicked, this,
          [this] { PrintReportWithDialog(this, reportLines(true), true); });
  connect(made[2], &QPushButton::clicked, this,
          [this] { SaveReportWithDialog(this, kReportFilter, reportLines(false)); });
  connect(made[3], &QPushButton::clicked, this, &TResults2::quitClicked);
  connect(made[4], &QPushButton::clicked, this, [] { OpenHelpTopic("Results"); });

  caseActions_ = AddCaseActions(this, true);
  ConnectCaseEntries(
      this, caseActions_, [this](const QString& path) { emit caseOpenRequested(path); },
      [this] { return DesignCaseBytes(shown_.inputs, &shown_); });
  connect(caseActions_.copyResults, &QAction::triggered, this, [this] { CopyText(resultLines()); });
}

QString TResults2::resultLines() const {
  QStringList captions;
  QStringList values;
  for (int i = 0; i < calvora::kDesignResultFieldCount; ++i) {
    const auto& row = dt::kDesignResultFields[i];
    if (!shown_.fieldVisible[i])
      continue;
    // A field of a two-column group is named by its column and its row.
    captions << (row.column.empty() ? DesignText(row.caption)
                                    : DesignText(row.column) + ' ' + DesignText(row.caption));
    values << fields_[i]->text();
  }
  return CaptionValueLines(captions, values);
}

void TResults2::showOutcome(const calvora::DesignOutcome& outcome) {
  calvora::PreservedArithmeticFlags keep;
  shown_ = outcome;
  show();
  // A group that can be hidden shows while its fields do; a hidden group's
  // fields keep the texts of an earlier run.
  for (int i = 0; i < calvora::kDesignResultFieldCount; ++i) {
    if (QWidget* group = hideable_[i]) {
      group->setVisible(outcome.fieldVisible[i]);
      for (QWidget* child : group->findChildren<QWidget*>())
        child->setVisible(outcome.fieldVisible[i]);
    }
  }
  for (int i = 0; i < calvora::kDesignResultFieldCount; ++i)
    if (outcome.fieldVisible[i])
      fields_[i]->setText(QString::fromStdString(outcome.fieldTexts[i]));
}

QStringList TResults2::reportLines(bool printed) const {
  QStringList lines;
  for (const std::string& line : calvora::DesignReportLines(
           shown_, printed ? calvora::ReportKind::Printed : calvora::ReportKind::Saved))
    lines << QString::fromStdString(line);
  return lines;
}
