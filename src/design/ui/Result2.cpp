#include "design/ui/Result2.h"

#include <QCheckBox>
#include <QCloseEvent>
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
#include "common/ui/Centre.h"
#include "common/ui/Help.h"
#include "common/ui/QtMessages.h"
#include "common/ui/RadioGroup.h"
#include "common/ui/ReportOutput.h"
#include "design/DesignCaptions.h"
#include "design/ui/DesignText.h"
#include "design/ui/ReportInputs.h"

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

TResults2::TResults2(QWidget* parent) : QDialog(parent) {
  setObjectName("Results2");
  setWindowTitle(DesignText(dt::kResultsCaption));
  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  auto* intro = NamedLabel("Label24", dt::kResultsIntro, this);
  intro->setWordWrap(true);
  layout->addWidget(intro);

  for (int i = 0; i < 23; ++i)
    fields_[i] = ResultField(QString("Edit%1").arg(i + 1), this);

  auto addRows = [this](QGroupBox* group, int first, int last) {
    auto* grid = new QGridLayout(group);
    for (int number = first; number <= last; ++number) {
      const dt::EntryRow& row = dt::kResultRows[number - 1];
      QLabel* prompt = NamedLabel(DesignText(row.promptName), row.caption, group);
      grid->addWidget(prompt, number - first, 0);
      field(number)->setParent(group);
      prompt->setBuddy(field(number));
      grid->addWidget(field(number), number - first, 1);
    }
    grid->setColumnStretch(0, 1);
  };

  auto* flow = new QGroupBox(DesignText(dt::kFlowConditionsGroup), this);
  flow->setObjectName("GroupBox1");
  addRows(flow, 1, 8);
  auto* heat = new QGroupBox(DesignText(dt::kHeatTransferGroup), this);
  heat->setObjectName("GroupBox2");
  addRows(heat, 9, 11);
  heatTransferGroup_ = heat;
  auto* pressure = new QGroupBox(DesignText(dt::kPressureDropsGroup), this);
  pressure->setObjectName("GroupBox3");
  addRows(pressure, 12, 13);
  pressureGroup_ = pressure;

  auto* properties = new QGroupBox(DesignText(dt::kFluidPropertiesGroup), this);
  properties->setObjectName("GroupBox4");
  auto* grid = new QGridLayout(properties);
  grid->addWidget(NamedLabel("InnerColumn", dt::kInnerColumn, properties), 0, 1, Qt::AlignHCenter);
  grid->addWidget(NamedLabel("OuterColumn", dt::kOuterColumn, properties), 0, 2, Qt::AlignHCenter);
  const char* rowNames[4] = {"DensityRow", "PrandtlRow", "ViscosityRow", "ConductivityRow"};
  for (int row = 0; row < 4; ++row) {
    grid->addWidget(NamedLabel(rowNames[row], dt::kPropertyRows[row], properties), row + 1, 0);
    QLineEdit* inner = field(14 + 2 * row);
    QLineEdit* outer = field(15 + 2 * row);
    // Each field of the table is named by its column and its row.
    inner->setAccessibleName(DesignText(dt::kInnerColumn) + ' ' +
                             DesignText(dt::kPropertyRows[row]));
    outer->setAccessibleName(DesignText(dt::kOuterColumn) + ' ' +
                             DesignText(dt::kPropertyRows[row]));
    inner->setParent(properties);
    outer->setParent(properties);
    grid->addWidget(inner, row + 1, 1);
    grid->addWidget(outer, row + 1, 2);
  }

  auto* inlet = new QGroupBox(DesignText(dt::kInletTemperaturesGroup), this);
  inlet->setObjectName("GroupBox5");
  auto* inletGrid = new QGridLayout(inlet);
  for (int i = 0; i < 2; ++i) {
    const dt::EntryRow& row = dt::kInletTemperatureRows[i];
    QLabel* prompt = NamedLabel(DesignText(row.promptName), row.caption, inlet);
    inletGrid->addWidget(prompt, i, 0);
    field(22 + i)->setParent(inlet);
    prompt->setBuddy(field(22 + i));
    inletGrid->addWidget(field(22 + i), i, 1);
  }
  inletGrid->setColumnStretch(0, 1);
  inletGroup_ = inlet;

  auto* columns = new QHBoxLayout;
  auto* left = new QVBoxLayout;
  left->addWidget(flow);
  left->addWidget(pressure);
  left->addStretch(1);
  auto* right = new QVBoxLayout;
  right->addWidget(heat);
  right->addWidget(inlet);
  right->addWidget(properties);
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
  // Tab goes down the left column, then down the right one, then along the buttons.
  constexpr int kTabOrder[] = {1,  2,  3,  4,  5,  6,  7,  8,  12, 13, 9, 10,
                               11, 22, 23, 14, 15, 16, 17, 18, 19, 20, 21};
  QList<QWidget*> order;
  for (int number : kTabOrder)
    order << field(number);
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
}

void TResults2::showOutcome(const calvora::DesignOutcome& outcome) {
  calvora::PreservedArithmeticFlags keep;
  shown_ = outcome;
  show();
  // A hidden group's fields keep the texts of an earlier run.
  auto setGroupVisible = [](QWidget* group, bool visible) {
    group->setVisible(visible);
    for (QWidget* child : group->findChildren<QWidget*>())
      child->setVisible(visible);
  };
  setGroupVisible(heatTransferGroup_, outcome.visible(calvora::ResultGroup::HeatTransfer));
  setGroupVisible(inletGroup_, outcome.visible(calvora::ResultGroup::InletTemperatures));
  setGroupVisible(pressureGroup_, outcome.visible(calvora::ResultGroup::PressureDrops));
  for (int number = 1; number <= calvora::kDesignResultFieldCount; ++number)
    if (outcome.visible(number))
      field(number)->setText(QString::fromStdString(outcome.text(number)));
}

calvora::DesignReportSnapshot TResults2::snapshot() const {
  calvora::DesignReportSnapshot s =
      reportInputs_ ? reportInputs_() : DesignReportInputs(nullptr, nullptr, nullptr, nullptr);

  s.results = calvora::ResultsReportOf(shown_);
  return s;
}

QStringList TResults2::reportLines(bool printed) const {
  QStringList lines;
  for (const std::string& line : calvora::DesignReportLines(
           snapshot(), printed ? calvora::ReportKind::Printed : calvora::ReportKind::Saved))
    lines << QString::fromStdString(line);
  return lines;
}

void TResults2::reject() {
  close();
}

void TResults2::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!centred_) {
    centred_ = true;
    CentreOnScreen(this);
  }
}

void TResults2::closeEvent(QCloseEvent* event) {
  event->accept();
  emit closed();
}

void TResults2::quitClicked() {
  close();
  emit quitRequested();
}
