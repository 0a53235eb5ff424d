#include "charts/Plot.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <algorithm>
#include <cmath>

namespace calvora::charts {

namespace {

// Colours told apart also by most colour-blind readers.
const QColor kPalette[] = {QColor(0x00, 0x72, 0xB2), QColor(0xD5, 0x5E, 0x00),
                           QColor(0x00, 0x9E, 0x73), QColor(0xCC, 0x79, 0xA7),
                           QColor(0xE6, 0x9F, 0x00), QColor(0x56, 0xB4, 0xE9),
                           QColor(0x44, 0x44, 0x44)};
constexpr int kPaletteSize = sizeof(kPalette) / sizeof(kPalette[0]);

QColor PaletteColor(const QColor& chosen, int index) {
  return chosen.isValid() ? chosen : kPalette[index % kPaletteSize];
}

// Font sizes follow the figure's size within limits that stay readable.
struct Fonts {
  QFont text;
  QFont small;
  QFont title;
  double pad = 8;
};

Fonts FontsFor(const QRectF& area) {
  const double base = std::clamp(std::min(area.height() / 30.0, area.width() / 46.0), 10.0, 15.0);
  Fonts fonts;
  fonts.text.setPixelSize(static_cast<int>(std::lround(base)));
  fonts.small = fonts.text;
  fonts.small.setPixelSize(static_cast<int>(std::lround(base - 1)));
  fonts.title = fonts.text;
  fonts.title.setPixelSize(static_cast<int>(std::lround(base + 2)));
  fonts.title.setBold(true);
  fonts.pad = std::round(base * 0.7);
  return fonts;
}

// Height of a wrapped text block of the given width.
double WrappedHeight(const QFont& font, const QString& text, double width) {
  if (text.isEmpty())
    return 0;
  const QFontMetricsF metrics(font);
  return metrics.boundingRect(QRectF(0, 0, width, 1e6), Qt::TextWordWrap, text).height();
}

// Draws the title; returns the height used.
double DrawTitle(QPainter& painter, const QRectF& area, const Fonts& fonts, const QString& title) {
  if (title.isEmpty())
    return 0;
  const QRectF box(area.left() + fonts.pad, area.top() + fonts.pad, area.width() - 2 * fonts.pad,
                   WrappedHeight(fonts.title, title, area.width() - 2 * fonts.pad));
  painter.setFont(fonts.title);
  painter.setPen(Qt::black);
  painter.drawText(box, Qt::AlignHCenter | Qt::TextWordWrap, title);
  return box.height() + fonts.pad;
}

// Draws the notes at the bottom of `area`; returns the height used.
double DrawNotes(QPainter& painter, const QRectF& area, const Fonts& fonts,
                 const QStringList& notes, bool draw = true) {
  if (notes.isEmpty())
    return 0;
  const QString text = notes.join('\n');
  const double width = area.width() - 2 * fonts.pad;
  const double height = WrappedHeight(fonts.small, text, width);
  if (draw) {
    painter.setFont(fonts.small);
    painter.setPen(Qt::black);
    painter.drawText(
        QRectF(area.left() + fonts.pad, area.bottom() - fonts.pad - height, width, height),
        Qt::AlignLeft | Qt::TextWordWrap, text);
  }
  return height + fonts.pad;
}

void DrawEmptyText(QPainter& painter, const QRectF& box, const Fonts& fonts, const QString& text) {
  painter.setFont(fonts.text);
  painter.setPen(Qt::black);
  painter.drawText(box.adjusted(fonts.pad, fonts.pad, -fonts.pad, -fonts.pad),
                   Qt::AlignCenter | Qt::TextWordWrap, text);
}

bool HasData(const Plot& plot) {
  for (const Series& s : plot.series) {
    for (const QPointF& p : s.points) {
      if (std::isfinite(p.x()) && std::isfinite(p.y()))
        return true;
    }
  }
  return !plot.markers.empty();
}

struct Extent {
  double lo = INFINITY;
  double hi = -INFINITY;
  void add(double v) {
    if (std::isfinite(v)) {
      lo = std::min(lo, v);
      hi = std::max(hi, v);
    }
  }
};

QString TickText(double value, const Ticks& ticks) {
  if (std::fabs(value) < ticks.step * 1e-9)
    value = 0;
  const double magnitude = std::max(std::fabs(ticks.min), std::fabs(ticks.max));
  if (magnitude >= 1e6 || ticks.decimals > 5)
    return QString::number(value, 'g', 4);
  return QString::number(value, 'f', ticks.decimals);
}

// Where the data, the axes and the legend go.
struct PlotLayout {
  QRectF data;  // the plotting rectangle
  Ticks x;
  Ticks y;
  QRectF legend;  // empty when there is no legend
  bool legendOutside = false;
  bool legendFlows = false;  // entries side by side in rows, below the plot
};

struct LegendEntry {
  QString label;
  QColor color;
  double width;
  bool dashed;
};

std::vector<LegendEntry> LegendEntries(const Plot& plot) {
  std::vector<LegendEntry> entries;
  for (size_t i = 0; i < plot.series.size(); ++i) {
    const Series& s = plot.series[i];
    if (s.label.isEmpty())
      continue;
    entries.push_back({s.label, PaletteColor(s.color, static_cast<int>(i)),
                       s.emphasis == Emphasis::Strong ? 3.0 : 1.5, s.dashed});
  }
  return entries;
}

double EntryWidth(const LegendEntry& e, const Fonts& fonts) {
  return QFontMetricsF(fonts.small).horizontalAdvance(e.label) + 24 + fonts.pad * 2.5;
}

// The legend below the plot: entries side by side, wrapped at `width`.
QSizeF FlowingLegendSize(const std::vector<LegendEntry>& entries, const Fonts& fonts,
                         double width) {
  int rows = 1;
  double x = 0;
  for (const LegendEntry& e : entries) {
    const double w = EntryWidth(e, fonts);
    if (x > 0 && x + w > width) {
      ++rows;
      x = 0;
    }
    x += w;
  }
  return {width, rows * QFontMetricsF(fonts.small).lineSpacing() + fonts.pad / 2};
}

QSizeF LegendSize(const std::vector<LegendEntry>& entries, const Fonts& fonts) {
  if (entries.empty())
    return {};
  const QFontMetricsF metrics(fonts.small);
  double width = 0;
  for (const LegendEntry& e : entries)
    width = std::max(width, metrics.horizontalAdvance(e.label));
  return {width + 2.8 * fonts.pad + 24, entries.size() * metrics.lineSpacing() + fonts.pad};
}

enum class LegendPlace { Inside, Right, Below };

PlotLayout LayOut(const Plot& plot, const QRectF& box, const Fonts& fonts, const QSizeF& legend,
                  LegendPlace place) {
  Extent xs;
  Extent ys;
  for (const Series& s : plot.series) {
    for (const QPointF& p : s.points) {
      if (std::isfinite(p.x()) && std::isfinite(p.y())) {
        xs.add(p.x());
        ys.add(p.y());
      }
    }
  }
  for (const Marker& m : plot.markers) {
    xs.add(m.at.x());
    ys.add(m.at.y());
  }
  for (const ReferenceLine& l : plot.lines)
    (l.orientation == Qt::Horizontal ? ys : xs).add(l.value);
  if (plot.xRange) {
    xs.lo = plot.xRange->min;
    xs.hi = plot.xRange->max;
  }
  if (plot.yRange) {
    ys.lo = plot.yRange->min;
    ys.hi = plot.yRange->max;
  } else if (ys.hi > ys.lo) {
    // A little room, so no point lies on the frame.
    const double room = (ys.hi - ys.lo) * 0.04;
    ys.lo -= room;
    ys.hi += room;
  }

  const QFontMetricsF metrics(fonts.text);
  const double line = metrics.height();
  PlotLayout layout;
  // Room for the y-axis title (turned), the tick labels, and the x-axis title below.
  double right = box.right() - fonts.pad;
  if (place == LegendPlace::Right && !legend.isEmpty())
    right -= legend.width() + fonts.pad;
  double bottom =
      box.bottom() - (plot.xTitle.isEmpty() ? 0 : line + fonts.pad) - line - fonts.pad * 1.5;
  if (place == LegendPlace::Below && !legend.isEmpty())
    bottom -= legend.height() + fonts.pad;
  const double top = box.top() + line / 2;
  layout.y = NiceTicks(ys.lo, ys.hi, std::max(2, static_cast<int>((bottom - top) / (line * 2.6))),
                       plot.yRange.has_value());
  double labelWidth = 0;
  for (double v : layout.y.values)
    labelWidth = std::max(labelWidth, metrics.horizontalAdvance(TickText(v, layout.y)));
  const double left =
      box.left() + fonts.pad + (plot.yTitle.isEmpty() ? 0 : line + fonts.pad) + labelWidth + 6;
  // Half of the last x tick label may stand past the right edge of the data.
  right -= metrics.horizontalAdvance(QStringLiteral("000")) / 2;
  layout.data = QRectF(QPointF(left, top), QPointF(right, bottom));
  const double widest =
      std::max(metrics.horizontalAdvance(TickText(xs.hi, NiceTicks(xs.lo, xs.hi, 8))),
               metrics.horizontalAdvance(TickText(xs.lo, NiceTicks(xs.lo, xs.hi, 8))));
  layout.x = NiceTicks(
      xs.lo, xs.hi, std::max(2, static_cast<int>(layout.data.width() / (widest + 3 * fonts.pad))),
      plot.xRange.has_value());
  if (!plot.xTicks.empty())
    layout.x.values = plot.xTicks;
  layout.legendOutside = place != LegendPlace::Inside;
  if (!legend.isEmpty() && place == LegendPlace::Right) {
    layout.legend = QRectF(box.right() - fonts.pad - legend.width(), layout.data.top(),
                           legend.width(), legend.height());
  } else if (!legend.isEmpty() && place == LegendPlace::Below) {
    layout.legend = QRectF(box.left() + fonts.pad, box.bottom() - legend.height(),
                           box.width() - 2 * fonts.pad, legend.height());
  }
  return layout;
}

QPointF Map(const PlotLayout& layout, const QPointF& p) {
  const QRectF& r = layout.data;
  return {r.left() + (p.x() - layout.x.min) / (layout.x.max - layout.x.min) * r.width(),
          r.bottom() - (p.y() - layout.y.min) / (layout.y.max - layout.y.min) * r.height()};
}

// How many points of the drawn lines fall inside `box`, sampled every few
// pixels along each segment, so a long straight segment counts too.
int LinePointsInside(const Plot& plot, const PlotLayout& layout, const QRectF& box) {
  int count = 0;
  for (const Series& s : plot.series) {
    for (size_t i = 0; i < s.points.size(); ++i) {
      if (!std::isfinite(s.points[i].x()) || !std::isfinite(s.points[i].y()))
        continue;
      const QPointF a = Map(layout, s.points[i]);
      if (box.contains(a))
        ++count;
      if (i + 1 == s.points.size() || !std::isfinite(s.points[i + 1].x()) ||
          !std::isfinite(s.points[i + 1].y()))
        continue;
      const QPointF b = Map(layout, s.points[i + 1]);
      const int steps = std::min(1000, static_cast<int>(QLineF(a, b).length() / 6));
      for (int k = 1; k < steps; ++k) {
        if (box.contains(a + (b - a) * k / steps))
          ++count;
      }
    }
  }
  return count;
}

// How many of the data's drawn points fall inside `box`; a marker and its label
// count as many.
int PointsInside(const Plot& plot, const PlotLayout& layout, const QRectF& box) {
  int count = LinePointsInside(plot, layout, box);
  for (const Marker& m : plot.markers) {
    if (box.adjusted(-40, -20, 40, 20).contains(Map(layout, m.at)))
      count += 1000;
  }
  return count;
}

// The legend inside the data where it covers nothing (the corners first, then
// the middles of the edges); else to the right when it is narrow, or below.
PlotLayout PlaceLegend(const Plot& plot, const QRectF& box, const Fonts& fonts) {
  const std::vector<LegendEntry> entries = LegendEntries(plot);
  const QSizeF size = LegendSize(entries, fonts);
  PlotLayout layout = LayOut(plot, box, fonts, size, LegendPlace::Inside);
  if (size.isEmpty())
    return layout;
  const QRectF& d = layout.data;
  const double m = fonts.pad / 2;
  const double left = d.left() + m;
  const double right = d.right() - m - size.width();
  const double centre = d.center().x() - size.width() / 2;
  const double top = d.top() + m;
  const double bottom = d.bottom() - m - size.height();
  const double middle = d.center().y() - size.height() / 2;
  const QPointF places[] = {{right, bottom}, {right, top},   {left, top},
                            {left, bottom},  {centre, top},  {centre, bottom},
                            {right, middle}, {left, middle}, {centre, middle}};
  if (size.width() < d.width() * 0.6 && size.height() < d.height() * 0.8) {
    for (const QPointF& place : places) {
      const QRectF candidate(place, size);
      if (PointsInside(plot, layout, candidate.adjusted(-m, -m, m, m)) == 0) {
        layout.legend = candidate;
        return layout;
      }
    }
  }
  if (size.width() <= box.width() * 0.3)
    return LayOut(plot, box, fonts, size, LegendPlace::Right);
  PlotLayout below =
      LayOut(plot, box, fonts, FlowingLegendSize(entries, fonts, box.width() - 2 * fonts.pad),
             LegendPlace::Below);
  below.legendFlows = true;
  return below;
}

void DrawAxes(QPainter& painter, const Plot& plot, const PlotLayout& layout, const Fonts& fonts,
              const QRectF& box) {
  const QRectF& d = layout.data;
  const QFontMetricsF metrics(fonts.text);
  painter.setFont(fonts.text);
  // Grid, then ticks and their labels.
  QPen grid(QColor(0xDD, 0xDD, 0xDD));
  grid.setWidthF(1);
  for (double v : layout.x.values) {
    const double px = Map(layout, {v, layout.y.min}).x();
    painter.setPen(grid);
    painter.drawLine(QPointF(px, d.top()), QPointF(px, d.bottom()));
    painter.setPen(Qt::black);
    painter.drawLine(QPointF(px, d.bottom()), QPointF(px, d.bottom() + 4));
    const QString text = TickText(v, layout.x);
    const double w = metrics.horizontalAdvance(text);
    painter.drawText(QRectF(px - w / 2 - 2, d.bottom() + 6, w + 4, metrics.height()),
                     Qt::AlignCenter, text);
  }
  for (double v : layout.y.values) {
    const double py = Map(layout, {layout.x.min, v}).y();
    painter.setPen(grid);
    painter.drawLine(QPointF(d.left(), py), QPointF(d.right(), py));
    painter.setPen(Qt::black);
    painter.drawLine(QPointF(d.left() - 4, py), QPointF(d.left(), py));
    const QString text = TickText(v, layout.y);
    painter.drawText(
        QRectF(box.left(), py - metrics.height() / 2, d.left() - 6 - box.left(), metrics.height()),
        Qt::AlignRight | Qt::AlignVCenter, text);
  }
  painter.setPen(QPen(Qt::black, 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(d);
  // Axis titles: x centred below the tick labels, y turned along the left edge.
  if (!plot.xTitle.isEmpty()) {
    const double half = std::min(d.center().x() - box.left(), box.right() - d.center().x());
    painter.drawText(
        QRectF(d.center().x() - half, d.bottom() + 6 + metrics.height() + fonts.pad / 2, 2 * half,
               metrics.height()),
        Qt::AlignHCenter | Qt::AlignTop, plot.xTitle);
  }
  if (!plot.yTitle.isEmpty()) {
    painter.save();
    painter.translate(box.left() + fonts.pad, d.center().y());
    painter.rotate(-90);
    const double w = std::max(d.height(), metrics.horizontalAdvance(plot.yTitle));
    painter.drawText(QRectF(-w / 2, 0, w, metrics.height()), Qt::AlignHCenter | Qt::AlignTop,
                     plot.yTitle);
    painter.restore();
  }
}

QPen SeriesPen(const Series& s, int index) {
  QPen pen(PaletteColor(s.color, index));
  pen.setWidthF(s.emphasis == Emphasis::Strong ? 3.0 : 1.5);
  pen.setCapStyle(Qt::RoundCap);
  pen.setJoinStyle(Qt::RoundJoin);
  if (s.dashed)
    pen.setStyle(Qt::DashLine);
  return pen;
}

void DrawSeries(QPainter& painter, const Plot& plot, const PlotLayout& layout) {
  painter.save();
  painter.setClipRect(layout.data.adjusted(-2, -2, 2, 2));
  painter.setBrush(Qt::NoBrush);
  // Emphasised series last, so they lie on top.
  for (int pass = 0; pass < 2; ++pass) {
    for (size_t i = 0; i < plot.series.size(); ++i) {
      const Series& s = plot.series[i];
      if ((s.emphasis == Emphasis::Strong) != (pass == 1))
        continue;
      painter.setPen(SeriesPen(s, static_cast<int>(i)));
      QPolygonF run;
      auto flush = [&] {
        if (run.size() == 1)
          painter.drawPoint(run.front());
        else if (run.size() > 1)
          painter.drawPolyline(run);
        run.clear();
      };
      for (const QPointF& p : s.points) {
        if (std::isfinite(p.x()) && std::isfinite(p.y()))
          run << Map(layout, p);
        else
          flush();
      }
      flush();
    }
  }
  painter.restore();
}

// A label on a white ground, so it stays readable over grid and curves.
void DrawLabel(QPainter& painter, const QRectF& rect, const QString& text, const Fonts& fonts) {
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(255, 255, 255, 225));
  painter.drawRect(rect);
  painter.setPen(Qt::black);
  painter.setFont(fonts.small);
  painter.drawText(rect, Qt::AlignCenter, text);
}

void DrawLinesAndMarkers(QPainter& painter, const Plot& plot, const PlotLayout& layout,
                         const Fonts& fonts) {
  const QRectF& d = layout.data;
  const QFontMetricsF metrics(fonts.small);
  std::vector<QRectF> taken;
  if (!layout.legend.isEmpty() && !layout.legendOutside)
    taken.push_back(layout.legend);
  for (const ReferenceLine& l : plot.lines) {
    QPen pen(QColor(0x55, 0x55, 0x55));
    pen.setStyle(Qt::DashDotLine);
    pen.setWidthF(1.2);
    painter.setPen(pen);
    const QSizeF size(metrics.horizontalAdvance(l.label) + 6, metrics.height());
    QRectF label;
    if (l.orientation == Qt::Horizontal) {
      const double py = Map(layout, {layout.x.min, l.value}).y();
      if (py < d.top() - 0.5 || py > d.bottom() + 0.5)
        continue;
      painter.drawLine(QPointF(d.left(), py), QPointF(d.right(), py));
      const double above = py - size.height() - 2 >= d.top() ? py - size.height() - 2 : py + 2;
      label = QRectF(QPointF(d.left() + fonts.pad, above), size);
    } else {
      const double px = Map(layout, {l.value, layout.y.min}).x();
      if (px < d.left() - 0.5 || px > d.right() + 0.5)
        continue;
      painter.drawLine(QPointF(px, d.top()), QPointF(px, d.bottom()));
      const double x = px + 3 + size.width() <= d.right() ? px + 3 : px - 3 - size.width();
      label = QRectF(QPointF(x, d.top() + 3), size);
    }
    if (!l.label.isEmpty()) {
      DrawLabel(painter, label, l.label, fonts);
      taken.push_back(label);
    }
  }
  for (const Marker& m : plot.markers) {
    const QPointF at = Map(layout, m.at);
    if (!d.adjusted(-1, -1, 1, 1).contains(at))
      continue;
    painter.setPen(QPen(Qt::white, 1.5));
    painter.setBrush(Qt::black);
    painter.drawEllipse(at, 5.5, 5.5);
    if (m.label.isEmpty())
      continue;
    const QSizeF size(metrics.horizontalAdvance(m.label) + 6, metrics.height());
    const double gap = 8;
    const QPointF corners[] = {
        {at.x() + gap, at.y() - gap - size.height()},
        {at.x() + gap, at.y() + gap},
        {at.x() - gap - size.width(), at.y() - gap - size.height()},
        {at.x() - gap - size.width(), at.y() + gap},
        {at.x() - size.width() / 2, at.y() - gap - size.height()},
        {at.x() - size.width() / 2, at.y() + gap},
    };
    // The free place inside the data that covers the fewest points of the lines.
    QRectF chosen;
    int covered = 0;
    for (const QPointF& c : corners) {
      const QRectF r(c, size);
      if (!d.contains(r) ||
          std::any_of(taken.begin(), taken.end(), [&](const QRectF& t) { return t.intersects(r); }))
        continue;
      const int count = LinePointsInside(plot, layout, r.adjusted(-2, -2, 2, 2));
      if (chosen.isNull() || count < covered) {
        chosen = r;
        covered = count;
      }
    }
    if (chosen.isNull()) {
      // No free place: inside the data, as near as it goes.
      chosen = QRectF(corners[0], size);
      chosen.moveLeft(
          std::clamp(chosen.left(), d.left(), std::max(d.left(), d.right() - size.width())));
      chosen.moveTop(
          std::clamp(chosen.top(), d.top(), std::max(d.top(), d.bottom() - size.height())));
    }
    DrawLabel(painter, chosen, m.label, fonts);
    taken.push_back(chosen);
  }
}

void DrawLegend(QPainter& painter, const Plot& plot, const PlotLayout& layout, const Fonts& fonts) {
  if (layout.legend.isEmpty())
    return;
  const QFontMetricsF metrics(fonts.small);
  if (!layout.legendFlows) {
    painter.setPen(QPen(QColor(0x99, 0x99, 0x99), 1));
    painter.setBrush(QColor(255, 255, 255, 235));
    painter.drawRect(layout.legend);
  }
  painter.setFont(fonts.small);
  // One entry: a short line in the series' pen, its label beside it in `width`.
  const auto drawEntry = [&](const LegendEntry& e, double x, double y, double width) {
    QPen pen(e.color);
    pen.setWidthF(e.width);
    if (e.dashed)
      pen.setStyle(Qt::DashLine);
    painter.setPen(pen);
    const double mid = y + metrics.lineSpacing() / 2;
    painter.drawLine(QPointF(x, mid), QPointF(x + 24, mid));
    painter.setPen(Qt::black);
    painter.drawText(QRectF(x + 24 + fonts.pad * 0.8, y, width, metrics.lineSpacing()),
                     Qt::AlignLeft | Qt::AlignVCenter, e.label);
  };
  if (layout.legendFlows) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::NoBrush);
    double x = layout.legend.left();
    double y = layout.legend.top();
    for (const LegendEntry& e : LegendEntries(plot)) {
      const double w = EntryWidth(e, fonts);
      if (x > layout.legend.left() && x + w > layout.legend.right()) {
        x = layout.legend.left();
        y += metrics.lineSpacing();
      }
      drawEntry(e, x, y, w);
      x += w;
    }
    return;
  }
  double y = layout.legend.top() + fonts.pad / 2;
  const double x = layout.legend.left() + fonts.pad;
  for (const LegendEntry& e : LegendEntries(plot)) {
    drawEntry(e, x, y, layout.legend.right() - x - 24);
    y += metrics.lineSpacing();
  }
}

void DrawPlot(QPainter& painter, const QRectF& area, const Plot& plot, const Fonts& fonts) {
  const double titleHeight = DrawTitle(painter, area, fonts, plot.title);
  const double notesHeight = DrawNotes(painter, area, fonts, plot.notes);
  const QRectF box = area.adjusted(0, titleHeight + fonts.pad / 2, 0, -notesHeight);
  if (!HasData(plot)) {
    DrawEmptyText(painter, box, fonts, plot.emptyText);
    return;
  }
  const PlotLayout layout = PlaceLegend(plot, box, fonts);
  DrawAxes(painter, plot, layout, fonts, box);
  DrawSeries(painter, plot, layout);
  DrawLegend(painter, plot, layout, fonts);
  DrawLinesAndMarkers(painter, plot, layout, fonts);
}

double PositiveTotal(const BarChart& bar) {
  double total = 0;
  for (const BarSegment& s : bar.segments) {
    if (s.value > 0 && std::isfinite(s.value))
      total += s.value;
  }
  return total;
}

void DrawBar(QPainter& painter, const QRectF& area, const BarChart& bar, const Fonts& fonts) {
  const double titleHeight = DrawTitle(painter, area, fonts, bar.title);
  const QRectF box =
      area.adjusted(fonts.pad * 2, titleHeight + fonts.pad, -fonts.pad * 2, -fonts.pad);
  const double total = PositiveTotal(bar);
  if (!(total > 0) || !std::isfinite(total)) {
    DrawEmptyText(painter, box, fonts, bar.emptyText);
    return;
  }
  const QFontMetricsF metrics(fonts.text);
  const QFontMetricsF smallMetrics(fonts.small);
  const double rows = static_cast<double>(bar.segments.size()) + 1;
  const double legendHeight = rows * metrics.lineSpacing();
  const QString notes = bar.notes.join('\n');
  const double notesHeight = WrappedHeight(fonts.text, notes, box.width());
  const double barHeight =
      std::clamp(box.height() - legendHeight - notesHeight - 3 * metrics.height() - 5 * fonts.pad,
                 metrics.height() * 1.6, metrics.height() * 3.5);
  double y = box.top() + fonts.pad;
  if (!bar.valueTitle.isEmpty()) {
    painter.setFont(fonts.text);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(box.left(), y, box.width(), metrics.height()), Qt::AlignLeft,
                     bar.valueTitle);
    y += metrics.height() + fonts.pad;
  }
  const QRectF barRect(box.left(), y, box.width(), barHeight);
  double x = barRect.left();
  painter.setFont(fonts.text);
  for (size_t i = 0; i < bar.segments.size(); ++i) {
    const BarSegment& s = bar.segments[i];
    if (!(s.value > 0) || !std::isfinite(s.value))
      continue;
    const double w = barRect.width() * s.value / total;
    const QRectF segment(x, barRect.top(), w, barRect.height());
    const QColor color = PaletteColor(s.color, static_cast<int>(i));
    painter.setPen(QPen(Qt::white, 1));
    painter.setBrush(color);
    painter.drawRect(segment);
    const QString percent = QStringLiteral("%1 %").arg(s.value / total * 100, 0, 'f', 1);
    if (metrics.horizontalAdvance(percent) + 6 < w) {
      painter.setPen(color.lightness() > 140 ? Qt::black : Qt::white);
      painter.drawText(segment, Qt::AlignCenter, percent);
    }
    x += w;
  }
  // The per-cent scale under the bar.
  painter.setPen(Qt::black);
  painter.setFont(fonts.small);
  const double scaleTop = barRect.bottom() + 3;
  for (int p = 0; p <= 100; p += 20) {
    const double px = barRect.left() + barRect.width() * p / 100.0;
    painter.drawLine(QPointF(px, scaleTop), QPointF(px, scaleTop + 4));
    const QString text = QStringLiteral("%1 %").arg(p);
    const double w = smallMetrics.horizontalAdvance(text) + 4;
    const double left = std::clamp(px - w / 2, barRect.left(), barRect.right() - w);
    painter.drawText(QRectF(left, scaleTop + 5, w, smallMetrics.height()), Qt::AlignCenter, text);
  }
  // The legend: one row per segment with its value and share.
  y = scaleTop + 5 + smallMetrics.height() + fonts.pad * 1.5;
  painter.setFont(fonts.text);
  for (size_t i = 0; i < bar.segments.size(); ++i) {
    const BarSegment& s = bar.segments[i];
    const bool counted = s.value > 0 && std::isfinite(s.value);
    const double side = metrics.height() * 0.7;
    painter.setPen(Qt::NoPen);
    painter.setBrush(PaletteColor(s.color, static_cast<int>(i)));
    painter.drawRect(QRectF(box.left(), y + (metrics.lineSpacing() - side) / 2, side, side));
    painter.setPen(Qt::black);
    const QString text = counted ? QStringLiteral("%1: %2 (%3 %)")
                                       .arg(s.label, FormatNumber(s.value, 4))
                                       .arg(s.value / total * 100, 0, 'f', 1)
                                 : QStringLiteral("%1: %2").arg(s.label, FormatNumber(s.value, 4));
    painter.drawText(QRectF(box.left() + side + fonts.pad, y, box.width() - side - fonts.pad,
                            metrics.lineSpacing()),
                     Qt::AlignLeft | Qt::AlignVCenter, text);
    y += metrics.lineSpacing();
  }
  painter.drawText(QRectF(box.left(), y, box.width(), metrics.lineSpacing()),
                   Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("Total: %1").arg(FormatNumber(total, 4)));
  y += metrics.lineSpacing() + fonts.pad;
  painter.drawText(QRectF(box.left(), y, box.width(), notesHeight),
                   Qt::AlignLeft | Qt::TextWordWrap, notes);
}

}  // namespace

Ticks NiceTicks(double lo, double hi, int maxTicks, bool fixedRange) {
  Ticks ticks;
  if (!std::isfinite(lo) || !std::isfinite(hi)) {
    lo = 0;
    hi = 1;
  }
  if (lo > hi)
    std::swap(lo, hi);
  if (hi - lo <= std::max(std::fabs(lo), std::fabs(hi)) * 1e-12) {
    const double half = lo == 0 ? 1.0 : std::fabs(lo) * 0.05;
    lo -= half;
    hi += half;
    fixedRange = false;
  }
  maxTicks = std::max(2, maxTicks);
  const double raw = (hi - lo) / maxTicks;
  const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
  const double n = raw / magnitude;
  ticks.step = (n <= 1 ? 1 : n <= 2 ? 2 : n <= 5 ? 5 : 10) * magnitude;
  if (fixedRange) {
    ticks.min = lo;
    ticks.max = hi;
  } else {
    ticks.min = std::floor(lo / ticks.step + 1e-9) * ticks.step;
    ticks.max = std::ceil(hi / ticks.step - 1e-9) * ticks.step;
  }
  const double first = std::ceil(ticks.min / ticks.step - 1e-9);
  for (double i = first; i * ticks.step <= ticks.max + ticks.step * 1e-9; ++i)
    ticks.values.push_back(i * ticks.step);
  ticks.decimals = std::max(0, static_cast<int>(-std::floor(std::log10(ticks.step) + 1e-9)));
  return ticks;
}

QString FormatNumber(double value, int significant) {
  if (!std::isfinite(value))
    return QStringLiteral("not defined");
  return QString::number(value, 'g', significant);
}

void Draw(QPainter& painter, const QRectF& area, const Figure& figure) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  const Fonts fonts = FontsFor(area);
  if (const Plot* plot = std::get_if<Plot>(&figure))
    DrawPlot(painter, area, *plot, fonts);
  else
    DrawBar(painter, area, std::get<BarChart>(figure), fonts);
  painter.restore();
}

}  // namespace calvora::charts
