// The chart window: its exported images, its text alternative and its missing
// data, drawn from a counter-flow run. With CALVORA_CHART_SHOTS=DIR each tab is
// also saved there as a PNG of the window, to look at.

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include "charts/Sweep.h"
#include "charts/ui/ChartFigures.h"
#include "charts/ui/ChartWindow.h"

using namespace calvora::charts;

namespace {

ChartInputs CounterFlowRun() {
  ChartInputs in;
  in.ntuComputed = in.temperaturesComputed = in.resistancesComputed = true;
  in.arrangement = calvora::FlowArrangement::CounterFlow;
  in.Ch = 1000;
  in.Cc = 600;
  in.C = 0.6;
  in.NTU = 1.8;
  in.UA = 1080;
  in.epsilon = 0.7213;
  in.Th1 = 90, in.Tc1 = 20, in.Th0 = 90 - 0.7213 * 0.6 * 70, in.Tc0 = 20 + 0.7213 * 70;
  in.innerFilm = 2e-3, in.wall = 1e-4, in.outerFilm = 6e-4;
  return in;
}

// The texts of an SVG document, one per <text> element; empty when it does not parse.
QStringList SvgTexts(const QString& file) {
  QFile f(file);
  if (!f.open(QIODevice::ReadOnly))
    return {};
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
    QCOMPARE(window.windowTitle(), QString("Calvora  v1.0"));
    QTemporaryDir dir;
    QVERIFY(window.saveImage(dir.filePath("curves.svg")));
    const QStringList texts = SvgTexts(dir.filePath("curves.svg"));
    for (const char* expected :
         {"NTU = U A / Cmin", "Effectiveness", "C = 0.25", "C = 0.6 (this run)"})
      QVERIFY2(texts.contains(expected), expected);
    QVERIFY(window.saveImage(dir.filePath("curves.png")));
    QCOMPARE(QImage(dir.filePath("curves.png")).size(), QSize(1800, 1200));
    QVERIFY(!window.saveImage(dir.filePath("curves.bmp")));

    SweepData sweep{"Sweep", "Length (m)", "Q (W)", {1, 2, 3}, {{"L = 1", {5, NAN, 7}}}};
    QVERIFY(WriteSweepPlot(sweep, dir.filePath("sweep.svg")));
    const QStringList sweepTexts = SvgTexts(dir.filePath("sweep.svg"));
    QVERIFY(sweepTexts.contains("Length (m)") && sweepTexts.contains("L = 1"));
  }

  void textAlternativeHoldsTheOperatingPoint() {
    ChartWindow window;
    const ChartInputs in = CounterFlowRun();
    window.showInputs(in);
    const Plot& plot = std::get<Plot>(window.view(ChartWindow::EffectivenessTab)->figure());
    QCOMPARE(plot.markers.at(0).at, QPointF(in.NTU, in.epsilon));
    const QString text = window.textView(ChartWindow::EffectivenessTab)->toPlainText();
    QVERIFY2(text.contains("NTU = 1.8, effectiveness = 0.7213"), qPrintable(text));
    QVERIFY(window.view(ChartWindow::EffectivenessTab)->accessibleDescription().contains("0.7213"));
    QVERIFY(window.textView(ChartWindow::ResistancesTab)->toPlainText().contains("74.1 %"));

    const QString shots = qEnvironmentVariable("CALVORA_CHART_SHOTS");
    for (int tab = 0; !shots.isEmpty() && tab < ChartWindow::kTabCount; ++tab) {
      window.tabs()->setCurrentIndex(tab);
      for (QSize size : {QSize(900, 720), QSize(700, 560)}) {
        window.resize(size);
        window.grab().save(
            QDir(shots).filePath(QString("tab%1-%2.png").arg(tab).arg(size.width())));
      }
    }
  }

  void missingDataIsSaid() {
    ChartWindow window;
    window.showInputs(ChartInputs{});
    QVERIFY(window.textView(ChartWindow::EffectivenessTab)
                ->toPlainText()
                .contains("The heat duty was not computed"));
    QVERIFY(std::get<Plot>(window.view(ChartWindow::ProfileTab)->figure()).series.empty());
  }
};

QTEST_MAIN(ChartWindowTest)
#include "ChartWindow_test.moc"
