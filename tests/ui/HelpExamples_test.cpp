// The worked examples of the help file, run through the real screens from the
// main menu on. Each example is a table of class "example"; its cells say what
// they are:
//   data-set="Screen.Control"     an entry typed or a choice made, in row order
//   data-press="Screen.Control"   a button pressed
//   data-message="..."            a message box the run shows, in order
//   data-result="Screen.Control"  a result, as the results field shows it
// A change of the method, a format or a control name fails here until the help
// follows it.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTextDocumentFragment>
#include <QtTest>

#include "common/ui/RadioGroup.h"
#include "shell/Screens.h"
#include "support/MessageBoxRecorder.h"
#include "support/ScreenControls.h"

namespace {

QString HelpText() {
  QFile file(QFileInfo(QStringLiteral(__FILE__)).absolutePath() + "/../../help/CALVOR1.HLP");
  if (!file.open(QIODevice::ReadOnly))
    qFatal("cannot read the help file");
  return QString::fromUtf8(file.readAll());
}

struct Step {
  QString kind;     // set, press, message or result
  QString address;  // Screen.Control (empty for a message)
  QString value;    // the cell as the help window shows it
};

QList<Step> StepsOf(const QString& table) {
  static const QRegularExpression cell(
      "<td data-(set|press|message|result)=\"([^\"]*)\">(.*?)</td>",
      QRegularExpression::DotMatchesEverythingOption);
  QList<Step> steps;
  for (auto it = cell.globalMatch(table); it.hasNext();) {
    const auto m = it.next();
    steps.push_back({m.captured(1), m.captured(2),
                     QTextDocumentFragment::fromHtml(m.captured(3)).toPlainText().trimmed()});
  }
  return steps;
}

QWidget* Control(const QString& address) {
  const QString screenName = address.section('.', 0, 0);
  const QString controlName = address.section('.', 1);
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (top->objectName() != screenName)
      continue;
    if (controlName.isEmpty())
      return top;
    if (auto* w = top->findChild<QWidget*>(controlName))
      return w;
  }
  return nullptr;
}

// Makes the entry or choice of one row; returns an explanation when it cannot.
QString Set(QWidget* w, const QString& value) {
  if (auto* edit = qobject_cast<QLineEdit*>(w)) {
    edit->setText(Number(value.toLatin1().constData()));
  } else if (auto* group = qobject_cast<RadioGroup*>(w)) {
    int index = -1;
    for (int i = 0; i < group->count(); ++i)
      if (group->itemText(i) == value)
        index = i;
    if (index < 0)
      return "no item " + value;
    group->setItemIndex(index);
  } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
    // The window shows runs of blanks as one blank.
    int index = -1;
    for (int i = 0; i < combo->count(); ++i)
      if (combo->itemText(i).simplified() == value.simplified())
        index = i;
    if (index < 0)
      return "no item " + value;
    combo->setCurrentIndex(index);
  } else if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
    int index = -1;
    for (int i = 0; i < tabs->count(); ++i)
      if (tabs->tabText(i) == value)
        index = i;
    if (index < 0)
      return "no page " + value;
    tabs->setCurrentIndex(index);
  } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
    if (value != "checked" && value != "unchecked")
      return "a box is \"checked\" or \"unchecked\", not " + value;
    if (button->isChecked() != (value == "checked"))
      button->click();
  } else {
    return "cannot set this kind of control";
  }
  return {};
}

}  // namespace

class HelpExamplesTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    if (PlatformDecimalSeparator() != '.')
      QSKIP("the help quotes results with '.' as separator");
  }

  void examplesMatchTheScreens_data() {
    QTest::addColumn<QString>("table");
    static const QRegularExpression example("<table class=\"example\" id=\"([^\"]+)\"(.*?)</table>",
                                            QRegularExpression::DotMatchesEverythingOption);
    int count = 0;
    for (auto it = example.globalMatch(HelpText()); it.hasNext(); ++count) {
      const auto m = it.next();
      QTest::newRow(qPrintable(m.captured(1))) << m.captured(2);
    }
    // Four design pages and three thermal combinations at least.
    QVERIFY(count >= 7);
  }

  void examplesMatchTheScreens() {
    QFETCH(QString, table);
    CreateScreens();
    Control("Mainform")->show();
    QStringList messages;
    QStringList wrong;
    int results = 0;
    {
      MessageBoxRecorder recorder;
      for (const Step& step : StepsOf(table)) {
        if (step.kind == "message") {
          messages << step.value;
          continue;
        }
        QWidget* w = Control(step.address);
        if (!w) {
          wrong << step.address + ": no such control";
          continue;
        }
        if (step.kind == "set") {
          if (const QString why = Set(w, step.value); !why.isEmpty())
            wrong << step.address + ": " + why;
        } else if (step.kind == "press") {
          auto* button = qobject_cast<QAbstractButton*>(w);
          if (button && button->isEnabled() && button->window()->isVisible())
            button->click();
          else
            wrong << step.address + ": not a button on view";
        } else {
          ++results;
          auto* field = qobject_cast<QLineEdit*>(w);
          const QString shown = field ? field->text() : QString("<not a field>");
          if (!field || !field->isVisible() || shown != step.value)
            wrong << QString("%1: the help says %2, the screen shows %3%4")
                         .arg(step.address, step.value, shown,
                              field && !field->isVisible() ? " (hidden)" : "");
        }
      }
      // Each message is a sentence of its own.
      const QStringList shown = recorder.texts();
      if (shown != messages)
        wrong << "messages: the help says [" + messages.join(" | ") + "], the run showed [" +
                     shown.join(" | ") + "]";
    }
    DestroyScreens();
    QVERIFY2(results > 0, "an example without results");
    for (const QString& line : wrong)
      qWarning().noquote() << line;
    QVERIFY2(wrong.isEmpty(), "the help and the screens disagree (listed above)");
  }
};

QTEST_MAIN(HelpExamplesTest)
#include "HelpExamples_test.moc"
