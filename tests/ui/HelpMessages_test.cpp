// Every message the program can show is quoted in the help, word for word, so a
// user who meets it can look it up. The texts come from the headers that hold
// them once; a new or changed message fails here until the help quotes it.

#include <QFile>
#include <QFileInfo>
#include <QTextDocument>
#include <QtTest>
#include <string_view>
#include <vector>

#include "analyses/AnalysisMessages.h"
#include "analyses/CompactAnalysis.h"
#include "analyses/ShellAndTubeMessages.h"
#include "design/DesignCaptions.h"
#include "ntu/Effectiveness.h"
#include "ntu/InverseRelations.h"
#include "ntu/MassFlowSearch.h"
#include "properties/FluidTables.h"
#include "thermal/ThermalSolver.h"

namespace {

namespace dt = calvora::design;

const std::vector<std::string_view> kListedMessages = {
    // effectiveness-NTU relations and the mass-flow search
    calvora::kInsufficientDataMessage,
    calvora::kCannotFindNtuMessage,
    calvora::kMassFlowNotFoundMessage,
    // thermal analysis (its warnings are added below)
    calvora::kCalculationFailedMessage,
    // design screen and its dialogs
    dt::kMathErrorMessage,
    dt::kConversionErrorMessage,
    dt::kSelectionErrorMessage,
    dt::kOuterDiameterFirstMessage,
    dt::kPleaseEnterRequiredData,
    dt::kEnterRequiredDataMessage,
    dt::kOutOfRangeMessage,
    dt::kNoCoefficientsMessage,
    // design analyses
    calvora::kTemperatureOutOfRangeMessage,
    calvora::kInnerTemperatureOutOfRangeMessage,
    calvora::kOuterDiametersMessage,
    calvora::kAnnulusDiameterMessage,
    calvora::kTubeDiameterMessage,
    calvora::kExchangerHeightPrefix,
    calvora::kIterationDidNotSettleMessage,
    calvora::kCompactDiameterMessage,
    calvora::kCompactReynoldsHighMessage,
    calvora::kCompactReynoldsLowMessage,
    calvora::kCompactNoSurfaceMessage,
    calvora::kShellDiameterRangeMessage,
    calvora::kTubeDiameterRangeMessage,
    calvora::kBaffleCountRangeMessage,
    calvora::kClearanceMessage,
    calvora::kEndBaffleRatioMessage,
    calvora::kBaffleRatioLowMessage,
    calvora::kBaffleRatioHighMessage,
    calvora::kInnerFlowMessagePrefix,
    calvora::kOuterFlowMessage,
    calvora::kLowShellReynoldsMessage,
    // Written as literals in src/common/ui/ReportOutput.cpp (no header holds them):
    // the no-printer warning, and the start of the failed-save error, which goes
    // on with the file name and the system's reason.
    "No printer is installed. You can still print the report to a PDF file.",
    "The report could not be saved to ",
};

std::vector<std::string_view> AllMessages() {
  std::vector<std::string_view> all = kListedMessages;
  all.insert(all.end(), calvora::kThermalWarnings.begin(), calvora::kThermalWarnings.end());
  return all;
}

}  // namespace

class HelpMessagesTest : public QObject {
  Q_OBJECT

 private slots:
  void helpQuotesEveryMessage() {
    QFile file(QFileInfo(QStringLiteral(__FILE__)).absolutePath() + "/../../help/CALVOR1.HLP");
    QVERIFY(file.open(QIODevice::ReadOnly));
    // The text as the help window shows it: entities decoded, runs of blanks as one.
    QTextDocument help;
    help.setHtml(QString::fromUtf8(file.readAll()));
    const QString shown = help.toPlainText();
    QStringList missing;
    for (std::string_view message : AllMessages()) {
      const QString text =
          QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size()));
      // A text that the program completes (a number, a file name) is quoted up to its end.
      const QString quoted = "\"" + text + (text.endsWith(' ') ? "" : "\"");
      if (!shown.contains(quoted))
        missing << text;
    }
    QVERIFY2(missing.isEmpty(), qPrintable("not quoted in the help:\n" + missing.join("\n")));
  }
};

QTEST_MAIN(HelpMessagesTest)
#include "HelpMessages_test.moc"
