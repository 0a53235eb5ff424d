// The auxiliary dialogs of the design screen driven by objectName: their
// controls, OK validation with its messages, Cancel's resets on the design
// screen, and the design screen disabled while one of them is open.
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QTest>

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
#include "design/ui/Stagearr.h"
#include "shell/Screens.h"
#include "support/MessageBoxRecorder.h"

namespace {

template <typename T = QWidget>
T* Get(QWidget* screen, const char* name) {
  T* widget = screen->findChild<T*>(name);
  if (!widget)
    qFatal("no control %s in %s", name, qPrintable(screen->objectName()));
  return widget;
}

QLineEdit* Edit(QWidget* screen, const char* name) {
  return Get<QLineEdit>(screen, name);
}
RadioGroup* Group(QWidget* screen, const char* name) {
  return Get<RadioGroup>(screen, name);
}
QString Text(QWidget* screen, const char* name) {
  return Get<QLabel>(screen, name)->text();
}
void Press(QWidget* dialog, const char* button) {
  Get<QPushButton>(dialog, button)->click();
}

// Numbers typed with the platform's separator.
QString Number(const char* text) {
  return QString(text).replace('.', QChar(PlatformDecimalSeparator()));
}

void ShowPage(int page) {
  Combi2Dlg->show();
  Combi2Dlg->notebook()->setCurrentIndex(page);
}

}  // namespace

class DesignDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QApplication::setQuitOnLastWindowClosed(false);
    CreateScreens();
  }

  void cleanup() {
    for (QWidget* dialog : std::initializer_list<QWidget*>{Other1dlg, Other2dlg, Pressdlg, Crossmix,
                                                           Inlinedlg, Staggerdlg, Arrangem})
      dialog->hide();
    QVERIFY(Combi2Dlg->isEnabled());
  }

  void dialogsAreTopLevelWithTheirCaptions() {
    const std::pair<QWidget*, const char*> dialogs[] = {
        {Other1dlg, "Inner fluid data"},
        {Other2dlg, "Outer fluid data"},
        {Pressdlg, "Please enter the following information"},
        {Crossmix, "Information"},
        {Inlinedlg, ""},
        {Staggerdlg, ""},
        {Arrangem, "Shell and Tube Arrangement"}};
    for (const auto& [dialog, caption] : dialogs) {
      QVERIFY(dialog->isWindow());
      QVERIFY(dialog->parentWidget() == nullptr);
      QCOMPARE(dialog->windowTitle(), QString(caption));
    }
    QCOMPARE(Group(Crossmix, "RadioGroup1")->itemText(3), QString("Both fluids are unmixed"));
    QCOMPARE(Group(Crossmix, "RadioGroup1")->itemIndex(), 0);
    QCOMPARE(Group(Pressdlg, "RadioGroup1")->selectedText(), QString("Smooth"));
    QCOMPARE(Group(Pressdlg, "RadioGroup2")->itemText(1), QString("Commercial/Slightly corroded"));
    QCOMPARE(Text(Pressdlg, "Label3"),
             QString("Inside diameter of the inlet pipe to the shell side header (m):"));
    QVERIFY(Edit(Pressdlg, "Edit3")->isHidden());
  }

  // The design screen, the results screen and the dialogs of the fluid data,
  // pressure drops and mixing open in the middle of the screen.
  void screensOpenCentred() {
    Combi2Dlg->show();
    Results2->show();
    const QList<QWidget*> windows = {Combi2Dlg, Results2, Other1dlg, Other2dlg, Pressdlg, Crossmix};
    for (QWidget* window : windows) {
      if (window != Combi2Dlg && window != Results2)
        Combi2Dlg->openDialog(window);
      const QPoint middle = window->screen()->availableGeometry().center();
      const QPoint centre = window->frameGeometry().center();
      QVERIFY2((centre - middle).manhattanLength() <= 2, qPrintable(window->objectName()));
      window->hide();
    }
    Results2->hide();
    Combi2Dlg->hide();
  }

  void spacingDialogsShowTablesAndDefaults() {
    QCOMPARE(Edit(Inlinedlg, "Edit1")->text(), QString("0.02"));
    QCOMPARE(Edit(Inlinedlg, "Edit2")->text(), QString("0.03"));
    QCOMPARE(Edit(Staggerdlg, "Edit1")->text(), QString("0.0075"));
    QCOMPARE(Edit(Staggerdlg, "Edit2")->text(), QString("0.025"));
    QCOMPARE(Text(Inlinedlg, "CTable_1_1"), QString("0.3860"));
    QCOMPARE(Text(Inlinedlg, "CTable_1_4"), QString("0.0703"));
    QCOMPARE(Text(Inlinedlg, "NTable_4_4"), QString("0.6080"));
    QCOMPARE(Text(Staggerdlg, "CTable_1_1"), QString("0.0000"));
    QCOMPARE(Text(Staggerdlg, "CTable_1_4"), QString("0.2360"));
    QCOMPARE(Text(Staggerdlg, "NTable_8_1"), QString("0.5920"));
    QCOMPARE(Text(Inlinedlg, "Label13"), QString("Both must be ,"));
    QCOMPARE(Text(Staggerdlg, "Label95"), QString("Must be greater than "));
    QCOMPARE(Text(Staggerdlg, "Label98"), QString("Must be greater than  "));
  }

  void fluidDataOk_data() {
    QTest::addColumn<int>("side");  // 1 inner, 2 outer
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<bool>("accepted");
    for (int side : {1, 2}) {
      const char* fluid = side == 1 ? "inner" : "outer";
      QTest::addRow("%s, numbers", fluid)
          << side << QStringList{"1005", "1.8e-5", "0", "1.2"} << true;
      QTest::addRow("%s, letters in density", fluid)
          << side << QStringList{"1005", "1.8e-5", "0.026", "abc"} << false;
      QTest::addRow("%s, empty specific heat", fluid)
          << side << QStringList{"", "1.8e-5", "0.026", "1.2"} << false;
      QTest::addRow("%s, blank viscosity", fluid)
          << side << QStringList{"1005", " ", "0.026", "1.2"} << false;
    }
  }

  void fluidDataOk() {
    QFETCH(int, side);
    QFETCH(QStringList, entries);
    QFETCH(bool, accepted);
    QWidget* dialog = side == 1 ? static_cast<QWidget*>(Other1dlg) : Other2dlg;
    ShowPage(0);
    Combi2Dlg->openDialog(dialog);
    for (int i = 0; i < 4; ++i)
      Edit(dialog, qPrintable(QString("Edit%1").arg(i + 1)))
          ->setText(Number(qPrintable(entries[i])));
    MessageBoxRecorder recorder;
    Press(dialog, "BitBtn1");
    if (accepted) {
      QCOMPARE(recorder.boxes.size(), 0);
      QVERIFY(!dialog->isVisible());
      QVERIFY(Combi2Dlg->isEnabled());
    } else {
      QCOMPARE(recorder.boxes.size(), 1);
      QCOMPARE(recorder.boxes[0].icon, QMessageBox::Warning);
      QCOMPARE(recorder.boxes[0].text, QString("Please enter the required data."));
      QVERIFY(dialog->isVisible());
      QVERIFY(!Combi2Dlg->isEnabled());
    }
  }

  // Cancel resets the fluid choice of the showing page only, through its reaction.
  void fluidDataCancelResetsShowingPage_data() {
    QTest::addColumn<int>("side");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("label");
    QTest::newRow("inner, cross flow") << 1 << 1 << "RadioGroup5"
                                       << "Label37";
    QTest::newRow("inner, double pipe") << 1 << 0 << "RadioGroup1"
                                        << "Label35";
    QTest::newRow("inner, shell and tube") << 1 << 2 << "RadioGroup9"
                                           << "Label40";
    QTest::newRow("inner, compacts") << 1 << 3 << "RadioGroup14"
                                     << "Label45";
    QTest::newRow("outer, double pipe") << 2 << 0 << "RadioGroup2"
                                        << "Label36";
    QTest::newRow("outer, cross flow") << 2 << 1 << "RadioGroup6"
                                       << "Label38";
    QTest::newRow("outer, shell and tube") << 2 << 2 << "RadioGroup10"
                                           << "Label41";
    QTest::newRow("outer, compacts") << 2 << 3 << "RadioGroup13"
                                     << "Label44";
  }

  void fluidDataCancelResetsShowingPage() {
    QFETCH(int, side);
    QFETCH(int, page);
    QFETCH(QString, group);
    QFETCH(QString, label);
    QWidget* dialog = side == 1 ? static_cast<QWidget*>(Other1dlg) : Other2dlg;
    // Every page of that side on "Other fluid"; the dialog stays open for the last.
    const char* groups[2][4] = {{"RadioGroup1", "RadioGroup5", "RadioGroup9", "RadioGroup14"},
                                {"RadioGroup2", "RadioGroup6", "RadioGroup10", "RadioGroup13"}};
    for (const char* name : groups[side - 1]) {
      dialog->hide();
      Group(Combi2Dlg, name)->setItemIndex(3);
    }
    ShowPage(page);
    QVERIFY(!Combi2Dlg->isEnabled());
    Press(dialog, "BitBtn2");
    QVERIFY(!dialog->isVisible());
    QVERIFY(Combi2Dlg->isEnabled());
    QCOMPARE(Group(Combi2Dlg, qPrintable(group))->selectedText(), QString("Air"));
    QCOMPARE(Text(Combi2Dlg, qPrintable(label)), QString("(from -73 to 377 deg.c)"));
    for (const char* name : groups[side - 1]) {
      if (group != name)
        QCOMPARE(Group(Combi2Dlg, name)->itemIndex(), 3);
    }
    for (const char* name : groups[side - 1]) {
      Group(Combi2Dlg, name)->setItemIndex(0);
    }
  }

  void compactsOuterCancelEnablesPressureBox() {
    ShowPage(3);
    Group(Combi2Dlg, "RadioGroup13")->setItemIndex(3);
    QVERIFY(!Get(Combi2Dlg, "CheckBox7")->isEnabled());
    Press(Other2dlg, "BitBtn2");
    QVERIFY(Get(Combi2Dlg, "CheckBox7")->isEnabled());
    QVERIFY(!Get<QCheckBox>(Combi2Dlg, "CheckBox7")->isChecked());
  }

  void closeBoxEnablesDesignScreenWithoutChanges() {
    for (QWidget* dialog : std::initializer_list<QWidget*>{Other1dlg, Other2dlg, Pressdlg, Crossmix,
                                                           Inlinedlg, Staggerdlg, Arrangem}) {
      ShowPage(1);
      Combi2Dlg->openDialog(dialog);
      QVERIFY(!Combi2Dlg->isEnabled());
      QVERIFY(dialog->isEnabled());
      dialog->close();
      QVERIFY2(Combi2Dlg->isEnabled(), qPrintable(dialog->objectName()));
      Combi2Dlg->openDialog(dialog);
      QTest::keyClick(dialog, Qt::Key_Escape);
      QVERIFY2(!dialog->isVisible(), qPrintable(dialog->objectName()));
      QVERIFY(Combi2Dlg->isEnabled());
    }
  }

  void pressureOkChecksEmptiness_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("two filled") << 0 << QStringList{"0.05", "0.05", "", ""} << true;
    QTest::newRow("letters pass") << 1 << QStringList{"abc", "x", "", ""} << true;
    QTest::newRow("second empty") << 0 << QStringList{"0.05", "", "", ""} << false;
    QTest::newRow("first empty") << 3 << QStringList{"", "0.05", "", ""} << false;
    QTest::newRow("shell side four") << 2 << QStringList{"0.05", "0.05", "0.1", "0.1"} << true;
    QTest::newRow("shell side missing") << 2 << QStringList{"0.05", "0.05", "0.1", ""} << false;
  }

  void pressureOkChecksEmptiness() {
    QFETCH(int, page);
    QFETCH(QStringList, entries);
    QFETCH(bool, accepted);
    ShowPage(page);
    Pressdlg->prepareForPage(static_cast<calvora::design::DesignPage>(page));
    Combi2Dlg->openDialog(Pressdlg);
    for (int i = 0; i < 4; ++i)
      Edit(Pressdlg, qPrintable(QString("Edit%1").arg(i + 1)))->setText(entries[i]);
    MessageBoxRecorder recorder;
    Press(Pressdlg, "BitBtn1");
    QCOMPARE(!Pressdlg->isVisible(), accepted);
    QCOMPARE(Combi2Dlg->isEnabled(), accepted);
    if (!accepted) {
      QCOMPARE(recorder.boxes.size(), 1);
      QCOMPARE(recorder.boxes[0].icon, QMessageBox::Warning);
      QCOMPARE(recorder.boxes[0].text, QString("You need to enter the required data."));
    }
  }

  // Only emptiness is checked by the dialog; the letters surface when the
  // double-pipe analysis reads them.
  void pressureLettersReportedByAnalysis() {
    ShowPage(0);
    const std::pair<const char*, const char*> entries[] = {
        {"Edit1", "0.02"},  {"Edit2", "0.025"}, {"Edit3", "0.04"},
        {"Edit4", "0.045"}, {"Edit5", "3"},     {"Edit6", "0.1"},
        {"Edit7", "0.2"},   {"Edit19", "25"},   {"Edit20", "80"}};
    for (const auto& [name, text] : entries)
      Edit(Combi2Dlg, name)->setText(Number(text));
    Get<QCheckBox>(Combi2Dlg, "CheckBox1")->setChecked(true);
    Edit(Pressdlg, "Edit1")->setText("abc");
    Edit(Pressdlg, "Edit2")->setText(Number("0.05"));
    Press(Pressdlg, "BitBtn1");
    QVERIFY(!Pressdlg->isVisible());
    MessageBoxRecorder recorder;
    Press(Combi2Dlg, "OKBtn");
    QVERIFY(recorder.texts().contains("You need to enter all the required data."));
    QVERIFY(Combi2Dlg->isVisible());
    Get<QCheckBox>(Combi2Dlg, "CheckBox1")->setChecked(false);
    for (const auto& [name, text] : entries)
      Edit(Combi2Dlg, name)->clear();
  }

  void pressureCancelUnchecksShowingPageBox() {
    const char* boxes[4] = {"CheckBox1", "CheckBox3", "CheckBox5", "CheckBox7"};
    for (int page = 0; page < 4; ++page) {
      for (const char* name : boxes) {
        ShowPage(0);
        Get<QCheckBox>(Combi2Dlg, name)->setChecked(true);
        Pressdlg->hide();
      }
      ShowPage(page);
      Combi2Dlg->openDialog(Pressdlg);
      Press(Pressdlg, "BitBtn2");
      QVERIFY(!Pressdlg->isVisible());
      QVERIFY(Combi2Dlg->isEnabled());
      for (int other = 0; other < 4; ++other)
        QCOMPARE(Get<QCheckBox>(Combi2Dlg, boxes[other])->isChecked(), other != page);
      for (const char* name : boxes)
        Get<QCheckBox>(Combi2Dlg, name)->setChecked(false);
    }
  }

  void mixingOkKeepsAndCancelUnchecks() {
    ShowPage(1);
    QCheckBox* iteration = Get<QCheckBox>(Combi2Dlg, "CheckBox4");
    iteration->setChecked(true);
    Group(Crossmix, "RadioGroup1")->setItemIndex(2);
    Press(Crossmix, "BitBtn1");
    QVERIFY(iteration->isChecked());
    QCOMPARE(Group(Crossmix, "RadioGroup1")->itemIndex(), 2);
    QVERIFY(Combi2Dlg->isEnabled());
    iteration->setChecked(false);
    iteration->setChecked(true);
    ShowPage(0);  // the mixing belongs to the cross-flow page whatever shows
    Press(Crossmix, "BitBtn2");
    QVERIFY(!iteration->isChecked());
    QVERIFY(Combi2Dlg->isEnabled());
    Group(Crossmix, "RadioGroup1")->setItemIndex(0);
  }

  // Sp/d and Sn/d against the bounds, with d = 0.02 m.
  void spacingValidation_data() {
    QTest::addColumn<bool>("staggered");
    QTest::addColumn<QString>("d");
    QTest::addColumn<QString>("sp");
    QTest::addColumn<QString>("sn");
    QTest::addColumn<int>("icon");  // 0: accepted
    QTest::addColumn<QString>("message");
    const QString outOfRange = "Out of range, please try again.";
    const QString noValues = "No values of c2 or n2 available, please enter the data again.";
    const QString notNumber = "Please enter the required data.";
    const int info = QMessageBox::Information;
    const int warning = QMessageBox::Warning;
    QTest::newRow("in line 1.25, 1.5") << false << "0.02"
                                       << "0.025"
                                       << "0.03" << 0 << QString();
    QTest::newRow("in line 3.0, 3.0") << false << "0.02"
                                      << "0.06"
                                      << "0.06" << 0 << QString();
    QTest::newRow("in line Sp/d 1.0") << false << "0.02"
                                      << "0.02"
                                      << "0.03" << info << outOfRange;
    QTest::newRow("in line Sn/d 3.05") << false << "0.02"
                                       << "0.025"
                                       << "0.061" << info << outOfRange;
    QTest::newRow("in line letters") << false << "0.02"
                                     << "abc"
                                     << "0.03" << warning << notNumber;
    QTest::newRow("in line empty Sn") << false << "0.02"
                                      << "0.025"
                                      << "" << warning << notNumber;
    QTest::newRow("in line d not a number") << false << "x"
                                            << "0.025"
                                            << "0.03" << warning << notNumber;
    QTest::newRow("in line d zero") << false << "0"
                                    << "0.025"
                                    << "0.03" << info << outOfRange;
    QTest::newRow("staggered 0.6, 3.0") << true << "0.02"
                                        << "0.012"
                                        << "0.06" << 0 << QString();
    QTest::newRow("staggered 1.25, 1.25") << true << "0.02"
                                          << "0.025"
                                          << "0.025" << 0 << QString();
    QTest::newRow("staggered 0.6, 1.5") << true << "0.02"
                                        << "0.012"
                                        << "0.03" << info << noValues;
    QTest::newRow("staggered 0.5") << true << "0.02"
                                   << "0.01"
                                   << "0.03" << info << outOfRange;
    QTest::newRow("staggered Sn/d 1.0") << true << "0.02"
                                        << "0.025"
                                        << "0.02" << info << outOfRange;
    QTest::newRow("staggered letters") << true << "0.02"
                                       << "0.012"
                                       << "1e" << warning << notNumber;
  }

  void spacingValidation() {
    QFETCH(bool, staggered);
    QFETCH(QString, d);
    QFETCH(QString, sp);
    QFETCH(QString, sn);
    QFETCH(int, icon);
    QFETCH(QString, message);
    QWidget* dialog = staggered ? static_cast<QWidget*>(Staggerdlg) : Inlinedlg;
    ShowPage(1);
    Edit(Combi2Dlg, "Edit9")->setText(Number(qPrintable(d)));
    Combi2Dlg->openDialog(dialog);
    Edit(dialog, "Edit1")->setText(Number(qPrintable(sp)));
    Edit(dialog, "Edit2")->setText(Number(qPrintable(sn)));
    MessageBoxRecorder recorder;
    Press(dialog, "BitBtn1");
    if (icon == 0) {
      QCOMPARE(recorder.boxes.size(), 0);
      QVERIFY(!dialog->isVisible());
      QVERIFY(Combi2Dlg->isEnabled());
      return;
    }
    QCOMPARE(recorder.boxes.size(), 1);
    QCOMPARE(int(recorder.boxes[0].icon), icon);
    QCOMPARE(recorder.boxes[0].text, message);
    QVERIFY(dialog->isVisible());
    QVERIFY(!Combi2Dlg->isEnabled());
  }

  void spacingCancelClearsArrangement() {
    ShowPage(1);
    Edit(Combi2Dlg, "Edit9")->setText(Number("0.02"));
    for (int item : {0, 1}) {
      Group(Combi2Dlg, "RadioGroup8")->setItemIndex(item);
      QWidget* dialog = item == 0 ? static_cast<QWidget*>(Inlinedlg) : Staggerdlg;
      QVERIFY(dialog->isVisible());
      Press(dialog, "BitBtn2");
      QVERIFY(!dialog->isVisible());
      QVERIFY(Combi2Dlg->isEnabled());
      QCOMPARE(Group(Combi2Dlg, "RadioGroup8")->itemIndex(), -1);
    }
  }

  void layoutsAreExclusive() {
    const QStringList firstLines = {
        " For 0.015875 outer tube diameter, 0.019844 distance between centre of",
        " For 0.015875 outer tube diameter, 0.022225 distance between centre of",
        " For 0.015875 outer tube diameter, 0.022225 distance between centre of",
        " For 0.01905 outer tube diameter, 0.0254 distance between centre of",
        " For 0.01905 outer tube diameter, 0.0254 distance between centre of",
        " For 0.01905 outer tube diameter, 0.0254 distance between centre of"};
    QCOMPARE(Arrangem->tubeLayout(), 1);
    for (int i = 0; i < 6; ++i)
      QCOMPARE(Get<QRadioButton>(Arrangem, qPrintable(QString("RadioButton%1").arg(i + 1)))->text(),
               firstLines[i]);
    QCOMPARE(Text(Arrangem, "Label6"), QString("tubes and a 45 degree square."));
    for (int chosen : {4, 2, 6, 1}) {
      Get<QRadioButton>(Arrangem, qPrintable(QString("RadioButton%1").arg(chosen)))->click();
      for (int i = 1; i <= 6; ++i)
        QCOMPARE(
            Get<QRadioButton>(Arrangem, qPrintable(QString("RadioButton%1").arg(i)))->isChecked(),
            i == chosen);
      QCOMPARE(Arrangem->tubeLayout(), chosen);
    }
  }
};

QTEST_MAIN(DesignDialogsTest)
#include "DesignDialogs_test.moc"
