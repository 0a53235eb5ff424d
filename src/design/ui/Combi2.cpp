#include "design/ui/Combi2.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QWindow>
#include <optional>

#include "analyses/CompactSurfaces.h"
#include "analyses/Materials.h"
#include "common/Errors.h"
#include "common/FloatingPoint.h"
#include "common/Format.h"
#include "common/Numbers.h"
#include "common/ui/Centre.h"
#include "common/ui/Help.h"
#include "common/ui/QtMessages.h"
#include "common/ui/RadioGroup.h"
#include "design/DesignCaptions.h"
#include "design/DesignOutcome.h"
#include "design/ui/DesignCase.h"
#include "design/ui/PageFields.h"
#include "properties/FluidTables.h"

TCombi2Dlg* Combi2Dlg = nullptr;

namespace dt = calvora::design;

namespace {

using dt::DesignPage;

// Each page's entry grid is the first rows of its field table.
static_assert(DoublePipePage::kEntryCount == dt::kDoublePipeEntryCount);
static_assert(CrossFlowPage::kEntryCount == dt::kCrossFlowEntryCount);
static_assert(ShellAndTubePage::kEntryCount == dt::kShellAndTubeEntryCount);
static_assert(CompactPage::kEntryCount == dt::kCompactEntryCount);
constexpr int kOtherItem = 3;
constexpr int kOtherMaterialItem = 4;

QString Q(std::string_view text) {
  return DesignText(text);
}

template <std::size_t N>
QStringList Items(const std::array<std::string_view, N>& items) {
  QStringList list;
  for (std::string_view item : items)
    list << Q(item);
  return list;
}

QStringList LiquidItems() {
  QStringList list = Items(calvora::kFluidItems);
  list.back() = Q(calvora::kOtherLiquidItem);
  return list;
}

QLabel* NamedLabel(const QString& name, std::string_view text, QWidget* parent) {
  auto* label = new QLabel(Q(text), parent);
  label->setObjectName(name);
  return label;
}

QLineEdit* NamedEdit(const QString& name, const QString& hint, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  edit->setToolTip(hint);
  edit->setMinimumWidth(110);
  return edit;
}

// The page's entry grid, from the first N rows of its field table: prompts
// (<objectName>Prompt) in the first column, edit boxes in the second; `entries`
// receives them in the order of the rows.
template <std::size_t N, class Rows>
QGridLayout* EntryGrid(const Rows& rows, const QString& hint, std::array<PageEntry, N>& entries,
                       QWidget* page) {
  auto* grid = new QGridLayout;
  for (std::size_t row = 0; row < N; ++row) {
    const auto& entry = rows[row];
    entries[row] = {NamedLabel(Q(entry.objectName) + "Prompt", entry.caption, page),
                    NamedEdit(Q(entry.objectName), hint, page)};
    grid->addWidget(entries[row].prompt, static_cast<int>(row), 0);
    grid->addWidget(entries[row].edit, static_cast<int>(row), 1);
    entries[row].prompt->setBuddy(entries[row].edit);
  }
  grid->setColumnStretch(0, 1);
  return grid;
}

struct FluidBlock {
  RadioGroup* group;
  PageEntry temperature;
  QLabel* range;
};

// A fluid choice with its temperature entry and range label beside it.
FluidBlock AddFluidBlock(QGridLayout* grid, int column, const QString& groupName,
                         std::string_view caption, const QStringList& items,
                         const QString& editName, std::string_view tempCaption,
                         const QString& rangeName, std::string_view initialRange,
                         const QString& hint, QWidget* page) {
  auto* group = new RadioGroup(groupName, Q(caption), items, 1, page);
  group->setItemIndex(0);
  auto* column_layout = new QVBoxLayout;
  column_layout->addWidget(group);
  const PageEntry temperature = {NamedLabel(editName + "Prompt", tempCaption, page),
                                 NamedEdit(editName, hint, page)};
  temperature.prompt->setBuddy(temperature.edit);
  column_layout->addWidget(temperature.prompt);
  column_layout->addWidget(temperature.edit);
  QLabel* range = NamedLabel(rangeName, initialRange, page);
  column_layout->addWidget(range);
  column_layout->addStretch(1);
  grid->addLayout(column_layout, 0, column);
  return {group, temperature, range};
}

QCheckBox* NamedCheckBox(const QString& name, std::string_view caption, QWidget* parent) {
  auto* box = new QCheckBox(Q(caption), parent);
  box->setObjectName(name);
  return box;
}

}  // namespace

// The names of one page's fluid, material and conductivity controls.
struct TCombi2Dlg::FluidPageNames {
  const char* innerGroup;
  const char* innerEdit;
  const char* innerRange;
  const char* outerGroup;
  const char* outerEdit;
  const char* outerRange;
  std::string_view initialRange;
  const char* material;
  const char* prompt;
  const char* secondPrompt;  // the compacts page words its prompt on two labels
  const char* conductivity;
  bool liquids;  // the compacts page asks for liquids
};

TCombi2Dlg::TCombi2Dlg(QWidget* parent) : TScreen(parent) {
  setObjectName("Combi2Dlg");
  setWindowTitle(Q(dt::kDesignCaption));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  auto* heading = NamedLabel("Label47", dt::kHeading, this);
  layout->addWidget(heading);

  notebook_ = new QTabWidget(this);
  notebook_->setObjectName("TabbedNotebook1");
  pages_ = {buildDoublePipePage(), buildCrossFlowPage(), buildShellAndTubePage(),
            buildCompactsPage()};
  for (DesignPage page : dt::kDesignPages) {
    const int at = static_cast<int>(page);
    notebook_->addTab(pages_[at], Q(dt::kPageCaptions[at]));
  }
  for (int i = 0; i < notebook_->count(); ++i)
    notebook_->widget(i)->setAccessibleName(notebook_->tabText(i));
  notebook_->setCurrentIndex(0);
  layout->addWidget(notebook_);

  auto* buttons = new QHBoxLayout;
  auto* ok = new QPushButton("&OK", this);
  ok->setObjectName("OKBtn");
  ok->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
  ok->setToolTip("Calculate the results");
  ok->setDefault(true);
  auto* back = new QPushButton("&Back", this);
  back->setObjectName("CancelBtn");
  back->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
  back->setToolTip("Go back to the start");
  auto* help = new QPushButton("&Help", this);
  help->setObjectName("HelpBtn");
  help->setIcon(style()->standardIcon(QStyle::SP_DialogHelpButton));
  auto* quit = new QPushButton("&Quit", this);
  quit->setObjectName("BitBtn3");
  quit->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
  quit->setToolTip("Go back to the start");
  buttons->addStretch(1);
  for (QPushButton* button : {ok, back, help, quit})
    buttons->addWidget(button);
  buttons->addStretch(1);
  layout->addLayout(buttons);

  connect(ok, &QPushButton::clicked, this, &TCombi2Dlg::okClicked);
  connect(back, &QPushButton::clicked, this, &QWidget::close);
  connect(help, &QPushButton::clicked, this, [] { OpenHelpTopic("Input2"); });
  connect(quit, &QPushButton::clicked, this, &TCombi2Dlg::quitClicked);
  for (DesignPage page : dt::kDesignPages)
    connectPage(page);

  // FormCreate: the first surface of the compacts list.
  compact_.surfaces->setCurrentIndex(0);

  caseActions_ = AddCaseActions(this, false);
  ConnectCaseEntries(
      this, caseActions_, [this](const QString& path) { emit caseOpenRequested(path); },
      [this] { return DesignCaseBytes(ReadDesignPage(showingPage())); });
}

QWidget* TCombi2Dlg::buildDoublePipePage() {
  auto* page = new QWidget;
  page->setObjectName(Q(dt::kDoublePipePage));
  const QString hint = "Use tab key to move cursor";
  auto* columns = new QHBoxLayout(page);
  auto* left = new QVBoxLayout;
  left->addLayout(EntryGrid(dt::kDoublePipeFields, hint, doublePipe_.entries, page));
  PageFluids& c = doublePipe_.fluids;
  QVBoxLayout* right = buildFluidsAndMaterial(
      c,
      {"RadioGroup1", "Edit19", "Label35", "RadioGroup2", "Edit20", "Label36",
       dt::kDoublePipeInitialRange, "RadioGroup3", "Label34", nullptr, "Edit28", false},
      hint, left, columns, page);
  RadioGroup*& flowCondition = doublePipe_.flowCondition;
  flowCondition = new RadioGroup("RadioGroup4", Q(dt::kFlowConditionCaption),
                                 {Q(dt::kParallelFlow), Q(dt::kCounterFlow)}, 1, page);
  flowCondition->setEnabled(false);
  right->addWidget(flowCondition);
  c.pressure = NamedCheckBox("CheckBox1", dt::kPressureDropsQuestion, page);
  c.iteration = NamedCheckBox("CheckBox2", dt::kIterationQuestion, page);
  right->addWidget(c.pressure);
  right->addWidget(c.iteration);
  right->addStretch(1);
  columns->addLayout(right);
  return page;
}

QWidget* TCombi2Dlg::buildCrossFlowPage() {
  auto* page = new QWidget;
  page->setObjectName(Q(dt::kCrossFlowPage));
  auto* columns = new QHBoxLayout(page);
  auto* left = new QVBoxLayout;
  left->addLayout(
      EntryGrid(dt::kCrossFlowFields, "You can use tab to move cursor", crossFlow_.entries, page));
  PageFluids& c = crossFlow_.fluids;
  QVBoxLayout* right = buildFluidsAndMaterial(
      c,
      {"RadioGroup5", "Edit21", "Label37", "RadioGroup6", "Edit22", "Label38",
       dt::kCrossFlowInitialRange, "RadioGroup7", "Label33", nullptr, "Edit29", false},
      {}, left, columns, page);
  RadioGroup*& arrangement = crossFlow_.arrangement;
  arrangement = new RadioGroup("RadioGroup8", Q(dt::kFlowConditionCaption),
                               {Q(dt::kInLineArrangement), Q(dt::kStaggeredArrangement)}, 1, page);
  right->addWidget(arrangement);
  c.pressure = NamedCheckBox("CheckBox3", dt::kPressureDropQuestion, page);
  c.iteration = NamedCheckBox("CheckBox4", dt::kIterationQuestion, page);
  right->addWidget(c.pressure);
  right->addWidget(c.iteration);
  right->addStretch(1);
  columns->addLayout(right);
  return page;
}

QWidget* TCombi2Dlg::buildShellAndTubePage() {
  auto* page = new QWidget;
  page->setObjectName(Q(dt::kShellAndTubePage));
  const QString hint = "Tab will move the cursor !!";
  auto* columns = new QHBoxLayout(page);
  auto* left = new QVBoxLayout;
  QGridLayout* entries = EntryGrid(dt::kShellAndTubeFields, hint, shellAndTube_.entries, page);
  // "Number of baffles" carries its range on a second line.
  QLabel* bafflesPrompt = shellAndTube_.entries[ShellAndTubePage::kBaffles].prompt;
  auto* bafflesRange = NamedLabel("Label48", dt::kBafflesRange, page);
  const int bafflesRow = 3;
  entries->removeWidget(bafflesPrompt);
  auto* bafflesBox = new QVBoxLayout;
  bafflesBox->setSpacing(0);
  bafflesBox->addWidget(bafflesPrompt);
  bafflesBox->addWidget(bafflesRange);
  entries->addLayout(bafflesBox, bafflesRow, 0);
  left->addLayout(entries);
  PageFluids& c = shellAndTube_.fluids;
  QVBoxLayout* right = buildFluidsAndMaterial(
      c,
      {"RadioGroup9", "Edit23", "Label40", "RadioGroup10", "Edit24", "Label41",
       dt::kOtherPagesInitialRange, "RadioGroup11", "Label39", nullptr, "Edit30", false},
      {}, left, columns, page);
  c.pressure = NamedCheckBox("CheckBox5", dt::kPressureDropsQuestion, page);
  c.iteration = NamedCheckBox("CheckBox6", dt::kIterationQuestion, page);
  right->addWidget(c.pressure);
  right->addWidget(c.iteration);
  auto* arrangementRow = new QHBoxLayout;
  auto* picture = new QPushButton(page);
  shellAndTube_.layoutButton = picture;
  picture->setObjectName("BitBtn1");
  picture->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
  picture->setIconSize(QSize(32, 32));
  auto* pictureText = NamedLabel("Label49", dt::kArrangementButtonText, page);
  pictureText->setWordWrap(true);
  pictureText->setMinimumWidth(180);
  pictureText->setBuddy(picture);  // names the picture-only button
  arrangementRow->addWidget(picture);
  arrangementRow->addWidget(pictureText, 1);
  right->addLayout(arrangementRow);
  right->addStretch(1);
  columns->addLayout(right);
  connect(picture, &QPushButton::clicked, this, &TCombi2Dlg::tubeLayoutWanted);
  return page;
}

QWidget* TCombi2Dlg::buildCompactsPage() {
  auto* page = new QWidget;
  page->setObjectName(Q(dt::kCompactsPage));
  auto* columns = new QHBoxLayout(page);
  auto* left = new QVBoxLayout;
  QLabel* surfaceHeading = NamedLabel("Label50", dt::kSurfaceHeading, page);
  left->addWidget(surfaceHeading);
  // The list items are columns of fixed width in a fixed-pitch font of the
  // screen's size; each heading spans its column, in the screen's own font,
  // which is narrower, so neighbouring headings keep a gap.
  struct Heading {
    const char* name;
    const char* text;
    const char* hint;
    int column;  // first character of the column in the item texts
  };
  static constexpr Heading kHeadings[] = {
      {"Label51", "Type", "Type of fin and tubes", 0},
      {"Label52", "Tube Dia.", "Tube outside diameter", 9},
      {"Label53", "Fin Dia.", "Fin outside diameter", 18},
      {"Label54", "Sn", "Vertical tube spacing", 27},
      {"Label55", "Sp", "Horizontal tube spacing", 36},
      {"Label56", "4Rh", "The Hydraulic diameter", 45},
      {"Label58", "Delta", "Fin thickness", 54},
  };
  constexpr int kItemWidth = 62;
  QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  if (page->font().pointSizeF() > 0)
    fixed.setPointSizeF(page->font().pointSizeF());
  const int charWidth = QFontMetrics(fixed).horizontalAdvance(QLatin1Char('0'));
  auto* headings = new QHBoxLayout;
  headings->setSpacing(0);
  // The combo box draws its text a few pixels in from its frame.
  headings->setContentsMargins(6, 0, 0, 0);
  for (std::size_t i = 0; i < std::size(kHeadings); ++i) {
    const Heading& h = kHeadings[i];
    auto* label = NamedLabel(h.name, h.text, page);
    label->setToolTip(h.hint);
    const int next = i + 1 < std::size(kHeadings) ? kHeadings[i + 1].column : kItemWidth;
    label->setFixedWidth((next - h.column) * charWidth);
    headings->addWidget(label);
  }
  headings->addStretch(1);
  left->addLayout(headings);
  auto* surfaces = new QComboBox(page);
  compact_.surfaces = surfaces;
  surfaces->setObjectName("ComboBox1");
  surfaces->setToolTip("Chooses the correct combination");
  surfaces->setFont(fixed);
  for (const calvora::TubeFinSurface& surface : calvora::kCompactSurfaces)
    surfaces->addItem(Q(surface.itemText));
  surfaceHeading->setBuddy(surfaces);
  left->addWidget(surfaces);

  // The entries of this page carry hints only on Edit36 to Edit39.
  QGridLayout* entries = EntryGrid(dt::kCompactFields, {}, compact_.entries, page);
  for (CompactPage::Entry entry : {CompactPage::kLength, CompactPage::kTubes,
                                   CompactPage::kOuterMassFlow, CompactPage::kInnerMassFlow})
    compact_.entries[entry].edit->setToolTip("Tab will move the cursor !!");
  left->addLayout(entries);
  PageFluids& c = compact_.fluids;
  QVBoxLayout* right = buildFluidsAndMaterial(
      c,
      {"RadioGroup14", "Edit33", "Label45", "RadioGroup13", "Edit34", "Label44",
       dt::kOtherPagesInitialRange, "RadioGroup12", "Label46", "Label57", "Edit35", true},
      {}, left, columns, page);
  c.pressure = NamedCheckBox("CheckBox7", dt::kPressureDropsQuestion, page);
  c.iteration = NamedCheckBox("CheckBox8", dt::kCompactIterationQuestion, page);
  right->addWidget(c.pressure);
  right->addWidget(c.iteration);
  right->addStretch(1);
  columns->addLayout(right);
  return page;
}

// The inner and outer fluid choices below the page's entries (closing the left
// column), then the material choice and its conductivity entry at the top of the
// right column, which is returned for the page's further controls.
QVBoxLayout* TCombi2Dlg::buildFluidsAndMaterial(PageFluids& c, const FluidPageNames& names,
                                                const QString& hint, QVBoxLayout* left,
                                                QHBoxLayout* columns, QWidget* page) {
  const QStringList items = names.liquids ? LiquidItems() : Items(calvora::kFluidItems);
  auto* fluids = new QGridLayout;
  FluidBlock inner = AddFluidBlock(
      fluids, 0, names.innerGroup, names.liquids ? dt::kInnerLiquidCaption : dt::kInnerFluidCaption,
      items, names.innerEdit, names.liquids ? dt::kInnerLiquidTempCaption : dt::kInnerTempCaption,
      names.innerRange, names.initialRange, hint, page);
  FluidBlock outer = AddFluidBlock(
      fluids, 1, names.outerGroup, names.liquids ? dt::kOuterLiquidCaption : dt::kOuterFluidCaption,
      items, names.outerEdit, names.liquids ? dt::kOuterLiquidTempCaption : dt::kOuterTempCaption,
      names.outerRange, names.initialRange, hint, page);
  left->addLayout(fluids);
  left->addStretch(1);
  columns->addLayout(left, 1);

  auto* right = new QVBoxLayout;
  c.inner = inner.group;
  c.innerTemperature = inner.temperature;
  c.innerRange = inner.range;
  c.outer = outer.group;
  c.outerTemperature = outer.temperature;
  c.outerRange = outer.range;
  c.material = new RadioGroup(names.material, Q(dt::kMaterialCaption),
                              Items(calvora::kMaterialItems), 1, page);
  c.material->setItemIndex(0);
  right->addWidget(c.material);
  QLabel* prompt = NamedLabel(
      names.prompt, names.secondPrompt ? dt::kCompactConductivityPrompt1 : dt::kConductivityPrompt,
      page);
  prompt->setWordWrap(true);
  c.conductivityPrompts = {prompt};
  if (names.secondPrompt)
    c.conductivityPrompts << NamedLabel(names.secondPrompt, dt::kCompactConductivityPrompt2, page);
  c.conductivity = NamedEdit(names.conductivity, hint, page);
  prompt->setBuddy(c.conductivity);
  if (names.secondPrompt) {
    // A prompt on two lines names its field as one sentence.
    c.conductivity->setAccessibleName(Q(dt::kCompactConductivityPrompt1) + ' ' +
                                      Q(dt::kCompactConductivityPrompt2));
  }
  for (QLabel* label : c.conductivityPrompts)
    right->addWidget(label);
  right->addWidget(c.conductivity);
  return right;
}

void TCombi2Dlg::connectPage(DesignPage page) {
  PageFluids& c = fluidsOf(page);
  c.conductivity->hide();
  for (QLabel* prompt : c.conductivityPrompts)
    prompt->hide();
  connect(c.inner, &RadioGroup::itemIndexChanged, this,
          [this, page](int index) { fluidChanged(page, true, index); });
  connect(c.outer, &RadioGroup::itemIndexChanged, this,
          [this, page](int index) { fluidChanged(page, false, index); });
  connect(c.material, &RadioGroup::itemIndexChanged, this,
          [this, page](int index) { materialChanged(page, index); });
  connect(c.pressure, &QCheckBox::toggled, this,
          [this, page](bool checked) { pressureBoxToggled(page, checked); });
  if (page == DesignPage::DoublePipe) {
    connect(c.iteration, &QCheckBox::toggled, this, &TCombi2Dlg::doublePipeIterationToggled);
  } else if (page == DesignPage::CrossFlow) {
    connect(c.iteration, &QCheckBox::toggled, this, &TCombi2Dlg::crossFlowIterationToggled);
    connect(crossFlow_.arrangement, &RadioGroup::itemIndexChanged, this,
            &TCombi2Dlg::crossFlowArrangementChosen);
    connect(crossFlow_.entries[CrossFlowPage::kTubeOutsideDiameter].edit, &QLineEdit::textChanged,
            this, &TCombi2Dlg::outsideDiameterEdited);
  }
}

void TCombi2Dlg::showPage(DesignPage page) {
  notebook_->setCurrentWidget(pages_[static_cast<int>(page)]);
}

QString TCombi2Dlg::showingPageCaption() const {
  return notebook_->tabText(notebook_->currentIndex());
}

DesignPage TCombi2Dlg::showingPage() const {
  for (DesignPage page : dt::kDesignPages)
    if (notebook_->currentWidget() == pages_[static_cast<int>(page)])
      return page;
  return DesignPage::DoublePipe;
}

PageFluids& TCombi2Dlg::fluidsOf(DesignPage page) {
  switch (page) {
    case DesignPage::DoublePipe:
      return doublePipe_.fluids;
    case DesignPage::CrossFlow:
      return crossFlow_.fluids;
    case DesignPage::ShellAndTube:
      return shellAndTube_.fluids;
    case DesignPage::Compact:
      break;
  }
  return compact_.fluids;
}

void TCombi2Dlg::openDialog(QWidget* dialog) {
  if (!dialog)
    return;
  // Kept in front of this screen by the window system, without being its Qt
  // child (a child of a disabled screen would be disabled too).
  dialog->winId();
  if (QWindow* window = dialog->windowHandle(); window && windowHandle())
    window->setTransientParent(windowHandle());
  // Disabling the screen takes the focus from its control; it comes back there.
  focusBeforeDialog_ = focusWidget();
  dialog->show();
  CentreOnScreen(dialog);
  dialog->raise();
  dialog->activateWindow();
  setEnabled(false);
}

void TCombi2Dlg::changeEvent(QEvent* event) {
  TScreen::changeEvent(event);
  // A dialog that ends enables this screen again: the keyboard returns here.
  if (event->type() == QEvent::EnabledChange && isEnabled() && isVisible()) {
    QWidget* target = focusBeforeDialog_;
    // An arrow key selects an item before the item takes the focus: come back to
    // the choice at its selected item.
    if (auto* item = qobject_cast<QRadioButton*>(target); item && !item->isChecked()) {
      if (auto* group = qobject_cast<RadioGroup*>(item->parentWidget());
          group && group->itemIndex() >= 0)
        target = group->button(group->itemIndex());
    }
    if (target && target->isVisible() && target->isEnabled())
      target->setFocus();
    activateWindow();
  }
}

void TCombi2Dlg::resetInnerFluidOfShowingPage() {
  fluidsOf(showingPage()).inner->setItemIndex(0);
}

void TCombi2Dlg::resetOuterFluidOfShowingPage() {
  fluidsOf(showingPage()).outer->setItemIndex(0);
}

void TCombi2Dlg::uncheckPressureBoxOfShowingPage() {
  fluidsOf(showingPage()).pressure->setChecked(false);
}

void TCombi2Dlg::uncheckCrossFlowIteration() {
  crossFlow_.fluids.iteration->setChecked(false);
}

void TCombi2Dlg::clearCrossFlowArrangement() {
  crossFlow_.arrangement->setItemIndex(-1);
}

void TCombi2Dlg::okClicked() {
  const DesignPage page = showingPage();
  std::optional<calvora::DesignOutcome> outcome;
  RunPageGuarded(this, [&](calvora::Messages& messages) {
    outcome = calvora::RunDesign(ReadDesignPage(page), messages);
  });
  if (outcome && outcome->showsResults())
    emit resultsReady(*outcome);
}

void RunPageGuarded(QWidget* parent, const std::function<void(calvora::Messages&)>& run) {
  QtMessages messages(parent);
  calvora::RunGuarded(messages, run);
}

void TCombi2Dlg::fluidChanged(DesignPage page, bool inner, int index) {
  if (index < 0)
    return;
  PageFluids& c = fluidsOf(page);
  QLabel* range = inner ? c.innerRange : c.outerRange;
  if (index != kOtherItem) {
    range->setText(Q(dt::kRangeTexts[index]));
    if (page == DesignPage::Compact && !inner)
      c.pressure->setEnabled(true);
    return;
  }
  // A user-described outer liquid of a compact exchanger has no pressure-drop data.
  if (page == DesignPage::Compact && !inner) {
    c.pressure->setChecked(false);
    c.pressure->setEnabled(false);
  }
  if (inner) {
    emit innerFluidDataWanted();
  } else {
    emit outerFluidDataWanted();
  }
  range->setText(Q(page == DesignPage::CrossFlow && inner ? dt::kCrossFlowInnerAnyValue
                                                          : dt::kRangeTexts[kOtherItem]));
}

void TCombi2Dlg::materialChanged(DesignPage page, int index) {
  PageFluids& c = fluidsOf(page);
  const bool other = index == kOtherMaterialItem;
  c.conductivity->setVisible(other);
  for (QLabel* prompt : c.conductivityPrompts)
    prompt->setVisible(other);
}

void TCombi2Dlg::pressureBoxToggled(DesignPage page, bool checked) {
  if (checked)
    emit pressureDataWanted(page);
}

void TCombi2Dlg::doublePipeIterationToggled(bool checked) {
  doublePipe_.flowCondition->setEnabled(checked);
  doublePipe_.flowCondition->setItemIndex(checked ? 0 : -1);
}

void TCombi2Dlg::crossFlowIterationToggled(bool checked) {
  if (checked)
    emit mixingWanted();
}

void TCombi2Dlg::crossFlowArrangementChosen(int index) {
  if (index < 0)
    return;
  const char separator = PlatformDecimalSeparator();
  const QLineEdit* outsideDiameter = crossFlow_.entries[CrossFlowPage::kTubeOutsideDiameter].edit;
  const std::optional<double> diameter =
      calvora::TryParseNumber(outsideDiameter->text().toStdString(), separator);
  if (!diameter) {
    ShowMessage(this, calvora::MessageKind::Warning, Q(dt::kOuterDiameterFirstMessage));
    crossFlow_.arrangement->setItemIndex(-1);
    return;
  }
  const double d = *diameter;
  auto bound = [separator](double value) {
    return QString::fromStdString(calvora::FormatFixed(value, 10, 4, separator));
  };
  const QString lower = bound(1.25 * d);
  const QString upper = bound(3 * d);
  if (index == 0) {
    emit inLineSpacingWanted(Q(dt::kGreaterThan) + lower, Q(dt::kInLineLessThan) + upper);
  } else {
    emit staggeredSpacingWanted(bound(0.6 * d), Q(dt::kStaggeredLessThan) + upper, lower,
                                Q(dt::kStaggeredLessThan) + upper);
  }
}

void TCombi2Dlg::outsideDiameterEdited() {
  crossFlow_.arrangement->setItemIndex(-1);
  emit outsideDiameterChanged();
}
