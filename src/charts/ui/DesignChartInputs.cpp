#include <QString>
#include <string>
#include <string_view>

#include "charts/Plot.h"
#include "charts/ui/ChartInputs.h"
#include "charts/ui/ChartTexts.h"
#include "design/DesignCaptions.h"
#include "design/DesignOutcome.h"

namespace calvora::charts {

namespace {

QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A text with every %1 replaced by `argument`.
std::string WithArgument(std::string_view text, const QString& argument) {
  return Q(text).arg(argument).toStdString();
}

}  // namespace

ChartInputs DesignChartInputs(const DesignOutcome& outcome) {
  ChartInputs in;
  if (!outcome.showsResults()) {
    in.ntuMissing = in.profileMissing = in.resistancesMissing =
        std::string(text::kRunWithoutResults);
    return in;
  }
  const DesignResult& r = outcome.result;

  in.resistancesComputed = true;
  in.innerFilm = r.innerFilmResistance;
  in.wall = r.wallResistance;
  in.outerFilm = r.outerFilmResistance;
  in.resistancesNote = std::string(r.referenceSurface == ReferenceSurface::FinnedOutside
                                       ? text::kResistancesOnFinnedSurface
                                       : text::kResistancesOnTubeInside);
  if (r.wallTermTubes != 1) {
    in.resistancesNote += ' ';
    in.resistancesNote +=
        WithArgument(text::kWallTermOfAllTubes, FormatNumber(r.wallTermTubes, 10));
  }

  if (!r.heatDutyComputed) {
    in.profileMissing =
        WithArgument(text::kProfileHeatDutyNotComputed, Q(design::kIterationQuestion));
    return in;  // the effectiveness tab says its own sentence
  }
  in.ntuComputed = true;
  in.arrangement = r.arrangement;
  in.mixing = r.mixing;
  in.C = r.capacityRatio;
  in.NTU = r.ntu;
  in.epsilon = r.effectiveness;
  in.Ch = r.hotCapacityRate;
  in.Cc = r.coldCapacityRate;
  if (r.referenceSurface == ReferenceSurface::FinnedOutside)
    in.ntuNote = std::string(text::kNtuOfFinnedSurface);

  in.temperaturesComputed = true;
  in.streamsNamed = true;
  in.innerIsHot = r.innerIsHot;
  in.Th1 = r.hotInletTemperature;
  in.Tc1 = r.coldInletTemperature;
  in.Th0 = r.hotOutletTemperature;
  in.Tc0 = r.coldOutletTemperature;
  // The profile along the area follows from parallel or counter flow (the
  // double pipe); for the other types the figure shows the inlets and outlets.
  in.UA = r.overallCoefficient * r.surfaceArea;
  return in;
}

}  // namespace calvora::charts
