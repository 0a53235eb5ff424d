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

// How far a continuation is indented past the line's own leading blanks.
const QString kContinuationIndent = "    ";

// The longest start of `text` that fits into `width`, in characters.
qsizetype FittingLength(const QString& text, const QFontMetrics& metrics, int width) {
  qsizetype low = 0, high = text.size();
  while (low < high) {
    const qsizetype mid = (low + high + 1) / 2;
    if (metrics.horizontalAdvance(text.left(mid)) <= width)
      low = mid;
    else
      high = mid - 1;
  }
  return low;
}

// Splits a report line into printed lines no wider than `width`: at the last
// blank that fits, or inside a word only when the word alone is wider than the
// page, so every character is printed. Continuations are indented.
QStringList WrapToWidth(const QString& line, const QFontMetrics& metrics, int width) {
  if (metrics.horizontalAdvance(line) <= width)
    return {line};
  qsizetype lead = 0;
  while (lead < line.size() && line[lead].isSpace())
    ++lead;
  QString indent = line.left(lead) + kContinuationIndent;
  if (metrics.horizontalAdvance(indent) * 2 > width)
    indent.clear();

  QStringList out;
  QString prefix;  // empty for the first piece, the indent after it
  QString rest = line;
  while (true) {
    const QString candidate = prefix + rest;
    if (metrics.horizontalAdvance(candidate) <= width) {
      out << candidate;
      break;
    }
    const qsizetype fits = FittingLength(candidate, metrics, width) - prefix.size();
    // A break at the last blank that fits, with some text before it.
    qsizetype cut = -1;
    for (qsizetype i = qMin(fits, rest.size() - 1); i > 0; --i) {
      if (rest[i].isSpace() && !rest.left(i).trimmed().isEmpty()) {
        cut = i;
        break;
      }
    }
    qsizetype next = cut;
    if (cut < 0) {
      cut = qMax<qsizetype>(fits, 1);  // a word wider than the page
      next = cut;
    }
    QString piece = rest.left(cut);
    while (!piece.isEmpty() && piece.back().isSpace())
      piece.chop(1);
    out << prefix + piece;
    while (next < rest.size() && rest[next].isSpace())
      ++next;
    rest = rest.mid(next);
    if (rest.isEmpty())
      break;
    prefix = indent;
  }
  return out;
}

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
  const int pageWidth = painter.viewport().width();
  int y = metrics.ascent();
  for (const QString& line : lines) {
    for (const QString& printed : WrapToWidth(line, metrics, pageWidth)) {
      if (y + metrics.descent() > pageHeight) {
        device.newPage();
        y = metrics.ascent();
      }
      painter.drawText(0, y, printed);
      y += lineHeight;
    }
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
