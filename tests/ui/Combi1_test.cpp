// The thermal analysis input screen: its controls, the rows of its tables, the
// reactions of the unknown boxes and of the exchanger type, the keyboard, driven
// as a user would.

#include <QSignalSpy>
#include <QtTest>

#include "common/ui/QtMessages.h"
#include "shell/Main.h"
#include "shell/Screens.h"
#include "support/MessageBoxRecorder.h"
#include "thermal/ThermalFields.h"
#include "thermal/ui/Combi1.h"
#include "thermal/ui/Result1.h"
#include "thermal/ui/ThermalScreen.h"

namespace {

const QColor kGrey(128, 128, 128);
const QColor kBlack(0, 0, 0);

QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QColor CaptionColour(QWidget* caption) {
  return caption->palette().color(QPalette::WindowText);
}

}  // namespace

class Combi1Test : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    CreateScreens();
    Mainform->show();
    QTest::mouseClick(Mainform->BitBtn1, Qt::LeftButton);
    QVERIFY(Combi1Dlg->isVisible());
  }
  void cleanup() { DestroyScreens(); }

  void windowIsAFixedSizeDialog() {
    QCOMPARE(Combi1Dlg->objectName(), QString("Combi1Dlg"));
    QCOMPARE(Combi1Dlg->windowTitle(), QString("Calvora  v1.0"));
    QCOMPARE(Combi1Dlg->minimumSize(), Combi1Dlg->maximumSize());
  }

  // Each entry row: its field, and beside it its caption (its unknown box, or a label).
  void rowsCarryTheirCaptionsAndFields() {
    for (int i = 0; i < calvora::thermal_input::kQuantityCount; ++i) {
      const calvora::ThermalField& row = calvora::kThermalInputFields[i];
      auto* edit = Combi1Dlg->findChild<QLineEdit*>(Q(row.objectName));
      QVERIFY(edit);
      QVERIFY(edit->text().isEmpty());
      QVERIFY(edit->isVisible());
      QCOMPARE(edit->toolTip(), QString("Use ' tab ' to move the cursor !"));
      QWidget* caption = nullptr;
      if (const auto* unknown =
              calvora::fields::FindField(calvora::kThermalUnknownFields, row.key)) {
        auto* box = Combi1Dlg->findChild<QCheckBox*>(Q(unknown->objectName));
        QVERIFY(box);
        QCOMPARE(box->text(), Q(row.caption));
        QVERIFY(!box->isChecked());
        QCOMPARE(box->toolTip(), QString("Click the box if you don't know this value."));
        QCOMPARE(CaptionColour(box), kBlack);
        QVERIFY(edit->geometry().left() > box->geometry().left());
        caption = box;
      } else {
        const auto* prompt = calvora::fields::FindField(calvora::kThermalPromptLabels, row.key);
        QVERIFY(prompt);
        auto* label = Combi1Dlg->findChild<QLabel*>(Q(prompt->objectName));
        QVERIFY(label);
        QCOMPARE(label->text(), Q(row.caption));
        caption = label;
      }
      // The field sits on the same row as its caption.
      QVERIFY(qAbs(caption->geometry().center().y() - edit->geometry().center().y()) <= 4);
    }
  }

  // Every row of the thermal tables names a control of its screen, and filling
  // the screen from a record and reading it back gives the same record.
  void tablesNameTheControlsAndTheScreenRoundTrips() {
    const auto named = [](QWidget* screen, std::string_view name) {
      return screen->findChild<QWidget*>(Q(name));
    };
    for (std::size_t i = 0; i < calvora::kThermalInputFields.size(); ++i) {
      QCOMPARE(Q(calvora::kThermalInputFields[i].screen), Combi1Dlg->objectName());
      QCOMPARE(named(Combi1Dlg, calvora::kThermalInputFields[i].objectName),
               Combi1Dlg->inputControl(i));
    }
    for (std::size_t i = 0; i < calvora::kThermalUnknownFields.size(); ++i)
      QCOMPARE(named(Combi1Dlg, calvora::kThermalUnknownFields[i].objectName),
               static_cast<QWidget*>(Combi1Dlg->unknownBox(i)));
    for (const auto& row : calvora::kThermalResultFields) {
      QVERIFY(qobject_cast<QLineEdit*>(named(Results1, row.objectName)));
      QVERIFY(qobject_cast<QLabel*>(named(Results1, row.prompt)));
    }

    calvora::ThermalInputs crossFlow;
    for (int q = 0; q < calvora::thermal_input::kQuantityCount; ++q)
      crossFlow.texts[q] = std::to_string(q) + (q % 2 ? ",5" : " x");
    crossFlow.SetArrangement(calvora::FlowArrangement::CrossFlow);
    crossFlow.SetMixing(calvora::CrossFlowMixing::BothUnmixed);
    for (auto u : {calvora::Unknown::Th0, calvora::Unknown::Mc, calvora::Unknown::U})
      crossFlow.SetUnknown(u);
    calvora::ThermalInputs nothingChosen;  // no type, no mixing, nothing typed
    for (calvora::ThermalInputs record :
         {crossFlow, nothingChosen, calvora::ThermalStartingInputs(), crossFlow}) {
      record.decimalSeparator = PlatformDecimalSeparator();
      WriteThermalScreen(*Combi1Dlg, record);
      QCOMPARE(ReadThermalScreen(*Combi1Dlg) == record, true);
    }
    QVERIFY(!Combi1Dlg->Edit2->isVisible());  // a marked unknown hides its field
    QVERIFY(Combi1Dlg->RadioGroup2->isVisible());
  }

  void otherTextsAndButtons() {
    auto* instruction = Combi1Dlg->findChild<QLabel*>("Label2");
    QVERIFY(instruction);
    QCOMPARE(instruction->text(),
             QString("Please click beside the three values you do not know, and then enter the "
                     "values of the others. Press Help if you need to know the possible "
                     "combinations available :"));
    auto* reminder = Combi1Dlg->findChild<QLabel*>("Label4");
    QVERIFY(reminder);
    QCOMPARE(reminder->text(), QString("Don't forget to choose the type of heat exhanger !"));
    QVERIFY(reminder->wordWrap());
    QCOMPARE(CaptionColour(reminder), QColor(0, 128, 0));

    QCOMPARE(Combi1Dlg->OkBtn->objectName(), QString("OkBtn"));
    QCOMPARE(Combi1Dlg->OkBtn->text(), QString("&OK"));
    QVERIFY(Combi1Dlg->OkBtn->isDefault());
    QCOMPARE(Combi1Dlg->CancelBtn->objectName(), QString("CancelBtn"));
    QCOMPARE(Combi1Dlg->CancelBtn->text(), QString("&Back"));
    QCOMPARE(Combi1Dlg->HelpBtn->objectName(), QString("HelpBtn"));
    QCOMPARE(Combi1Dlg->HelpBtn->text(), QString("&Help"));
    QVERIFY(!Combi1Dlg->HelpBtn->icon().isNull());
    QCOMPARE(Combi1Dlg->BitBtn1->objectName(), QString("BitBtn1"));
    QCOMPARE(Combi1Dlg->BitBtn1->text(), QString("&Quit"));
  }

  void radioGroupsStartOnTheirFirstItem() {
    RadioGroup* type = Combi1Dlg->findChild<RadioGroup*>("RadioGroup1");
    RadioGroup* mixing = Combi1Dlg->findChild<RadioGroup*>("RadioGroup2");
    QVERIFY(type && mixing);
    QCOMPARE(type->title(), QString("Type of Heat Exchanger"));
    QCOMPARE(mixing->title(), QString("Type of Cross Flow"));
    const QStringList types = {"Parallel Flow", "Counter Flow",
                               "Shell and Tube (one pass, 2,4, or 6 tubes)",
                               "All exchangers with C=0", "Cross Flow"};
    const QStringList mixings = {"Cold fluid is unmixed", "Cold fluid is mixed",
                                 "Both fluids are mixed", "Both fluids are unmixed"};
    QCOMPARE(type->count(), int(types.size()));
    for (int i = 0; i < types.size(); ++i)
      QCOMPARE(type->itemText(i), types[i]);
    QCOMPARE(mixing->count(), int(mixings.size()));
    for (int i = 0; i < mixings.size(); ++i)
      QCOMPARE(mixing->itemText(i), mixings[i]);
    QCOMPARE(type->itemIndex(), 0);
    QCOMPARE(mixing->itemIndex(), 0);
    QVERIFY(!mixing->isVisible());
  }

  // Checking hides the field and greys the caption; unchecking brings both back,
  // with the text typed before. Clicks and changes from code react alike.
  void unknownBoxHidesItsField_data() {
    QTest::addColumn<QString>("boxName");
    QTest::addColumn<QString>("editName");
    QTest::addColumn<bool>("byClick");
    for (const calvora::ThermalField& box : calvora::kThermalUnknownFields) {
      const QString edit =
          Q(calvora::fields::FindField(calvora::kThermalInputFields, box.key)->objectName);
      QTest::addRow("%s click", box.objectName.data()) << Q(box.objectName) << edit << true;
      QTest::addRow("%s code", box.objectName.data()) << Q(box.objectName) << edit << false;
    }
  }
  void unknownBoxHidesItsField() {
    QFETCH(QString, boxName);
    QFETCH(QString, editName);
    QFETCH(bool, byClick);
    auto* box = Combi1Dlg->findChild<QCheckBox*>(boxName);
    auto* edit = Combi1Dlg->findChild<QLineEdit*>(editName);
    QTest::keyClicks(edit, "42.5");
    const QRect boxPlace = box->geometry();
    auto toggle = [&] {
      if (byClick)
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
      else
        box->setChecked(!box->isChecked());
    };

    toggle();
    QVERIFY(box->isChecked());
    QVERIFY(!edit->isVisible());
    QCOMPARE(CaptionColour(box), kGrey);
    QCOMPARE(box->geometry(), boxPlace);  // nothing moves when a field hides

    toggle();
    QVERIFY(!box->isChecked());
    QVERIFY(edit->isVisible());
    QCOMPARE(CaptionColour(box), kBlack);
    QCOMPARE(edit->text(), QString("42.5"));
  }

  void boxesDoNotTouchOtherRows() {
    Combi1Dlg->CheckBox7->setChecked(true);
    for (QLineEdit* edit : {Combi1Dlg->Edit1, Combi1Dlg->Edit2, Combi1Dlg->Edit3, Combi1Dlg->Edit4,
                            Combi1Dlg->Edit5, Combi1Dlg->Edit6, Combi1Dlg->Edit8, Combi1Dlg->Edit9,
                            Combi1Dlg->Edit10, Combi1Dlg->Edit11})
      QVERIFY2(edit->isVisible(), qPrintable(edit->objectName()));
    QVERIFY(!Combi1Dlg->Edit7->isVisible());
  }

  void crossFlowChoiceFollowsTheTypeSetFromCode() {
    RadioGroup* type = Combi1Dlg->RadioGroup1;
    RadioGroup* mixing = Combi1Dlg->RadioGroup2;
    for (int i = 0; i < type->count(); ++i) {
      type->setItemIndex(i);
      QCOMPARE(mixing->isVisible(), type->itemText(i) == "Cross Flow");
    }
    type->setItemIndex(4);
    QVERIFY(mixing->isVisible());
    type->setItemIndex(0);
    QVERIFY(!mixing->isVisible());
  }

  void crossFlowChoiceFollowsTheTypeClicked() {
    RadioGroup* type = Combi1Dlg->RadioGroup1;
    QTest::mouseClick(type->button(4), Qt::LeftButton, {},
                      QPoint(6, type->button(4)->height() / 2));
    QCOMPARE(type->itemIndex(), 4);
    QVERIFY(Combi1Dlg->RadioGroup2->isVisible());
    QTest::mouseClick(type->button(1), Qt::LeftButton, {},
                      QPoint(6, type->button(1)->height() / 2));
    QCOMPARE(type->itemIndex(), 1);
    QVERIFY(!Combi1Dlg->RadioGroup2->isVisible());
  }

  // The mixing choice keeps its place while hidden, so showing it moves nothing.
  void showingTheMixingChoiceMovesNothing() {
    const QSize size = Combi1Dlg->size();
    const QRect ok = Combi1Dlg->OkBtn->geometry();
    Combi1Dlg->RadioGroup1->setItemIndex(4);
    QCoreApplication::processEvents();
    QCOMPARE(Combi1Dlg->size(), size);
    QCOMPARE(Combi1Dlg->OkBtn->geometry(), ok);
  }

  void enterPressesOk() {
    MessageBoxRecorder boxes;
    QSignalSpy ok(Combi1Dlg->OkBtn, &QPushButton::clicked);
    QSignalSpy back(Combi1Dlg->CancelBtn, &QPushButton::clicked);
    Combi1Dlg->Edit5->setFocus();
    QTest::keyClick(Combi1Dlg->Edit5, Qt::Key_Return);
    QCOMPARE(ok.count(), 1);
    QCOMPARE(back.count(), 0);
  }

  void escapeActsAsBack() {
    QTest::keyClicks(Combi1Dlg->Edit3, "15");
    QTest::keyClick(Combi1Dlg->Edit3, Qt::Key_Escape);
    QVERIFY(!Combi1Dlg->isVisible());
    QVERIFY(Mainform->isVisible());
    QCOMPARE(Combi1Dlg->Edit3->text(), QString("15"));
  }

  // Tab visits the seven boxes, then the fields top to bottom, the two choices and
  // the buttons.
  void tabOrder() {
    Combi1Dlg->RadioGroup1->setItemIndex(4);  // make the mixing choice reachable
    Combi1Dlg->RadioGroup2->setItemIndex(2);
    QList<QWidget*> expected = {Combi1Dlg->CheckBox2, Combi1Dlg->CheckBox4, Combi1Dlg->CheckBox5,
                                Combi1Dlg->CheckBox6, Combi1Dlg->CheckBox7, Combi1Dlg->CheckBox8,
                                Combi1Dlg->CheckBox9, Combi1Dlg->Edit1,     Combi1Dlg->Edit3,
                                Combi1Dlg->Edit2,     Combi1Dlg->Edit4,     Combi1Dlg->Edit5,
                                Combi1Dlg->Edit6,     Combi1Dlg->Edit7,     Combi1Dlg->Edit8,
                                Combi1Dlg->Edit9,     Combi1Dlg->Edit10,    Combi1Dlg->Edit11};
    // Each radio group is one stop (the arrow keys move inside it).
    expected << Combi1Dlg->RadioGroup1 << Combi1Dlg->RadioGroup2 << Combi1Dlg->OkBtn
             << Combi1Dlg->CancelBtn << Combi1Dlg->HelpBtn << Combi1Dlg->BitBtn1
             << Combi1Dlg->CheckBox2;
    Combi1Dlg->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Combi1Dlg));
    Combi1Dlg->CheckBox2->setFocus();
    auto stop = [] {
      QWidget* focus = QApplication::focusWidget();
      if (qobject_cast<QRadioButton*>(focus))
        return focus->parentWidget();
      return focus;
    };
    QList<QWidget*> visited = {stop()};
    for (int i = 1; i < expected.size(); ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      visited << stop();
    }
    for (int i = 0; i < expected.size(); ++i) {
      QVERIFY2(visited[i] == expected[i],
               qPrintable(QString("step %1: %2 instead of %3")
                              .arg(i)
                              .arg(visited[i] ? visited[i]->objectName() : "nothing")
                              .arg(expected[i]->objectName())));
    }
  }

  // The arrow keys move the selection inside a choice, and Tab then leaves it.
  void arrowKeysMoveInsideAChoice() {
    Combi1Dlg->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Combi1Dlg));
    Combi1Dlg->RadioGroup1->button(0)->setFocus();
    QTest::keyClick(Combi1Dlg->RadioGroup1->button(0), Qt::Key_Down);
    QCOMPARE(Combi1Dlg->RadioGroup1->itemIndex(), 1);
    QCOMPARE(QApplication::focusWidget(), Combi1Dlg->RadioGroup1->button(1));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(Combi1Dlg->OkBtn));
  }

  // A hidden field is skipped by Tab.
  void tabSkipsHiddenFields() {
    Combi1Dlg->CheckBox4->setChecked(true);
    Combi1Dlg->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Combi1Dlg));
    Combi1Dlg->Edit2->setFocus();
    QTest::keyClick(Combi1Dlg->Edit2, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(Combi1Dlg->Edit5));
  }
};

QTEST_MAIN(Combi1Test)
#include "Combi1_test.moc"
