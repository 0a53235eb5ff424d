#include "thermal/ui/Result1.h"

#include <QAction>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QStyle>
#include <QVBoxLayout>
#include <iterator>

#include "common/ui/Centre.h"
#include "common/ui/Help.h"
#include "common/ui/QtMessages.h"
#include "common/ui/ReportOutput.h"
#include "thermal/InputCaptions.h"
#include "thermal/ThermalFields.h"
#include "thermal/ui/ThermalCase.h"

TResults1* Results1 = nullptr;

namespace {

namespace tr = calvora::thermal_results;
namespace ti = calvora::thermal_input;

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QPushButton* Button(QWidget* parent, const char* name, std::string_view caption,
                    std::string_view hint, QStyle::StandardPixmap icon) {
  auto* button = new QPushButton(Text(caption), parent);
  button->setObjectName(name);
  button->setToolTip(Text(hint));
  button->setIcon(parent->style()->standardIcon(icon));
  button->setAutoDefault(false);
  return button;
}

}  // namespace

TResults1::TResults1(QWidget* parent) : QDialog(parent) {
  setObjectName("Results1");
  setWindowTitle(Text(ti::kWindowCaption));

  Label16 = new QLabel(Text(tr::kIntroduction), this);
  Label16->setObjectName("Label16");
  Label16->setWordWrap(true);

  QGroupBox* groups[std::size(tr::kGroups)] = {};
  QGridLayout* grids[std::size(tr::kGroups)] = {};
  for (std::size_t g = 0; g < std::size(tr::kGroups); ++g) {
    groups[g] = new QGroupBox(Text(tr::kGroups[g].caption), this);
    groups[g]->setObjectName(Text(tr::kGroups[g].objectName));
    grids[g] = new QGridLayout(groups[g]);
  }
  GroupBox1 = groups[0];
  GroupBox2 = groups[1];
  GroupBox3 = groups[2];
  int rowInGroup[std::size(tr::kGroups)] = {};

  // One caption column for all three groups, so the fields line up.
  const QFontMetrics metrics(font());
  int captionWidth = 0;
  for (const calvora::ThermalResultField& row : calvora::kThermalResultFields) {
    captionWidth = std::max(captionWidth, metrics.horizontalAdvance(Text(row.caption)));
  }

  for (std::size_t i = 0; i < calvora::kThermalResultFields.size(); ++i) {
    const calvora::ThermalResultField& row = calvora::kThermalResultFields[i];
    auto* label = new QLabel(Text(row.caption), this);
    label->setObjectName(Text(row.prompt));
    label->setMinimumWidth(captionWidth + 8);
    auto* edit = new QLineEdit(this);
    edit->setObjectName(Text(row.objectName));
    edit->setReadOnly(true);
    edit->setAlignment(Qt::AlignRight);
    // One width for every field, so the three groups line up.
    edit->setFixedWidth(metrics.horizontalAdvance(QStringLiteral("-0000000000.0000")) + 24);
    label->setBuddy(edit);
    std::size_t g = 0;
    while (g + 1 < std::size(tr::kGroups) && tr::kGroups[g].caption != row.group)
      ++g;
    grids[g]->addWidget(label, rowInGroup[g], 0);
    grids[g]->addWidget(edit, rowInGroup[g], 1);
    ++rowInGroup[g];
    captions_[i] = label;
    fields_[i] = edit;
  }
  for (QGridLayout* grid : grids) {
    grid->setColumnStretch(0, 1);
    grid->setHorizontalSpacing(12);
  }

  BackBtn = Button(this, "BackBtn", tr::kBackCaption, tr::kBackHint, QStyle::SP_ArrowBack);
  QuitBtn = Button(this, "QuitBtn", tr::kQuitCaption, tr::kQuitHint, QStyle::SP_DialogCloseButton);
  PrintBtn = Button(this, "PrintBtn", tr::kPrintCaption, tr::kPrintHint, QStyle::SP_FileIcon);
  SaveBtn = Button(this, "SaveBtn", tr::kSaveCaption, tr::kSaveHint, QStyle::SP_DialogSaveButton);
  HelpBtn = Button(this, "HelpBtn", tr::kHelpCaption, tr::kHelpHint, QStyle::SP_DialogHelpButton);

  connect(BackBtn, &QPushButton::clicked, this, &TResults1::close);
  connect(QuitBtn, &QPushButton::clicked, this, &TResults1::quit);
  connect(PrintBtn, &QPushButton::clicked, this, &TResults1::print);
  connect(SaveBtn, &QPushButton::clicked, this, &TResults1::save);
  connect(HelpBtn, &QPushButton::clicked, this, [] { OpenHelpTopic(Text(tr::kHelpTopic)); });

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(BackBtn);
  buttons->addWidget(SaveBtn);
  buttons->addWidget(PrintBtn);
  buttons->addWidget(HelpBtn);
  buttons->addStretch(1);
  buttons->addWidget(QuitBtn);
  // Tab follows the buttons from left to right.
  setTabOrder(fields_[std::size(fields_) - 1], BackBtn);
  setTabOrder(BackBtn, SaveBtn);
  setTabOrder(SaveBtn, PrintBtn);
  setTabOrder(PrintBtn, HelpBtn);
  setTabOrder(HelpBtn, QuitBtn);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Label16);
  layout->addWidget(GroupBox1);
  layout->addWidget(GroupBox2);
  layout->addWidget(GroupBox3);
  layout->addSpacing(6);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  caseActions_ = AddCaseActions(this, true);
  ConnectCaseEntries(
      this, caseActions_, [this](const QString& path) { emit caseOpenRequested(path); },
      [this] { return ThermalCaseBytes(inputs_, &outcome_); });
  connect(caseActions_.copyResults, &QAction::triggered, this, [this] { CopyText(resultLines()); });
}

QString TResults1::resultLines() const {
  QStringList captions;
  QStringList values;
  for (std::size_t i = 0; i < calvora::kThermalResultFields.size(); ++i) {
    captions << captions_[i]->text();
    values << fields_[i]->text();
  }
  return CaptionValueLines(captions, values);
}

void TResults1::showOutcome(const calvora::ThermalInputs& inputs,
                            const calvora::ThermalOutcome& outcome) {
  inputs_ = inputs;
  outcome_ = outcome;
  for (std::size_t i = 0; i < outcome.fieldTexts.size(); ++i) {
    fields_[i]->setText(QString::fromStdString(outcome.fieldTexts[i]));
    fields_[i]->setCursorPosition(0);
  }
}

namespace {

template <class Widget, std::size_t N>
Widget* ByKey(Widget* const (&widgets)[N], std::string_view key) {
  for (std::size_t i = 0; i < calvora::kThermalResultFields.size(); ++i)
    if (calvora::kThermalResultFields[i].key == key)
      return widgets[i];
  return nullptr;
}

}  // namespace

QLineEdit* TResults1::field(std::string_view key) const {
  return ByKey(fields_, key);
}

QLabel* TResults1::caption(std::string_view key) const {
  return ByKey(captions_, key);
}

QStringList TResults1::reportLines(calvora::ReportVariant variant) const {
  QStringList lines;
  for (const std::string& line : calvora::ThermalReportLines(inputs_, outcome_, variant)) {
    lines << QString::fromStdString(line);
  }
  return lines;
}

void TResults1::save() {
  SaveReportWithDialog(this, Text(tr::kSaveFilter), reportLines(calvora::ReportVariant::Saved));
}

void TResults1::print() {
  PrintReportWithDialog(this, reportLines(calvora::ReportVariant::Printed), true);
}

void TResults1::quit() {
  close();
  emit quitRequested();
}

void TResults1::reject() {
  close();
}

void TResults1::closeEvent(QCloseEvent* event) {
  event->accept();
  emit closed();
}

void TResults1::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!centred_) {
    centred_ = true;
    CentreOnScreen(this);
  }
}

void ShowThermalResults(const calvora::ThermalInputs& inputs,
                        const calvora::ThermalOutcome& outcome) {
  if (!Results1)
    return;
  Results1->show();
  Results1->showOutcome(inputs, outcome);
}
