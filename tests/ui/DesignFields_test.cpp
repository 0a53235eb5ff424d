// The field tables of the design pages against the screens: every row names
// one control of its kind on its screen or dialog, and a record written to a
// page reads back unchanged.

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

#include "common/ui/QtMessages.h"
#include "common/ui/RadioGroup.h"
#include "design/DesignFields.h"
#include "design/ui/Combi2.h"
#include "design/ui/PageFields.h"
#include "shell/Screens.h"
#include "support/MessageBoxRecorder.h"

namespace {

namespace dt = calvora::design;
using calvora::fields::Kind;

template <class Record, std::size_t N>
void CheckRows(const std::array<calvora::fields::InputField<Record>, N>& rows) {
  for (const auto& row : rows) {
    const QString where = QString::fromUtf8(row.key.data(), row.key.size());
    QWidget* control = FieldControl(row.screen, row.objectName);
    QVERIFY2(control, qPrintable(where));
    QCOMPARE(
        control->parentWidget()->window()->findChildren<QWidget*>(control->objectName()).size(), 1);
    int items = -1;
    if (auto* group = qobject_cast<RadioGroup*>(control))
      items = group->count();
    else if (auto* list = qobject_cast<QComboBox*>(control))
      items = list->count();
    switch (row.kind) {
      case Kind::Text:
        QVERIFY2(qobject_cast<QLineEdit*>(control), qPrintable(where));
        break;
      case Kind::Choice:
        QCOMPARE(items, static_cast<int>(row.items.size()));
        break;
      case Kind::Check:
        QVERIFY2(qobject_cast<QAbstractButton*>(control), qPrintable(where));
        break;
    }
  }
}

// A record with a distinct number in every entry, the last item of every choice
// but the layouts (the third) and every box ticked, written to its page and read back.
template <class Record, std::size_t N>
void RoundTrip(dt::DesignPage page,
               const std::array<calvora::fields::InputField<Record>, N>& rows) {
  Record written;
  int number = 1;
  for (const auto& row : rows) {
    if (row.kind == Kind::Text)
      row.text(written) = std::to_string(number++);
    else if (row.kind == Kind::Choice)
      row.choice(written) = static_cast<int>(row.items.size()) - 1;
    else
      row.check(written) = row.screen != dt::kLayoutDialog || row.key == "layout3";
  }
  written.decimalSeparator = PlatformDecimalSeparator();
  MessageBoxRecorder boxes;
  WriteDesignPage(written);
  const calvora::DesignInputs read = ReadDesignPage(page);
  QVERIFY(std::get<Record>(read) == written);
  QVERIFY(boxes.boxes.isEmpty());
}

}  // namespace

class DesignFieldsTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { CreateScreens(); }
  void cleanup() { DestroyScreens(); }

  void everyRowNamesAControlOfItsKind() {
    CheckRows(dt::kDoublePipeFields);
    CheckRows(dt::kCrossFlowFields);
    CheckRows(dt::kShellAndTubeFields);
    CheckRows(dt::kCompactFields);
  }

  void aWrittenRecordReadsBack() {
    RoundTrip(dt::DesignPage::DoublePipe, dt::kDoublePipeFields);
    RoundTrip(dt::DesignPage::CrossFlow, dt::kCrossFlowFields);
    RoundTrip(dt::DesignPage::ShellAndTube, dt::kShellAndTubeFields);
    RoundTrip(dt::DesignPage::Compact, dt::kCompactFields);
  }
};

QTEST_MAIN(DesignFieldsTest)
#include "DesignFields_test.moc"
