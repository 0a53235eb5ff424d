#pragma once

// The figures of the chart window, built from a run's chart inputs with the
// core's own relations; the help's pictures use the same builders.

#include <QPointF>
#include <QString>
#include <optional>

#include "charts/Plot.h"
#include "charts/ui/ChartInputs.h"
#include "ntu/Curves.h"

namespace calvora::charts {

// The name of an exchanger type as the charts say it, e.g. "Counter flow".
QString CurveTypeName(const CurveType& type);

// Curves for C = 0, 0.25, 0.5, 0.75 and 1; with runC, that curve drawn stronger
// (and its limit shown where the type has one); with point, the operating point.
Plot EffectivenessCurves(const CurveType& type, std::optional<double> runC,
                         std::optional<QPointF> point);

Plot EffectivenessFigure(const ChartInputs& inputs);
Plot ProfileFigure(const ChartInputs& inputs);
BarChart ResistanceFigure(const ChartInputs& inputs);

}  // namespace calvora::charts
