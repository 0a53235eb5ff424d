// The chart window of a counter-flow run: its exported images, its text
// alternative, and what it says when a run did not compute the data.

#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include "charts/Sweep.h"
#include "charts/ui/ChartWindow.h"

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
};

QTEST_MAIN(ChartWindowTest)
#include "ChartWindow_test.moc"
