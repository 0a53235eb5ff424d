#include "shell/Main.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

#include "common/ui/CaseActions.h"
#include "common/ui/Centre.h"
#include "common/ui/Help.h"
#include "thermal/InputCaptions.h"

TMainform* Mainform = nullptr;

namespace {

constexpr const char* kPanel1Lines[] = {
    "This program can be used to analyse any of the following types of heat exchanger :",
    "1. Double Pipe.", "2. Cross Flow.", "3. Shell and Tube.", "4. Compacts "};
constexpr const char* kPanel2Lines[] = {
    "It can be used to perform either of the following functions :",
    "1. Thermal analysis of  a given heat exchanger problem using the Effectiveness", "NTU method.",
    "2. Calculate the value of the overall heat flux coefficient.",
    "2. Calculate the pressure drops of the inner and outer fliuds."};
constexpr const char* kPanel3Line = "Please select one of the following methods :";
constexpr const char* kThermalCaption =
    "&Thermal analysis of a given heat exchanger using effectiveness-NTU.";
constexpr const char* kDesignCaption =
    "&Calculation of the overall heat transfer coefficent and pressure drops.";
constexpr const char* kQuitCaption = "&Quit";
constexpr const char* kHelpCaption = "&Help";
constexpr const char* kHelpTopic = "welcome";

QFrame* Panel(const char* name, QWidget* parent) {
  auto* panel = new QFrame(parent);
  panel->setObjectName(name);
  panel->setFrameShape(QFrame::Panel);
  panel->setFrameShadow(QFrame::Raised);
  panel->setLineWidth(2);
  return panel;
}

// A framed panel of lines: the first is the heading, the others are listed below it
// (the continuation of a numbered line lines up with that line's text).
QFrame* TextPanel(const char* name, const char* const* lines, int count, QWidget* parent) {
  QFrame* panel = Panel(name, parent);
  auto* layout = new QVBoxLayout(panel);
  layout->setSpacing(2);
  for (int i = 0; i < count; ++i) {
    auto* label = new QLabel(QString::fromUtf8(lines[i]), panel);
    label->setObjectName(QString("%1_Line%2").arg(name).arg(i));
    if (i > 0) {
      const bool continuation = !QChar(lines[i][0]).isDigit();
      label->setIndent(continuation ? 40 : 20);
    }
    if (i == 0)
      layout->addSpacing(2);
    layout->addWidget(label);
    if (i == 0)
      layout->addSpacing(4);
  }
  return panel;
}

QPushButton* MenuButton(const char* name, const char* caption, QWidget* parent) {
  auto* button = new QPushButton(QString::fromUtf8(caption), parent);
  button->setObjectName(name);
  button->setMinimumHeight(34);
  return button;
}

}  // namespace

TMainform::TMainform(QWidget* parent) : QWidget(parent) {
  setObjectName("Mainform");
  setWindowTitle(QString::fromUtf8(calvora::thermal_input::kWindowCaption.data(),
                                   calvora::thermal_input::kWindowCaption.size()));
  // System menu (with its close box) and minimise only: no maximise, no resizing.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);

  QFrame* panel1 = TextPanel("Panel1", kPanel1Lines, std::size(kPanel1Lines), this);
  QFrame* panel2 = TextPanel("Panel2", kPanel2Lines, std::size(kPanel2Lines), this);

  QFrame* panel3 = Panel("Panel3", this);
  auto* choose = new QLabel(QString::fromUtf8(kPanel3Line), panel3);
  choose->setObjectName("Panel3_Line0");
  BitBtn1 = MenuButton("BitBtn1", kThermalCaption, panel3);
  BitBtn2 = MenuButton("BitBtn2", kDesignCaption, panel3);
  auto* panel3Layout = new QVBoxLayout(panel3);
  panel3Layout->addWidget(choose);
  panel3Layout->addSpacing(4);
  panel3Layout->addWidget(BitBtn1);
  panel3Layout->addWidget(BitBtn2);

  BitBtn4 = MenuButton("BitBtn4", kHelpCaption, this);
  BitBtn4->setIcon(style()->standardIcon(QStyle::SP_DialogHelpButton));
  BitBtn3 = MenuButton("BitBtn3", kQuitCaption, this);
  BitBtn3->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(BitBtn4);
  buttons->addWidget(BitBtn3);
  BitBtn4->setMinimumWidth(110);
  BitBtn3->setMinimumWidth(110);

  auto* layout = new QVBoxLayout(this);
  layout->setSpacing(10);
  layout->addWidget(panel1);
  layout->addWidget(panel2);
  layout->addWidget(panel3);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(BitBtn1, &QPushButton::clicked, this, &TMainform::thermalAnalysisChosen);
  connect(BitBtn2, &QPushButton::clicked, this, &TMainform::designChosen);
  connect(BitBtn3, &QPushButton::clicked, this, &TMainform::close);
  connect(BitBtn4, &QPushButton::clicked, this,
          [] { OpenHelpTopic(QString::fromUtf8(kHelpTopic)); });
  BitBtn1->setFocus();
  AcceptCaseDrops(this, [this](const QString& path) { emit caseOpenRequested(path); });
}

void TMainform::closeEvent(QCloseEvent* event) {
  event->accept();
  emit programEnding();
  // Other screens are only hidden, never closed; the run ends here.
  QCoreApplication::quit();
}

void TMainform::keyPressEvent(QKeyEvent* event) {
  // Enter presses the focused button, as on the dialogs.
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    if (auto* button = qobject_cast<QPushButton*>(focusWidget())) {
      button->animateClick();
      return;
    }
  }
  QWidget::keyPressEvent(event);
}

void TMainform::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!centred_) {
    centred_ = true;
    CentreOnScreen(this);
  }
  // The screen that comes forward takes the keyboard.
  activateWindow();
}
