#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtTest>

#include "analyses/AnalysisMessages.h"
#include "analyses/CrossFlow.h"
#include "common/Format.h"
#include "common/ui/QtMessages.h"
#include "common/ui/RadioGroup.h"
#include "common/ui/ReportOutput.h"
#include "design/DesignCaptions.h"
#include "design/ui/Combi2.h"
#include "design/ui/Crosmix.h"
#include "design/ui/Linearr.h"
#include "design/ui/Other1.h"
#include "design/ui/Pressu.h"
#include "design/ui/Result2.h"
#include "design/ui/Stagearr.h"
#include "shell/Screens.h"
#include "support/MessageBoxRecorder.h"
#include "support/ScreenControls.h"

namespace {

// Hot water at 80 C in forty 16/20 mm tubes of 1 m, air at 27 C across a
// bank of 10 rows normal to the flow and 4 along it.
struct Entry {
  const char* edit;
  const char* text;
};
constexpr Entry kEntries[] = {
    {"Edit8", "0.016"}, {"Edit9", "0.02"}, {"Edit10", "10"},  {"Edit11", "4"},  {"Edit12", "40"},
    {"Edit13", "1"},    {"Edit14", "1"},   {"Edit15", "0.5"}, {"Edit21", "80"}, {"Edit22", "27"}};

calvora::CrossFlowInputs CoreInputs() {
  calvora::CrossFlowInputs in;
  in.innerFluid = 1;
  in.outerFluid = 0;
  in.arrangement = 0;
  in.tubeInsideDiameter = CoreText("0.016");
  in.tubeOutsideDiameter = CoreText("0.02");
  in.rowsNormal = "10";
  in.rowsParallel = "4";
  in.tubeCount = "40";
  in.length = "1";
  in.innerMassFlow = "1";
  in.outerMassFlow = CoreText("0.5");
  in.innerTemperature = "80";
  in.outerTemperature = "27";
  in.inLinePitchParallel = CoreText("0.03");
  in.inLinePitchNormal = CoreText("0.04");
  in.inletPipeDiameter = CoreText("0.05");
  in.outletPipeDiameter = CoreText("0.06");
  in.decimalSeparator = PlatformDecimalSeparator();
  return in;
}

void FillPage() {
  Group(Combi2Dlg, "RadioGroup5")->setItemIndex(1);  // saturated water inside
  Group(Combi2Dlg, "RadioGroup6")->setItemIndex(0);  // air across
  for (const Entry& e : kEntries)
    Edit(Combi2Dlg, e.edit)->setText(Number(e.text));
}

// In line, Sp = 0.03 m and Sn = 0.04 m (ratios 1.5 and 2.0).
void ChooseInLine() {
  Group(Combi2Dlg, "RadioGroup8")->setItemIndex(0);
  QVERIFY(Inlinedlg->isVisible());
  Edit(Inlinedlg, "Edit1")->setText(Number("0.03"));
  Edit(Inlinedlg, "Edit2")->setText(Number("0.04"));
  Click(Inlinedlg, "BitBtn1");
  QVERIFY(!Inlinedlg->isVisible());
  QVERIFY(Combi2Dlg->isEnabled());
}

const QString kHeightBox = Q(calvora::kExchangerHeightPrefix) + Number("0.42000");

}  // namespace

class CrossFlowRunTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    CreateScreens();
    Combi2Dlg->show();
    Combi2Dlg->notebook()->setCurrentIndex(1);
    QCOMPARE(Combi2Dlg->showingPageCaption(), QString("Cross Flow"));
  }
  void cleanup() { DestroyScreens(); }

  // Both fluids unmixed, with the iteration and both pressure drops: the height
  // box, then the results of the analysis, and the report.
  void ratesWithIterationAndPressureDrops() {
    MessageBoxRecorder boxes;
    FillPage();
    ChooseInLine();
    Box("CheckBox4")->setChecked(true);
    QVERIFY(Crossmix->isVisible());
    Group(Crossmix, "RadioGroup1")->setItemIndex(3);
    Click(Crossmix, "BitBtn1");
    QVERIFY(Combi2Dlg->isEnabled());
    Box("CheckBox3")->setChecked(true);
    QVERIFY(Pressdlg->isVisible());
    Edit(Pressdlg, "Edit1")->setText(Number("0.05"));
    Edit(Pressdlg, "Edit2")->setText(Number("0.06"));
    Click(Pressdlg, "BitBtn1");
    QVERIFY(Combi2Dlg->isEnabled());

    Click(Combi2Dlg, "OKBtn");
    QCOMPARE(boxes.texts(), QStringList{kHeightBox});
    QCOMPARE(boxes.boxes[0].icon, QMessageBox::Information);
    QVERIFY(Results2->isVisible());

    calvora::CrossFlowInputs in = CoreInputs();
    in.iteration = true;
    in.mixing = 3;
    in.pressureDrops = true;
    calvora::RecordingMessages messages;
    const calvora::DesignResult r = calvora::CrossFlowAnalysis(in, messages).result;
    QCOMPARE(Edit(Results2, "Edit1")->text(), Formatted(1, 10, 4));  // the total inner flow
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
    QVERIFY(Edit(Results2, "Edit13")->isVisible());
    QVERIFY(!Edit(Results2, "Edit22")->isVisible());

    QTemporaryDir dir;
    const QString path = dir.filePath("cross-flow.txt");
    QString reason;
    QVERIFY2(WriteReportFile(path, Results2->reportLines(false), &reason), qPrintable(reason));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList lines = QTextStream(&file).readAll().split('\n');
    QVERIFY(lines.contains("Type of heat exchanger being analysed : cross flow"));
    QVERIFY(lines.contains("The exchanger is in the In-Line arrangemnt."));
    QVERIFY(lines.contains(" The horizontal tube spacing is (m) :" + Number("0.03")));
    QVERIFY(lines.contains("Exit temperature of the hot fluid (deg.c) : " +
                           Edit(Results2, "Edit11")->text()));
  }

  // Staggered without the iteration: the staggered dialog's pitches.
  void staggeredWithoutIteration() {
    MessageBoxRecorder boxes;
    FillPage();
    Group(Combi2Dlg, "RadioGroup8")->setItemIndex(1);
    QVERIFY(Staggerdlg->isVisible());
    Edit(Staggerdlg, "Edit1")->setText(Number("0.025"));
    Edit(Staggerdlg, "Edit2")->setText(Number("0.03"));
    Click(Staggerdlg, "BitBtn1");
    QVERIFY(Combi2Dlg->isEnabled());
    Click(Combi2Dlg, "OKBtn");
    QCOMPARE(boxes.texts(), QStringList{Q(calvora::kExchangerHeightPrefix) + Number("0.31000")});
    QVERIFY(Results2->isVisible());

    calvora::CrossFlowInputs in = CoreInputs();
    in.arrangement = 1;
    in.staggeredPitchParallel = CoreText("0.025");
    in.staggeredPitchNormal = CoreText("0.03");
    calvora::RecordingMessages messages;
    const calvora::DesignResult r = calvora::CrossFlowAnalysis(in, messages).result;
    QCOMPARE(Edit(Results2, "Edit7")->text(), Formatted(r.outerFilmCoefficient, 10, 4));
    QCOMPARE(Edit(Results2, "Edit8")->text(), Formatted(r.overallCoefficient, 10, 4));
    QCOMPARE(Edit(Results2, "Edit22")->text(), Formatted(80, 10, 2));
    QVERIFY(!Edit(Results2, "Edit9")->isVisible());
  }

  void noArrangementWarns() {
    MessageBoxRecorder boxes;
    FillPage();
    Click(Combi2Dlg, "OKBtn");
    QCOMPARE(boxes.texts(), QStringList{Q(calvora::design::kSelectionErrorMessage)});
    QCOMPARE(boxes.boxes[0].icon, QMessageBox::Warning);
    QVERIFY(!Results2->isVisible());
  }

  // Di = Do: the diameter error, then still the height box, and no results.
  void equalDiametersStillShowTheHeight() {
    MessageBoxRecorder boxes;
    FillPage();
    ChooseInLine();
    Edit(Combi2Dlg, "Edit8")->setText(Number("0.02"));
    Click(Combi2Dlg, "OKBtn");
    QCOMPARE(boxes.texts(), (QStringList{Q(calvora::kTubeDiameterMessage), kHeightBox}));
    QCOMPARE(boxes.boxes[0].icon, QMessageBox::Critical);
    QCOMPARE(boxes.boxes[1].icon, QMessageBox::Information);
    QVERIFY(!Results2->isVisible());
    QVERIFY(Combi2Dlg->isVisible());
  }
};

QTEST_MAIN(CrossFlowRunTest)
#include "CrossFlowRun_test.moc"
