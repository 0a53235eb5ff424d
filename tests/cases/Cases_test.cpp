// Case files, units, CSV and sweeps, over a small record and table of their own.

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <cstdlib>

#include "cases/CaseFile.h"
#include "cases/Csv.h"
#include "cases/Units.h"
#include "cli/CommandLine.h"
#include "cli/Sweep.h"
#include "common/Numbers.h"

namespace {

using namespace calvora;
using fields::Kind;

struct Toy {
  std::string length{}, flow{}, count{};
  int layout = -1;
  bool drops = false;
  std::array<bool, 3> unknown{};
  char separator = '.';
  bool operator==(const Toy&) const = default;
};
constexpr std::string_view kLayouts[] = {"In line", "Staggered"};
constexpr std::string_view kSymbols[] = {"Th0", "Mh", "Q"};
const fields::InputField<Toy> kRows[] = {
    {"length", Kind::Text, "S", "Edit1", "L", "m", [](Toy& t) -> std::string& { return t.length; }},
    {"flow", Kind::Text, "S", "Edit2", "M", "kg/s", [](Toy& t) -> std::string& { return t.flow; }},
    {"count", Kind::Text, "S", "Edit3", "N", "", [](Toy& t) -> std::string& { return t.count; }},
    {"layout", Kind::Choice, "S", "RadioGroup1", "", "", nullptr,
     [](Toy& t) -> int& { return t.layout; }, nullptr, kLayouts},
    {"drops", Kind::Check, "S", "CheckBox1", "", "", nullptr, nullptr,
     [](Toy& t) -> bool& { return t.drops; }},
};
const cases::SymbolSet<Toy> kSets[] = {
    {"unknowns", kSymbols, [](Toy& t, std::size_t i) -> bool& { return t.unknown[i]; }}};
const cases::CaseSchema<Toy> kSchema{"double-pipe", kRows, kSets,
                                     [](const Toy& t) { return t.separator; }};

QByteArray ToyBytes(const Toy& toy) {
  return cases::CaseBytes("double-pipe", cases::InputsJson(kSchema, toy));
}

void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

bool Read(const QByteArray& bytes, Toy& toy, cases::CaseFault& fault) {
  QTemporaryDir dir;
  const QString path = dir.filePath("case.json");
  WriteFile(path, bytes);
  cases::CaseDocument document;
  return cases::LoadCase(path, document, fault) &&
         cases::ApplyInputs(document, kSchema, toy, fault);
}

TEST(Units, ConvertsToHandValues) {
  const double lb = 0.45359237, in = 0.0254, ft = 12 * in, btu = 1055.05585262;
  const struct {
    const char* text;
    const char* unit;
    double expected;
  } rows[] = {
      {"176 degF", "degC", 80},
      {"-40 degF", "K", 233.15},
      {"1500 lb/h", "kg/s", 1500 * lb / 3600},
      {"0.75 in", "m", 0.75 * in},
      {"45 psi", "Pa", 45 * lb * 9.80665 / (in * in)},
      {"150 Btu/(h ft2 degF)", "W/(m2 K)", 150 * btu / 3600 / (ft * ft) * 1.8},
      {"2.5", "m", 2.5},
  };
  for (const auto& row : rows) {
    std::string fault;
    const auto value = cases::ParseQuantity(row.text, row.unit, fault);
    ASSERT_TRUE(value) << row.text << ": " << fault;
    EXPECT_NEAR(*value, row.expected, 1e-13 * std::abs(row.expected)) << row.text;
  }
  std::string fault;
  EXPECT_EQ(cases::ParseQuantity("1 in", "m", fault), 0.0254);  // no last-digit noise
  EXPECT_FALSE(cases::ParseQuantity("3 kg", "m", fault));
  EXPECT_NE(fault.find("\"m\""), std::string::npos) << fault;  // says what was expected
  EXPECT_FALSE(cases::ParseQuantity("3 furlongz", "m", fault));
  EXPECT_FALSE(cases::ParseQuantity("1e308 km", "mm", fault));
}

TEST(CaseFile, BadFilesAreRefusedNamingTheKeyAndChangeNothing) {
  const QByteArray head = R"({"format":"calvora-case","version":1,"kind":"double-pipe",)";
  const auto inputs = [&](const QByteArray& entries) {
    return head + R"("inputs":{"count":7,)" + entries + "}}";
  };
  const struct {
    const char* name;
    QByteArray bytes;
    std::string key;
  } rows[] = {
      {"truncated", head + R"("inputs":{"count":7,"length":1.5,)", "length"},
      {"wrong type", inputs(R"("drops":3)"), "inputs.drops"},
      {"unknown key", inputs(R"("colour":1)"), "inputs.colour"},
      {"wrong dimension", inputs(R"("length":"3 kg")"), "inputs.length"},
      {"unknown item", inputs(R"("layout":"Diagonal")"), "inputs.layout"},
      {"unknown symbol", inputs(R"("unknowns":["Th0","X"])"), "inputs.unknowns"},
      {"huge number", inputs(R"("flow":1e999)"), "flow"},
      {"huge number text", inputs(R"("flow":"1e999")"), "inputs.flow"},
      {"too large", inputs(R"("flow":1)" + QByteArray(1 << 21, ' ')), ""},
      {"deeply nested", inputs(R"("flow":)" + QByteArray(3000, '[')), "flow"},
      {"nested", inputs(R"("flow":)" + QByteArray(100, '[') + QByteArray(100, ']')), "inputs.flow"},
      {"other kind", R"({"format":"calvora-case","version":1,"kind":"compact","inputs":{}})",
       "kind"},
      {"later version", R"({"format":"calvora-case","version":2,"kind":"compact","inputs":{}})",
       "version"},
  };
  for (const auto& row : rows) {
    Toy toy{"1", "2", "3", 1, true, {true, false, true}, ','};
    const Toy before = toy;
    cases::CaseFault fault;
    EXPECT_FALSE(Read(row.bytes, toy, fault)) << row.name;
    EXPECT_EQ(fault.key, row.key) << row.name << ": " << fault.Message();
    EXPECT_EQ(fault.file.substr(fault.file.size() - 9), "case.json") << row.name;
    EXPECT_FALSE(fault.what.empty()) << row.name;
    EXPECT_EQ(toy, before) << row.name;
  }
}

TEST(CaseFile, RoundTripIsByteIdenticalAndLocaleFree) {
  const Toy dot{"0.75", "1e-05", "", 1, true, {true, false, true}, '.'};
  const Toy comma{"0,75", "1e-05", "", 1, true, {true, false, true}, ','};
  const QByteArray written = ToyBytes(dot);
  EXPECT_EQ(ToyBytes(comma), written);
  EXPECT_NE(written.indexOf(R"("length": 0.75)"), -1) << written.toStdString();
  for (const Toy& blank : {Toy{}, Toy{.separator = ','}}) {
    Toy read = blank;
    cases::CaseFault fault;
    ASSERT_TRUE(Read(written, read, fault)) << fault.Message();
    EXPECT_EQ(read.length, blank.separator == ',' ? "0,75" : "0.75");
    EXPECT_EQ(read, blank.separator == ',' ? comma : dot);
    EXPECT_EQ(ToyBytes(read), written);
  }
  Toy converted;
  cases::CaseFault fault;
  ASSERT_TRUE(Read(R"({"format":"calvora-case","version":1,"kind":"double-pipe",)"
                   R"("inputs":{"length":"0.75 in","layout":null}})",
                   converted, fault))
      << fault.Message();
  EXPECT_EQ(converted.length, "0.01905");
  EXPECT_EQ(converted.layout, -1);
}

TEST(Csv, QuotesAndWritesShortestNumbers) {
  std::string out;
  cases::CsvRow(out)
      .Header("Q", "W")
      .Text("a,b")
      .Text("say \"hi\"")
      .Text("two\nlines")
      .Number(0.1)
      .Number(std::nan(""))
      .End();
  EXPECT_EQ(out, "Q [W],\"a,b\",\"say \"\"hi\"\"\",\"two\nlines\",0.1,\r\n");
  for (const double value : {0.1, 1.0 / 3, 1e300, 5e-324, -2.5e-7, 123456789012.0}) {
    std::string text;
    cases::AppendShortest(text, value);
    EXPECT_EQ(std::strtod(text.c_str(), nullptr), value) << text;
    EXPECT_LE(text.size(), 24u);
  }
}

// A kind of the toy record: "area" = length * flow; a flow above 0.5 ends in a message.
constexpr cli::ResultColumn kToyResults[] = {{"area", "m2", 10, 4}};
void RunToy(Toy toy, bool, cli::RunOutput& out) {
  const auto length = TryParseNumber(toy.length, toy.separator);
  const auto flow = TryParseNumber(toy.flow, toy.separator);
  out.results = length && flow && *flow <= 0.5;
  out.values = {out.results ? *length * *flow : std::nan("")};
  if (!out.results)
    out.messages.push_back({MessageKind::Error, "Too much, \"really\""});
}

TEST(Sweep, RowsAreTheSameWithOneAndTwoThreads) {
  cli::VaryAxis axis;
  std::string fault;
  ASSERT_TRUE(cli::ParseVary("flow=0.1:1:10", axis, fault));
  EXPECT_EQ(axis.Value(2), 0.3);
  EXPECT_EQ(axis.Value(9), 1.0);
  EXPECT_FALSE(cli::ParseVary("flow=0.1:1", axis, fault));

  cli::KindRegistry kinds;
  kinds.Add(cli::MakeKind<Toy>({kSchema, kToyResults, [] { return Toy{}; }, RunToy}));
  QTemporaryDir dir;
  const QString input = dir.filePath("toy.json");
  WriteFile(input, ToyBytes(Toy{.length = "2"}));
  QByteArray tables[2];
  for (int threads : {1, 2}) {
    const QString csv = dir.filePath(QString("rows%1.csv").arg(threads));
    const int status = cli::RunCommandLine({"calvora", "--run", input, "--vary", "flow=0.1:1:10",
                                            "--vary", "length=1:3:300", "--csv", csv},
                                           kinds, stdout, stderr, threads);
    EXPECT_EQ(status, cli::kExitMessage);  // half the flows end in a message
    QFile rows(csv);
    ASSERT_TRUE(rows.open(QIODevice::ReadOnly));
    tables[threads - 1] = rows.readAll();
  }
  EXPECT_EQ(tables[0], tables[1]);
  const QList<QByteArray> lines = tables[0].split('\n');
  EXPECT_EQ(lines.size(), 1 + 3000 + 1);
  EXPECT_EQ(lines[0], "case,flow [kg/s],length [m],area [m2],messages\r");
  EXPECT_TRUE(lines[601].endsWith(",0.3,1,0.3,\r")) << lines[601].toStdString();
  // Nothing existing is replaced without --overwrite.
  EXPECT_EQ(cli::RunCommandLine({"calvora", "--run", input, "--csv", dir.filePath("rows1.csv")},
                                kinds, stdout, stderr, 1),
            cli::kExitBadUsage);
  // --verify: agrees with the saved result, and finds it once it is edited.
  for (const double saved : {0.2, 0.2001}) {
    const QJsonObject results{{"area", saved}};
    const Toy toy{.length = "2", .flow = "0.1"};
    WriteFile(input, cases::CaseBytes("double-pipe", cases::InputsJson(kSchema, toy), &results));
    EXPECT_EQ(cli::RunCommandLine({"calvora", "--verify", input}, kinds, stdout, stderr),
              saved == 0.2 ? cli::kExitResults : cli::kExitDiffers);
  }
}

}  // namespace
