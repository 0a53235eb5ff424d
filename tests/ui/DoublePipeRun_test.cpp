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
#include "analyses/DoublePipe.h"
#include "common/Format.h"
#include "common/ui/QtMessages.h"
#include "common/ui/RadioGroup.h"
#include "common/ui/ReportOutput.h"
#include "design/DesignCaptions.h"
#include "design/ui/Combi2.h"
#include "design/ui/Other2.h"
#include "design/ui/Pressu.h"
#include "design/ui/Result2.h"
#include "shell/Screens.h"
#include "support/MessageBoxRecorder.h"
#include "support/ScreenControls.h"

namespace {

// Hot water at 80 C in a 20/25 mm tube, engine oil at 40 C in a 40/45 mm outer
// tube, 5 m long.
struct Entry {
  const char* edit;
  const char* text;
};
constexpr Entry kEntries[] = {{"Edit1", "0.02"},  {"Edit2", "0.025"}, {"Edit3", "0.04"},
                              {"Edit4", "0.045"}, {"Edit5", "5"},     {"Edit6", "0.2"},
                              {"Edit7", "0.3"},   {"Edit19", "80"},   {"Edit20", "40"}};

calvora::DoublePipeInputs CoreInputs() {
  calvora::DoublePipeInputs in;
  in.innerFluid = 1;
  in.outerFluid = 2;
  in.innerTubeInsideDiameter = CoreText("0.02");
  in.innerTubeOutsideDiameter = CoreText("0.025");
  in.outerTubeInsideDiameter = CoreText("0.04");
  in.outerTubeOutsideDiameter = CoreText("0.045");
  in.length = "5";
  in.innerMassFlow = CoreText("0.2");
  in.outerMassFlow = CoreText("0.3");
  in.innerTemperature = "80";
  in.outerTemperature = "40";
  in.inletPipeDiameter = CoreText("0.03");
  in.outletPipeDiameter = CoreText("0.035");
  in.decimalSeparator = PlatformDecimalSeparator();
  return in;
}

void FillPage() {
  Group(Combi2Dlg, "RadioGroup1")->setItemIndex(1);  // saturated water inside
  Group(Combi2Dlg, "RadioGroup2")->setItemIndex(2);  // engine oil outside
  for (const Entry& e : kEntries)
    Edit(Combi2Dlg, e.edit)->setText(Number(e.text));
}

void AskForPressureDrops() {
  Box("CheckBox1")->setChecked(true);
  QVERIFY(Pressdlg->isVisible());
  Edit(Pressdlg, "Edit1")->setText(Number("0.03"));
  Edit(Pressdlg, "Edit2")->setText(Number("0.035"));
  Click(Pressdlg, "BitBtn1");
  QVERIFY(!Pressdlg->isVisible());
  QVERIFY(Combi2Dlg->isEnabled());
}

void CompareFlowFields(const calvora::DesignResult& r) {
  QCOMPARE(Edit(Results2, "Edit1")->text(), Formatted(r.innerMassFlow, 10, 4));
  QCOMPARE(Edit(Results2, "Edit3")->text(), Formatted(r.innerReynolds, 10, 4));
  QCOMPARE(Edit(Results2, "Edit4")->text(), Formatted(r.outerReynolds, 10, 4));
  QCOMPARE(Edit(Results2, "Edit5")->text(), Formatted(r.surfaceArea, 10, 4));
  QCOMPARE(Edit(Results2, "Edit6")->text(), Formatted(r.innerFilmCoefficient, 10, 4));
  QCOMPARE(Edit(Results2, "Edit7")->text(), Formatted(r.outerFilmCoefficient, 10, 4));
  QCOMPARE(Edit(Results2, "Edit8")->text(), Formatted(r.overallCoefficient, 10, 4));
  QCOMPARE(Edit(Results2, "Edit14")->text(), Formatted(r.innerDensity, 4, 6));
  QCOMPARE(Edit(Results2, "Edit19")->text(), Formatted(r.outerViscosity, 6, 6));
}

}  // namespace

class DoublePipeRunTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    CreateScreens();
    Combi2Dlg->show();
    Combi2Dlg->notebook()->setCurrentIndex(0);
    QCOMPARE(Combi2Dlg->showingPageCaption(), QString("Double pipe"));
  }
  void cleanup() { DestroyScreens(); }

  // Counter flow with the iteration and both pressure drops: the fields show
  // the analysis' values, the report repeats them.
  void ratesWithIterationAndPressureDrops() {
    MessageBoxRecorder boxes;
    FillPage();
    Box("CheckBox2")->setChecked(true);
    QCOMPARE(Group(Combi2Dlg, "RadioGroup4")->itemIndex(), 0);
    Group(Combi2Dlg, "RadioGroup4")->setItemIndex(1);  // counter flow
    AskForPressureDrops();
    Click(Combi2Dlg, "OKBtn");
    QVERIFY2(boxes.boxes.isEmpty(), qPrintable(boxes.texts().join(" | ")));
    QVERIFY(Results2->isVisible());
    QVERIFY(!Combi2Dlg->isVisible());

    calvora::DoublePipeInputs in = CoreInputs();
    in.iteration = true;
    in.flowCondition = 1;
    in.pressureDrops = true;
    calvora::RecordingMessages messages;
    const calvora::DesignResult r = calvora::DoublePipeAnalysis(in, messages).result;
    CompareFlowFields(r);
    QCOMPARE(Edit(Results2, "Edit9")->text(), Formatted(r.heatTransferRate, 10, 3));
    QCOMPARE(Edit(Results2, "Edit10")->text(), Formatted(r.coldOutletTemperature, 10, 3));
    QCOMPARE(Edit(Results2, "Edit11")->text(), Formatted(r.hotOutletTemperature, 10, 3));
    QCOMPARE(Edit(Results2, "Edit12")->text(), Formatted(r.innerPressureDrop, 10, 4));
    QCOMPARE(Edit(Results2, "Edit13")->text(), Formatted(r.outerPressureDrop, 10, 4));
    QVERIFY(Edit(Results2, "Edit9")->isVisible());
    QVERIFY(Edit(Results2, "Edit13")->isVisible());
    QVERIFY(!Edit(Results2, "Edit22")->isVisible());

    // Save the report and read it back.
    QTemporaryDir dir;
    const QString path = dir.filePath("double-pipe.txt");
    QString reason;
    QVERIFY2(WriteReportFile(path, Results2->reportLines(false), &reason), qPrintable(reason));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList lines = QTextStream(&file).readAll().split('\n');
    QVERIFY(lines.contains("Type of heat exchanger being analysed : double pipe"));
    QVERIFY(lines.contains("The flow condition in the exchanger is counter flow."));
    QVERIFY(lines.contains("The inner fluid is saturated water."));
    QVERIFY(lines.contains("The outer fluid is unused engine oil."));
    QVERIFY(lines.contains("The overall heat transfer (W) : " + Edit(Results2, "Edit9")->text()));
    QVERIFY(lines.contains("Pressure drop of the outer fluid (Pa) : " +
                           Edit(Results2, "Edit13")->text()));
  }

  // Without the iteration: U and the pressure drops, the inlet temperatures
  // instead of the heat duty.
  void pressureDropsWithoutIteration() {
    MessageBoxRecorder boxes;
    FillPage();
    AskForPressureDrops();
    Click(Combi2Dlg, "OKBtn");
    QVERIFY2(boxes.boxes.isEmpty(), qPrintable(boxes.texts().join(" | ")));
    QVERIFY(Results2->isVisible());

    calvora::DoublePipeInputs in = CoreInputs();
    in.pressureDrops = true;
    calvora::RecordingMessages messages;
    const calvora::DesignResult r = calvora::DoublePipeAnalysis(in, messages).result;
    QVERIFY(r.innerPressureDrop > 0);
    CompareFlowFields(r);
    QCOMPARE(Edit(Results2, "Edit12")->text(), Formatted(r.innerPressureDrop, 10, 4));
    QCOMPARE(Edit(Results2, "Edit13")->text(), Formatted(r.outerPressureDrop, 10, 4));
    QCOMPARE(Edit(Results2, "Edit22")->text(), Formatted(80, 10, 2));
    QCOMPARE(Edit(Results2, "Edit23")->text(), Formatted(40, 10, 2));
    QVERIFY(Edit(Results2, "Edit22")->isVisible());
    QVERIFY(!Edit(Results2, "Edit9")->isVisible());
  }

  // A user-described outer fluid from "Outer fluid data".
  void userDescribedOuterFluid() {
    MessageBoxRecorder boxes;
    FillPage();
    Group(Combi2Dlg, "RadioGroup2")->setItemIndex(3);
    QVERIFY(Other2dlg->isVisible());
    const char* data[] = {"2000", "0.05", "0.14", "870"};
    for (int i = 0; i < 4; ++i) {
      Edit(Other2dlg, ("Edit" + std::to_string(i + 1)).c_str())->setText(Number(data[i]));
    }
    Click(Other2dlg, "BitBtn1");
    QVERIFY(Combi2Dlg->isEnabled());
    Box("CheckBox2")->setChecked(true);
    Click(Combi2Dlg, "OKBtn");
    QVERIFY2(boxes.boxes.isEmpty(), qPrintable(boxes.texts().join(" | ")));
    QVERIFY(Results2->isVisible());
    QCOMPARE(Edit(Results2, "Edit15")->text(), Formatted(870, 4, 6));
    QCOMPARE(Edit(Results2, "Edit17")->text(), Formatted(2000 * 0.05 / 0.14, 4, 6));
  }

  // Range and diameter messages in order, each an error box; no results, the
  // entries stay as typed.
  void checksShowTheirMessagesAndNoResults() {
    MessageBoxRecorder boxes;
    FillPage();
    Group(Combi2Dlg, "RadioGroup1")->setItemIndex(0);  // air inside at 400 C
    Edit(Combi2Dlg, "Edit19")->setText("400");
    Edit(Combi2Dlg, "Edit2")->setText(Number("0.02"));  // D2 = D1
    Click(Combi2Dlg, "OKBtn");
    QCOMPARE(boxes.texts(), (QStringList{Q(calvora::kInnerTemperatureOutOfRangeMessage),
                                         Q(calvora::kOuterDiametersMessage)}));
    for (const auto& box : boxes.boxes)
      QCOMPARE(box.icon, QMessageBox::Critical);
    QVERIFY(!Results2->isVisible());
    QVERIFY(Combi2Dlg->isVisible());
    QCOMPARE(Edit(Combi2Dlg, "Edit19")->text(), QString("400"));
  }

  void failuresEndTheRun_data() {
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    const QString conversion = Q(calvora::design::kConversionErrorMessage);
    const QString math = Q(calvora::design::kMathErrorMessage);
    QTest::newRow("empty length") << "Edit5"
                                  << "" << conversion;
    QTest::newRow("letters in a flow") << "Edit7"
                                       << "abc" << conversion;
    QTest::newRow("zero inside diameter") << "Edit1"
                                          << "0" << math;
    QTest::newRow("equal inlets with the iteration") << "Edit20"
                                                     << "80" << math;
  }
  void failuresEndTheRun() {
    QFETCH(QString, edit);
    QFETCH(QString, text);
    QFETCH(QString, message);
    MessageBoxRecorder boxes;
    FillPage();
    Box("CheckBox2")->setChecked(true);
    Edit(Combi2Dlg, edit.toLatin1().constData())->setText(text);
    Click(Combi2Dlg, "OKBtn");
    QCOMPARE(boxes.texts(), QStringList{message});
    QCOMPARE(boxes.boxes[0].icon, QMessageBox::Critical);
    QVERIFY(!Results2->isVisible());
    QCOMPARE(Edit(Combi2Dlg, edit.toLatin1().constData())->text(), text);
  }
};

QTEST_MAIN(DoublePipeRunTest)
#include "DoublePipeRun_test.moc"
