// The printed reports lose no text: both reports, built with their widest
// lines, are printed to PDF on A4 and on Letter paper, and the text that
// poppler's pdftotext reads back from the file must hold every word of every
// report line, in order.

#include <QApplication>
#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "common/ui/ReportOutput.h"
#include "design/DesignFields.h"
#include "design/DesignReport.h"
#include "thermal/InputCaptions.h"
#include "thermal/ResultCaptions.h"
#include "thermal/ThermalFields.h"
#include "thermal/ThermalReport.h"

namespace {

// A value too large for its field is written in scientific notation: the
// widest text a field shows.
const std::string kWide = "-1.234567890E+10";

QStringList ToQt(const std::vector<std::string>& lines) {
  QStringList out;
  for (const std::string& line : lines)
    out << QString::fromStdString(line);
  return out;
}

QStringList ThermalLines() {
  calvora::ThermalInputs in;
  for (const auto& row : calvora::kThermalInputFields)
    if (row.kind == calvora::fields::Kind::Text)
      row.text(in) = kWide;
  // The longest of the exchanger-type lines.
  in.SetArrangement(calvora::FlowArrangement::ShellAndTube);
  calvora::ThermalOutcome outcome;
  outcome.fieldTexts.fill(kWide);
  return ToQt(calvora::ThermalReportLines(in, outcome, calvora::ReportVariant::Printed));
}

QStringList ShellAndTubeLines() {
  calvora::ShellAndTubeInputs in;
  for (const auto& row : calvora::design::kShellAndTubeFields)
    if (row.kind == calvora::fields::Kind::Text)
      row.text(in) = kWide;
  // Layout 4: " For 0.01905 outer tube diameter, 0.0254 distance between centre
  // of tubes and a 30 degree staggered triangle.", wider than either paper.
  in.arrangement = {false, false, false, true, false, false};
  in.innerFluid = 3;
  in.outerFluid = 2;
  in.material = 3;
  calvora::DesignOutcome o = calvora::ResultsOutcome(in, {});
  o.fieldTexts.fill(kWide);
  o.fieldVisible.fill(true);
  return ToQt(calvora::DesignReportLines(o, calvora::ReportKind::Printed));
}

QStringList Words(const QString& text) {
  return text.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
}

class PrintedReportTest : public QObject {
  Q_OBJECT

 private slots:
  void everyWordIsPrinted_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QPageSize::PageSizeId>("paper");
    const QStringList thermal = ThermalLines();
    const QStringList shell = ShellAndTubeLines();
    QTest::newRow("thermal, A4") << thermal << QPageSize::A4;
    QTest::newRow("thermal, Letter") << thermal << QPageSize::Letter;
    QTest::newRow("shell and tube, A4") << shell << QPageSize::A4;
    QTest::newRow("shell and tube, Letter") << shell << QPageSize::Letter;
    // Several pages: wrapped lines across page breaks.
    QTest::newRow("both, three times, Letter")
        << (thermal + shell + thermal + shell + thermal + shell) << QPageSize::Letter;
  }

  void everyWordIsPrinted() {
    QFETCH(QStringList, lines);
    QFETCH(QPageSize::PageSizeId, paper);
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty())
      QFAIL("pdftotext not found: install poppler-utils (scripts/setup.sh does)");

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString pdf = dir.filePath("report.pdf");
    {
      QPrinter printer(QPrinter::HighResolution);
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(pdf);
      printer.setPageSize(QPageSize(paper));
      PrintReportLines(printer, lines);
    }

    QProcess extract;
    extract.start(pdftotext, {"-layout", "-enc", "UTF-8", pdf, "-"});
    QVERIFY(extract.waitForFinished(60000));
    QCOMPARE(extract.exitCode(), 0);
    const QString text = QString::fromUtf8(extract.readAllStandardOutput());

    // Every word in order, none cut, none lost at the margin or a page break.
    QCOMPARE(Words(text), Words(lines.join('\n')));
    if (lines.join('\n').contains("staggered triangle."))
      QVERIFY(text.contains(QRegularExpression("staggered\\s+triangle\\.")));
  }
};

}  // namespace

QTEST_MAIN(PrintedReportTest)
#include "PrintedReport_test.moc"
