#include "cli/CommandLine.h"

#include <unistd.h>
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>
#include <csignal>
#include <cstring>
#include <thread>

#include "cases/Csv.h"
#include "charts/Sweep.h"
#include "cli/Sweep.h"
#include "common/Format.h"

namespace calvora::cli {

namespace {

constexpr const char* kOptionNames[] = {"run", "verify",     "template",  "vary", "csv",    "plot",
                                        "y",   "report-dir", "overwrite", "help", "version"};

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
  QString plot;                 // --plot FILE.svg, empty when none
  std::vector<std::size_t> ys;  // the plotted result columns (--y)
  std::vector<double> plotted;  // per point, the value of each of `ys`
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
bool RunSweep(const std::vector<LoadedCase>& loaded, RunPlan& plan, std::size_t columnCount,
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
  // Each axis' values once, not once per point.
  std::vector<std::vector<double>> grid(plan.axes.size());
  for (std::size_t a = 0; a < grid.size(); ++a)
    for (int i = 0; i < plan.axes[a].count; ++i)
      grid[a].push_back(plan.axes[a].Value(i));
  const auto produce = [&](std::int64_t item, int worker, std::string& text) {
    const LoadedCase& c = loaded[static_cast<std::size_t>(item / perCase)];
    auto& point = values[static_cast<std::size_t>(worker)];
    RunOutput& result = scratch[static_cast<std::size_t>(worker)];
    point.resize(grid.size());
    for (std::int64_t rest = item % perCase, a = std::ssize(grid); a-- > 0;) {
      const auto& axis = grid[static_cast<std::size_t>(a)];
      point[static_cast<std::size_t>(a)] = axis[static_cast<std::size_t>(rest % std::ssize(axis))];
      rest /= std::ssize(axis);
    }
    c.prepared->Run(keys, point, false, result);
    if (!result.results)
      messages.fetch_add(1, std::memory_order_relaxed);
    for (std::size_t y = 0; y < plan.ys.size(); ++y)
      plan.plotted[static_cast<std::size_t>(item) * plan.ys.size() + y] = result.values[plan.ys[y]];
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

// The sweep's plot: the plotted results against the first varied entry, one
// line per plotted result and value of the second.
charts::SweepData PlotData(const LoadedCase& c, const RunPlan& plan) {
  const auto results = c.kind->Results();
  const auto withUnit = [](std::string_view key, std::string_view unit) {
    const QString text = QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
    return unit.empty()
               ? text
               : text + " [" + QString::fromUtf8(unit.data(), static_cast<qsizetype>(unit.size())) +
                     "]";
  };
  charts::SweepData data;
  data.title = QFileInfo(c.file).fileName();
  const VaryAxis& x = plan.axes[0];
  data.xTitle = withUnit(x.key, *c.kind->EntryUnit(x.key));
  QStringList yTitles;
  for (const std::size_t y : plan.ys)
    yTitles << withUnit(results[y].key, results[y].unit);
  data.yTitle = yTitles.join(", ");
  for (int i = 0; i < x.count; ++i)
    data.x.push_back(x.Value(i));
  const int lines = plan.axes.size() > 1 ? plan.axes[1].count : 1;
  const std::size_t ys = plan.ys.size();
  for (int l = 0; l < lines; ++l) {
    for (std::size_t y = 0; y < ys; ++y) {
      charts::SweepLine line;
      line.name = withUnit(results[plan.ys[y]].key, results[plan.ys[y]].unit);
      if (plan.axes.size() > 1) {
        std::string value;
        cases::AppendShortest(value, plan.axes[1].Value(l));
        line.name +=
            QString(", %1 = %2")
                .arg(QString::fromStdString(plan.axes[1].key), QString::fromStdString(value));
      }
      for (int i = 0; i < x.count; ++i)
        line.y.push_back(plan.plotted[(static_cast<std::size_t>(i) * lines + l) * ys + y]);
      data.lines.push_back(std::move(line));
    }
  }
  return data;
}

int RunCases(const std::vector<LoadedCase>& loaded, const std::vector<ResultColumn>& columns,
             RunPlan& plan, std::FILE* out, std::FILE* err) {
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
  if (!plan.plot.isEmpty()) {
    QString error;
    if (!charts::WriteSweepPlot(PlotData(loaded.front(), plan), plan.plot, &error)) {
      Print(err, Std(error.isEmpty() ? plan.plot + ": " + cases::kCannotSave : error) + "\n");
      return kExitBadUsage;
    }
  }
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
  const QCommandLineOption plot("plot",
                                "Draw the --y results of a sweep against the first varied entry, "
                                "one line per value of a second, as an SVG FILE.",
                                "FILE.svg");
  const QCommandLineOption ys("y", "The results --plot draws, by their keys.", "KEY[,KEY...]");
  const QCommandLineOption reportDir("report-dir", "Write each case's report to DIR.", "DIR");
  const QCommandLineOption overwrite("overwrite", "Replace files that already exist.");
  parser.addOptions({run, verify, templateOption, vary, csv, plot, ys, reportDir, overwrite});
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
    if (!files.isEmpty() || parser.isSet(vary) || parser.isSet(csv) || parser.isSet(reportDir) ||
        parser.isSet(plot) || parser.isSet(ys))
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
  if (parser.isSet(verify) && (parser.isSet(vary) || parser.isSet(csv) || parser.isSet(reportDir) ||
                               parser.isSet(plot) || parser.isSet(ys)))
    return usage("--verify takes CASE files and nothing else.");

  std::vector<LoadedCase> loaded;
  std::vector<ResultColumn> columns;
  if (!LoadCases(files, kinds, loaded, columns, err))
    return kExitBadUsage;
  if (parser.isSet(verify))
    return VerifyCases(loaded, out, err);

  RunPlan plan;
  plan.threads = threads;
  for (const QString& option : parser.values(vary)) {
    VaryAxis axis;
    std::string fault;
    if (!ParseVary(Std(option), axis, fault))
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
  if (parser.isSet(plot) != parser.isSet(ys))
    return usage("--plot FILE.svg and --y KEY[,KEY...] go together.");
  if (parser.isSet(plot)) {
    if (plan.axes.empty() || plan.axes.size() > 2)
      return usage("--plot draws a sweep of one or two --vary.");
    if (loaded.size() != 1)
      return usage("--plot draws the sweep of one CASE.");
    if (PointCount(plan.axes) > 1'000'000)
      return usage("--plot draws at most 1,000,000 points.");
    if (!parser.value(plot).endsWith(".svg", Qt::CaseInsensitive))
      return usage("--plot writes an .svg file.");
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
      return usage("--plot needs the program's drawing support.");
    const auto results = loaded.front().kind->Results();
    for (const QString& key : parser.value(ys).split(',')) {
      const auto it = std::find_if(results.begin(), results.end(), [&](const ResultColumn& r) {
        return r.key == Std(key.trimmed());
      });
      if (it == results.end())
        return usage("--y: \"" + Std(key) + "\" is not a result of " +
                     std::string(loaded.front().kind->Name()) + " cases");
      plan.ys.push_back(static_cast<std::size_t>(it - results.begin()));
    }
    plan.plot = parser.value(plot);
    plan.plotted.assign(static_cast<std::size_t>(PointCount(plan.axes)) * plan.ys.size(),
                        std::nan(""));
  }
  plan.table = parser.isSet(csv);
  plan.csv = plan.table ? parser.value(csv) : QString("-");
  plan.reports = parser.isSet(reportDir);
  plan.reportDir = QDir(parser.value(reportDir));

  // Nothing existing is replaced without --overwrite.
  QStringList targets;
  if (plan.table && plan.csv != "-")
    targets << plan.csv;
  if (!plan.plot.isEmpty())
    targets << plan.plot;
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
  // A plot draws text, which needs the toolkit's fonts: then an application
  // that draws off screen, so no display is needed either way.
  bool plots = false;
  for (int i = 1; i < argc; ++i)
    plots = plots || std::string_view(argv[i]).substr(0, 6) == "--plot";
  if (plots) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The toolkit wants a private runtime folder and warns without one (cron, CI).
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
      const QString runtime = QDir::tempPath() + "/runtime-" + QString::number(getuid());
      if (QDir().mkpath(runtime) &&
          QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
        qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
    }
  }
  const std::unique_ptr<QCoreApplication> app(plots ? new QGuiApplication(argc, argv)
                                                    : new QCoreApplication(argc, argv));
  QCoreApplication::setApplicationName("Calvora");
  QCoreApplication::setApplicationVersion(CALVORA_VERSION);
  return RunCommandLine(QCoreApplication::arguments(), kinds, stdout, stderr);
}

}  // namespace calvora::cli
