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

// The entries of one case of each kind, as a file gives them.
struct Kind {
  const char* kind;
  const char* inputs;
};
constexpr Kind kCases[] = {
    {"thermal", R"j({"type": "Counter Flow", "unknowns": ["Mh", "Tc0", "A"], "Th1": 150, "Tc1": 30,
        "Th0": 90, "Mc": 1.5, "Q": 240000, "U": 300, "cc": 4180, "ch": 2000})j"},
    {"double-pipe", R"j({"innerTubeInsideDiameter": 0.02, "innerTubeOutsideDiameter": 0.025,
        "outerTubeInsideDiameter": 0.04, "outerTubeOutsideDiameter": 0.045, "length": 5,
        "innerMassFlow": 0.2, "outerMassFlow": 0.3, "innerFluid": "Saturated Water",
        "innerTemperature": 80, "outerFluid": "Oil (Engine,Unused)", "outerTemperature": 40,
        "material": "Copper", "iteration": true, "flowCondition": "Counter flow"})j"},
    {"cross-flow", R"j({"innerFluid": "Saturated Water", "outerFluid": "Air", "material": "Copper",
        "arrangement": "In-Line arrangement", "tubeInsideDiameter": 0.016,
        "tubeOutsideDiameter": 0.02, "rowsNormal": 10, "rowsParallel": 4, "tubeCount": 40,
        "length": 1, "innerMassFlow": 1, "outerMassFlow": 0.5, "innerTemperature": 80,
        "outerTemperature": 27, "inLinePitchParallel": 0.03, "inLinePitchNormal": 0.04})j"},
    {"shell-and-tube", R"j({"innerFluid": "Saturated Water", "outerFluid": "Saturated Water",
        "material": "Copper", "iteration": true, "shellDiameter": 0.5, "tubeInsideDiameter":
        0.0135, "clearance": 0.015, "baffles": 12, "centralBaffleSpace": 0.2, "endBaffleSpace":
        0.3, "innerMassFlow": 200, "outerMassFlow": 25, "innerTemperature": 20,
        "outerTemperature": 80, "layout2": true})j"},
    {"compact", R"j({"surface": "Cir-Cir  19.66mm, 37.2mm, 39.5mm,  44.5mm,  5.13mm,  0.31mm",
        "innerFluid": "Saturated Water", "outerFluid": "Air", "material":
        "Carbon Steel", "tubeInsideDiameter": 0.0165, "tubeCount": 20, "rowsNormal": 10,
        "rowsParallel": 2, "length": 0.6, "innerMassFlow": 0.5, "outerMassFlow": 1.2,
        "innerTemperature": 80, "outerTemperature": 20})j"},
};

bool Thermal(const QString& kind) {
  return kind == "thermal";
}

// The input screen of `kind` as a case file, and the run shown on its results screen.
QByteArray InputCase(const QString& kind) {
  return Thermal(kind) ? ThermalCaseBytes(ReadThermalScreen(*Combi1Dlg))
                       : DesignCaseBytes(ReadDesignPage(*PageOfCaseKind(kind.toStdString())));
}
QByteArray ResultsCase(const QString& kind) {
  return Thermal(kind) ? ThermalCaseBytes(ReadThermalScreen(*Combi1Dlg), &Results1->outcome())
                       : DesignCaseBytes(Results2->outcome().inputs, &Results2->outcome());
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

QByteArray CaseFile(const QString& kind, const QByteArray& inputs) {
  return R"({"format": "calvora-case", "version": 1, "kind": ")" + kind.toUtf8() +
         R"(", "inputs": )" + inputs + "}";
}

// OK on the input screen of `kind`; the results screen shows the run.
void RunCase(const QString& kind) {
  Click(Thermal(kind) ? static_cast<QWidget*>(Combi1Dlg) : Combi2Dlg,
        Thermal(kind) ? "OkBtn" : "OKBtn");
  QVERIFY(Thermal(kind) ? Results1->isVisible() : Results2->isVisible());
}

}  // namespace

class CaseEntriesTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { CreateScreens(); }
  void cleanup() { DestroyScreens(); }

  // Opened, run, saved from the results, opened in a fresh program: the same
  // screen, the same run's notes, the same file byte for byte (results included).
  void roundTrip_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("inputs");
    for (const Kind& c : kCases)
      QTest::newRow(c.kind) << c.kind << QByteArray(c.inputs);
  }
  void roundTrip() {
    QFETCH(QString, kind);
    QFETCH(QByteArray, inputs);
    QTemporaryDir dir;
    Write(dir.filePath("in.json"), CaseFile(kind, inputs));
    MessageBoxRecorder boxes;
    QVERIFY(OpenCaseFile(dir.filePath("in.json")));
    const QByteArray screen = InputCase(kind);
    RunCase(kind);
    const QStringList notes = boxes.texts();  // the run's own notes
    QVERIFY(WriteCaseFile(Results1, dir.filePath("saved.json"), ResultsCase(kind)));
    DestroyScreens();
    CreateScreens();
    boxes.boxes.clear();
    QVERIFY(OpenCaseFile(dir.filePath("saved.json")));
    QVERIFY(!Mainform->isVisible() && Combi1Dlg->isVisible() == Thermal(kind) &&
            Combi2Dlg->isVisible() != Thermal(kind) && Combi2Dlg->isEnabled());
    QCOMPARE(InputCase(kind), screen);
    RunCase(kind);
    QCOMPARE(boxes.texts(), notes);
    QVERIFY(WriteCaseFile(Results1, dir.filePath("again.json"), ResultsCase(kind)));
    QCOMPARE(ReadAll(dir.filePath("again.json")), ReadAll(dir.filePath("saved.json")));
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
    Write(path, CaseFile(kind, inputs));
    Write(dir.filePath("good.json"), CaseFile("thermal", kCases[0].inputs));
    QVERIFY(OpenCaseFile(dir.filePath("good.json")));
    const QByteArray thermal = InputCase("thermal"), crossFlow = InputCase("cross-flow");
    MessageBoxRecorder boxes;
    QVERIFY(!OpenCaseFile(path));
    QCOMPARE(boxes.boxes.size(), 1);
    QVERIFY2(boxes.boxes[0].text.contains("bad.json: " + key + ": "), qPrintable(boxes.texts()[0]));
    QVERIFY(Combi1Dlg->isVisible() && !Combi2Dlg->isVisible());
    QCOMPARE(InputCase("thermal"), thermal);
    QCOMPARE(InputCase("cross-flow"), crossFlow);
  }

  // Copy results: one "caption TAB value" line per field; F9: the chart window
  // with the run's operating point.
  void resultsCopyAndChart() {
    QTemporaryDir dir;
    Write(dir.filePath("t.json"), CaseFile("thermal", kCases[0].inputs));
    QVERIFY(OpenCaseFile(dir.filePath("t.json")));
    RunCase("thermal");
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
