// Case files from the screens: a run saved from its results screen opens in a
// fresh program on its input screen with the same record, gives the same
// results and saves to the same bytes; a bad file changes nothing; the results
// screens copy their fields and open the chart window.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "charts/ui/ChartWindow.h"
#include "common/ui/CaseActions.h"
#include "design/ui/Combi2.h"
#include "design/ui/DesignCase.h"
#include "design/ui/PageFields.h"
#include "design/ui/Result2.h"
#include "shell/Main.h"
#include "shell/Screens.h"
#include "support/MessageBoxRecorder.h"
#include "support/ScreenControls.h"
#include "thermal/ui/Combi1.h"
#include "thermal/ui/Result1.h"
#include "thermal/ui/ThermalCase.h"
#include "thermal/ui/ThermalScreen.h"

namespace {

using namespace calvora;
namespace ti = thermal_input;
constexpr int kAir = 0, kWater = 1, kCopper = 0;

// Counter flow, hot oil 150 -> 90 deg C heating water from 30 deg C.
ThermalInputs Thermal() {
  ThermalInputs in;
  in.SetArrangement(FlowArrangement::CounterFlow);
  for (Unknown u : {Unknown::Mh, Unknown::Tc0, Unknown::A})
    in.SetUnknown(u);
  const std::pair<ti::Quantity, const char*> texts[] = {
      {ti::Quantity::Th1, "150"}, {ti::Quantity::Tc1, "30"},   {ti::Quantity::Th0, "90"},
      {ti::Quantity::Mc, "1.5"},  {ti::Quantity::Q, "240000"}, {ti::Quantity::U, "300"},
      {ti::Quantity::Cc, "4180"}, {ti::Quantity::Ch, "2000"}};
  for (const auto& [quantity, text] : texts)
    in.SetText(quantity, text);
  in.decimalSeparator = PlatformDecimalSeparator();
  return in;
}

// The golden design records: double pipe with the iteration and the pressure
// drops, an in-line cross-flow bank with its pitches, a shell and tube, a
// compact (surface 7, carbon steel).
DesignInputs Design(int which) {
  if (which == 0) {
    DoublePipeInputs in;
    in.innerFluid = in.outerFluid = kWater;
    in.material = kCopper;
    in.pressureDrops = in.iteration = true;
    in.innerTubeType = in.outerTubeType = 0;
    in.flowCondition = 1;
    in.inletPipeDiameter = "0.03", in.outletPipeDiameter = "0.035";
    in.innerTubeInsideDiameter = "0.02", in.innerTubeOutsideDiameter = "0.025";
    in.outerTubeInsideDiameter = "0.04", in.outerTubeOutsideDiameter = "0.045";
    in.length = "5", in.innerMassFlow = "0.2", in.outerMassFlow = "0.3";
    in.innerTemperature = "80", in.outerTemperature = "20";
    return in;
  }
  if (which == 1) {
    CrossFlowInputs in;
    in.innerFluid = kWater;
    in.outerFluid = kAir;
    in.material = kCopper;
    in.arrangement = 0, in.pressureDrops = true, in.innerTubeType = 0;
    in.inletPipeDiameter = "0.05", in.outletPipeDiameter = "0.06";
    in.tubeInsideDiameter = "0.016", in.tubeOutsideDiameter = "0.02";
    in.rowsNormal = "10", in.rowsParallel = "4", in.tubeCount = "40", in.length = "1";
    in.innerMassFlow = "1", in.outerMassFlow = "0.5";
    in.innerTemperature = "80", in.outerTemperature = "27";
    in.inLinePitchParallel = "0.03", in.inLinePitchNormal = "0.04";
    return in;
  }
  if (which == 3) {
    CompactInputs in;
    in.surface = 6, in.innerFluid = kWater, in.outerFluid = kAir, in.material = 2;
    in.tubeInsideDiameter = "0.0165", in.tubeCount = "20", in.rowsNormal = "10";
    in.rowsParallel = "2", in.length = "0.6", in.innerMassFlow = "0.5";
    in.outerMassFlow = "1.2", in.innerTemperature = "80", in.outerTemperature = "20";
    return in;
  }
  ShellAndTubeInputs in;
  in.innerFluid = in.outerFluid = kWater;
  in.material = kCopper;
  in.iteration = true;
  in.shellDiameter = "0.5", in.tubeInsideDiameter = "0.0135", in.clearance = "0.015";
  in.baffles = "12", in.centralBaffleSpace = "0.2", in.endBaffleSpace = "0.3";
  in.innerMassFlow = "200", in.outerMassFlow = "25";
  in.innerTemperature = "20", in.outerTemperature = "80";
  in.arrangement = {false, true, false, false, false, false};
  return in;
}

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Write(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

}  // namespace

class CaseEntriesTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { CreateScreens(); }
  void cleanup() { DestroyScreens(); }

  // Saved from the results, opened in a fresh program: same screen, same
  // results, same file.
  void thermalRoundTrip() {
    WriteThermalScreen(*Combi1Dlg, Thermal());
    Click(Combi1Dlg, "OkBtn");
    const auto first = Results1->outcome().fieldTexts;
    QTemporaryDir dir;
    QVERIFY(WriteCaseFile(Results1, dir.filePath("t.json"),
                          ThermalCaseBytes(ReadThermalScreen(*Combi1Dlg), &Results1->outcome())));
    DestroyScreens();
    CreateScreens();
    QVERIFY(OpenCaseFile(dir.filePath("t.json")));
    QVERIFY(Combi1Dlg->isVisible() && !Mainform->isVisible());
    QVERIFY(ReadThermalScreen(*Combi1Dlg) == Thermal());
    Click(Combi1Dlg, "OkBtn");
    QVERIFY(Results1->isVisible() && !Combi1Dlg->isVisible());
    QCOMPARE(Results1->outcome().fieldTexts, first);
    QVERIFY(WriteCaseFile(Results1, dir.filePath("again.json"),
                          ThermalCaseBytes(ReadThermalScreen(*Combi1Dlg), &Results1->outcome())));
    QCOMPARE(ReadAll(dir.filePath("again.json")), ReadAll(dir.filePath("t.json")));
  }

  void designRoundTrip_data() {
    QTest::addColumn<int>("which");
    QTest::newRow("double pipe") << 0;
    QTest::newRow("cross flow") << 1;
    QTest::newRow("shell and tube") << 2;
    QTest::newRow("compact") << 3;
  }
  void designRoundTrip() {
    QFETCH(int, which);
    MessageBoxRecorder boxes;
    DesignInputs record = Design(which);
    std::visit([](auto& r) { r.decimalSeparator = PlatformDecimalSeparator(); }, record);
    WriteDesignCase(record);
    Click(Combi2Dlg, "OKBtn");
    QVERIFY(Results2->isVisible());
    const auto first = Results2->outcome().fieldTexts;
    const QStringList firstBoxes = boxes.texts();  // the run's own notes
    boxes.boxes.clear();
    QTemporaryDir dir;
    QVERIFY(WriteCaseFile(Results2, dir.filePath("d.json"),
                          DesignCaseBytes(Results2->outcome().inputs, &Results2->outcome())));
    DestroyScreens();
    CreateScreens();
    QVERIFY(OpenCaseFile(dir.filePath("d.json")));
    QVERIFY(Combi2Dlg->isVisible() && Combi2Dlg->isEnabled() && !Mainform->isVisible());
    QCOMPARE(Combi2Dlg->showingPage(), PageOf(record));
    QVERIFY(ReadDesignPage(PageOf(record)) == record);
    Click(Combi2Dlg, "OKBtn");
    QCOMPARE(Results2->outcome().fieldTexts, first);
    QVERIFY(WriteCaseFile(Results2, dir.filePath("again.json"),
                          DesignCaseBytes(Results2->outcome().inputs, &Results2->outcome())));
    QCOMPARE(ReadAll(dir.filePath("again.json")), ReadAll(dir.filePath("d.json")));
    QCOMPARE(boxes.texts(), firstBoxes);
  }

  // A file that cannot be read names the file and the key, and nothing changes.
  void badFileChangesNothing_data() {
    QTest::addColumn<QByteArray>("inputs");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("key");
    QTest::newRow("unknown key") << QByteArray(R"({"Th9": 1})") << "thermal"
                                 << "inputs.Th9";
    QTest::newRow("unit of another dimension") << QByteArray(R"({"Th1": "12 kg"})") << "thermal"
                                               << "inputs.Th1";
    QTest::newRow("pitch outside the tables")
        << QByteArray(R"({"arrangement": "In-Line arrangement", "tubeOutsideDiameter": 0.02,
                          "inLinePitchParallel": 0.001, "inLinePitchNormal": 0.04})")
        << "cross-flow"
        << "inputs.inLinePitchParallel";
  }
  void badFileChangesNothing() {
    QFETCH(QByteArray, inputs);
    QFETCH(QString, kind);
    QFETCH(QString, key);
    QTemporaryDir dir;
    const QString path = dir.filePath("bad.json");
    Write(path, R"({"format": "calvora-case", "version": 1, "kind": ")" + kind.toUtf8() +
                    R"(", "inputs": )" + inputs + "}");
    WriteThermalScreen(*Combi1Dlg, Thermal());
    Combi1Dlg->show();
    const DesignInputs design = ReadDesignPage(design::DesignPage::CrossFlow);
    MessageBoxRecorder boxes;
    QVERIFY(!OpenCaseFile(path));
    QCOMPARE(boxes.boxes.size(), 1);
    QVERIFY2(boxes.boxes[0].text.contains("bad.json: " + key + ": "), qPrintable(boxes.texts()[0]));
    QVERIFY(Combi1Dlg->isVisible() && !Combi2Dlg->isVisible());
    QVERIFY(ReadThermalScreen(*Combi1Dlg) == Thermal());
    QVERIFY(ReadDesignPage(design::DesignPage::CrossFlow) == design);
  }

  // Copy results: one "caption TAB value" line per field; F9: the chart window
  // with the run's operating point.
  void resultsCopyAndChart() {
    WriteThermalScreen(*Combi1Dlg, Thermal());
    Click(Combi1Dlg, "OkBtn");
    Results1->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Results1));
    QTest::keyClick(Results1, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    const QStringList lines = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), static_cast<qsizetype>(kThermalResultFields.size()));
    QCOMPARE(lines[0], "Inlet temperature of the hot fluid :\t" + Formatted(150, 10, 3).trimmed());
    for (const QString& line : lines)
      QCOMPARE(line.count('\t'), 1);
    QTest::keyClick(Results1, Qt::Key_F9);
    charts::ChartWindow* window = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
      if (!window && top->objectName() == "ChartWindow")
        window = static_cast<charts::ChartWindow*>(top);
    QVERIFY(window && window->isVisible());
    const auto& plot =
        std::get<charts::Plot>(window->view(charts::ChartWindow::EffectivenessTab)->figure());
    const ThermalState& state = Results1->outcome().state;
    QCOMPARE(plot.markers.at(0).at, QPointF(state.NTU, state.epsilon));
  }
};

QTEST_MAIN(CaseEntriesTest)
#include "CaseEntries_test.moc"
