#include "thermal/ui/Combi1.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QStyle>
#include <QVBoxLayout>
#include <span>

#include "common/ui/Centre.h"
#include "common/ui/Help.h"
#include "common/ui/QtMessages.h"
#include "thermal/ui/ThermalCase.h"
#include "thermal/ui/ThermalScreen.h"

TCombi1Dlg* Combi1Dlg = nullptr;

namespace {

namespace ti = calvora::thermal_input;

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QStringList Items(std::span<const std::string_view> items) {
  QStringList list;
  for (std::string_view item : items)
    list << Text(item);
  return list;
}

const QColor kUnknownCaptionColour(128, 128, 128);
const QColor kKnownCaptionColour(0, 0, 0);
const QColor kReminderColour(0, 128, 0);

void SetCaptionColour(QWidget* caption, const QColor& colour) {
  QPalette palette = caption->palette();
  palette.setColor(QPalette::WindowText, colour);
  palette.setColor(QPalette::Text, colour);
  caption->setPalette(palette);
}

}  // namespace

TCombi1Dlg::TCombi1Dlg(QWidget* parent) : QDialog(parent) {
  setObjectName("Combi1Dlg");
  setWindowTitle(Text(ti::kWindowCaption));

  Label2 = new QLabel(Text(ti::kInstruction), this);
  Label2->setObjectName("Label2");
  Label2->setWordWrap(true);

  auto* quantities = new QFrame(this);
  quantities->setObjectName("Panel1");
  quantities->setFrameShape(QFrame::StyledPanel);
  auto* grid = new QGridLayout(quantities);
  grid->setHorizontalSpacing(16);
  grid->setColumnStretch(0, 1);

  // One row per entry: its caption (the unknown box of its quantity, or a label) and its field.
  for (int i = 0; i < ti::kQuantityCount; ++i) {
    const calvora::ThermalField& row = calvora::kThermalInputFields[i];
    auto* field = new QLineEdit(this);
    field->setObjectName(Text(row.objectName));
    field->setToolTip(Text(ti::kEditHint));
    field->setMinimumWidth(190);
    // The row keeps its place while its field is hidden for an unknown value.
    QSizePolicy policy = field->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    field->setSizePolicy(policy);
    inputControls_[i] = field;

    QWidget* captionWidget = nullptr;
    if (const calvora::ThermalField* unknown =
            calvora::fields::FindField(calvora::kThermalUnknownFields, row.key)) {
      auto* box = new QCheckBox(Text(unknown->caption), this);
      box->setObjectName(Text(unknown->objectName));
      box->setToolTip(Text(ti::kCheckBoxHint));
      // The caption is a check box, not a label, so it cannot be the field's buddy.
      field->setAccessibleName(Text(row.caption));
      SetCaptionColour(box, kKnownCaptionColour);
      connect(box, &QCheckBox::toggled, this,
              [this, box, field](bool checked) { UnknownToggled(box, field, checked); });
      unknownBoxes_[unknown - calvora::kThermalUnknownFields.data()] = box;
      captionWidget = box;
    } else {
      auto* label = new QLabel(Text(row.caption), this);
      label->setObjectName(
          Text(calvora::fields::FindField(calvora::kThermalPromptLabels, row.key)->objectName));
      label->setBuddy(field);
      // Line the label's text up with the check boxes' texts.
      label->setIndent(style()->pixelMetric(QStyle::PM_IndicatorWidth) +
                       style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing));
      captionWidget = label;
    }
    captions_[i] = captionWidget;
    grid->addWidget(captionWidget, i, 0);
    grid->addWidget(field, i, 1);
  }

  using Q = ti::Quantity;
  Edit1 = edit(Q::Th1);
  Edit3 = edit(Q::Tc1);
  Edit2 = edit(Q::Th0);
  Edit4 = edit(Q::Tc0);
  Edit5 = edit(Q::Mh);
  Edit6 = edit(Q::Mc);
  Edit7 = edit(Q::Q);
  Edit8 = edit(Q::A);
  Edit9 = edit(Q::U);
  Edit10 = edit(Q::Cc);
  Edit11 = edit(Q::Ch);
  using U = calvora::Unknown;
  CheckBox2 = unknownBoxes_[static_cast<int>(U::Th0)];
  CheckBox4 = unknownBoxes_[static_cast<int>(U::Tc0)];
  CheckBox5 = unknownBoxes_[static_cast<int>(U::Mh)];
  CheckBox6 = unknownBoxes_[static_cast<int>(U::Mc)];
  CheckBox7 = unknownBoxes_[static_cast<int>(U::Q)];
  CheckBox8 = unknownBoxes_[static_cast<int>(U::A)];
  CheckBox9 = unknownBoxes_[static_cast<int>(U::U)];
  Label1 = static_cast<QLabel*>(caption(Q::Th1));
  Label3 = static_cast<QLabel*>(caption(Q::Tc1));
  Label10 = static_cast<QLabel*>(caption(Q::Cc));
  Label11 = static_cast<QLabel*>(caption(Q::Ch));

  // The two choices follow the entries in the table.
  RadioGroup* choices[2] = {};
  for (int i = ti::kQuantityCount; i < static_cast<int>(calvora::kThermalInputFields.size()); ++i) {
    const calvora::ThermalField& row = calvora::kThermalInputFields[i];
    auto* group =
        new RadioGroup(Text(row.objectName), Text(row.caption), Items(row.items), 1, this);
    inputControls_[i] = group;
    choices[i - ti::kQuantityCount] = group;
  }
  RadioGroup1 = choices[0];
  RadioGroup2 = choices[1];
  {
    // Showing the mixing choice must not move or resize anything else.
    QSizePolicy policy = RadioGroup2->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    RadioGroup2->setSizePolicy(policy);
  }
  connect(RadioGroup1, &RadioGroup::itemIndexChanged, this, &TCombi1Dlg::ExchangerTypeChanged);
  RadioGroup2->hide();
  WriteThermalScreen(*this, calvora::ThermalStartingInputs());

  Label4 = new QLabel(Text(ti::kReminder), this);
  Label4->setObjectName("Label4");
  Label4->setWordWrap(true);
  Label4->setAlignment(Qt::AlignCenter);
  SetCaptionColour(Label4, kReminderColour);

  OkBtn = new QPushButton(Text(ti::kOkCaption), this);
  OkBtn->setObjectName("OkBtn");
  OkBtn->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
  OkBtn->setDefault(true);
  CancelBtn = new QPushButton(Text(ti::kBackCaption), this);
  CancelBtn->setObjectName("CancelBtn");
  CancelBtn->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
  HelpBtn = new QPushButton(Text(ti::kHelpCaption), this);
  HelpBtn->setObjectName("HelpBtn");
  HelpBtn->setIcon(style()->standardIcon(QStyle::SP_DialogHelpButton));
  BitBtn1 = new QPushButton(Text(ti::kQuitCaption), this);
  BitBtn1->setObjectName("BitBtn1");
  BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));

  connect(OkBtn, &QPushButton::clicked, this, &TCombi1Dlg::OkClicked);
  connect(CancelBtn, &QPushButton::clicked, this, &TCombi1Dlg::close);
  connect(HelpBtn, &QPushButton::clicked, this, [] { OpenHelpTopic(Text(ti::kHelpTopic)); });
  connect(BitBtn1, &QPushButton::clicked, this, &TCombi1Dlg::Quit);

  auto* buttons = new QGridLayout;
  buttons->addWidget(OkBtn, 0, 0);
  buttons->addWidget(CancelBtn, 0, 1);
  buttons->addWidget(HelpBtn, 1, 0);
  buttons->addWidget(BitBtn1, 1, 1);

  auto* side = new QVBoxLayout;
  side->addStretch(1);
  side->addWidget(Label4);
  side->addSpacing(8);
  side->addLayout(buttons);

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(RadioGroup1, 0, Qt::AlignTop);
  bottom->addWidget(RadioGroup2, 0, Qt::AlignTop);
  bottom->addLayout(side, 1);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Label2);
  layout->addWidget(quantities);
  layout->addLayout(bottom);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  // Check boxes first, then the fields top to bottom, then the choices and buttons.
  QList<QWidget*> order = {CheckBox2, CheckBox4, CheckBox5, CheckBox6,
                           CheckBox7, CheckBox8, CheckBox9};
  for (int i = 0; i < ti::kQuantityCount; ++i)
    order << inputControls_[i];
  for (int i = 0; i < RadioGroup1->count(); ++i)
    order << RadioGroup1->button(i);
  for (int i = 0; i < RadioGroup2->count(); ++i)
    order << RadioGroup2->button(i);
  order << OkBtn << CancelBtn << HelpBtn << BitBtn1;
  for (int i = 1; i < order.size(); ++i)
    setTabOrder(order[i - 1], order[i]);

  caseActions_ = AddCaseActions(this, false);
  ConnectCaseEntries(
      this, caseActions_, [this](const QString& path) { emit caseOpenRequested(path); },
      [this] { return ThermalCaseBytes(ReadThermalScreen(*this)); });
}

QLineEdit* TCombi1Dlg::edit(calvora::thermal_input::Quantity quantity) const {
  return static_cast<QLineEdit*>(inputControls_[static_cast<int>(quantity)]);
}

QWidget* TCombi1Dlg::caption(calvora::thermal_input::Quantity quantity) const {
  return captions_[static_cast<int>(quantity)];
}

QWidget* TCombi1Dlg::inputControl(std::size_t row) const {
  return row < inputControls_.size() ? inputControls_[row] : nullptr;
}

QCheckBox* TCombi1Dlg::unknownBox(std::size_t row) const {
  return row < unknownBoxes_.size() ? unknownBoxes_[row] : nullptr;
}

void TCombi1Dlg::OkClicked() {
  const calvora::ThermalInputs inputs = ReadThermalScreen(*this);
  QtMessages messages(this);
  const calvora::ThermalOutcome outcome = calvora::SolveThermal(inputs, messages);
  if (outcome.showsResults())
    emit solved(inputs, outcome);
}

void TCombi1Dlg::UnknownToggled(QCheckBox* box, QLineEdit* field, bool checked) {
  field->setVisible(!checked);
  SetCaptionColour(box, checked ? kUnknownCaptionColour : kKnownCaptionColour);
}

void TCombi1Dlg::ExchangerTypeChanged(int index) {
  RadioGroup2->setVisible(index >= 0 && calvora::kExchangerTypeItems[index] ==
                                            calvora::FlowArrangement::CrossFlow);
}

void TCombi1Dlg::reject() {
  close();
}

void TCombi1Dlg::closeEvent(QCloseEvent* event) {
  event->accept();
  emit closed();
}

void TCombi1Dlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!centred_) {
    centred_ = true;
    CentreOnScreen(this);
  }
  // The screen that comes forward takes the keyboard.
  activateWindow();
}

void TCombi1Dlg::Quit() {
  close();
  emit quitRequested();
}
