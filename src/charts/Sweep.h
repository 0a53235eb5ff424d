#pragma once

// The line plot of a parameter sweep: one x value per run, one line per value
// of a second varied entry (or per result shown).

#include <QSize>
#include <QString>
#include <vector>

#include "charts/Plot.h"

namespace calvora::charts {

struct SweepLine {
  QString name;           // e.g. "Q (W), L = 2"
  std::vector<double> y;  // one per x; NaN where the run gave no value
};

struct SweepData {
  QString title;
  QString xTitle;
  QString yTitle;
  std::vector<double> x;
  std::vector<SweepLine> lines;
};

// The plot of the sweep; a line's missing values leave gaps, and values past the
// end of x are ignored.
Plot SweepPlot(const SweepData& data);

// Writes the sweep's plot as an SVG file; false with a sentence in *error when
// the file cannot be written.
bool WriteSweepPlot(const SweepData& data, const QString& file, QString* error = nullptr,
                    QSize size = QSize(900, 600));

}  // namespace calvora::charts
