// The chart window of a counter-flow run: its exported images, its text
// alternative, and what it says when a run did not compute the data.

#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include "charts/Sweep.h"
#include "charts/ui/ChartWindow.h"
#include "common/Messages.h"
#include "design/DesignOutcome.h"

using namespace calvora::charts;

namespace {

ChartInputs CounterFlowRun() {
  ChartInputs in;
  in.ntuComputed = in.temperaturesComputed = in.resistancesComputed = true;
  in.arrangement = calvora::FlowArrangement::CounterFlow;
  in.Ch = 1000, in.Cc = 600, in.C = 0.6, in.NTU = 1.8, in.UA = 1080, in.epsilon = 0.7213;
  in.Th1 = 90, in.Tc1 = 20, in.Th0 = 59.705, in.Tc0 = 70.491;
  in.innerFilm = 2e-3, in.wall = 1e-4, in.outerFilm = 6e-4;
  return in;
}

// The texts of an SVG file's <text> elements; empty when it does not parse.
QStringList SvgTexts(const QString& file) {
  QFile f(file);
  f.open(QIODevice::ReadOnly);
  QXmlStreamReader xml(&f);
  QStringList texts;
  while (!xml.atEnd()) {
    if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("text"))
      texts << xml.readElementText(QXmlStreamReader::IncludeChildElements).simplified();
  }
  return xml.hasError() ? QStringList() : texts;
}

// The README's first run: water at 80 deg C inside, engine oil at 40 deg C in
// the annulus, counter flow, with the iteration.
calvora::DesignOutcome ReadmeDoublePipe() {
  calvora::DoublePipeInputs in;
  in.innerFluid = 1, in.outerFluid = 2, in.material = 0;
  in.iteration = true, in.flowCondition = 1;
  in.innerTubeInsideDiameter = "0.02", in.innerTubeOutsideDiameter = "0.025";
  in.outerTubeInsideDiameter = "0.04", in.outerTubeOutsideDiameter = "0.045";
  in.length = "5", in.innerMassFlow = "0.2", in.outerMassFlow = "0.3";
  in.innerTemperature = "80", in.outerTemperature = "40";
  calvora::RecordingMessages messages;
  return calvora::RunDesign(in, messages);
}

}  // namespace

class ChartWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void exportsHoldAxesAndLegend() {
    ChartWindow window;
    window.showInputs(CounterFlowRun());
    QTemporaryDir dir;
    QVERIFY(window.saveImage(dir.filePath("c.svg")) && window.saveImage(dir.filePath("c.png")));
    const QStringList texts = SvgTexts(dir.filePath("c.svg"));
    for (const char* text : {"NTU = U A / Cmin", "Effectiveness", "C = 0.25", "C = 0.6 (this run)"})
      QVERIFY2(texts.contains(text), text);
    QCOMPARE(QImage(dir.filePath("c.png")).size(), QSize(1800, 1200));

    SweepData sweep{"Sweep", "Length (m)", "Q (W)", {1, 2, 3}, {{"L = 1", {5, NAN, 7}}}};
    QVERIFY(WriteSweepPlot(sweep, dir.filePath("sweep.svg")));
    QVERIFY(SvgTexts(dir.filePath("sweep.svg")).contains("L = 1"));
  }

  void textAlternativeHoldsTheOperatingPoint() {
    ChartWindow window;
    window.showInputs(CounterFlowRun());
    QCOMPARE(window.windowTitle(), QString("Calvora  v1.0"));
    const auto& plot = std::get<Plot>(window.view(ChartWindow::EffectivenessTab)->figure());
    QCOMPARE(plot.markers.at(0).at, QPointF(1.8, 0.7213));
    const QString text = window.textView(ChartWindow::EffectivenessTab)->toPlainText();
    QVERIFY2(text.contains("NTU = 1.8, effectiveness = 0.7213"), qPrintable(text));
    QVERIFY(window.view(ChartWindow::EffectivenessTab)->accessibleDescription().contains("0.7213"));
    QVERIFY(window.textView(ChartWindow::ResistancesTab)->toPlainText().contains("74.1 %"));

    window.showInputs(ChartInputs{});
    QVERIFY(window.textView(ChartWindow::EffectivenessTab)
                ->toPlainText()
                .contains("The heat duty was not computed"));
  }

  // The point at (U A / Cmin, Q / (Cmin (Th1 - Tc1))), the profile from the
  // shown inlets to the shown outlets with both streams' heat equal to Q, and
  // the oil film as the largest resistance.
  void readmeDoublePipeRun() {
    const calvora::DesignOutcome run = ReadmeDoublePipe();
    const calvora::DesignResult& r = run.result;
    ChartWindow window;
    window.showInputs(DesignChartInputs(run));
    const double Ch = r.hotCapacityRate, Cc = r.coldCapacityRate, Cmin = std::min(Ch, Cc);
    const auto& curves = std::get<Plot>(window.view(ChartWindow::EffectivenessTab)->figure());
    const QPointF point = curves.markers.at(0).at;
    QCOMPARE(point.x(), r.overallCoefficient * r.surfaceArea / Cmin);
    QCOMPARE(point.y(), r.heatTransferRate / (Cmin * (80 - 40)));
    QVERIFY(std::fabs(point.x() - 0.034) < 0.002 && std::fabs(point.y() - 0.034) < 0.002);
    const auto& profile = std::get<Plot>(window.view(ChartWindow::ProfileTab)->figure());
    const std::vector<QPointF>& hot = profile.series.at(0).points;
    const std::vector<QPointF>& cold = profile.series.at(1).points;
    QCOMPARE(profile.series.at(0).label, QString("Hot fluid (inner)"));
    const double Th0 = std::stod(run.text("hotOutletTemperature"));
    const double Tc0 = std::stod(run.text("coldOutletTemperature"));
    QVERIFY(Th0 == 79.061 && Tc0 == 41.338);  // as the README shows them
    QVERIFY(hot.front().y() == 80 && std::fabs(hot.back().y() - Th0) < 5e-4);
    QVERIFY(std::fabs(cold.back().y() - 40) < 1e-9 && std::fabs(cold.front().y() - Tc0) < 5e-4);
    const double Q = r.heatTransferRate;
    QVERIFY(std::fabs(Ch * (hot.front().y() - hot.back().y()) - Q) < 1e-9 * Q);
    QVERIFY(std::fabs(Cc * (cold.front().y() - cold.back().y()) - Q) < 1e-9 * Q);
    const auto& bar = std::get<BarChart>(window.view(ChartWindow::ResistancesTab)->figure());
    QVERIFY(bar.segments.at(2).value > bar.segments.at(0).value + bar.segments.at(1).value);
    QVERIFY(bar.notes.join(' ').contains("outer film (cold fluid) limits"));
  }
};

QTEST_MAIN(ChartWindowTest)
#include "ChartWindow_test.moc"
