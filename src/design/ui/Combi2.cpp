#include "design/ui/Combi2.h"

#include <QCheckBox>
#include <QCloseEvent>
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

#include "analyses/CompactSurfaces.h"
#include "analyses/Materials.h"
#include "common/Errors.h"
#include "common/FloatingPoint.h"
#include "common/Format.h"
#include "common/Numbers.h"
#include "common/ui/Help.h"
#include "common/ui/QtMessages.h"
#include "common/ui/RadioGroup.h"
#include "design/DesignCaptions.h"
#include "design/DesignOutcome.h"
#include "design/ui/Arangem.h"
#include "design/ui/Crosmix.h"
#include "design/ui/Linearr.h"
#include "design/ui/Other1.h"
#include "design/ui/Other2.h"
#include "design/ui/PageRuns.h"
#include "design/ui/Pressu.h"
#include "design/ui/Stagearr.h"
#include "properties/FluidTables.h"
#include "shell/Centre.h"
#include "shell/Main.h"

TCombi2Dlg* Combi2Dlg = nullptr;

namespace dt = calvora::design;

namespace {

enum Page { kDoublePipe = 0, kCrossFlow = 1, kShellAndTube = 2, kCompacts = 3 };
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

// Prompts in the first column, edit boxes in the second.
template <std::size_t N>
QGridLayout* EntryGrid(const std::array<dt::EntryRow, N>& rows, const QString& hint,
                       QWidget* page) {
  auto* grid = new QGridLayout;
  int row = 0;
  for (const dt::EntryRow& entry : rows) {
    grid->addWidget(NamedLabel(Q(entry.promptName), entry.caption, page), row, 0);
    grid->addWidget(NamedEdit(Q(entry.editName), hint, page), row, 1);
    ++row;
  }
  grid->setColumnStretch(0, 1);
  return grid;
}

struct FluidBlock {
  RadioGroup* group;
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
  column_layout->addWidget(NamedLabel(editName + "Prompt", tempCaption, page));
  column_layout->addWidget(NamedEdit(editName, hint, page));
  QLabel* range = NamedLabel(rangeName, initialRange, page);
  column_layout->addWidget(range);
  column_layout->addStretch(1);
  grid->addLayout(column_layout, 0, column);
  return {group, range};
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

TCombi2Dlg::TCombi2Dlg(QWidget* parent) : QDialog(parent) {
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
  notebook_->addTab(buildDoublePipePage(), Q(dt::kDoublePipePage));
  notebook_->addTab(buildCrossFlowPage(), Q(dt::kCrossFlowPage));
  notebook_->addTab(buildShellAndTubePage(), Q(dt::kShellAndTubePage));
  notebook_->addTab(buildCompactsPage(), Q(dt::kCompactsPage));
  notebook_->setCurrentIndex(0);
  layout->addWidget(notebook_);

  auto* buttons = new QHBoxLayout;
  auto* ok = new QPushButton("&OK", this);
  ok->setObjectName("OKBtn");
  ok->setToolTip("Calculate the results");
  ok->setDefault(true);
  auto* back = new QPushButton("&Back", this);
  back->setObjectName("CancelBtn");
  back->setToolTip("Go back to the start");
  auto* help = new QPushButton("&Help", this);
  help->setObjectName("HelpBtn");
  auto* quit = new QPushButton("&Quit", this);
  quit->setObjectName("BitBtn3");
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
  for (int page = 0; page < 4; ++page)
    connectPage(page);

  // FormCreate: the first surface of the compacts list.
  findChild<QComboBox*>("ComboBox1")->setCurrentIndex(0);
}

QWidget* TCombi2Dlg::buildDoublePipePage() {
  auto* page = new QWidget;
  page->setObjectName(Q(dt::kDoublePipePage));
  const QString hint = "Use tab key to move cursor";
  auto* columns = new QHBoxLayout(page);
  auto* left = new QVBoxLayout;
  left->addLayout(EntryGrid(dt::kDoublePipeEntries, hint, page));
  PageControls& c = pages_[kDoublePipe];
  QVBoxLayout* right = buildFluidsAndMaterial(
      c,
      {"RadioGroup1", "Edit19", "Label35", "RadioGroup2", "Edit20", "Label36",
       dt::kDoublePipeInitialRange, "RadioGroup3", "Label34", nullptr, "Edit28", false},
      hint, left, columns, page);
  flowCondition_ = new RadioGroup("RadioGroup4", Q(dt::kFlowConditionCaption),
                                  {Q(dt::kParallelFlow), Q(dt::kCounterFlow)}, 1, page);
  flowCondition_->setEnabled(false);
  right->addWidget(flowCondition_);
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
  left->addLayout(EntryGrid(dt::kCrossFlowEntries, "You can use tab to move cursor", page));
  PageControls& c = pages_[kCrossFlow];
  QVBoxLayout* right = buildFluidsAndMaterial(
      c,
      {"RadioGroup5", "Edit21", "Label37", "RadioGroup6", "Edit22", "Label38",
       dt::kCrossFlowInitialRange, "RadioGroup7", "Label33", nullptr, "Edit29", false},
      {}, left, columns, page);
  arrangement_ = new RadioGroup("RadioGroup8", Q(dt::kFlowConditionCaption),
                                {Q(dt::kInLineArrangement), Q(dt::kStaggeredArrangement)}, 1, page);
  right->addWidget(arrangement_);
  c.pressure = NamedCheckBox("CheckBox3", dt::kPressureDropQuestion, page);
  c.iteration = NamedCheckBox("CheckBox4", dt::kIterationQuestion, page);
  right->addWidget(c.pressure);
  right->addWidget(c.iteration);
  right->addStretch(1);
  columns->addLayout(right);
  outsideDiameter_ = page->findChild<QLineEdit*>("Edit9");
  return page;
}

QWidget* TCombi2Dlg::buildShellAndTubePage() {
  auto* page = new QWidget;
  page->setObjectName(Q(dt::kShellAndTubePage));
  const QString hint = "Tab will move the cursor !!";
  auto* columns = new QHBoxLayout(page);
  auto* left = new QVBoxLayout;
  QGridLayout* entries = EntryGrid(dt::kShellAndTubeEntries, hint, page);
  // "Number of baffles" carries its range on a second line.
  auto* bafflesPrompt = page->findChild<QLabel*>("Edit25Prompt");
  auto* bafflesRange = NamedLabel("Label48", dt::kBafflesRange, page);
  const int bafflesRow = 3;
  entries->removeWidget(bafflesPrompt);
  auto* bafflesBox = new QVBoxLayout;
  bafflesBox->setSpacing(0);
  bafflesBox->addWidget(bafflesPrompt);
  bafflesBox->addWidget(bafflesRange);
  entries->addLayout(bafflesBox, bafflesRow, 0);
  left->addLayout(entries);
  PageControls& c = pages_[kShellAndTube];
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
  picture->setObjectName("BitBtn1");
  picture->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
  picture->setIconSize(QSize(32, 32));
  auto* pictureText = NamedLabel("Label49", dt::kArrangementButtonText, page);
  pictureText->setWordWrap(true);
  pictureText->setMinimumWidth(180);
  arrangementRow->addWidget(picture);
  arrangementRow->addWidget(pictureText, 1);
  right->addLayout(arrangementRow);
  right->addStretch(1);
  columns->addLayout(right);
  connect(picture, &QPushButton::clicked, this, [this] { openDialog(Arrangem); });
  return page;
}

QWidget* TCombi2Dlg::buildCompactsPage() {
  auto* page = new QWidget;
  page->setObjectName(Q(dt::kCompactsPage));
  auto* columns = new QHBoxLayout(page);
  auto* left = new QVBoxLayout;
  left->addWidget(NamedLabel("Label50", dt::kSurfaceHeading, page));
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
  surfaces->setObjectName("ComboBox1");
  surfaces->setToolTip("Chooses the correct combination");
  surfaces->setFont(fixed);
  for (const calvora::TubeFinSurface& surface : calvora::kCompactSurfaces)
    surfaces->addItem(Q(surface.itemText));
  left->addWidget(surfaces);

  // The entries of this page carry hints only on Edit36 to Edit39.
  QGridLayout* entries = EntryGrid(dt::kCompactEntries, {}, page);
  for (const char* name : {"Edit36", "Edit37", "Edit38", "Edit39"})
    page->findChild<QLineEdit*>(name)->setToolTip("Tab will move the cursor !!");
  left->addLayout(entries);
  PageControls& c = pages_[kCompacts];
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
QVBoxLayout* TCombi2Dlg::buildFluidsAndMaterial(PageControls& c, const FluidPageNames& names,
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
  c.innerRange = inner.range;
  c.outer = outer.group;
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
  for (QLabel* label : c.conductivityPrompts)
    right->addWidget(label);
  right->addWidget(c.conductivity);
  return right;
}

void TCombi2Dlg::connectPage(int page) {
  PageControls& c = pages_[page];
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
  if (page == kDoublePipe) {
    connect(c.iteration, &QCheckBox::toggled, this, &TCombi2Dlg::doublePipeIterationToggled);
  } else if (page == kCrossFlow) {
    connect(c.iteration, &QCheckBox::toggled, this, &TCombi2Dlg::crossFlowIterationToggled);
    connect(arrangement_, &RadioGroup::itemIndexChanged, this,
            &TCombi2Dlg::crossFlowArrangementChosen);
    connect(outsideDiameter_, &QLineEdit::textChanged, this, &TCombi2Dlg::outsideDiameterChanged);
  }
}

QString TCombi2Dlg::showingPageCaption() const {
  return notebook_->tabText(notebook_->currentIndex());
}

int TCombi2Dlg::showingPageIndex() const {
  const QString caption = showingPageCaption();
  for (int page = 0; page < 4; ++page)
    if (caption == Q(dt::kPageCaptions[page]))
      return page;
  return -1;
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

void TCombi2Dlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!centred_) {
    centred_ = true;
    CentreOnScreen(this);
  }
}

void TCombi2Dlg::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
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
  const int page = showingPageIndex();
  if (page >= 0)
    pages_[page].inner->setItemIndex(0);
}

void TCombi2Dlg::resetOuterFluidOfShowingPage() {
  const int page = showingPageIndex();
  if (page >= 0)
    pages_[page].outer->setItemIndex(0);
}

void TCombi2Dlg::uncheckPressureBoxOfShowingPage() {
  const int page = showingPageIndex();
  if (page >= 0)
    pages_[page].pressure->setChecked(false);
}

void TCombi2Dlg::uncheckCrossFlowIteration() {
  pages_[kCrossFlow].iteration->setChecked(false);
}

void TCombi2Dlg::clearCrossFlowArrangement() {
  arrangement_->setItemIndex(-1);
}

void TCombi2Dlg::reject() {
  close();
}

void TCombi2Dlg::closeEvent(QCloseEvent* event) {
  event->accept();
  if (Mainform)
    Mainform->show();
}

void TCombi2Dlg::quitClicked() {
  close();
  if (Mainform)
    Mainform->close();
}

void TCombi2Dlg::okClicked() {
  const QString caption = showingPageCaption();
  void (*run)(calvora::Messages&) = nullptr;
  if (caption == Q(dt::kDoublePipePage)) {
    run = RunDoublePipePage;
  } else if (caption == Q(dt::kCrossFlowPage)) {
    run = RunCrossFlowPage;
  } else if (caption == Q(dt::kShellAndTubePage)) {
    run = RunShellAndTubePage;
  } else if (caption == Q(dt::kCompactsPage)) {
    run = RunCompactPage;
  }
  if (run)
    RunPageGuarded(this, run);
}

void RunPageGuarded(QWidget* parent, const std::function<void(calvora::Messages&)>& run) {
  QtMessages messages(parent);
  calvora::RunGuarded(messages, run);
}

void TCombi2Dlg::fluidChanged(int page, bool inner, int index) {
  if (index < 0)
    return;
  PageControls& c = pages_[page];
  QLabel* range = inner ? c.innerRange : c.outerRange;
  if (index != kOtherItem) {
    range->setText(Q(dt::kRangeTexts[index]));
    if (page == kCompacts && !inner)
      c.pressure->setEnabled(true);
    return;
  }
  // A user-described outer liquid of a compact exchanger has no pressure-drop data.
  if (page == kCompacts && !inner) {
    c.pressure->setChecked(false);
    c.pressure->setEnabled(false);
  }
  if (inner) {
    openDialog(Other1dlg);
  } else {
    openDialog(Other2dlg);
  }
  range->setText(
      Q(page == kCrossFlow && inner ? dt::kCrossFlowInnerAnyValue : dt::kRangeTexts[kOtherItem]));
}

void TCombi2Dlg::materialChanged(int page, int index) {
  PageControls& c = pages_[page];
  const bool other = index == kOtherMaterialItem;
  c.conductivity->setVisible(other);
  for (QLabel* prompt : c.conductivityPrompts)
    prompt->setVisible(other);
}

void TCombi2Dlg::pressureBoxToggled(int page, bool checked) {
  if (!checked || !Pressdlg)
    return;
  Pressdlg->prepareForPage(page);
  openDialog(Pressdlg);
}

void TCombi2Dlg::doublePipeIterationToggled(bool checked) {
  flowCondition_->setEnabled(checked);
  flowCondition_->setItemIndex(checked ? 0 : -1);
}

void TCombi2Dlg::crossFlowIterationToggled(bool checked) {
  if (checked)
    openDialog(Crossmix);
}

void TCombi2Dlg::crossFlowArrangementChosen(int index) {
  if (index < 0)
    return;
  const char separator = PlatformDecimalSeparator();
  const std::optional<double> diameter =
      calvora::TryParseNumber(outsideDiameter_->text().toStdString(), separator);
  if (!diameter) {
    ShowMessage(this, calvora::MessageKind::Warning, Q(dt::kOuterDiameterFirstMessage));
    arrangement_->setItemIndex(-1);
    return;
  }
  if (!Inlinedlg || !Staggerdlg)
    return;
  const double d = *diameter;
  auto bound = [separator](double value) {
    return QString::fromStdString(calvora::FormatFixed(value, 10, 4, separator));
  };
  const QString lower = bound(1.25 * d);
  const QString upper = bound(3 * d);
  if (index == 0) {
    openDialog(Inlinedlg);
    Inlinedlg->setBounds(Q(dt::kGreaterThan) + lower, Q(dt::kInLineLessThan) + upper);
  } else {
    Staggerdlg->setBounds(bound(0.6 * d), Q(dt::kStaggeredLessThan) + upper, lower,
                          Q(dt::kStaggeredLessThan) + upper);
    openDialog(Staggerdlg);
  }
}

void TCombi2Dlg::outsideDiameterChanged() {
  arrangement_->setItemIndex(-1);
  if (Inlinedlg)
    Inlinedlg->clearSpacings();
  if (Staggerdlg)
    Staggerdlg->clearSpacings();
}
