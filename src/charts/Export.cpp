#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>

#include "charts/Plot.h"

namespace calvora::charts {

namespace {

QString TitleOf(const Figure& figure) {
  return std::visit([](const auto& f) { return f.title; }, figure);
}

bool WriteFile(const QString& file, const QByteArray& bytes, QString* error) {
  QSaveFile out(file);
  if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
    if (error)
      *error = QStringLiteral("The image could not be written to %1: %2")
                   .arg(QFileInfo(file).absoluteFilePath(), out.errorString());
    return false;
  }
  return true;
}

}  // namespace

QImage Render(const Figure& figure, QSize size, qreal devicePixelRatio) {
  QImage image(size * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(devicePixelRatio);
  image.fill(Qt::white);
  QPainter painter(&image);
  Draw(painter, QRectF(QPointF(0, 0), QSizeF(size)), figure);
  painter.end();
  return image;
}

QByteArray SvgDocument(const Figure& figure, QSize size) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator generator;
  generator.setOutputDevice(&buffer);
  generator.setSize(size);
  generator.setViewBox(QRect(QPoint(0, 0), size));
  generator.setResolution(96);
  generator.setTitle(TitleOf(figure));
  generator.setDescription(TextSummary(figure));
  QPainter painter(&generator);
  painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
  Draw(painter, QRectF(QPointF(0, 0), QSizeF(size)), figure);
  painter.end();
  return buffer.data();
}

bool SaveImage(const Figure& figure, const QString& file, QSize size, QString* error) {
  const QString suffix = QFileInfo(file).suffix().toLower();
  if (suffix == QLatin1String("svg"))
    return WriteFile(file, SvgDocument(figure, size), error);
  if (suffix == QLatin1String("png")) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    Render(figure, size, 2.0).save(&buffer, "PNG");
    return WriteFile(file, bytes, error);
  }
  if (error)
    *error = QStringLiteral("Images are saved as .svg or .png files, not as \"%1\".").arg(file);
  return false;
}

}  // namespace calvora::charts
