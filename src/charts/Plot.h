#pragma once

// A small plotting layer over QPainter: a figure is described as plain data (a
// line plot or a horizontal stacked bar), then drawn at any size on any paint
// device, exported as SVG or PNG, or told as text for a screen reader. It knows
// nothing of heat exchangers.

#include <QColor>
#include <QPointF>
#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>
#include <variant>
#include <vector>

class QImage;
class QPainter;
class QRectF;

namespace calvora::charts {

enum class Emphasis { Normal, Strong };

struct Series {
  QString label;                // in the legend and the table; empty: not in the legend
  std::vector<QPointF> points;  // a point with a y that is not finite breaks the line
  Emphasis emphasis = Emphasis::Normal;
  QColor color;  // invalid: the next colour of the palette
  bool dashed = false;
};

struct Marker {
  QPointF at;
  QString label;  // drawn beside the point, inside the plot
};

struct ReferenceLine {
  Qt::Orientation orientation = Qt::Horizontal;  // horizontal: y = value
  double value = 0;
  QString label;
};

struct AxisRange {
  double min = 0;
  double max = 1;
};

struct Plot {
  QString title;
  QString xTitle;
  QString yTitle;
  std::vector<Series> series;
  std::vector<Marker> markers;
  std::vector<ReferenceLine> lines;
  QStringList notes;                // sentences below the plot
  QString emptyText;                // shown instead of the axes when there is no data
  std::optional<AxisRange> xRange;  // fixed; otherwise the data's, widened to ticks
  std::optional<AxisRange> yRange;
  std::vector<double> xTicks;  // where the x ticks go; empty: nice steps
};

struct BarSegment {
  QString label;
  double value = 0;  // a share of the bar; only positive values have a share
  QColor color;      // invalid: the next colour of the palette
};

// One horizontal bar split into segments, each with its share in per cent.
struct BarChart {
  QString title;
  QString valueTitle;  // what the values are, with their unit
  std::vector<BarSegment> segments;
  QStringList notes;
  QString emptyText;  // shown instead of the bar when there is no data
};

using Figure = std::variant<Plot, BarChart>;

// Ticks at 1, 2 or 5 times a power of ten; at most about maxTicks of them.
// Without a fixed range the range widens to whole steps around [lo, hi].
struct Ticks {
  double min = 0;  // the axis range
  double max = 1;
  double step = 1;
  std::vector<double> values;
  int decimals = 0;  // enough to tell the ticks apart
};
Ticks NiceTicks(double lo, double hi, int maxTicks, bool fixedRange = false);

// A number with `significant` digits, without trailing zeros.
QString FormatNumber(double value, int significant = 5);

// Draws the whole figure (title, axes, data, legend, notes) inside `area`.
void Draw(QPainter& painter, const QRectF& area, const Figure& figure);

// The figure on a white image of `size` logical pixels.
QImage Render(const Figure& figure, QSize size, qreal devicePixelRatio = 1.0);

// SVG document of the figure (title and description carry the text alternative).
QByteArray SvgDocument(const Figure& figure, QSize size);

// Writes SVG for a name ending in .svg, PNG (at twice the pixel density) for
// .png; false with a sentence in *error when the file cannot be written.
bool SaveImage(const Figure& figure, const QString& file, QSize size, QString* error = nullptr);

// The figure as text: title, axes, marked points, lines, notes and the plotted
// values as an HTML table (at most maxRows rows per table, evenly picked).
QString TextAlternative(const Figure& figure, int maxRows = 26);

// One paragraph without the table, for an accessible description.
QString TextSummary(const Figure& figure);

}  // namespace calvora::charts
