#include "cli/CommandLine.h"

#include <unistd.h>
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <csignal>
#include <cstring>
#include <thread>

#include "cases/Csv.h"
#include "cli/Sweep.h"
#include "common/Format.h"

namespace calvora::cli {

namespace {

constexpr const char* kOptionNames[] = {"run",        "verify",    "template", "vary",   "csv",
                                        "report-dir", "overwrite", "help",     "version"};

std::atomic<bool> interrupted{false};

extern "C" void OnInterrupt(int) {
  interrupted.store(true);
}

// SIGINT sets `interrupted` while this lives.
class InterruptCatcher {
 public:
  InterruptCatcher() {
    interrupted.store(false);
    previous_ = std::signal(SIGINT, OnInterrupt);
  }
  ~InterruptCatcher() { std::signal(SIGINT, previous_); }
  InterruptCatcher(const InterruptCatcher&) = delete;
  InterruptCatcher& operator=(const InterruptCatcher&) = delete;

 private:
  void (*previous_)(int) = SIG_DFL;
};

void Print(std::FILE* to, const std::string& text) {
  std::fwrite(text.data(), 1, text.size(), to);
}

std::string Std(const QString& text) {
  return text.toStdString();
}

struct LoadedCase {
  QString file;
  std::string name;  // the file as given, for the rows
  const CaseKind* kind = nullptr;
  std::unique_ptr<PreparedCase> prepared;
  cases::CaseDocument document;
  std::vector<int> columns;  // index of each of the kind's results in the CSV's result columns
};

// Where rows go: a file replaced only when complete, or standard output.
class Output {
 public:
  Output(const QString& path, std::FILE* out) : out_(out) {
    if (path != "-")
      file_ = std::make_unique<QSaveFile>(path);
  }
  bool Open() { return !file_ || file_->open(QIODevice::WriteOnly); }
  bool Write(const std::string& text) {
    if (!file_)
      return std::fwrite(text.data(), 1, text.size(), out_) == text.size();
    return file_->write(text.data(), static_cast<qint64>(text.size())) ==
           static_cast<qint64>(text.size());
  }
  bool Commit() { return !file_ || file_->commit(); }
  void Cancel() {
    if (file_)
      file_->cancelWriting();
  }

 private:
  std::FILE* out_;
  std::unique_ptr<QSaveFile> file_;
};

std::string JoinMessages(const std::vector<Message>& messages) {
  std::string joined;
  for (const auto& message : messages) {
    if (!joined.empty())
      joined += '\n';
    joined += message.text;
  }
  return joined;
}

struct Columns {
  std::vector<ResultColumn>
      results;  // every kind's, each key and unit once, in order of appearance
};

void AppendRow(std::string& out, const LoadedCase& c, std::span<const double> varied,
               const RunOutput& run, std::size_t columnCount) {
  cases::CsvRow row(out);
  row.Text(c.name);
  for (const double value : varied)
    row.Number(value);
  thread_local std::vector<double> cells;
  cells.assign(columnCount, std::nan(""));
  for (std::size_t i = 0; i < run.values.size() && i < c.columns.size(); ++i)
    cells[static_cast<std::size_t>(c.columns[i])] = run.values[i];
  for (const double value : cells)
    row.Number(value);
  row.Text(JoinMessages(run.messages));
  row.End();
}

}  // namespace

bool WantsCommandLine(int argc, const char* const* argv) {
  for (int i = 1; i < argc; ++i) {
    std::string_view argument = argv[i];
    if (argument == "-h" || argument == "-v" || argument == "--help-all")
      return true;
    if (argument.substr(0, 2) != "--")
      continue;
    argument.remove_prefix(2);
    argument = argument.substr(0, argument.find('='));
    for (const char* name : kOptionNames)
      if (argument == name)
        return true;
  }
  return false;
}

namespace {

// What --run does besides reading the cases.
struct RunPlan {
  std::vector<VaryAxis> axes;
  bool table = false;  // --csv given
  QString csv;         // its file, "-" for standard output
  bool reports = false;
  QDir reportDir;
  int threads = 0;
};

QString ReportPath(const RunPlan& plan, const LoadedCase& c) {
  return plan.reportDir.filePath(QFileInfo(c.file).completeBaseName() + ".txt");
}

// Reads and checks every file before anything runs or is written; gathers the
// result columns of all their kinds, each key and unit once.
bool LoadCases(const QStringList& files, const KindRegistry& kinds, std::vector<LoadedCase>& loaded,
               std::vector<ResultColumn>& columns, std::FILE* err) {
  for (const QString& file : files) {
    LoadedCase c;
    c.file = file;
    c.name = Std(file);
    cases::CaseFault fault;
    if (cases::LoadCase(file, c.document, fault)) {
      c.kind = kinds.Find(c.document.kind);
      if (!c.kind)
        fault = {c.name, "kind", "cannot be run by this program"};
      else
        c.prepared = c.kind->Prepare(c.document, fault);
    }
    if (!c.prepared) {
      Print(err, fault.Message() + "\n");
      return false;
    }
    for (const ResultColumn& column : c.kind->Results()) {
      const auto it = std::find_if(columns.begin(), columns.end(), [&](const ResultColumn& known) {
        return known.key == column.key && known.unit == column.unit;
      });
      c.columns.push_back(static_cast<int>(it - columns.begin()));
      if (it == columns.end())
        columns.push_back(column);
    }
    loaded.push_back(std::move(c));
  }
  return true;
}

// Recomputes each case and lists the saved results that now show differently.
int VerifyCases(const std::vector<LoadedCase>& loaded, std::FILE* out, std::FILE* err) {
  bool differs = false;
  for (const LoadedCase& c : loaded) {
    std::vector<cases::SavedResult> saved;
    cases::CaseFault fault;
    const auto known = [](const void* context, std::string_view key) {
      for (const ResultColumn& column : static_cast<const CaseKind*>(context)->Results())
        if (column.key == key)
          return true;
      return false;
    };
    if (!cases::ReadResults(c.document, known, c.kind, saved, fault) || saved.empty()) {
      if (saved.empty() && fault.what.empty())
        fault = {c.name, "results", "holds no results to verify"};
      Print(err, fault.Message() + "\n");
      return kExitBadUsage;
    }
    RunOutput now;
    c.prepared->Run({}, {}, false, now);
    for (const Message& message : now.messages)
      Print(err, c.name + ": " + message.text + "\n");
    int differences = 0;
    const auto results = c.kind->Results();
    for (const cases::SavedResult& s : saved) {
      const auto index = static_cast<std::size_t>(
          std::find_if(results.begin(), results.end(),
                       [&](const ResultColumn& r) { return r.key == s.key; }) -
          results.begin());
      const ResultColumn& column = results[index];
      // Compared as the results screen shows them.
      const std::string was = FormatFixed(s.value, column.precision, column.digits);
      const double value = index < now.values.size() ? now.values[index] : std::nan("");
      const std::string is = std::isnan(value)
                                 ? std::string("not shown")
                                 : FormatFixed(value, column.precision, column.digits);
      if (was != is) {
        Print(out, c.name + ": " + s.key + ": saved " + was + ", now " + is + "\n");
        ++differences;
      }
    }
    if (differences == 0)
      Print(out, c.name + ": all " + std::to_string(saved.size()) + " saved results agree\n");
    differs = differs || differences > 0;
  }
  return differs ? kExitDiffers : kExitResults;
}

// A few cases, one after the other: their messages and reports as they come.
// Returns false when a report cannot be written.
bool RunEach(const std::vector<LoadedCase>& loaded, const RunPlan& plan, std::size_t columnCount,
             std::string& rows, bool& anyMessage, std::FILE* err) {
  RunOutput result;
  for (const LoadedCase& c : loaded) {
    if (interrupted.load())
      return true;
    c.prepared->Run({}, {}, plan.reports, result);
    for (const Message& message : result.messages)
      Print(err, c.name + ": " + message.text + "\n");
    anyMessage = anyMessage || !result.results;
    if (plan.reports && result.results) {
      QSaveFile report(ReportPath(plan, c));
      const auto size = static_cast<qint64>(result.report.size());
      if (!report.open(QIODevice::WriteOnly) || report.write(result.report.data(), size) != size ||
          !report.commit()) {
        Print(err, Std(report.fileName()) + ": " + cases::kCannotSave + "\n");
        return false;
      }
    }
    AppendRow(rows, c, {}, result, columnCount);
  }
  return true;
}

// Every grid point of every case on `plan.threads` threads, rows in order.
// Returns false when the table could not be written or the sweep was stopped.
bool RunSweep(const std::vector<LoadedCase>& loaded, const RunPlan& plan, std::size_t columnCount,
              Output& table, bool& anyMessage, std::FILE* err) {
  std::vector<std::string_view> keys;
  for (const VaryAxis& axis : plan.axes)
    keys.push_back(axis.key);
  const int threads = plan.threads > 0
                          ? plan.threads
                          : static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  const std::int64_t perCase = PointCount(plan.axes);
  const std::int64_t items = perCase * static_cast<std::int64_t>(loaded.size());
  std::vector<RunOutput> scratch(static_cast<std::size_t>(threads));
  std::vector<std::vector<double>> values(static_cast<std::size_t>(threads));
  std::atomic<std::int64_t> messages{0};
  const auto produce = [&](std::int64_t item, int worker, std::string& text) {
    const LoadedCase& c = loaded[static_cast<std::size_t>(item / perCase)];
    auto& point = values[static_cast<std::size_t>(worker)];
    RunOutput& result = scratch[static_cast<std::size_t>(worker)];
    PointValues(plan.axes, item % perCase, point);
    c.prepared->Run(keys, point, false, result);
    if (!result.results)
      messages.fetch_add(1, std::memory_order_relaxed);
    AppendRow(text, c, point, result, columnCount);
  };
  const auto consume = [&](const std::string& text) { return table.Write(text); };
  const bool terminal = isatty(fileno(err)) == 1;
  if (!RunInOrder(items, threads, produce, consume, &interrupted, terminal ? err : nullptr))
    return false;
  if (messages.load() > 0) {
    anyMessage = true;
    Print(err, std::to_string(messages.load()) + " of " + std::to_string(items) +
                   " points ended in a message (see the messages column)\n");
  }
  return true;
}

int RunCases(const std::vector<LoadedCase>& loaded, const std::vector<ResultColumn>& columns,
             const RunPlan& plan, std::FILE* out, std::FILE* err) {
  std::string header;
  cases::CsvRow row(header);
  row.Text("case");
  for (const VaryAxis& axis : plan.axes)
    row.Header(axis.key, *loaded.front().kind->EntryUnit(axis.key));
  for (const ResultColumn& column : columns)
    row.Header(column.key, column.unit);
  row.Text("messages");
  row.End();

  const auto cannotWrite = [err](const QString& path) {
    Print(err, Std(path) + ": " + cases::kCannotSave + "\n");
    return kExitBadUsage;
  };
  Output table(plan.csv, out);
  if (plan.table && (!table.Open() || !table.Write(header)))
    return cannotWrite(plan.csv);
  InterruptCatcher catcher;
  bool anyMessage = false;
  if (plan.axes.empty()) {
    std::string rows;
    if (!RunEach(loaded, plan, columns.size(), rows, anyMessage, err))
      return kExitBadUsage;
    if (plan.table && !interrupted.load() && !table.Write(rows))
      return cannotWrite(plan.csv);
  } else if (!RunSweep(loaded, plan, columns.size(), table, anyMessage, err) &&
             !interrupted.load()) {
    table.Cancel();
    return cannotWrite(plan.csv);
  }
  if (interrupted.load()) {
    table.Cancel();
    Print(err, "Interrupted: no table written.\n");
    return kExitInterrupted;
  }
  if (plan.table && !table.Commit())
    return cannotWrite(plan.csv);
  return anyMessage ? kExitMessage : kExitResults;
}

}  // namespace

int RunCommandLine(const QStringList& arguments, const KindRegistry& kinds, std::FILE* out,
                   std::FILE* err, int threads) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      "Runs, sweeps and verifies heat-exchanger cases without a display.");
  const QCommandLineOption help = parser.addHelpOption();
  const QCommandLineOption version = parser.addVersionOption();
  const QCommandLineOption run("run", "Run each CASE as OK would; one CSV row per case.");
  const QCommandLineOption verify(
      "verify", "Recompute each CASE saved with results; list the fields that differ.");
  const QCommandLineOption templateOption(
      "template",
      "Print a case of KIND (thermal, double-pipe, cross-flow, shell-and-tube, "
      "compact) with the screen's starting values.",
      "KIND");
  const QCommandLineOption vary("vary",
                                "Sweep entry KEY over N evenly spaced values from FROM to TO "
                                "(repeat for a grid of every combination).",
                                "KEY=FROM:TO:N");
  const QCommandLineOption csv("csv",
                               "Write one row per case or sweep point to FILE (- for "
                               "standard output).",
                               "FILE");
  const QCommandLineOption reportDir("report-dir", "Write each case's report to DIR.", "DIR");
  const QCommandLineOption overwrite("overwrite", "Replace files that already exist.");
  parser.addOptions({run, verify, templateOption, vary, csv, reportDir, overwrite});
  parser.addPositionalArgument("CASE", "Case files (JSON).", "[CASE...]");

  const auto usage = [&](const std::string& text) {
    Print(err, text + "\n" + "Try '" + Std(QFileInfo(arguments.value(0)).fileName()) +
                   " --help' for more information.\n");
    return kExitBadUsage;
  };
  if (!parser.parse(arguments))
    return usage(Std(parser.errorText()));
  if (parser.isSet(help)) {
    Print(out, Std(parser.helpText()));
    Print(out,
          "\nExit status: 0 every case gave results, 1 --verify found a difference, 2 bad usage "
          "or a bad case file, 3 a case ended in a message instead of results.\n");
    return kExitResults;
  }
  if (parser.isSet(version)) {
    Print(out,
          Std(QCoreApplication::applicationName() + " " + QCoreApplication::applicationVersion()) +
              "\n");
    return kExitResults;
  }
  const QStringList files = parser.positionalArguments();
  const int actions =
      int(parser.isSet(run)) + int(parser.isSet(verify)) + int(parser.isSet(templateOption));
  if (actions != 1)
    return usage("Give one of --run, --verify and --template.");

  if (parser.isSet(templateOption)) {
    if (!files.isEmpty() || parser.isSet(vary) || parser.isSet(csv) || parser.isSet(reportDir))
      return usage("--template takes a KIND and nothing else.");
    const CaseKind* kind = kinds.Find(Std(parser.value(templateOption)));
    if (!kind)
      return usage("\"" + Std(parser.value(templateOption)) + "\" " + cases::kUnknownKind);
    const QByteArray bytes = kind->Template();
    std::fwrite(bytes.data(), 1, static_cast<std::size_t>(bytes.size()), out);
    return kExitResults;
  }
  if (files.isEmpty())
    return usage("Name at least one CASE file.");
  if (parser.isSet(verify) && (parser.isSet(vary) || parser.isSet(csv) || parser.isSet(reportDir)))
    return usage("--verify takes CASE files and nothing else.");

  std::vector<LoadedCase> loaded;
  std::vector<ResultColumn> columns;
  if (!LoadCases(files, kinds, loaded, columns, err))
    return kExitBadUsage;
  if (parser.isSet(verify))
    return VerifyCases(loaded, out, err);

  RunPlan plan;
  plan.threads = threads;
  for (const QString& spec : parser.values(vary)) {
    VaryAxis axis;
    std::string fault;
    if (!ParseVary(Std(spec), axis, fault))
      return usage("--vary: " + fault);
    for (const LoadedCase& c : loaded)
      if (!c.kind->EntryUnit(axis.key))
        return usage("--vary: \"" + axis.key + "\" is not an entry of " +
                     std::string(c.kind->Name()) + " cases");
    plan.axes.push_back(std::move(axis));
  }
  if (PointCount(plan.axes) < 0)
    return usage("--vary: more than 1,000,000,000 points");
  if (!plan.axes.empty() && !parser.isSet(csv))
    return usage("--vary needs --csv FILE for its rows.");
  if (!plan.axes.empty() && parser.isSet(reportDir))
    return usage("--report-dir writes one report per case; it cannot be used with --vary.");
  plan.table = parser.isSet(csv);
  plan.csv = plan.table ? parser.value(csv) : QString("-");
  plan.reports = parser.isSet(reportDir);
  plan.reportDir = QDir(parser.value(reportDir));

  // Nothing existing is replaced without --overwrite.
  QStringList targets;
  if (plan.table && plan.csv != "-")
    targets << plan.csv;
  if (plan.reports) {
    if (!plan.reportDir.exists() && !QDir().mkpath(plan.reportDir.path()))
      return usage(Std(plan.reportDir.path()) + ": " + cases::kCannotSave);
    for (const LoadedCase& c : loaded) {
      if (targets.contains(ReportPath(plan, c)))
        return usage(Std(ReportPath(plan, c)) + ": two cases would write the same report");
      targets << ReportPath(plan, c);
    }
  }
  if (!parser.isSet(overwrite))
    for (const QString& target : targets)
      if (QFileInfo::exists(target))
        return usage(Std(target) + " exists; give --overwrite to replace it.");
  return RunCases(loaded, columns, plan, out, err);
}

int CommandLineMain(int argc, char* argv[], const KindRegistry& kinds) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName("Calvora");
  QCoreApplication::setApplicationVersion(CALVORA_VERSION);
  return RunCommandLine(QCoreApplication::arguments(), kinds, stdout, stderr);
}

}  // namespace calvora::cli
