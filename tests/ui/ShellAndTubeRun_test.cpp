#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtTest>

#include "analyses/ShellAndTube.h"
#include "analyses/ShellAndTubeMessages.h"
#include "common/Format.h"
#include "common/ui/QtMessages.h"
#include "common/ui/RadioGroup.h"
#include "common/ui/ReportOutput.h"
#include "design/ui/Arangem.h"
#include "design/ui/Combi2.h"
#include "design/ui/Pressu.h"
#include "design/ui/Result2.h"
#include "shell/Screens.h"
#include "support/MessageBoxRecorder.h"
#include "support/ScreenControls.h"

class ShellAndTubeRunTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    CreateScreens();
    Combi2Dlg->show();
    Combi2Dlg->notebook()->setCurrentIndex(2);
    QCOMPARE(Combi2Dlg->showingPageCaption(), QString("Shell and Tube"));
  }
  void cleanup() { DestroyScreens(); }

  // Hot water in an in-line square bundle (layout 2), cold water on the shell,
  // with the iteration and both pressure drops: the fields show the analysis'
  // values and the saved report repeats the page and the layout.
  void ratesABundleAndSavesTheReport() {
    MessageBoxRecorder boxes;
    Combi2Dlg->findChild<RadioGroup*>("RadioGroup9")->setItemIndex(1);
    Combi2Dlg->findChild<RadioGroup*>("RadioGroup10")->setItemIndex(1);
    Edit(Combi2Dlg, "Edit16")->setText(Number("0.5"));
    Edit(Combi2Dlg, "Edit17")->setText(Number("0.0135"));
    Edit(Combi2Dlg, "Edit18")->setText(Number("0.015"));
    Edit(Combi2Dlg, "Edit25")->setText("12");
    Edit(Combi2Dlg, "Edit26")->setText(Number("0.2"));
    Edit(Combi2Dlg, "Edit27")->setText(Number("0.3"));
    Edit(Combi2Dlg, "Edit31")->setText("200");
    Edit(Combi2Dlg, "Edit32")->setText("25");
    Edit(Combi2Dlg, "Edit23")->setText("80");
    Edit(Combi2Dlg, "Edit24")->setText("20");

    Click(Combi2Dlg, "BitBtn1");
    QVERIFY(Arrangem->isVisible());
    QVERIFY(!Combi2Dlg->isEnabled());
    Click(Arrangem, "RadioButton2");
    Click(Arrangem, "BitBtn1");
    QVERIFY(!Arrangem->isVisible());
    QVERIFY(Combi2Dlg->isEnabled());

    Combi2Dlg->findChild<QCheckBox*>("CheckBox6")->setChecked(true);
    Combi2Dlg->findChild<QCheckBox*>("CheckBox5")->setChecked(true);
    QVERIFY(Pressdlg->isVisible());
    Edit(Pressdlg, "Edit1")->setText(Number("0.15"));
    Edit(Pressdlg, "Edit2")->setText(Number("0.15"));
    Edit(Pressdlg, "Edit3")->setText(Number("0.12"));
    Edit(Pressdlg, "Edit4")->setText(Number("0.1"));
    Click(Pressdlg, "BitBtn1");
    QVERIFY(!Pressdlg->isVisible());

    Click(Combi2Dlg, "OKBtn");
    QVERIFY2(boxes.boxes.isEmpty(), qPrintable(boxes.texts().join(" | ")));
    QVERIFY(Results2->isVisible());
    QVERIFY(!Combi2Dlg->isVisible());

    // The same run straight through the core.
    calvora::ShellAndTubeInputs in;
    in.innerFluid = 1;
    in.outerFluid = 1;
    in.shellDiameter = CoreText("0.5");
    in.tubeInsideDiameter = CoreText("0.0135");
    in.clearance = CoreText("0.015");
    in.baffles = "12";
    in.centralBaffleSpace = CoreText("0.2");
    in.endBaffleSpace = CoreText("0.3");
    in.innerMassFlow = "200";
    in.outerMassFlow = "25";
    in.innerTemperature = "80";
    in.outerTemperature = "20";
    in.arrangement = {false, true, false, false, false, false};
    in.iteration = true;
    in.pressureDrops = true;
    in.inletPipeDiameter = CoreText("0.15");
    in.outletPipeDiameter = CoreText("0.15");
    in.shellInletPipeDiameter = CoreText("0.12");
    in.shellOutletPipeDiameter = CoreText("0.1");
    in.decimalSeparator = PlatformDecimalSeparator();
    calvora::RecordingMessages messages;
    const calvora::DesignRun run = calvora::ShellAndTubeAnalysis(in, messages);
    QVERIFY(run.resultsFlag);
    const calvora::DesignResult& r = run.result;

    QCOMPARE(Edit(Results2, "Edit1")->text(), Formatted(200, 10, 4));
    QCOMPARE(Edit(Results2, "Edit3")->text(), Formatted(r.innerReynolds, 10, 4));
    QCOMPARE(Edit(Results2, "Edit4")->text(), Formatted(r.outerReynolds, 10, 4));
    QCOMPARE(Edit(Results2, "Edit5")->text(), Formatted(r.surfaceArea, 10, 4));
    QCOMPARE(Edit(Results2, "Edit7")->text(), Formatted(r.outerFilmCoefficient, 10, 4));
    QCOMPARE(Edit(Results2, "Edit8")->text(), Formatted(r.overallCoefficient, 10, 4));
    QCOMPARE(Edit(Results2, "Edit9")->text(), Formatted(r.heatTransferRate, 10, 3));
    QCOMPARE(Edit(Results2, "Edit10")->text(), Formatted(r.coldOutletTemperature, 10, 3));
    QCOMPARE(Edit(Results2, "Edit11")->text(), Formatted(r.hotOutletTemperature, 10, 3));
    QCOMPARE(Edit(Results2, "Edit12")->text(), Formatted(r.innerPressureDrop, 10, 4));
    QCOMPARE(Edit(Results2, "Edit13")->text(), Formatted(r.outerPressureDrop, 10, 4));
    QCOMPARE(Edit(Results2, "Edit14")->text(), Formatted(r.innerDensity, 4, 6));
    QVERIFY(Edit(Results2, "Edit9")->isVisible());
    QVERIFY(Edit(Results2, "Edit13")->isVisible());
    QVERIFY(!Edit(Results2, "Edit22")->isVisible());

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("shell.txt");
    QString reason;
    QVERIFY(WriteReportFile(path, Results2->reportLines(false), &reason));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList lines = QTextStream(&file).readAll().split('\n');
    QVERIFY(lines.contains("Type of heat exchanger being analysed : shell and tube"));
    QVERIFY(lines.contains("Internal diameter of the shell (m) : " + Number("0.5")));
    QVERIFY(lines.contains("Number of baffles :   12"));
    QVERIFY(
        lines.contains(" For 0.015875 outer tube diameter, 0.022225 distance between centre of "
                       "tubes and a 90 degree in-line square."));
    QVERIFY(lines.contains("The inner fluid is saturated water."));
    QVERIFY(
        lines.contains("The overall heat transfer (W) : " + Formatted(r.heatTransferRate, 10, 3)));
    QVERIFY(lines.contains("Pressure drop of the outer fluid (Pa) : " +
                           Formatted(r.outerPressureDrop, 10, 4)));
  }

  // A shell diameter of exactly 0.205 gives its warning and no results.
  void failedCheckShowsItsBoxAndNoResults() {
    MessageBoxRecorder boxes;
    Edit(Combi2Dlg, "Edit16")->setText(Number("0.205"));
    Edit(Combi2Dlg, "Edit17")->setText(Number("0.0135"));
    Edit(Combi2Dlg, "Edit18")->setText(Number("0.015"));
    Edit(Combi2Dlg, "Edit25")->setText("12");
    Edit(Combi2Dlg, "Edit26")->setText(Number("0.1"));
    Edit(Combi2Dlg, "Edit27")->setText(Number("0.15"));
    Edit(Combi2Dlg, "Edit31")->setText("100");
    Edit(Combi2Dlg, "Edit32")->setText("5");
    Edit(Combi2Dlg, "Edit23")->setText("20");
    Edit(Combi2Dlg, "Edit24")->setText("80");
    Click(Combi2Dlg, "OKBtn");
    QVERIFY(!boxes.boxes.isEmpty());
    QCOMPARE(boxes.boxes[0].icon, QMessageBox::Warning);
    QCOMPARE(boxes.boxes[0].text, DesignText(calvora::kShellDiameterRangeMessage));
    QVERIFY(!Results2->isVisible());
    QVERIFY(Combi2Dlg->isVisible());
    QCOMPARE(Edit(Combi2Dlg, "Edit16")->text(), Number("0.205"));
  }

  // An empty entry ends the run with the conversion message.
  void emptyEntryAsksForTheData() {
    MessageBoxRecorder boxes;
    Click(Combi2Dlg, "OKBtn");
    QCOMPARE(boxes.boxes.size(), 1);
    QCOMPARE(boxes.boxes[0].icon, QMessageBox::Critical);
    QCOMPARE(boxes.boxes[0].text, QString("You need to enter all the required data."));
    QVERIFY(!Results2->isVisible());
  }
};

QTEST_MAIN(ShellAndTubeRunTest)
#include "ShellAndTubeRun_test.moc"
