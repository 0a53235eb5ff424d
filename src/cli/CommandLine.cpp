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

  // Every file is read and checked before anything runs or is written.
  std::vector<LoadedCase> loaded;
  Columns columns;
  for (const QString& file : files) {
    LoadedCase c;
    c.file = file;
    c.name = Std(file);
    cases::CaseFault fault;
    if (!cases::LoadCase(file, c.document, fault)) {
      Print(err, fault.Message() + "\n");
      return kExitBadUsage;
    }
    c.kind = kinds.Find(c.document.kind);
    if (!c.kind) {
      Print(err,
            cases::CaseFault{Std(file), "kind", "cannot be run by this program"}.Message() + "\n");
      return kExitBadUsage;
    }
    c.prepared = c.kind->Prepare(c.document, fault);
    if (!c.prepared) {
      Print(err, fault.Message() + "\n");
      return kExitBadUsage;
    }
    for (const ResultColumn& column : c.kind->Results()) {
      const auto it = std::find_if(columns.results.begin(), columns.results.end(),
                                   [&](const ResultColumn& known) {
                                     return known.key == column.key && known.unit == column.unit;
                                   });
      c.columns.push_back(static_cast<int>(it - columns.results.begin()));
      if (it == columns.results.end())
        columns.results.push_back(column);
    }
    loaded.push_back(std::move(c));
  }

  if (parser.isSet(verify)) {
    bool differs = false;
    for (const LoadedCase& c : loaded) {
      std::vector<cases::SavedResult> saved;
      cases::CaseFault fault;
      const auto known = [](const void* context, std::string_view key) {
        const auto* kind = static_cast<const CaseKind*>(context);
        for (const ResultColumn& column : kind->Results())
          if (column.key == key)
            return true;
        return false;
      };
      if (!cases::ReadResults(c.document, known, c.kind, saved, fault)) {
        Print(err, fault.Message() + "\n");
        return kExitBadUsage;
      }
      if (saved.empty()) {
        Print(err,
              cases::CaseFault{Std(c.file), "results", "holds no results to verify"}.Message() +
                  "\n");
        return kExitBadUsage;
      }
      RunOutput now;
      c.prepared->Run({}, {}, false, now);
      for (const Message& message : now.messages)
        Print(err, Std(c.file) + ": " + message.text + "\n");
      int differences = 0;
      const auto results = c.kind->Results();
      for (const cases::SavedResult& s : saved) {
        const auto index = static_cast<std::size_t>(
            std::find_if(results.begin(), results.end(),
                         [&](const ResultColumn& r) { return r.key == s.key; }) -
            results.begin());
        const ResultColumn& column = results[index];
        const std::string was = FormatFixed(s.value, column.precision, column.digits);
        const double value = index < now.values.size() ? now.values[index] : std::nan("");
        const std::string is = std::isnan(value)
                                   ? std::string("not shown")
                                   : FormatFixed(value, column.precision, column.digits);
        if (was != is) {
          Print(out, Std(c.file) + ": " + s.key + ": saved " + was + ", now " + is + "\n");
          ++differences;
        }
      }
      if (differences == 0)
        Print(out,
              Std(c.file) + ": all " + std::to_string(saved.size()) + " saved results agree\n");
      differs = differs || differences > 0;
    }
    return differs ? kExitDiffers : kExitResults;
  }

  // --run
  std::vector<VaryAxis> axes;
  for (const QString& spec : parser.values(vary)) {
    VaryAxis axis;
    std::string fault;
    if (!ParseVary(Std(spec), axis, fault))
      return usage("--vary: " + fault);
    for (const LoadedCase& c : loaded)
      if (!c.kind->EntryUnit(axis.key))
        return usage("--vary: \"" + axis.key + "\" is not an entry of " +
                     std::string(c.kind->Name()) + " cases");
    axes.push_back(std::move(axis));
  }
  const std::int64_t points = PointCount(axes);
  if (points < 0)
    return usage("--vary: more than 1,000,000,000 points");
  if (!axes.empty() && !parser.isSet(csv))
    return usage("--vary needs --csv FILE for its rows.");
  if (!axes.empty() && parser.isSet(reportDir))
    return usage("--report-dir writes one report per case; it cannot be used with --vary.");

  // Nothing existing is replaced without --overwrite.
  QStringList targets;
  const QString csvPath = parser.value(csv);
  if (parser.isSet(csv) && csvPath != "-")
    targets << csvPath;
  QDir reports(parser.value(reportDir));
  if (parser.isSet(reportDir)) {
    if (!reports.exists() && !QDir().mkpath(reports.path()))
      return usage(Std(reports.path()) + ": " + cases::kCannotSave);
    for (const LoadedCase& c : loaded) {
      const QString report = reports.filePath(QFileInfo(c.file).completeBaseName() + ".txt");
      if (targets.contains(report))
        return usage(Std(report) + ": two cases would write the same report");
      targets << report;
    }
  }
  if (!parser.isSet(overwrite))
    for (const QString& target : targets)
      if (QFileInfo::exists(target))
        return usage(Std(target) + " exists; give --overwrite to replace it.");

  std::vector<std::string_view> keys;
  for (const VaryAxis& axis : axes)
    keys.push_back(axis.key);

  std::string header;
  {
    cases::CsvRow row(header);
    row.Text("case");
    for (const VaryAxis& axis : axes)
      row.Header(axis.key, *loaded.front().kind->EntryUnit(axis.key));
    for (const ResultColumn& column : columns.results)
      row.Header(column.key, column.unit);
    row.Text("messages");
    row.End();
  }
  std::unique_ptr<Output> table;
  if (parser.isSet(csv)) {
    table = std::make_unique<Output>(csvPath, out);
    if (!table->Open() || !table->Write(header))
      return usage(Std(csvPath) + ": " + cases::kCannotSave);
  }

  InterruptCatcher catcher;
  bool anyMessage = false;
  if (axes.empty()) {
    // A few cases: one after the other, their messages and reports as they come.
    std::string rows;
    RunOutput result;
    for (const LoadedCase& c : loaded) {
      if (interrupted.load())
        break;
      c.prepared->Run({}, {}, parser.isSet(reportDir), result);
      for (const Message& message : result.messages)
        Print(err, Std(c.file) + ": " + message.text + "\n");
      anyMessage = anyMessage || !result.results;
      if (parser.isSet(reportDir) && result.results) {
        QSaveFile report(reports.filePath(QFileInfo(c.file).completeBaseName() + ".txt"));
        if (!report.open(QIODevice::WriteOnly) ||
            report.write(result.report.data(), static_cast<qint64>(result.report.size())) !=
                static_cast<qint64>(result.report.size()) ||
            !report.commit()) {
          Print(err, Std(report.fileName()) + ": " + cases::kCannotSave + "\n");
          return kExitBadUsage;
        }
      }
      AppendRow(rows, c, {}, result, columns.results.size());
    }
    if (table && !interrupted.load() && !table->Write(rows))
      return usage(Std(csvPath) + ": " + cases::kCannotSave);
  } else {
    if (threads <= 0)
      threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    const std::int64_t perCase = points;
    const std::int64_t items = perCase * static_cast<std::int64_t>(loaded.size());
    std::vector<RunOutput> scratch(static_cast<std::size_t>(threads));
    std::vector<std::vector<double>> values(static_cast<std::size_t>(threads));
    std::atomic<std::int64_t> messages{0};
    const auto produce = [&](std::int64_t item, int worker, std::string& text) {
      const LoadedCase& c = loaded[static_cast<std::size_t>(item / perCase)];
      auto& point = values[static_cast<std::size_t>(worker)];
      RunOutput& result = scratch[static_cast<std::size_t>(worker)];
      PointValues(axes, item % perCase, point);
      c.prepared->Run(keys, point, false, result);
      if (!result.results)
        messages.fetch_add(1, std::memory_order_relaxed);
      AppendRow(text, c, point, result, columns.results.size());
    };
    const auto consume = [&](const std::string& text) { return table->Write(text); };
    const bool terminal = isatty(fileno(err)) == 1;
    const bool complete =
        RunInOrder(items, threads, produce, consume, &interrupted, terminal ? err : nullptr);
    if (complete && messages.load() > 0) {
      anyMessage = true;
      Print(err, std::to_string(messages.load()) + " of " + std::to_string(items) +
                     " points ended in a message (see the messages column)\n");
    }
    if (!complete && !interrupted.load()) {
      table->Cancel();
      return usage(Std(csvPath) + ": " + cases::kCannotSave);
    }
  }
  if (interrupted.load()) {
    if (table)
      table->Cancel();
    Print(err, "Interrupted: no table written.\n");
    return kExitInterrupted;
  }
  if (table && !table->Commit())
    return usage(Std(csvPath) + ": " + cases::kCannotSave);
  return anyMessage ? kExitMessage : kExitResults;
}

int CommandLineMain(int argc, char* argv[], const KindRegistry& kinds) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName("Calvora");
  QCoreApplication::setApplicationVersion(CALVORA_VERSION);
  return RunCommandLine(QCoreApplication::arguments(), kinds, stdout, stderr);
}

}  // namespace calvora::cli
