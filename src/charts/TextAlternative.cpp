#include <algorithm>
#include <cmath>

#include "charts/Plot.h"

namespace calvora::charts {

namespace {

QString Escaped(const QString& text) {
  return text.toHtmlEscaped();
}

// Row indices of at most maxRows, evenly spread, the first and the last included.
std::vector<size_t> PickedRows(size_t count, int maxRows) {
  std::vector<size_t> rows;
  if (count == 0)
    return rows;
  const size_t limit = static_cast<size_t>(std::max(2, maxRows));
  if (count <= limit) {
    for (size_t i = 0; i < count; ++i)
      rows.push_back(i);
    return rows;
  }
  const size_t stride = (count - 1 + limit - 2) / (limit - 1);
  for (size_t i = 0; i < count - 1; i += stride)
    rows.push_back(i);
  rows.push_back(count - 1);
  return rows;
}

QString Cell(double v) {
  return std::isfinite(v) ? FormatNumber(v) : QStringLiteral("-");
}

QString PointText(const Plot& plot, const QPointF& p) {
  return QStringLiteral("%1 = %2, %3 = %4")
      .arg(plot.xTitle, FormatNumber(p.x()), plot.yTitle, FormatNumber(p.y()));
}

QString AxisText(const QString& which, const QString& title, double lo, double hi) {
  if (!std::isfinite(lo))
    return QStringLiteral("%1 axis: %2.").arg(which, title);
  return QStringLiteral("%1 axis: %2, from %3 to %4.")
      .arg(which, title, FormatNumber(lo), FormatNumber(hi));
}

struct Extents {
  double xlo = INFINITY, xhi = -INFINITY, ylo = INFINITY, yhi = -INFINITY;
};

Extents DataExtents(const Plot& plot) {
  Extents e;
  auto add = [&e](const QPointF& p) {
    if (!std::isfinite(p.x()) || !std::isfinite(p.y()))
      return;
    e.xlo = std::min(e.xlo, p.x());
    e.xhi = std::max(e.xhi, p.x());
    e.ylo = std::min(e.ylo, p.y());
    e.yhi = std::max(e.yhi, p.y());
  };
  for (const Series& s : plot.series)
    std::for_each(s.points.begin(), s.points.end(), add);
  for (const Marker& m : plot.markers)
    add(m.at);
  return e;
}

QStringList PlotSentences(const Plot& plot) {
  QStringList sentences;
  const Extents e = DataExtents(plot);
  if (!std::isfinite(e.xlo)) {
    if (!plot.emptyText.isEmpty())
      sentences << plot.emptyText;
  } else {
    sentences << AxisText(QStringLiteral("Horizontal"), plot.xTitle, e.xlo, e.xhi)
              << AxisText(QStringLiteral("Vertical"), plot.yTitle, e.ylo, e.yhi);
  }
  for (const Marker& m : plot.markers) {
    sentences << QStringLiteral("Marked: %1 (%2).")
                     .arg(m.label.isEmpty() ? QStringLiteral("point") : m.label,
                          PointText(plot, m.at));
  }
  for (const ReferenceLine& l : plot.lines) {
    sentences << QStringLiteral("Line: %1 (%2 = %3).")
                     .arg(l.label, l.orientation == Qt::Horizontal ? plot.yTitle : plot.xTitle,
                          FormatNumber(l.value));
  }
  sentences << plot.notes;
  return sentences;
}

bool SameX(const std::vector<Series>& series) {
  for (const Series& s : series) {
    if (s.points.size() != series.front().points.size())
      return false;
    for (size_t i = 0; i < s.points.size(); ++i) {
      if (s.points[i].x() != series.front().points[i].x())
        return false;
    }
  }
  return true;
}

QString SeriesName(const Series& s, size_t index) {
  return s.label.isEmpty() ? QStringLiteral("Series %1").arg(index + 1) : s.label;
}

QString PlotTables(const Plot& plot, int maxRows) {
  std::vector<Series> series;
  for (const Series& s : plot.series) {
    if (!s.points.empty())
      series.push_back(s);
  }
  if (series.empty())
    return {};
  QString html;
  auto table = [&](const std::vector<const Series*>& columns, size_t first) {
    const size_t count = columns.front()->points.size();
    html +=
        QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\"><tr><th>%1</th>")
            .arg(Escaped(plot.xTitle));
    for (size_t c = 0; c < columns.size(); ++c)
      html += QStringLiteral("<th>%1</th>").arg(Escaped(SeriesName(*columns[c], first + c)));
    html += QStringLiteral("</tr>");
    for (size_t row : PickedRows(count, maxRows)) {
      html += QStringLiteral("<tr><td>%1</td>").arg(Cell(columns.front()->points[row].x()));
      for (const Series* s : columns)
        html += QStringLiteral("<td>%1</td>").arg(Cell(s->points[row].y()));
      html += QStringLiteral("</tr>");
    }
    html += QStringLiteral("</table>");
    if (count > static_cast<size_t>(std::max(2, maxRows)))
      html += QStringLiteral("<p>%1 of the %2 plotted points.</p>")
                  .arg(PickedRows(count, maxRows).size())
                  .arg(count);
  };
  if (SameX(series)) {
    std::vector<const Series*> columns;
    for (const Series& s : series)
      columns.push_back(&s);
    html += QStringLiteral("<p>Plotted values (%1):</p>").arg(Escaped(plot.yTitle));
    table(columns, 0);
  } else {
    for (size_t i = 0; i < series.size(); ++i) {
      html += QStringLiteral("<p>%1:</p>").arg(Escaped(SeriesName(series[i], i)));
      table({&series[i]}, i);
    }
  }
  return html;
}

QStringList BarSentences(const BarChart& bar) {
  double total = 0;
  for (const BarSegment& s : bar.segments) {
    if (s.value > 0 && std::isfinite(s.value))
      total += s.value;
  }
  QStringList sentences;
  if (!(total > 0) || !std::isfinite(total)) {
    if (!bar.emptyText.isEmpty())
      sentences << bar.emptyText;
  } else {
    sentences << QStringLiteral("One bar split into %1 parts: %2.")
                     .arg(bar.segments.size())
                     .arg(bar.valueTitle);
  }
  sentences << bar.notes;
  return sentences;
}

QString BarTable(const BarChart& bar) {
  double total = 0;
  for (const BarSegment& s : bar.segments) {
    if (s.value > 0 && std::isfinite(s.value))
      total += s.value;
  }
  if (!(total > 0) || !std::isfinite(total))
    return {};
  QString html = QStringLiteral(
      "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\"><tr><th>Part</th><th>Value</th>"
      "<th>Share</th></tr>");
  for (const BarSegment& s : bar.segments) {
    const bool counted = s.value > 0 && std::isfinite(s.value);
    html += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td></tr>")
                .arg(Escaped(s.label), Cell(s.value),
                     counted ? QStringLiteral("%1 %").arg(s.value / total * 100, 0, 'f', 1)
                             : QStringLiteral("-"));
  }
  html +=
      QStringLiteral("<tr><td>Total</td><td>%1</td><td>100 %</td></tr></table>").arg(Cell(total));
  return html;
}

}  // namespace

QString TextSummary(const Figure& figure) {
  if (const Plot* plot = std::get_if<Plot>(&figure))
    return (QStringList{plot->title + QLatin1Char('.')} + PlotSentences(*plot)).join(' ');
  const BarChart& bar = std::get<BarChart>(figure);
  return (QStringList{bar.title + QLatin1Char('.')} + BarSentences(bar)).join(' ');
}

QString TextAlternative(const Figure& figure, int maxRows) {
  const Plot* plot = std::get_if<Plot>(&figure);
  const QString title = plot ? plot->title : std::get<BarChart>(figure).title;
  QString html = QStringLiteral("<h3>%1</h3>").arg(Escaped(title));
  for (const QString& sentence :
       plot ? PlotSentences(*plot) : BarSentences(std::get<BarChart>(figure)))
    html += QStringLiteral("<p>%1</p>").arg(Escaped(sentence));
  html += plot ? PlotTables(*plot, maxRows) : BarTable(std::get<BarChart>(figure));
  return html;
}

}  // namespace calvora::charts
