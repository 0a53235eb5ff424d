// Cost of drawing the chart window's effectiveness-NTU chart to an image, and of
// writing a 10,000-point line plot as SVG.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <cmath>

#include "charts/Sweep.h"
#include "charts/ui/ChartFigures.h"

namespace {

calvora::charts::ChartInputs CounterFlowRun() {
  calvora::charts::ChartInputs in;
  in.ntuComputed = true;
  in.arrangement = calvora::FlowArrangement::CounterFlow;
  in.C = 0.6;
  in.NTU = 1.8;
  in.epsilon = 0.72;
  in.Ch = 1000;
  in.Cc = 600;
  return in;
}

void BM_EffectivenessChartToImage(benchmark::State& state) {
  const calvora::charts::ChartInputs in = CounterFlowRun();
  for (auto _ : state) {
    const QImage image =
        calvora::charts::Render(calvora::charts::EffectivenessFigure(in), QSize(900, 600));
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_EffectivenessChartToImage)->Unit(benchmark::kMillisecond);

void BM_SweepPlot10000PointsToSvg(benchmark::State& state) {
  calvora::charts::SweepData data{"Sweep", "x", "y", {}, {{"y = sin x", {}}}};
  for (int i = 0; i < 10000; ++i) {
    data.x.push_back(i * 0.001);
    data.lines[0].y.push_back(std::sin(i * 0.001));
  }
  for (auto _ : state) {
    const QByteArray svg =
        calvora::charts::SvgDocument(calvora::charts::SweepPlot(data), QSize(900, 600));
    benchmark::DoNotOptimize(svg.constData());
  }
}
BENCHMARK(BM_SweepPlot10000PointsToSvg)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
