#include "design/ui/PageFields.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>

#include "common/ui/QtMessages.h"
#include "common/ui/RadioGroup.h"
#include "design/ui/Arangem.h"
#include "design/ui/Combi2.h"
#include "design/ui/Crosmix.h"
#include "design/ui/Linearr.h"
#include "design/ui/Other1.h"
#include "design/ui/Other2.h"
#include "design/ui/Pressu.h"
#include "design/ui/Stagearr.h"

namespace dt = calvora::design;

namespace {

QWidget* ScreenNamed(std::string_view name) {
  const std::pair<std::string_view, QWidget*> screens[] = {
      {dt::kDesignScreen, Combi2Dlg},     {dt::kInnerFluidDialog, Other1dlg},
      {dt::kOuterFluidDialog, Other2dlg}, {dt::kPressureDialog, Pressdlg},
      {dt::kMixingDialog, Crossmix},      {dt::kInLineDialog, Inlinedlg},
      {dt::kStaggeredDialog, Staggerdlg}, {dt::kLayoutDialog, Arrangem},
  };
  for (const auto& [screenName, screen] : screens)
    if (screenName == name)
      return screen;
  return nullptr;
}

template <class Record, std::size_t N>
calvora::DesignInputs Read(const std::array<calvora::fields::InputField<Record>, N>& rows) {
  Record record;
  ReadFields<Record>(rows, record);
  record.decimalSeparator = PlatformDecimalSeparator();
  return record;
}

}  // namespace

QWidget* FieldControl(std::string_view screen, std::string_view objectName) {
  QWidget* owner = ScreenNamed(screen);
  if (!owner)
    return nullptr;
  return owner->findChild<QWidget*>(QString::fromUtf8(objectName.data(), objectName.size()));
}

std::string ControlText(const QWidget* control) {
  const auto* edit = qobject_cast<const QLineEdit*>(control);
  return edit ? edit->text().toStdString() : std::string();
}

int ControlChoice(const QWidget* control) {
  if (const auto* group = qobject_cast<const RadioGroup*>(control))
    return group->itemIndex();
  if (const auto* list = qobject_cast<const QComboBox*>(control))
    return list->currentIndex();
  return -1;
}

bool ControlCheck(const QWidget* control) {
  const auto* button = qobject_cast<const QAbstractButton*>(control);
  return button && button->isChecked();
}

void SetControlText(QWidget* control, const std::string& text) {
  if (auto* edit = qobject_cast<QLineEdit*>(control))
    edit->setText(QString::fromStdString(text));
}

void SetControlChoice(QWidget* control, int index) {
  if (auto* group = qobject_cast<RadioGroup*>(control))
    group->setItemIndex(index);
  else if (auto* list = qobject_cast<QComboBox*>(control))
    list->setCurrentIndex(index);
}

void SetControlCheck(QWidget* control, bool checked) {
  if (auto* button = qobject_cast<QAbstractButton*>(control))
    button->setChecked(checked);
}

calvora::DesignInputs ReadDesignPage(dt::DesignPage page) {
  switch (page) {
    case dt::DesignPage::DoublePipe:
      return Read(dt::kDoublePipeFields);
    case dt::DesignPage::CrossFlow:
      return Read(dt::kCrossFlowFields);
    case dt::DesignPage::ShellAndTube:
      return Read(dt::kShellAndTubeFields);
    case dt::DesignPage::Compact:
      return Read(dt::kCompactFields);
  }
  throw calvora::SelectionError("no page");
}

void WriteDesignPage(const calvora::DesignInputs& inputs) {
  struct Write {
    void operator()(const calvora::DoublePipeInputs& in) const {
      WriteFields<calvora::DoublePipeInputs>(dt::kDoublePipeFields, in);
    }
    void operator()(const calvora::CrossFlowInputs& in) const {
      WriteFields<calvora::CrossFlowInputs>(dt::kCrossFlowFields, in);
    }
    void operator()(const calvora::ShellAndTubeInputs& in) const {
      WriteFields<calvora::ShellAndTubeInputs>(dt::kShellAndTubeFields, in);
    }
    void operator()(const calvora::CompactInputs& in) const {
      WriteFields<calvora::CompactInputs>(dt::kCompactFields, in);
    }
  };
  std::visit(Write{}, inputs);
}
