// The design results screen driven by objectName: formats and signs of the 23
// fields, the optional groups of the showing page, navigation, and the design
// report built from the filled screens, saved through the save dialog.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "common/ui/QtMessages.h"
#include "common/ui/RadioGroup.h"
#include "design/ui/Arangem.h"
#include "design/ui/Combi2.h"
#include "design/ui/Linearr.h"
#include "design/ui/Other1.h"
#include "design/ui/Other2.h"
#include "design/ui/PageFields.h"
#include "design/ui/Pressu.h"
#include "design/ui/Result2.h"
#include "design/ui/Stagearr.h"
#include "shell/Main.h"
#include "shell/Screens.h"
#include "support/MessageBoxRecorder.h"

namespace {

// Shows `result` as a run of the showing page would: the page's record (its
// iteration and pressure-drop boxes decide what is visible, the report repeats
// its entries).
void ShowDesignResults(const calvora::DesignResult& result) {
  emit Combi2Dlg->resultsReady(
      calvora::ResultsOutcome(ReadDesignPage(Combi2Dlg->showingPage()), result));
}

}  // namespace

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
QString Field(int number) {
  return Edit(Results2, qPrintable(QString("Edit%1").arg(number)))->text();
}
bool FieldShown(int number) {
  return !Edit(Results2, qPrintable(QString("Edit%1").arg(number)))->isHidden();
}
QString Number(const char* text) {
  return QString(text).replace('.', QChar(PlatformDecimalSeparator()));
}

void HideDialogs() {
  for (QWidget* dialog : std::initializer_list<QWidget*>{Other1dlg, Other2dlg, Pressdlg, Inlinedlg,
                                                         Staggerdlg, Arrangem})
    dialog->hide();
}

// The page's two boxes; checking the pressure box opens its dialog, which is
// answered at once.
void SetBoxes(const char* iteration, bool iterate, const char* pressure, bool drops) {
  Get<QCheckBox>(Combi2Dlg, iteration)->setChecked(iterate);
  Get<QCheckBox>(Combi2Dlg, pressure)->setChecked(drops);
  HideDialogs();
}

void SetEntries(const QStringList& namesAndTexts) {
  for (int i = 0; i + 1 < namesAndTexts.size(); i += 2)
    Edit(Combi2Dlg, qPrintable(namesAndTexts[i]))->setText(namesAndTexts[i + 1]);
}

calvora::DesignResult SampleResult() {
  calvora::DesignResult r;
  r.innerMassFlow = 0.123456;
  r.outerMassFlow = -0.5;
  r.innerReynolds = -12345.678;
  r.outerReynolds = 2345.0;
  r.surfaceArea = 1.2;
  r.innerFilmCoefficient = 45.1;
  r.outerFilmCoefficient = 67.2;
  r.overallCoefficient = 20.3;
  r.heatTransferRate = -1234.5678;
  r.coldOutletTemperature = -5.4321;
  r.hotOutletTemperature = 70.0;
  r.innerPressureDrop = -250.5;
  r.outerPressureDrop = 20.0;
  r.innerDensity = 1.17723;
  r.outerDensity = 998.0;
  r.innerPrandtl = 0.708;
  r.outerPrandtl = 6.78;
  r.innerViscosity = 1.8462e-5;
  r.outerViscosity = 0.000959;
  r.innerConductivity = 0.0262;
  r.outerConductivity = 0.603;
  r.innerInletTemperature = -10.256;
  r.outerInletTemperature = 80;
  return r;
}

// Answers the next file dialog with `path` (or cancels it when empty).
void AnswerFileDialog(const QString& path) {
  QTimer::singleShot(50, [path] {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      auto* dialog = qobject_cast<QFileDialog*>(widget);
      if (!dialog || !dialog->isVisible())
        continue;
      if (path.isEmpty()) {
        static_cast<QDialog*>(dialog)->reject();
      } else {
        const QFileInfo file(path);
        dialog->setDirectory(file.absolutePath());
        auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
        if (name)
          name->setText(file.fileName());
        QMetaObject::invokeMethod(dialog, "accept", Qt::DirectConnection);
      }
      return;
    }
    AnswerFileDialog(path);
  });
}

QStringList ReadLines(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
    return {};
  QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
  if (!lines.isEmpty() && lines.back().isEmpty())
    lines.removeLast();
  return lines;
}

}  // namespace

class Results2Test : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QApplication::setQuitOnLastWindowClosed(false);
    CreateScreens();
  }

  void init() {
    Combi2Dlg->show();
    Results2->hide();
    Combi2Dlg->show();
  }

  void cleanup() { HideDialogs(); }

  void staticTexts() {
    QCOMPARE(Results2->windowTitle(), QString("Calvora  v1.0"));
    const std::pair<const char*, const char*> buttons[] = {
        {"BackBtn", "Go back to the last page"},
        {"PrintBtn", "Prints the results."},
        {"SaveBtn", "Save results to a text file"},
        {"QuitBtn", "Exit the program"},
        {"HelpBtn", "Displays help on this screen"}};
    for (const auto& [name, hint] : buttons)
      QCOMPARE(Get<QPushButton>(Results2, name)->toolTip(), QString(hint));
    for (int number = 1; number <= 23; ++number)
      QVERIFY(Edit(Results2, qPrintable(QString("Edit%1").arg(number)))->isReadOnly());
  }

  // Formats, absolute values and kept signs of every field (iteration and
  // pressure drops on, then off for the inlet temperatures).
  void fieldsFormatted() {
    Combi2Dlg->notebook()->setCurrentIndex(0);
    SetBoxes("CheckBox2", true, "CheckBox1", true);
    ShowDesignResults(SampleResult());
    QVERIFY(Results2->isVisible());
    QVERIFY(!Combi2Dlg->isVisible());
    const std::pair<int, const char*> expected[] = {
        {1, "0.1235"},    {2, "0.5000"},    {3, "12345.6780"}, {4, "2345.0000"}, {5, "1.2000"},
        {6, "45.1000"},   {7, "67.2000"},   {8, "20.3000"},    {9, "1234.568"},  {10, "-5.432"},
        {11, "70.000"},   {12, "250.5000"}, {13, "20.0000"},   {14, "1.177000"}, {15, "998.000000"},
        {16, "0.708000"}, {17, "6.780000"}, {18, "0.000018"},  {19, "0.000959"}, {20, "0.026200"},
        {21, "0.603000"}};
    for (const auto& [number, text] : expected)
      QCOMPARE(Field(number), Number(text));

    init();
    SetBoxes("CheckBox2", false, "CheckBox1", false);
    ShowDesignResults(SampleResult());
    QCOMPARE(Field(22), Number("-10.26"));
    QCOMPARE(Field(23), Number("80.00"));
  }

  void optionalGroupsFollowShowingPage_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("iterationBox");
    QTest::addColumn<QString>("pressureBox");
    QTest::addColumn<bool>("iterate");
    QTest::addColumn<bool>("drops");
    const char* boxes[4][2] = {{"CheckBox2", "CheckBox1"},
                               {"CheckBox4", "CheckBox3"},
                               {"CheckBox6", "CheckBox5"},
                               {"CheckBox8", "CheckBox7"}};
    const char* pages[4] = {"double pipe", "cross flow", "shell and tube", "compacts"};
    for (int page = 0; page < 4; ++page) {
      for (int combination = 0; combination < 4; ++combination) {
        const bool iterate = combination & 1;
        const bool drops = combination & 2;
        QTest::addRow("%s, %s, %s", pages[page], iterate ? "iteration" : "no iteration",
                      drops ? "pressure drops" : "no pressure drops")
            << page << boxes[page][0] << boxes[page][1] << iterate << drops;
      }
    }
  }

  void optionalGroupsFollowShowingPage() {
    QFETCH(int, page);
    QFETCH(QString, iterationBox);
    QFETCH(QString, pressureBox);
    QFETCH(bool, iterate);
    QFETCH(bool, drops);
    Combi2Dlg->notebook()->setCurrentIndex(page);
    // The other pages' boxes are the opposite, so only the showing page can decide.
    const char* all[4][2] = {{"CheckBox2", "CheckBox1"},
                             {"CheckBox4", "CheckBox3"},
                             {"CheckBox6", "CheckBox5"},
                             {"CheckBox8", "CheckBox7"}};
    for (int other = 0; other < 4; ++other)
      if (other != page)
        SetBoxes(all[other][0], !iterate, all[other][1], !drops);
    SetBoxes(qPrintable(iterationBox), iterate, qPrintable(pressureBox), drops);
    ShowDesignResults(SampleResult());
    for (int number : {9, 10, 11})
      QCOMPARE(FieldShown(number), iterate);
    for (int number : {22, 23})
      QCOMPARE(FieldShown(number), !iterate);
    for (int number : {12, 13})
      QCOMPARE(FieldShown(number), drops);
    for (int number = 1; number <= 8; ++number)
      QVERIFY(FieldShown(number));
    for (int number = 14; number <= 21; ++number)
      QVERIFY(FieldShown(number));
    for (int other = 0; other < 4; ++other)
      SetBoxes(all[other][0], false, all[other][1], false);
  }

  // Hidden fields are not refilled: they keep the texts of the earlier run.
  void hiddenFieldsKeepOldTexts() {
    Combi2Dlg->notebook()->setCurrentIndex(0);
    SetBoxes("CheckBox2", true, "CheckBox1", true);
    ShowDesignResults(SampleResult());
    init();
    SetBoxes("CheckBox2", false, "CheckBox1", false);
    calvora::DesignResult second = SampleResult();
    second.heatTransferRate = 1;
    second.innerPressureDrop = 2;
    second.innerReynolds = 3;
    ShowDesignResults(second);
    QCOMPARE(Field(3), Number("3.0000"));
    QCOMPARE(Field(9), Number("1234.568"));
    QCOMPARE(Field(12), Number("250.5000"));
    QVERIFY(!Results2->reportLines(false).join('\n').contains("Pressure drop of the inner"));
  }

  void navigation_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("back") << "back";
    QTest::newRow("close box") << "close";
    QTest::newRow("escape") << "escape";
  }

  void navigation() {
    QFETCH(QString, how);
    ShowDesignResults(SampleResult());
    QVERIFY(!Combi2Dlg->isVisible());
    if (how == "back") {
      Get<QPushButton>(Results2, "BackBtn")->click();
    } else if (how == "close") {
      Results2->close();
    } else {
      QTest::keyClick(Results2, Qt::Key_Escape);
    }
    QVERIFY(!Results2->isVisible());
    QVERIFY(Combi2Dlg->isVisible());
  }

  void quitClosesTheChain() {
    ShowDesignResults(SampleResult());
    Get<QPushButton>(Results2, "QuitBtn")->click();
    QVERIFY(!Results2->isVisible());
    QVERIFY(!Combi2Dlg->isVisible());
    QVERIFY(!Mainform->isVisible());
  }

  // A double-pipe run typed into the screen, shown, and saved through the
  // save dialog: the whole file line for line.
  void doublePipeReportSaved() {
    Combi2Dlg->notebook()->setCurrentIndex(0);
    SetEntries({"Edit1", "0.02", "Edit2", "0.025", "Edit3", "0.04", "Edit4", "0.045", "Edit5", "3",
                "Edit6", "0.1", "Edit7", "0.2", "Edit19", "25", "Edit20", "80"});
    Get<RadioGroup>(Combi2Dlg, "RadioGroup1")->setItemIndex(1);
    Get<RadioGroup>(Combi2Dlg, "RadioGroup2")->setItemIndex(2);
    Get<RadioGroup>(Combi2Dlg, "RadioGroup3")->setItemIndex(3);
    SetBoxes("CheckBox2", true, "CheckBox1", true);
    Get<RadioGroup>(Combi2Dlg, "RadioGroup4")->setItemIndex(1);
    ShowDesignResults(SampleResult());

    const QStringList expected = {
        "The following is a full set of results obtained from the method used",
        "to find the overall heat transfer coefficent and the pressure drops.",
        "",
        "",
        "Data entered by the user is shown below :",
        "",
        "Type of heat exchanger being analysed : double pipe",
        "Inside diameter of the inner tube ( m ) :   0.02",
        "Outside diameter of the inner tube ( m ) :   0.025",
        "Inside diameter of the outer tube ( m ) :   0.04",
        "Outside diameter of the outer tube ( m ) :   0.045",
        "Length of the inner tubes ( m ) :   3",
        "Mass flow rate of the inner fluid ( kg/sec ) :   0.1",
        "Mass flow rate of the outer fluid ( kg/sec ) :   0.2",
        "The flow condition in the exchanger is counter flow.",
        "The inner fluid is saturated water.",
        " Inner fluid Temp. :   25",
        "The outer fluid is unused engine oil.",
        " Outer fluid temp. :   80",
        "The construction material is Chrome-Nickel Steel.",
        "",
        "",
        "",
        "The results arrived at by the program are :",
        "",
        "Reynolds number of inner fluid :    " + Number("12345.6780"),
        "Reynold number of the outer fluid :    " + Number("2345.0000"),
        "Total surface area(based on internal Dia.) :    " + Number("1.2000"),
        "Coefficient of heat transfer for inner fluid :    " + Number("45.1000"),
        "Coefficient of heat transfer for outer fluid :    " + Number("67.2000"),
        "Overall heat transfer coefficient :    " + Number("20.3000"),
        "Inner Fluid Density :  " + Number("1.177000"),
        "Inner Fluid Prandtl No.:  " + Number("0.708000"),
        "Inner Fluid Viscosity :  " + Number("0.000018"),
        "Inner Fluid Conductivity:  " + Number("0.026200"),
        "Outer Fluid Density :  " + Number("998.000000"),
        "Outer Fluid Prandtl No.:  " + Number("6.780000"),
        "Outer Fluid Viscosity :  " + Number("0.000959"),
        "Outer Fluid Conductivity:  " + Number("0.603000"),
        "The overall heat transfer (W) : " + Number("1234.568"),
        "Exit temperature of the cold fluid (deg.c) : " + Number("-5.432"),
        "Exit temperature of the hot fluid (deg.c) : " + Number("70.000"),
        "Pressure drop of the inner fluid (Pa) : " + Number("250.5000"),
        "Pressure drop of the outer fluid (Pa) : " + Number("20.0000"),
        "",
        "Thank you for using Calvora v1.0",
        "",
        "",
    };
    QCOMPARE(Results2->reportLines(false), expected);

    QStringList printed = expected.mid(0, expected.size() - 4);
    printed.prepend("");
    printed << ""
            << ""
            << "Thank you for using this program."
            << "Hopefully any problems were quickly resolved.";
    QCOMPARE(Results2->reportLines(true), printed);

    QTemporaryDir dir;
    MessageBoxRecorder recorder;
    const QString path = dir.filePath("design report.txt");
    AnswerFileDialog(path);
    Get<QPushButton>(Results2, "SaveBtn")->click();
    QCOMPARE(recorder.texts().join("/"), QString());
    QCOMPARE(ReadLines(path), expected);

    // A cancelled save writes nothing.
    AnswerFileDialog({});
    Get<QPushButton>(Results2, "SaveBtn")->click();
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"design report.txt"});

    Get<RadioGroup>(Combi2Dlg, "RadioGroup1")->setItemIndex(0);
    Get<RadioGroup>(Combi2Dlg, "RadioGroup2")->setItemIndex(0);
    Get<RadioGroup>(Combi2Dlg, "RadioGroup3")->setItemIndex(0);
    SetBoxes("CheckBox2", false, "CheckBox1", false);
  }

  // Print runs the print dialog (after a warning when no printer is installed);
  // cancelling it prints nothing and leaves the screen as it was.
  void printDialogCancelled() {
    ShowDesignResults(SampleResult());
    MessageBoxRecorder recorder;
    bool dialogSeen = false;
    std::function<void()> answer = [&] {
      for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<QPrintDialog*>(widget); dialog && dialog->isVisible()) {
          dialogSeen = true;
          dialog->reject();
          return;
        }
      }
      QTimer::singleShot(50, answer);
    };
    QTimer::singleShot(50, answer);
    Get<QPushButton>(Results2, "PrintBtn")->click();
    QVERIFY(dialogSeen);
    if (QPrinterInfo::availablePrinters().isEmpty()) {
      QCOMPARE(recorder.boxes.size(), 1);
      QCOMPARE(recorder.boxes[0].icon, QMessageBox::Warning);
    }
    QVERIFY(Results2->isVisible());
  }

  // Without iteration the inlet temperatures are written and no flow condition.
  void doublePipeReportWithoutOptionalGroups() {
    Combi2Dlg->notebook()->setCurrentIndex(0);
    SetBoxes("CheckBox2", false, "CheckBox1", false);
    ShowDesignResults(SampleResult());
    const QStringList lines = Results2->reportLines(false);
    QVERIFY(!lines.join('\n').contains("flow condition"));
    QCOMPARE(lines.mid(lines.size() - 6, 2),
             (QStringList{"Inner fluids inlet temperature (deg.c) : " + Number("-10.26"),
                          "Outer fluids inlet temperature (deg.c) : " + Number("80.00")}));
    QCOMPARE(lines[lines.size() - 7], "Outer Fluid Conductivity:  " + Number("0.603000"));
  }

  void crossFlowBlockFromDialogs() {
    Combi2Dlg->notebook()->setCurrentIndex(1);
    SetEntries({"Edit8",  "0.016",  "Edit9",  Number("0.02"), "Edit10", "5",      "Edit11",
                "4",      "Edit12", "20",     "Edit13",       "1",      "Edit14", "0.5",
                "Edit15", "1.5",    "Edit21", "25",           "Edit22", "80"});
    Get<RadioGroup>(Combi2Dlg, "RadioGroup8")->setItemIndex(1);
    Edit(Staggerdlg, "Edit1")->setText("0.012");
    Edit(Staggerdlg, "Edit2")->setText("0.06");
    Edit(Inlinedlg, "Edit1")->setText("0.025");
    HideDialogs();
    ShowDesignResults(SampleResult());
    const QStringList lines = Results2->reportLines(false);
    QCOMPARE(lines.mid(6, 12),
             (QStringList{"Type of heat exchanger being analysed : cross flow",
                          "Inside diameter of a tube ( m ) :   0.016",
                          "Outside diameter of a tube ( m ) :   " + Number("0.02"),
                          "Number of rows normal to the flow :   5",
                          "Number of rows parallel to the flow :   4",
                          "The total number of tubes :   20", "The length of each tube ( m ) :   1",
                          "Total mass flow rate of the inner fluid ( kg/sec ) :   0.5",
                          "Total mass flow rate of the outer fluid ( kg/sec ) :   1.5",
                          "The exchanger is in the Staggered arrangemnt.",
                          " The horizontal tube spacing is (m) :0.012",
                          " The vertical tube spacing is (m) :0.06"}));
    QCOMPARE(lines[18], QString("The inner fluid is air."));
    QCOMPARE(lines[19], QString(" Inner fluid Temp. :   25"));
    QCOMPARE(lines[22], QString("The construction material is Copper."));
    Get<RadioGroup>(Combi2Dlg, "RadioGroup8")->setItemIndex(-1);
  }

  void shellAndTubeBlockWithLayout() {
    Combi2Dlg->notebook()->setCurrentIndex(2);
    SetEntries({"Edit16", "0.3",    "Edit17", "0.012",  "Edit18", "0.01",   "Edit25",
                "10",     "Edit26", "0.2",    "Edit27", "0.3",    "Edit31", "2",
                "Edit32", "3",      "Edit23", "25",     "Edit24", "80"});
    Get<QRadioButton>(Arrangem, "RadioButton5")->click();
    ShowDesignResults(SampleResult());
    const QStringList lines = Results2->reportLines(false);
    QCOMPARE(lines.mid(6, 11),
             (QStringList{"Type of heat exchanger being analysed : shell and tube",
                          "Internal diameter of the shell (m) : 0.3",
                          "Internal diameter of the tubes (m) : 0.012",
                          "Minimum clearance between tubes and shell (m):   0.01",
                          "Number of baffles :   10", "Central baffle space (m) :   0.2",
                          "Inlet or outlet baffle space (m) :   0.3",
                          "Total flow rate of the inner fluid (kg/s) : 2",
                          "Total flow rate of the outer fluid (kg/s) : 3",
                          "The following data concerns the arrangement of the shell and tube :",
                          " For 0.01905 outer tube diameter, 0.0254 distance between centre of "
                          "tubes and a 90 degree in-line square."}));
    Get<QRadioButton>(Arrangem, "RadioButton1")->click();
  }

  void compactBlockWithEmptySurface() {
    Combi2Dlg->notebook()->setCurrentIndex(3);
    SetEntries({"Edit40", "0.008", "Edit39", "0.3", "Edit38", "1.2", "Edit37", "40", "Edit41", "4",
                "Edit42", "10", "Edit36", "0.6", "Edit33", "90", "Edit34", "20"});
    Get<QComboBox>(Combi2Dlg, "ComboBox1")->setCurrentIndex(13);
    ShowDesignResults(SampleResult());
    const QStringList lines = Results2->reportLines(false);
    QCOMPARE(
        lines.mid(6, 18),
        (QStringList{"Type of heat exchanger being analysed : compact", "",
                     "Outer tube diameter =, Fin diameter =",
                     "Vertcal tube spacing = , Horizontal tube spacing =",
                     "Hydraulic diameter = , Fin thickness =", "",
                     "Internal diameter of one of the tubes (m) :   0.008",
                     "Mass flow rate of the internal fluid (kg/s) :   0.3",
                     "Mass flow rate of the outer fluid (kg/s) :   1.2",
                     "Number of tubes in the bunch :   40", "Number of rows parallel to flow :   4",
                     "Number of rows normal to the flow :   10",
                     "Length of one of the tubes (m) :   0.6", "The inner fluid is air.",
                     " Inner liquid Temp. :   90", "The outer fluid is air.",
                     " Outer liquid temp. :   20", "The construction material is Copper."}));
    Get<QComboBox>(Combi2Dlg, "ComboBox1")->setCurrentIndex(0);
  }
};

QTEST_MAIN(Results2Test)
#include "Results2_test.moc"
