// One thermal run and one design run from the keyboard alone: every key goes to
// the widget that has the keyboard focus, as a person's keys would, starting at
// the main menu.

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

#include "analyses/DoublePipe.h"
#include "common/Format.h"
#include "common/ui/QtMessages.h"
#include "common/ui/RadioGroup.h"
#include "design/ui/Arangem.h"
#include "design/ui/Combi2.h"
#include "design/ui/Crosmix.h"
#include "design/ui/Linearr.h"
#include "design/ui/Other1.h"
#include "design/ui/Other2.h"
#include "design/ui/Pressu.h"
#include "design/ui/Result2.h"
#include "shell/Main.h"
#include "shell/Screens.h"
#include "support/MessageBoxRecorder.h"
#include "thermal/ui/Combi1.h"
#include "thermal/ui/Result1.h"

namespace {

QString FocusName() {
  QWidget* focus = QApplication::focusWidget();
  return focus ? focus->objectName() : QString("<no focus>");
}

// A key pressed by the user reaches the focused widget of the active window.
void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QWidget* target = QApplication::focusWidget();
  if (!target)
    target = QApplication::activeWindow();
  if (!target)
    qFatal("no window takes the keyboard");
  QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
}

void Type(const QString& text) {
  for (QChar c : text)
    QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
}

// Typed numbers in the platform's notation.
QString Number(const char* text) {
  QString s = QString::fromLatin1(text);
  s.replace('.', QChar(PlatformDecimalSeparator()));
  return s;
}

QString Formatted(double value, int precision, int decimals) {
  return QString::fromStdString(
      calvora::FormatFixed(value, precision, decimals, PlatformDecimalSeparator()));
}

QString ResultText(QWidget* screen, const char* name) {
  auto* field = screen->findChild<QLineEdit*>(name);
  return field ? field->text() : QString("<missing %1>").arg(name);
}

}  // namespace

// Tab moves the focus to the named control.
#define TAB_TO(name)                      \
  do {                                    \
    Press(Qt::Key_Tab);                   \
    QCOMPARE(FocusName(), QString(name)); \
  } while (false)

class KeyboardTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    CreateScreens();
    Mainform->show();
    QVERIFY(QTest::qWaitForWindowActive(Mainform));
  }
  void cleanup() { DestroyScreens(); }

  // Cross flow with the cold fluid mixed; Mh, Q and A unknown. By hand:
  // Q = 2 * 4180 * 25 = 209 kW, mh = 209000 / (40 * 2000) = 2.6125, eps = 0.4,
  // C = 5225 / 8360 = 0.625, NTU = -ln(1 + ln(1 - 0.625 * 0.4) / 0.625) = 0.61673,
  // A = NTU * 5225 / 800 = 4.0280.
  void thermalRunWithKeysOnly() {
    MessageBoxRecorder boxes;
    QCOMPARE(FocusName(), QString("BitBtn1"));
    Press(Qt::Key_T, Qt::AltModifier);
    QTRY_VERIFY(Combi1Dlg->isVisible());
    QVERIFY(!Mainform->isVisible());
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(Combi1Dlg));
    QCOMPARE(FocusName(), QString("CheckBox2"));

    // The unknown boxes come first: Mh, Q and A.
    TAB_TO("CheckBox4");
    TAB_TO("CheckBox5");
    Press(Qt::Key_Space);
    TAB_TO("CheckBox6");
    TAB_TO("CheckBox7");
    Press(Qt::Key_Space);
    TAB_TO("CheckBox8");
    Press(Qt::Key_Space);
    QVERIFY(Combi1Dlg->CheckBox5->isChecked());
    QVERIFY(Combi1Dlg->CheckBox7->isChecked());
    QVERIFY(Combi1Dlg->CheckBox8->isChecked());
    TAB_TO("CheckBox9");

    // Then the fields top to bottom; the hidden ones of the unknowns are passed over.
    struct Field {
      const char* name;
      const char* text;
    };
    const Field fields[] = {{"Edit1", "120"},   {"Edit3", "20"},   {"Edit2", "80"},
                            {"Edit4", "45"},    {"Edit6", "2.0"},  {"Edit9", "800"},
                            {"Edit10", "4180"}, {"Edit11", "2000"}};
    for (const Field& f : fields) {
      TAB_TO(f.name);
      Type(Number(f.text));
    }

    // The exchanger type by the arrow keys, then the mixing case it shows.
    TAB_TO("RadioGroup1_Item0");
    for (int i = 0; i < 4; ++i)
      Press(Qt::Key_Down);
    QCOMPARE(Combi1Dlg->RadioGroup1->selectedText(), QString("Cross Flow"));
    QVERIFY(Combi1Dlg->RadioGroup2->isVisible());
    TAB_TO("RadioGroup2_Item0");
    Press(Qt::Key_Down);
    QCOMPARE(Combi1Dlg->RadioGroup2->selectedText(), QString("Cold fluid is mixed"));

    Press(Qt::Key_Return);
    QVERIFY2(boxes.boxes.isEmpty(), qPrintable(boxes.texts().join(" | ")));
    QVERIFY(Results1->isVisible());
    QVERIFY(!Combi1Dlg->isVisible());
    const char* expected[] = {"120.000",  "20.000",     "80.000",   "45.000",   "800.000",
                              "2.000",    "2.612",      "4180.000", "2000.000", "5225.000",
                              "8360.000", "209000.000", "4.0280",   "0.4000",   "0.6167"};
    for (int i = 0; i < 15; ++i) {
      QCOMPARE(ResultText(Results1, qPrintable(QString("Edit%1").arg(i + 1))), Number(expected[i]));
    }

    // Escape goes back step by step: to the input screen, then the main menu.
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(Results1));
    Press(Qt::Key_Escape);
    QVERIFY(!Results1->isVisible());
    QVERIFY(Combi1Dlg->isVisible());
    QCOMPARE(Combi1Dlg->Edit11->text(), QString("2000"));
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(Combi1Dlg));
    Press(Qt::Key_Escape);
    QVERIFY(!Combi1Dlg->isVisible());
    QVERIFY(Mainform->isVisible());
  }

  // Saturated water at 80 C in a 20/25 mm tube, engine oil at 40 C in a 40/45 mm
  // outer tube, 5 m long, counter flow with the iteration and both pressure drops
  // (inlet and outlet pipes of 30 and 35 mm): the fields show what the analysis
  // gives for the same entries.
  void designRunWithKeysOnly() {
    MessageBoxRecorder boxes;
    TAB_TO("BitBtn2");
    Press(Qt::Key_Return);
    QTRY_VERIFY(Combi2Dlg->isVisible());
    QVERIFY(!Mainform->isVisible());
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(Combi2Dlg));
    QCOMPARE(Combi2Dlg->showingPageCaption(), QString("Double pipe"));

    const char* entries[][2] = {{"Edit1", "0.02"},  {"Edit2", "0.025"}, {"Edit3", "0.04"},
                                {"Edit4", "0.045"}, {"Edit5", "5"},     {"Edit6", "0.2"},
                                {"Edit7", "0.3"}};
    // The page's tab bar takes the focus first.
    QCOMPARE(FocusName(), QString("qt_tabwidget_tabbar"));
    for (const auto& entry : entries) {
      TAB_TO(entry[0]);
      Type(Number(entry[1]));
    }
    // Inner fluid: saturated water, one step down from air.
    TAB_TO("RadioGroup1_Item0");
    Press(Qt::Key_Down);
    TAB_TO("Edit19");
    Type("80");
    // Outer fluid: engine oil, two steps down.
    TAB_TO("RadioGroup2_Item0");
    Press(Qt::Key_Down);
    Press(Qt::Key_Down);
    TAB_TO("Edit20");
    Type("40");
    auto* page = Combi2Dlg->notebook()->currentWidget();
    QCOMPARE(page->findChild<RadioGroup*>("RadioGroup1")->selectedText(),
             QString("Saturated Water"));
    QCOMPARE(page->findChild<RadioGroup*>("RadioGroup2")->selectedText(),
             QString("Oil (Engine,Unused)"));
    QVERIFY(boxes.boxes.isEmpty());

    // Copper stays; the iteration box enables the flow condition.
    TAB_TO("RadioGroup3_Item0");
    TAB_TO("CheckBox1");
    TAB_TO("CheckBox2");
    Press(Qt::Key_Space);
    // Back to the flow condition (it comes before the boxes) for counter flow.
    Press(Qt::Key_Tab, Qt::ShiftModifier);
    Press(Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(FocusName(), QString("RadioGroup4_Item0"));
    Press(Qt::Key_Down);
    QCOMPARE(page->findChild<RadioGroup*>("RadioGroup4")->itemIndex(), 1);

    // The pressure-drop box opens its dialog, which takes the keyboard.
    TAB_TO("CheckBox1");
    Press(Qt::Key_Space);
    QVERIFY(Pressdlg->isVisible());
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(Pressdlg));
    // Tube types stay smooth; the two pipe diameters.
    QCOMPARE(FocusName(), QString("RadioGroup1_Item0"));
    TAB_TO("RadioGroup2_Item0");
    TAB_TO("Edit1");
    Type(Number("0.03"));
    TAB_TO("Edit2");
    Type(Number("0.035"));
    Press(Qt::Key_Return);
    QVERIFY(!Pressdlg->isVisible());
    QVERIFY(Combi2Dlg->isEnabled());
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(Combi2Dlg));
    QCOMPARE(FocusName(), QString("CheckBox1"));

    Press(Qt::Key_Return);
    QVERIFY2(boxes.boxes.isEmpty(), qPrintable(boxes.texts().join(" | ")));
    QVERIFY(Results2->isVisible());
    QVERIFY(!Combi2Dlg->isVisible());

    calvora::DoublePipeInputs in;
    in.innerFluid = 1;
    in.outerFluid = 2;
    in.innerTubeInsideDiameter = Number("0.02").toStdString();
    in.innerTubeOutsideDiameter = Number("0.025").toStdString();
    in.outerTubeInsideDiameter = Number("0.04").toStdString();
    in.outerTubeOutsideDiameter = Number("0.045").toStdString();
    in.length = "5";
    in.innerMassFlow = Number("0.2").toStdString();
    in.outerMassFlow = Number("0.3").toStdString();
    in.innerTemperature = "80";
    in.outerTemperature = "40";
    in.iteration = true;
    in.flowCondition = 1;
    in.pressureDrops = true;
    in.inletPipeDiameter = Number("0.03").toStdString();
    in.outletPipeDiameter = Number("0.035").toStdString();
    in.decimalSeparator = PlatformDecimalSeparator();
    calvora::RecordingMessages messages;
    const calvora::DesignResult r = calvora::DoublePipeAnalysis(in, messages).result;
    QCOMPARE(ResultText(Results2, "Edit3"), Formatted(r.innerReynolds, 10, 4));
    QCOMPARE(ResultText(Results2, "Edit8"), Formatted(r.overallCoefficient, 10, 4));
    QCOMPARE(ResultText(Results2, "Edit9"), Formatted(r.heatTransferRate, 10, 3));
    QCOMPARE(ResultText(Results2, "Edit10"), Formatted(r.coldOutletTemperature, 10, 3));
    QCOMPARE(ResultText(Results2, "Edit11"), Formatted(r.hotOutletTemperature, 10, 3));
    QCOMPARE(ResultText(Results2, "Edit12"), Formatted(r.innerPressureDrop, 10, 4));
    QCOMPARE(ResultText(Results2, "Edit13"), Formatted(r.outerPressureDrop, 10, 4));
    QVERIFY(r.innerPressureDrop > 0);

    // Escape back to the design screen with its entries, then to the main menu.
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(Results2));
    Press(Qt::Key_Escape);
    QVERIFY(!Results2->isVisible());
    QVERIFY(Combi2Dlg->isVisible());
    QCOMPARE(ResultText(Combi2Dlg, "Edit19"), QString("80"));
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(Combi2Dlg));
    Press(Qt::Key_Escape);
    QVERIFY(!Combi2Dlg->isVisible());
    QVERIFY(Mainform->isVisible());
  }

  // Each dialog of the design screen opens from a key on its control, takes the
  // keyboard, and Escape (as its close box) ends it: the design screen is enabled
  // again and the keyboard is back on the control that opened it.
  void designDialogsGiveTheKeyboardBack_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("opener");
    QTest::addColumn<int>("downs");  // arrow presses before Space
    QTest::addColumn<QString>("dialog");
    QTest::newRow("inner fluid data") << 0 << "RadioGroup1_Item0" << 3 << "Other1dlg";
    QTest::newRow("pressure drops") << 0 << "CheckBox1" << 0 << "Pressdlg";
    QTest::newRow("mixing") << 1 << "CheckBox4" << 0 << "Crossmix";
    QTest::newRow("in-line pitches") << 1 << "RadioGroup8_Item0" << 0 << "Inlinedlg";
    QTest::newRow("arrangement") << 2 << "BitBtn1" << 0 << "Arrangem";
    QTest::newRow("outer liquid data") << 3 << "RadioGroup13_Item0" << 3 << "Other2dlg";
  }
  void designDialogsGiveTheKeyboardBack() {
    QFETCH(int, page);
    QFETCH(QString, opener);
    QFETCH(int, downs);
    QFETCH(QString, dialog);
    MessageBoxRecorder boxes;
    Mainform->BitBtn2->click();
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(Combi2Dlg));
    Combi2Dlg->notebook()->setCurrentIndex(page);
    Combi2Dlg->findChild<QLineEdit*>("Edit9")->setText("0.02");  // bounds of the pitches
    auto* control = Combi2Dlg->notebook()->currentWidget()->findChild<QWidget*>(opener);
    QVERIFY(control);
    control->setFocus();
    QCOMPARE(FocusName(), opener);
    for (int i = 0; i < downs; ++i)
      Press(Qt::Key_Down);
    if (downs == 0)
      Press(Qt::Key_Space);
    // The keyboard comes back to the control, or to the choice at its new item.
    QString focused = opener;
    focused.replace("_Item0", QString("_Item%1").arg(downs));
    QWidget* window = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (w->objectName() == dialog)
        window = w;
    }
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QVERIFY(!Combi2Dlg->isEnabled());
    QTRY_COMPARE(QApplication::activeWindow(), window);
    QVERIFY(QApplication::focusWidget() && QApplication::focusWidget()->window() == window);
    Press(Qt::Key_Escape);
    QVERIFY(!window->isVisible());
    QVERIFY(Combi2Dlg->isEnabled());
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(Combi2Dlg));
    QCOMPARE(FocusName(), focused);
    QVERIFY2(boxes.boxes.isEmpty(), qPrintable(boxes.texts().join(" | ")));
  }

  // Tab visits each screen top to bottom and left to right: on the design
  // screen the left column's entries and choices, then the right column, then
  // the buttons; a choice once, at its selected item. Hidden fields are passed
  // over.
  void tabOrderFollowsTheLayout_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("page");
    QTest::addColumn<QStringList>("order");
    const QStringList buttons = {"OKBtn", "CancelBtn", "HelpBtn", "BitBtn3"};
    QTest::newRow("main menu") << "Mainform" << -1
                               << QStringList{"BitBtn1", "BitBtn2", "BitBtn4", "BitBtn3"};
    QTest::newRow("double pipe") << "Combi2Dlg" << 0
                                 << QStringList{"qt_tabwidget_tabbar",
                                                "Edit1",
                                                "Edit2",
                                                "Edit3",
                                                "Edit4",
                                                "Edit5",
                                                "Edit6",
                                                "Edit7",
                                                "RadioGroup1_Item0",
                                                "Edit19",
                                                "RadioGroup2_Item0",
                                                "Edit20",
                                                "RadioGroup3_Item0",
                                                "CheckBox1",
                                                "CheckBox2"} +
                                        buttons;
    QTest::newRow("cross flow") << "Combi2Dlg" << 1
                                << QStringList{"qt_tabwidget_tabbar",
                                               "Edit8",
                                               "Edit9",
                                               "Edit10",
                                               "Edit11",
                                               "Edit12",
                                               "Edit13",
                                               "Edit14",
                                               "Edit15",
                                               "RadioGroup5_Item0",
                                               "Edit21",
                                               "RadioGroup6_Item0",
                                               "Edit22",
                                               "RadioGroup7_Item0",
                                               "RadioGroup8_Item0",
                                               "CheckBox3",
                                               "CheckBox4"} +
                                       buttons;
    QTest::newRow("shell and tube") << "Combi2Dlg" << 2
                                    << QStringList{"qt_tabwidget_tabbar",
                                                   "Edit16",
                                                   "Edit17",
                                                   "Edit18",
                                                   "Edit25",
                                                   "Edit26",
                                                   "Edit27",
                                                   "Edit31",
                                                   "Edit32",
                                                   "RadioGroup9_Item0",
                                                   "Edit23",
                                                   "RadioGroup10_Item0",
                                                   "Edit24",
                                                   "RadioGroup11_Item0",
                                                   "CheckBox5",
                                                   "CheckBox6",
                                                   "BitBtn1"} +
                                           buttons;
    QTest::newRow("compacts") << "Combi2Dlg" << 3
                              << QStringList{"qt_tabwidget_tabbar",
                                             "ComboBox1",
                                             "Edit40",
                                             "Edit39",
                                             "Edit38",
                                             "Edit37",
                                             "Edit41",
                                             "Edit42",
                                             "Edit36",
                                             "RadioGroup14_Item0",
                                             "Edit33",
                                             "RadioGroup13_Item0",
                                             "Edit34",
                                             "RadioGroup12_Item0",
                                             "CheckBox7",
                                             "CheckBox8"} +
                                     buttons;
    QStringList thermalResults;
    for (int i = 1; i <= 15; ++i)
      thermalResults << QString("Edit%1").arg(i);
    QTest::newRow("thermal results")
        << "Results1" << -1
        << thermalResults + QStringList{"BackBtn", "SaveBtn", "PrintBtn", "HelpBtn", "QuitBtn"};
    QStringList designResults;
    for (int i :
         {1, 2, 3, 4, 5, 6, 7, 8, 12, 13, 9, 10, 11, 22, 23, 14, 15, 16, 17, 18, 19, 20, 21})
      designResults << QString("Edit%1").arg(i);
    QTest::newRow("design results")
        << "Results2" << -1
        << designResults + QStringList{"BackBtn", "PrintBtn", "SaveBtn", "QuitBtn", "HelpBtn"};
    QTest::newRow("fluid data") << "Other1dlg" << -1 << QStringList{"Edit1", "Edit2",   "Edit3",
                                                                    "Edit4", "BitBtn1", "BitBtn2"};
    QTest::newRow("pressure drops")
        << "Pressdlg" << -1
        << QStringList{"RadioGroup1_Item0", "RadioGroup2_Item0", "Edit1",  "Edit2",
                       "BitBtn1",           "BitBtn2",           "BitBtn3"};
    QTest::newRow("mixing") << "Crossmix" << -1
                            << QStringList{"RadioGroup1_Item0", "BitBtn1", "BitBtn2"};
    QTest::newRow("in line") << "Inlinedlg" << -1
                             << QStringList{"Edit1", "Edit2", "BitBtn1", "BitBtn2"};
    QTest::newRow("staggered") << "Staggerdlg" << -1
                               << QStringList{"Edit1", "Edit2", "BitBtn1", "BitBtn2"};
    QTest::newRow("arrangement") << "Arrangem" << -1 << QStringList{"RadioButton1", "BitBtn1"};
  }
  void tabOrderFollowsTheLayout() {
    QFETCH(QString, window);
    QFETCH(int, page);
    QFETCH(QStringList, order);
    QWidget* screen = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (w->objectName() == window)
        screen = w;
    }
    QVERIFY(screen);
    if (screen != Mainform)
      Mainform->hide();
    screen->show();
    if (page >= 0)
      Combi2Dlg->notebook()->setCurrentIndex(page);
    QVERIFY(QTest::qWaitForWindowActive(screen));
    // Only what shows takes the focus.
    QStringList shown;
    for (const QString& name : order) {
      auto* w = screen->findChild<QWidget*>(name);
      QVERIFY2(w, qPrintable(name));
      if (w->isVisible())
        shown << name;
    }
    screen->findChild<QWidget*>(shown.first())->setFocus();
    QStringList visited = {FocusName()};
    for (int i = 1; i <= shown.size(); ++i) {
      Press(Qt::Key_Tab);
      visited << FocusName();
    }
    QCOMPARE(visited, shown + QStringList{shown.first()});
  }

  // Each "&" caption gives its button a key of its own within its window, and
  // the key presses it.
  void mnemonicsAreUniqueAndPress() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      QMap<QChar, QString> keys;
      for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        const QString text = button->text();
        const qsizetype amp = text.indexOf('&');
        if (amp < 0 || amp + 1 >= text.size())
          continue;
        const QChar key = text[amp + 1].toUpper();
        QVERIFY2(!keys.contains(key), qPrintable(window->objectName() + ": " + keys.value(key) +
                                                 " and " + button->objectName()));
        keys.insert(key, button->objectName());
      }
    }
    // Alt+C opens the design screen, Alt+B goes back from it.
    Press(Qt::Key_C, Qt::AltModifier);
    QTRY_VERIFY(Combi2Dlg->isVisible());
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(Combi2Dlg));
    Press(Qt::Key_B, Qt::AltModifier);
    QTRY_VERIFY(!Combi2Dlg->isVisible());
    QVERIFY(Mainform->isVisible());
  }

  // The design screen's pages change from the keyboard: the arrow keys on the
  // page tabs, Ctrl+Tab and Ctrl+Shift+Tab from any control of a page.
  void designPagesChangeFromTheKeyboard() {
    Press(Qt::Key_C, Qt::AltModifier);
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(Combi2Dlg));
    QTabWidget* pages = Combi2Dlg->notebook();
    pages->setCurrentIndex(0);
    QCOMPARE(FocusName(), QString("qt_tabwidget_tabbar"));
    Press(Qt::Key_Right);
    QCOMPARE(Combi2Dlg->showingPageCaption(), QString("Cross Flow"));
    TAB_TO("Edit8");
    Press(Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(Combi2Dlg->showingPageCaption(), QString("Shell and Tube"));
    Press(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(Combi2Dlg->showingPageCaption(), QString("Cross Flow"));
  }
};

QTEST_MAIN(KeyboardTest)
#include "Keyboard_test.moc"
