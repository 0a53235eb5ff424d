#include "charts/Sweep.h"

#include <cmath>

namespace calvora::charts {

Plot SweepPlot(const SweepData& data) {
  Plot plot;
  plot.title = data.title;
  plot.xTitle = data.xTitle;
  plot.yTitle = data.yTitle;
  plot.emptyText = QStringLiteral("The sweep gave no values to plot.");
  for (const SweepLine& line : data.lines) {
    Series series;
    series.label = line.name;
    const size_t count = std::min(line.y.size(), data.x.size());
    series.points.reserve(count);
    for (size_t i = 0; i < count; ++i)
      series.points.emplace_back(data.x[i], std::isfinite(data.x[i]) ? line.y[i] : NAN);
    plot.series.push_back(std::move(series));
  }
  return plot;
}

bool WriteSweepPlot(const SweepData& data, const QString& file, QString* error, QSize size) {
  if (!file.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
    if (error)
      *error = QStringLiteral("A sweep plot is written as an .svg file, not as \"%1\".").arg(file);
    return false;
  }
  return SaveImage(SweepPlot(data), file, size, error);
}

}  // namespace calvora::charts
