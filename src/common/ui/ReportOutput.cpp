#include "common/ui/ReportOutput.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>

#include "common/ui/QtMessages.h"

namespace {

#ifdef Q_OS_WIN
const char kLineEnd[] = "\r\n";
#else
const char kLineEnd[] = "\n";
#endif

}  // namespace

bool WriteReportFile(const QString& path, const QStringList& lines, QString* reason) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    if (reason)
      *reason = file.errorString();
    return false;
  }
  for (const QString& line : lines) {
    if (file.write(line.toUtf8()) < 0 || file.write(kLineEnd) < 0) {
      if (reason)
        *reason = file.errorString();
      file.cancelWriting();
      return false;
    }
  }
  // commit() may drop an error raised while flushing (a full disk), so flush
  // first and check it: the old file must never be replaced by a short one.
  if (!file.flush()) {
    if (reason)
      *reason = file.errorString();
    file.cancelWriting();
    return false;
  }
  if (!file.commit()) {
    if (reason)
      *reason = file.errorString();
    return false;
  }
  return true;
}

QString SaveReportWithDialog(QWidget* parent, const QString& filter, const QStringList& lines) {
  QFileDialog dialog(parent);
  dialog.setObjectName("SaveDialog1");
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilter(filter);
  dialog.setDefaultSuffix("txt");
  dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
    return {};
  const QString path = dialog.selectedFiles().first();
  QString reason;
  if (!WriteReportFile(path, lines, &reason)) {
    ShowMessage(parent, calvora::MessageKind::Error,
                QString("The report could not be saved to %1:\n%2").arg(path, reason));
    return {};
  }
  return path;
}

void PrintReportLines(QPagedPaintDevice& device, const QStringList& lines) {
  QPainter painter(&device);
  if (!painter.isActive())
    return;
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setPointSize(10);
  painter.setFont(font);
  const QFontMetrics metrics(font, &device);
  const int lineHeight = metrics.lineSpacing();
  const int pageHeight = painter.viewport().height();
  int y = metrics.ascent();
  for (const QString& line : lines) {
    if (y + metrics.descent() > pageHeight) {
      device.newPage();
      y = metrics.ascent();
    }
    painter.drawText(0, y, line);
    y += lineHeight;
  }
}

void PrintReportWithDialog(QWidget* parent, const QStringList& lines, bool warnWithoutPrinter) {
  if (warnWithoutPrinter && QPrinterInfo::availablePrinters().isEmpty()) {
    ShowMessage(parent, calvora::MessageKind::Warning,
                "No printer is installed. You can still print the report to a PDF file.");
  }
  QPrinter printer;
  QPrintDialog dialog(&printer, parent);
  dialog.setObjectName("PrintDialog1");
  if (dialog.exec() != QDialog::Accepted)
    return;
  PrintReportLines(printer, lines);
}
