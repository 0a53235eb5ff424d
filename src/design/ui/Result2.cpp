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
#include <QTabWidget>
#include <QVBoxLayout>

#include "common/FloatingPoint.h"
#include "common/ui/Help.h"
#include "common/ui/QtMessages.h"
#include "common/ui/RadioGroup.h"
#include "common/ui/ReportOutput.h"
#include "design/DesignCaptions.h"
#include "design/ui/Arangem.h"
#include "design/ui/Combi2.h"
#include "design/ui/Linearr.h"
#include "design/ui/Stagearr.h"
#include "shell/Centre.h"
#include "shell/Main.h"

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

std::string Std(const QString& text) {
  return text.toStdString();
}

// Caption and text of a control pair on the design screen.
std::string TextOf(const QWidget* screen, const char* name) {
  if (!screen)
    return {};
  if (auto* edit = screen->findChild<QLineEdit*>(name))
    return Std(edit->text());
  if (auto* label = screen->findChild<QLabel*>(name))
    return Std(label->text());
  return {};
}

calvora::ReportEntry EntryOf(const QWidget* screen, std::string_view editName) {
  const std::string edit(editName);
  const std::string prompt = edit + "Prompt";
  return {TextOf(screen, prompt.c_str()), TextOf(screen, edit.c_str())};
}

template <std::size_t N>
std::vector<calvora::ReportEntry> EntriesOf(const QWidget* screen,
                                            const std::array<dt::EntryRow, N>& rows) {
  std::vector<calvora::ReportEntry> entries;
  for (const dt::EntryRow& row : rows)
    entries.push_back(EntryOf(screen, row.editName));
  return entries;
}

int IndexOf(const QWidget* screen, const char* group) {
  if (!screen)
    return -1;
  const auto* radio = screen->findChild<RadioGroup*>(group);
  return radio ? radio->itemIndex() : -1;
}

calvora::ReportFluids FluidsOf(const QWidget* screen, const char* inner, const char* innerTemp,
                               const char* outer, const char* outerTemp, const char* material) {
  calvora::ReportFluids fluids;
  fluids.innerFluid = IndexOf(screen, inner);
  fluids.innerTemperature = EntryOf(screen, innerTemp);
  fluids.outerFluid = IndexOf(screen, outer);
  fluids.outerTemperature = EntryOf(screen, outerTemp);
  fluids.material = IndexOf(screen, material);
  return fluids;
}

bool Checked(const QWidget* screen, const char* name) {
  const auto* box = screen ? screen->findChild<QCheckBox*>(name) : nullptr;
  return box && box->isChecked();
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
      grid->addWidget(NamedLabel(DesignText(row.promptName), row.caption, group), number - first,
                      0);
      field(number)->setParent(group);
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
    inletGrid->addWidget(NamedLabel(DesignText(row.promptName), row.caption, inlet), i, 0);
    field(22 + i)->setParent(inlet);
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
  };
  static constexpr Button kButtons[] = {
      {"BackBtn", "&Back", "Go back to the last page"},
      {"PrintBtn", "&Print", "Prints the results."},
      {"SaveBtn", "&Save", "Save results to a text file"},
      {"QuitBtn", "&Quit", "Exit the program"},
      {"HelpBtn", "&Help", "Displays help on this screen"},
  };
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  QPushButton* made[5] = {};
  for (int i = 0; i < 5; ++i) {
    made[i] = new QPushButton(kButtons[i].caption, this);
    made[i]->setObjectName(kButtons[i].name);
    made[i]->setToolTip(kButtons[i].hint);
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
  show();
  if (Combi2Dlg)
    Combi2Dlg->hide();
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
  calvora::DesignReportSnapshot s;
  const QWidget* screen = Combi2Dlg;
  s.pageIndex = Combi2Dlg ? Combi2Dlg->notebook()->currentIndex() : -1;

  s.doublePipe.entries = EntriesOf(screen, dt::kDoublePipeEntries);
  s.doublePipe.iteration = Checked(screen, "CheckBox2");
  s.doublePipe.flowCondition = IndexOf(screen, "RadioGroup4");
  s.doublePipe.fluids =
      FluidsOf(screen, "RadioGroup1", "Edit19", "RadioGroup2", "Edit20", "RadioGroup3");

  s.crossFlow.entries = EntriesOf(screen, dt::kCrossFlowEntries);
  s.crossFlow.arrangement = IndexOf(screen, "RadioGroup8");
  s.crossFlow.inLineSp = TextOf(Inlinedlg, "Edit1");
  s.crossFlow.inLineSn = TextOf(Inlinedlg, "Edit2");
  s.crossFlow.staggeredSp = TextOf(Staggerdlg, "Edit1");
  s.crossFlow.staggeredSn = TextOf(Staggerdlg, "Edit2");
  s.crossFlow.fluids =
      FluidsOf(screen, "RadioGroup5", "Edit21", "RadioGroup6", "Edit22", "RadioGroup7");

  calvora::ShellAndTubeReport& st = s.shellAndTube;
  st.shellDiameter = TextOf(screen, "Edit16");
  st.tubeDiameter = TextOf(screen, "Edit17");
  st.clearance = EntryOf(screen, "Edit18");
  st.baffles = EntryOf(screen, "Edit25");
  st.centralSpace = EntryOf(screen, "Edit26");
  st.endSpace = EntryOf(screen, "Edit27");
  st.innerFlow = TextOf(screen, "Edit31");
  st.outerFlow = TextOf(screen, "Edit32");
  const int layout = Arrangem ? Arrangem->tubeLayout() : -1;
  if (layout >= 1 && layout <= 6) {
    st.layoutChosen = true;
    st.layoutCaption = Std(Arrangem->button(layout - 1)->text());
    st.layoutLine = Std(Arrangem->secondLine(layout - 1)->text());
  }
  st.fluids = FluidsOf(screen, "RadioGroup9", "Edit23", "RadioGroup10", "Edit24", "RadioGroup11");

  const auto* surfaces = screen ? screen->findChild<QComboBox*>("ComboBox1") : nullptr;
  s.compact.surface = surfaces ? surfaces->currentIndex() : -1;
  s.compact.entries = EntriesOf(screen, dt::kCompactEntries);
  s.compact.fluids =
      FluidsOf(screen, "RadioGroup14", "Edit33", "RadioGroup13", "Edit34", "RadioGroup12");

  calvora::ResultsReport& r = s.results;
  for (int number = 3; number <= 8; ++number) {
    const dt::EntryRow& row = dt::kResultRows[number - 1];
    r.lines.push_back(
        {TextOf(this, std::string(row.promptName).c_str()), Std(field(number)->text())});
  }
  r.innerColumn = TextOf(this, "InnerColumn");
  r.outerColumn = TextOf(this, "OuterColumn");
  const char* rowNames[4] = {"DensityRow", "PrandtlRow", "ViscosityRow", "ConductivityRow"};
  for (int row = 0; row < 4; ++row) {
    r.rowCaptions[row] = TextOf(this, rowNames[row]);
    r.inner[row] = Std(field(14 + 2 * row)->text());
    r.outer[row] = Std(field(15 + 2 * row)->text());
  }
  auto optional = [this](int number) {
    return calvora::OptionalResult{!field(number)->isHidden(), Std(field(number)->text())};
  };
  r.innerInlet = optional(22);
  r.outerInlet = optional(23);
  r.heatTransfer = optional(9);
  r.coldExit = optional(10);
  r.hotExit = optional(11);
  r.innerDrop = optional(12);
  r.outerDrop = optional(13);
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
  if (Combi2Dlg)
    Combi2Dlg->show();
}

void TResults2::quitClicked() {
  close();
  if (Combi2Dlg)
    Combi2Dlg->close();
  if (Mainform)
    Mainform->close();
}

void ShowDesignOutcome(const calvora::DesignOutcome& outcome) {
  if (Results2 && outcome.showsResults())
    Results2->showOutcome(outcome);
}

void ShowDesignResults(const calvora::DesignResult& result) {
  const int page = Combi2Dlg ? Combi2Dlg->showingPageIndex() : -1;
  const bool iteration = page >= 0 && Combi2Dlg->iterationBox(page)->isChecked();
  const bool pressure = page >= 0 && Combi2Dlg->pressureBox(page)->isChecked();
  ShowDesignOutcome(
      calvora::ResultsOutcome(result, iteration, pressure, PlatformDecimalSeparator()));
}
