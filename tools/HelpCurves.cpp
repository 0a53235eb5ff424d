// Writes the effectiveness-NTU curves of every exchanger type as SVG pictures
// for the help, drawn by the same code as the chart window:
//   calvora_help_curves OUTPUT_FOLDER

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "charts/ui/ChartFigures.h"

namespace {

using calvora::CrossFlowMixing;
using calvora::CurveType;
using calvora::FlowArrangement;

struct Picture {
  const char* file;
  CurveType type;
};

const Picture kPictures[] = {
    {"eps-ntu-parallel-flow.svg", {FlowArrangement::ParallelFlow, CrossFlowMixing::None, true}},
    {"eps-ntu-counter-flow.svg", {FlowArrangement::CounterFlow, CrossFlowMixing::None, true}},
    {"eps-ntu-shell-and-tube.svg", {FlowArrangement::ShellAndTube, CrossFlowMixing::None, true}},
    {"eps-ntu-cross-flow-both-mixed.svg",
     {FlowArrangement::CrossFlow, CrossFlowMixing::BothMixed, true}},
    {"eps-ntu-cross-flow-both-unmixed.svg",
     {FlowArrangement::CrossFlow, CrossFlowMixing::BothUnmixed, true}},
    // Cold stream the smaller one: "cold unmixed" has the Cmin stream unmixed.
    {"eps-ntu-cross-flow-cmin-unmixed.svg",
     {FlowArrangement::CrossFlow, CrossFlowMixing::ColdUnmixed, true}},
    {"eps-ntu-cross-flow-cmin-mixed.svg",
     {FlowArrangement::CrossFlow, CrossFlowMixing::ColdMixed, true}},
    {"eps-ntu-capacity-ratio-zero.svg",
     {FlowArrangement::CapacityRatioZero, CrossFlowMixing::None, true}},
};

}  // namespace

int main(int argc, char** argv) {
  // Drawing text needs a platform, but never a display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
    return 2;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  if (!folder.mkpath(QStringLiteral("."))) {
    std::fprintf(stderr, "cannot create %s\n", argv[1]);
    return 1;
  }
  for (const Picture& picture : kPictures) {
    QString error;
    const auto plot =
        calvora::charts::EffectivenessCurves(picture.type, std::nullopt, std::nullopt);
    if (!calvora::charts::SaveImage(plot, folder.filePath(picture.file), QSize(640, 420), &error)) {
      std::fprintf(stderr, "%s\n", qPrintable(error));
      return 1;
    }
  }
  return 0;
}
