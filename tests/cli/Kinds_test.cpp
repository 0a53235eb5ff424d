// The command line over the five kinds: its reports are the screens' golden
// reports, its templates read back as the screens' starting values, --verify,
// sweeps with one and two threads, and the README's first run.

#include <gtest/gtest.h>

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

#include "cases/CaseSchemas.h"
#include "cli/CommandLine.h"
#include "cli/Kinds.h"

namespace {

using namespace calvora;

QByteArray Case(const char* kind, const QByteArray& inputs) {
  return QByteArray(R"({"format":"calvora-case","version":1,"kind":")") + kind + R"(","inputs":{)" +
         inputs + "}}";
}

// The records of the golden reports, as a user would type them into case files.
const struct Chain {
  const char* golden;
  const char* kind;
  QByteArray inputs;
} kChains[] = {
    {"thermal", "thermal",
     R"("type":"Counter Flow","unknowns":["Mh","Tc0","A"],"Th1":150,"Tc1":30,"Th0":90,)"
     R"("Mc":1.5,"Q":240000,"U":300,"cc":4180,"ch":2000)"},
    {"double_pipe", "double-pipe",
     R"("innerFluid":"Saturated Water","outerFluid":"Saturated Water","pressureDrops":true,)"
     R"("iteration":true,"flowCondition":"Counter flow","inletPipeDiameter":0.03,)"
     R"("outletPipeDiameter":"3.5 cm","innerTubeInsideDiameter":0.02,)"
     R"("innerTubeOutsideDiameter":0.025,"outerTubeInsideDiameter":0.04,)"
     R"("outerTubeOutsideDiameter":0.045,"length":5,"innerMassFlow":0.2,"outerMassFlow":0.3,)"
     R"("innerTemperature":80,"outerTemperature":20)"},
    {"cross_flow", "cross-flow",
     R"("innerFluid":"Saturated Water","arrangement":"In-Line arrangement","pressureDrops":true,)"
     R"("inletPipeDiameter":0.05,"outletPipeDiameter":0.06,"tubeInsideDiameter":0.016,)"
     R"("tubeOutsideDiameter":0.02,"rowsNormal":10,"rowsParallel":4,"tubeCount":40,"length":1,)"
     R"("innerMassFlow":1,"outerMassFlow":0.5,"innerTemperature":80,"outerTemperature":27,)"
     R"("inLinePitchParallel":0.03,"inLinePitchNormal":0.04,"staggeredPitchParallel":0.025,)"
     R"("staggeredPitchNormal":0.03)"},
    {"shell_and_tube", "shell-and-tube",
     R"("innerFluid":"Saturated Water","outerFluid":"Saturated Water","iteration":true,)"
     R"("shellDiameter":0.5,"tubeInsideDiameter":0.0135,"clearance":0.015,"baffles":12,)"
     R"("centralBaffleSpace":0.2,"endBaffleSpace":0.3,"innerMassFlow":200,"outerMassFlow":25,)"
     R"("innerTemperature":20,"outerTemperature":80,"layout1":false,"layout2":true)"},
    {"compact", "compact",
     R"("innerFluid":"Saturated Water","material":"Carbon Steel","tubeInsideDiameter":0.0165,)"
     R"("tubeCount":20,"rowsNormal":10,"rowsParallel":2,"length":0.6,"innerMassFlow":0.5,)"
     R"("outerMassFlow":1.2,"innerTemperature":80,"outerTemperature":20,"surface":")" +
         QByteArray(design::kSurfaceItems[6].data(), qsizetype(design::kSurfaceItems[6].size())) +
         "\""},
};

// The README's first run: water in the tube, unused engine oil in the annulus.
const QByteArray kFirstRun =
    Case("double-pipe",
         R"x("innerFluid":"Saturated Water","outerFluid":"Oil (Engine,Unused)","iteration":true,)x"
         R"("flowCondition":"Counter flow","innerTubeInsideDiameter":0.02,)"
         R"("innerTubeOutsideDiameter":0.025,"outerTubeInsideDiameter":0.04,)"
         R"("outerTubeOutsideDiameter":0.045,"length":5,"innerMassFlow":0.2,"outerMassFlow":0.3,)"
         R"("innerTemperature":80,"outerTemperature":40)");

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

class CommandLine : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    static int argc = 1;
    static char name[] = "calvora_cli_tests";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!QCoreApplication::instance())
      new QGuiApplication(argc, argv);  // --plot draws text
  }
  QString Write(const QString& name, const QByteArray& bytes) {
    QFile file(dir.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return file.fileName();
  }
  // Runs the command line; its standard output goes to `out`.
  int Run(QStringList arguments, int threads = 0) {
    char* buffer = nullptr;
    std::size_t size = 0;
    std::FILE* stream = open_memstream(&buffer, &size);
    arguments.prepend("calvora");
    const int status = cli::RunCommandLine(arguments, cli::CaseKinds(), stream, stderr, threads);
    std::fclose(stream);
    out = std::string(buffer, size);
    std::free(buffer);
    return status;
  }
  QTemporaryDir dir;
  std::string out;
};

TEST_F(CommandLine, ReportOfEveryKindIsTheScreensSavedReport) {
  for (const Chain& chain : kChains) {
    const QString file = Write(QString(chain.golden) + ".json", Case(chain.kind, chain.inputs));
    ASSERT_EQ(Run({"--run", file, "--report-dir", dir.filePath("out")}), 0) << chain.golden;
    EXPECT_EQ(
        ReadAll(dir.filePath("out/") + chain.golden + ".txt").toStdString(),
        ReadAll(QString(CALVORA_TEST_DATA "/reports/") + chain.golden + ".saved.txt").toStdString())
        << chain.golden;
  }
}

template <class Record>
void ExpectTemplateReadsBack(const cases::CaseSchema<Record>& schema, const Record& starting,
                             const QByteArray& bytes) {
  cases::CaseDocument document;
  cases::CaseFault fault;
  ASSERT_TRUE(cases::ParseCase(bytes, "template.json", document, fault)) << fault.Message();
  Record record{};
  for (const auto& row : schema.inputs)  // every key must come from the file
    if (row.text)
      row.text(record) = "9";
  ASSERT_TRUE(cases::ApplyInputs(document, schema, record, fault)) << fault.Message();
  EXPECT_EQ(record, starting) << schema.kind;
}

TEST_F(CommandLine, TemplateReadsBackAsTheStartingRecord) {
  const auto kind = [&](const char* name) {
    EXPECT_EQ(Run({"--template", name}), 0);
    return QByteArray::fromStdString(out);
  };
  ExpectTemplateReadsBack(cases::kThermalSchema, ThermalStartingInputs(), kind("thermal"));
  ExpectTemplateReadsBack(cases::kDoublePipeSchema, {}, kind("double-pipe"));
  ExpectTemplateReadsBack(cases::kCrossFlowSchema, {}, kind("cross-flow"));
  ExpectTemplateReadsBack(cases::kShellAndTubeSchema, {}, kind("shell-and-tube"));
  ExpectTemplateReadsBack(cases::kCompactSchema, {}, kind("compact"));
}

TEST_F(CommandLine, CommaLocaleCaseIsTheDotLocaleCase) {
  DoublePipeInputs comma;
  comma.decimalSeparator = ',';
  comma.innerTubeInsideDiameter = "0,02";
  comma.length = "5";
  DoublePipeInputs dot = comma;
  dot.decimalSeparator = '.';
  dot.innerTubeInsideDiameter = "0.02";
  const QByteArray written =
      cases::CaseBytes("double-pipe", cases::InputsJson(cases::kDoublePipeSchema, comma));
  EXPECT_EQ(written,
            cases::CaseBytes("double-pipe", cases::InputsJson(cases::kDoublePipeSchema, dot)));
  ExpectTemplateReadsBack(cases::kDoublePipeSchema, dot, written);
}

TEST_F(CommandLine, VerifyPassesTheReadmeResultsAndCatchesAnEditedOne) {
  const QByteArray saved = kFirstRun.chopped(1) +
                           R"(,"results":{"heatTransferRate":788.182,"overallCoefficient":64.5614,)"
                           R"("coldOutletTemperature":41.338,"hotOutletTemperature":79.061}})";
  EXPECT_EQ(Run({"--verify", Write("saved.json", saved)}), 0) << out;
  QByteArray edited = saved;
  edited.replace("788.182", "788.183");
  EXPECT_EQ(Run({"--verify", Write("edited.json", edited)}), 1);
  EXPECT_EQ(out, dir.filePath("edited.json").toStdString() +
                     ": heatTransferRate: saved 788.183, now 788.182\n");
}

TEST_F(CommandLine, ReadmeSweepRowAndPlot) {
  const QString file = Write("dp.json", kFirstRun);
  ASSERT_EQ(Run({"--run", file, "--vary", "outerMassFlow=0.1:1:10", "--csv", dir.filePath("s.csv"),
                 "--plot", dir.filePath("s.svg"), "--y", "heatTransferRate,overallCoefficient"}),
            0);
  const QList<QByteArray> rows = ReadAll(dir.filePath("s.csv")).split('\n');
  ASSERT_EQ(rows.size(), 12);  // the header, ten rows, nothing after the last line end
  const QList<QByteArray> row = rows[3].split(',');
  EXPECT_EQ(row[1], "0.3");
  EXPECT_EQ(row[10].left(7), "788.181");  // 788.1817..., shown as 788.182
  EXPECT_EQ(row[9].left(7), "64.5613");   // 64.56135..., shown as 64.5614
  const QByteArray svg = ReadAll(dir.filePath("s.svg"));
  EXPECT_TRUE(svg.contains("outerMassFlow [kg/s]") && svg.contains("heatTransferRate [W]"));
  // Nothing is replaced without --overwrite.
  EXPECT_EQ(Run({"--run", file, "--vary", "outerMassFlow=0.1:1:2", "--csv", dir.filePath("t.csv"),
                 "--plot", dir.filePath("s.svg"), "--y", "heatTransferRate"}),
            2);
}

TEST_F(CommandLine, SweepIsTheSameWithOneAndTwoThreads) {
  const QString file = Write("t.json", Case("thermal", kChains[0].inputs));
  std::string csv[2];
  for (int threads : {1, 2}) {
    const QString table = dir.filePath(QString("t%1.csv").arg(threads));
    EXPECT_EQ(
        Run({"--run", file, "--vary", "Mc=0.5:3:40", "--vary", "U=100:900:50", "--csv", table},
            threads),
        0);
    csv[threads - 1] = ReadAll(table).toStdString();
  }
  EXPECT_EQ(csv[0].size(), csv[1].size());
  EXPECT_EQ(csv[0], csv[1]);
  EXPECT_GT(std::count(csv[0].begin(), csv[0].end(), '\n'), 2000);
}

}  // namespace
