#include "charts/ui/ChartFigures.h"

#include <QColor>
#include <algorithm>
#include <cmath>

#include "charts/ui/ChartTexts.h"
#include "design/DesignCaptions.h"
#include "ntu/Profile.h"

namespace calvora::charts {

namespace {

QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

const QColor kHot(0xD5, 0x5E, 0x00);
const QColor kCold(0x00, 0x72, 0xB2);
// The two films when the run did not say which stream is hot.
const QColor kInnerSide(0x00, 0x9E, 0x73);
const QColor kOuterSide(0xCC, 0x79, 0xA7);

constexpr double kStandardRatios[] = {0.0, 0.25, 0.5, 0.75, 1.0};
constexpr int kCurveIntervals = 200;

// Whether the smaller stream is the unmixed one, for a single-mixed cross flow.
bool CminUnmixed(const CurveType& type) {
  return (type.mixing == CrossFlowMixing::ColdUnmixed) == type.coldIsCmin;
}

// The largest NTU of the axis: 5, or enough to show the run's point.
double NtuAxisEnd(std::optional<QPointF> point) {
  if (!point || !(point->x() * 1.15 > 5.0) || !std::isfinite(point->x()))
    return 5.0;
  const Ticks ticks = NiceTicks(0.0, point->x() * 1.15, 5);
  return ticks.max;
}

QString RatioLabel(double C) {
  return QStringLiteral("C = %1").arg(FormatNumber(C, 3));
}

}  // namespace

QString CurveTypeName(const CurveType& type) {
  switch (type.arrangement) {
    case FlowArrangement::ParallelFlow:
      return QStringLiteral("Parallel flow");
    case FlowArrangement::CounterFlow:
      return QStringLiteral("Counter flow");
    case FlowArrangement::ShellAndTube:
      return QStringLiteral("Shell and tube, one shell pass, 2, 4 or 6 tube passes");
    case FlowArrangement::CapacityRatioZero:
      return QStringLiteral("Any exchanger with C = 0");
    case FlowArrangement::CrossFlow:
      break;
  }
  switch (type.mixing) {
    case CrossFlowMixing::BothMixed:
      return QStringLiteral("Cross flow, both fluids mixed");
    case CrossFlowMixing::BothUnmixed:
      return QStringLiteral("Cross flow, both fluids unmixed");
    default:
      return CminUnmixed(type) ? QStringLiteral("Cross flow, Cmin unmixed, Cmax mixed")
                               : QStringLiteral("Cross flow, Cmin mixed, Cmax unmixed");
  }
}

Plot EffectivenessCurves(const CurveType& type, std::optional<double> runC,
                         std::optional<QPointF> point) {
  Plot plot;
  plot.title = QStringLiteral("Effectiveness against NTU: %1").arg(CurveTypeName(type));
  plot.xTitle = Q(text::kNtuAxis);
  plot.yTitle = Q(text::kEffectivenessAxis);
  const double maxNtu = NtuAxisEnd(point);
  plot.xRange = AxisRange{0.0, maxNtu};
  plot.yRange = AxisRange{0.0, 1.0};
  // The run's own ratio, when it is one a curve can have.
  const double ownC = runC.value_or(-1.0);
  const bool hasRun = ownC >= 0.0 && ownC <= 1.0;

  auto addCurve = [&](double C, bool strong) {
    Series series;
    series.label = RatioLabel(C);
    if (strong)
      series.label += QStringLiteral(" (this run)");
    series.emphasis = strong ? Emphasis::Strong : Emphasis::Normal;
    if (strong)
      series.color = Qt::black;
    for (const CurvePoint& p : EffectivenessCurve(type, C, maxNtu, kCurveIntervals))
      series.points.emplace_back(p.NTU, p.epsilon);
    if (series.points.empty())
      return;
    plot.series.push_back(std::move(series));
  };
  if (type.arrangement == FlowArrangement::CapacityRatioZero) {
    addCurve(0.0, hasRun);
  } else {
    for (double C : kStandardRatios) {
      if (!(hasRun && ownC == C))
        addCurve(C, false);
    }
    if (hasRun)
      addCurve(ownC, true);
  }

  const double limitC = hasRun ? ownC : 0.5;
  if (const std::optional<CurveLimit> limit = EffectivenessLimit(type, limitC)) {
    ReferenceLine line;
    line.value = limit->epsilon;
    if (limit->kind == CurveLimit::Kind::Asymptote) {
      line.label = QStringLiteral("Limit 1 / (1 + C) = %1 for %2")
                       .arg(FormatNumber(limit->epsilon, 4), RatioLabel(limitC));
    } else {
      line.label = QStringLiteral("Largest effectiveness %1 at NTU = %2 for %3")
                       .arg(FormatNumber(limit->epsilon, 4), FormatNumber(limit->NTU, 3),
                            RatioLabel(limitC));
    }
    plot.lines.push_back(line);
  }
  if (point) {
    plot.markers.push_back(
        {*point, QStringLiteral("NTU = %1, effectiveness = %2")
                     .arg(FormatNumber(point->x(), 4), FormatNumber(point->y(), 4))});
  }
  return plot;
}

Plot EffectivenessFigure(const ChartInputs& in) {
  if (!in.ntuComputed) {
    Plot plot;
    plot.title = QStringLiteral("Effectiveness against NTU");
    plot.emptyText = in.ntuMissing.empty()
                         ? Q(text::kHeatDutyNotComputed).arg(Q(design::kIterationQuestion))
                         : Q(in.ntuMissing);
    return plot;
  }
  CurveType type{in.arrangement, in.mixing, in.Cc < in.Ch};
  Plot plot = EffectivenessCurves(type, in.C, QPointF(in.NTU, in.epsilon));
  if (!in.ntuNote.empty())
    plot.notes << Q(in.ntuNote);
  return plot;
}

Plot ProfileFigure(const ChartInputs& in) {
  Plot plot;
  plot.title = QStringLiteral("Temperatures along the exchanger");
  plot.yTitle = Q(text::kTemperatureAxis);
  if (!in.temperaturesComputed) {
    plot.emptyText =
        in.profileMissing.empty() ? Q(text::kTemperaturesNotComputed) : Q(in.profileMissing);
    return plot;
  }
  const bool counter = in.arrangement == FlowArrangement::CounterFlow;
  const std::optional<TemperatureProfile> profile =
      ProfileAlongArea(in.arrangement, in.Th1, in.Tc1, in.Ch, in.Cc, in.UA, 100);
  auto mark = [&](double x, double T, const char* name) {
    plot.markers.push_back({QPointF(x, T), QStringLiteral("%1 = %2").arg(name, FormatNumber(T))});
  };
  if (!profile) {
    plot.title += QStringLiteral(": inlets and outlets");
    plot.xTitle = Q(text::kEndsAxis);
    plot.xRange = AxisRange{-0.1, 1.1};
    plot.xTicks = {0.0, 1.0};
    plot.notes << Q(text::kProfileDependsOnPath);
    mark(0, in.Th1, "Th1");
    mark(1, in.Th0, "Th0");
    mark(0, in.Tc1, "Tc1");
    mark(1, in.Tc0, "Tc0");
    return plot;
  }
  plot.title += counter ? QStringLiteral(": counter flow") : QStringLiteral(": parallel flow");
  plot.xTitle = Q(text::kAreaAxis);
  plot.xRange = AxisRange{-0.03, 1.03};
  // "Hot fluid (inner)" where the run knows which stream flows inside the tubes.
  auto streamName = [&](bool hotStream) {
    QString name = hotStream ? QStringLiteral("Hot fluid") : QStringLiteral("Cold fluid");
    if (in.streamsNamed)
      name += hotStream == in.innerIsHot ? QStringLiteral(" (inner)") : QStringLiteral(" (outer)");
    return name;
  };
  Series hot{streamName(true), {}, Emphasis::Strong, kHot, false};
  Series cold{streamName(false), {}, Emphasis::Strong, kCold, false};
  for (const ProfilePoint& p : profile->points) {
    hot.points.emplace_back(p.x, p.Th);
    cold.points.emplace_back(p.x, p.Tc);
  }
  const double x = profile->smallestAt;
  const ProfilePoint& end = x == 0.0 ? profile->points.front() : profile->points.back();
  Series gap{QStringLiteral("Smallest difference %1 deg.C")
                 .arg(FormatNumber(profile->smallestDifference, 4)),
             {QPointF(x, end.Th), QPointF(x, end.Tc)},
             Emphasis::Normal,
             QColor(0x44, 0x44, 0x44),
             true};
  plot.series = {hot, cold, gap};
  mark(0, in.Th1, "Th1");
  mark(1, in.Th0, "Th0");
  mark(counter ? 1 : 0, in.Tc1, "Tc1");
  mark(counter ? 0 : 1, in.Tc0, "Tc0");
  plot.notes << QStringLiteral(
                    "Smallest temperature difference: %1 deg.C, at the %2 end (x = %3). "
                    "Log-mean temperature difference: %4 deg.C.")
                    .arg(FormatNumber(profile->smallestDifference, 5),
                         x == 0.0 ? QStringLiteral("hot inlet") : QStringLiteral("hot outlet"),
                         FormatNumber(x), FormatNumber(profile->logMeanDifference, 5));
  if (counter)
    plot.notes << QStringLiteral("The cold fluid enters at x = 1 and flows against the hot fluid.");
  return plot;
}

BarChart ResistanceFigure(const ChartInputs& in) {
  BarChart bar;
  bar.title = QStringLiteral("How the overall resistance 1/U splits");
  if (!in.resistancesComputed) {
    bar.emptyText =
        in.resistancesMissing.empty() ? Q(text::kResistancesNotComputed) : Q(in.resistancesMissing);
    return bar;
  }
  bar.valueTitle = QStringLiteral("Resistance (m2.deg.C/W), each referred to the area of U");
  // Each film in its stream's colour, and named by it, when the run knows which is hot.
  QString innerLabel = QStringLiteral("Inner film");
  QString outerLabel = QStringLiteral("Outer film");
  QColor innerColour = kInnerSide;
  QColor outerColour = kOuterSide;
  if (in.streamsNamed) {
    innerLabel += in.innerIsHot ? QStringLiteral(" (hot fluid)") : QStringLiteral(" (cold fluid)");
    outerLabel += in.innerIsHot ? QStringLiteral(" (cold fluid)") : QStringLiteral(" (hot fluid)");
    innerColour = in.innerIsHot ? kHot : kCold;
    outerColour = in.innerIsHot ? kCold : kHot;
  }
  bar.segments = {{innerLabel, in.innerFilm, innerColour},
                  {QStringLiteral("Wall"), in.wall, QColor(0x88, 0x88, 0x88)},
                  {outerLabel, in.outerFilm, outerColour}};
  const double total = in.innerFilm + in.wall + in.outerFilm;
  if (total > 0 && std::isfinite(total)) {
    bar.notes << QStringLiteral("1/U = %1 m2.deg.C/W, so U = %2 W/m2.deg.C.")
                     .arg(FormatNumber(total, 4), FormatNumber(1.0 / total, 5));
    const auto* largest = &bar.segments[0];
    for (const BarSegment& s : bar.segments) {
      if (s.value > largest->value)
        largest = &s;
    }
    bar.notes
        << QStringLiteral("The %1 limits the heat transfer most.").arg(largest->label.toLower());
  }
  if (!in.resistancesNote.empty())
    bar.notes << Q(in.resistancesNote);
  return bar;
}

ChartInputs ThermalChartInputs(const ThermalState& s) {
  ChartInputs in;
  in.ntuComputed = std::isfinite(s.NTU) && std::isfinite(s.epsilon);
  in.arrangement = s.arrangement;
  in.mixing = s.mixing;
  in.C = s.C;
  in.NTU = s.NTU;
  in.epsilon = s.epsilon;
  in.Ch = s.Ch;
  in.Cc = s.Cc;
  in.temperaturesComputed = true;
  in.Th1 = s.Th1;
  in.Th0 = s.Th0;
  in.Tc1 = s.Tc1;
  in.Tc0 = s.Tc0;
  in.UA = s.U * s.A;
  in.resistancesMissing = std::string(text::kResistancesThermal);
  return in;
}

}  // namespace calvora::charts
