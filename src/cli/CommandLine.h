#pragma once

// The headless command line: runs, sweeps and verifies case files without a
// display. The program's main() asks WantsCommandLine() first; when it answers
// yes, it starts a QCoreApplication and calls RunCommandLine().
//
//   calvora --run CASE... [--report-dir DIR] [--csv FILE] [--vary KEY=FROM:TO:N]...
//   calvora --verify CASE...
//   calvora --template KIND
//   calvora --help | --version

#include <QStringList>
#include <cstdio>

#include "cli/CaseKind.h"

namespace calvora::cli {

// Exit statuses.
inline constexpr int kExitResults = 0;        // every case gave results (or nothing to run)
inline constexpr int kExitDiffers = 1;        // --verify found a result that differs
inline constexpr int kExitBadUsage = 2;       // bad usage or a bad case file
inline constexpr int kExitMessage = 3;        // a case ended in a message instead of results
inline constexpr int kExitInterrupted = 130;  // stopped by Ctrl+C (128 + SIGINT)

// True when the arguments hold one of the command line's options (then no
// window is wanted); `calvora CASE.json` alone is not: it opens the case on screen.
bool WantsCommandLine(int argc, const char* const* argv);

// Runs the command line `arguments` (the program's name first) over the kinds in
// `kinds`, writing to `out` and `err`; returns the exit status. `threads` is the
// number of sweep threads (0: one per core). Needs a QCoreApplication.
int RunCommandLine(const QStringList& arguments, const KindRegistry& kinds, std::FILE* out,
                   std::FILE* err, int threads = 0);

// The program without a display: starts a QCoreApplication (named Calvora, with
// the program's version) and runs the command line on standard output and error.
int CommandLineMain(int argc, char* argv[], const KindRegistry& kinds);

}  // namespace calvora::cli
