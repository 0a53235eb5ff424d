// What every libFuzzer target of the calculations shares: reading choices and
// entries from the fuzzer's bytes, and running a record as the screens' OK
// handlers run it against the promises in support/RunChecks.h (the ones the
// hostile-input test checks too). A design run goes through RunDesign, the
// function the design screen's OK uses; a thermal run goes through SolveThermal
// as the input screen's OK does. A broken promise aborts with its reason, which
// libFuzzer reports as a finding; a hang is caught by -timeout.

#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/Messages.h"
#include "design/DesignOutcome.h"
#include "support/RunChecks.h"
#include "thermal/ThermalSolver.h"

namespace fuzz {

[[noreturn]] inline void Fail(const std::string& what) {
  std::fprintf(stderr, "property broken: %s\n", what.c_str());
  std::abort();
}

// The fuzzer's bytes: first a fixed number of choice bytes (0 when the input is
// shorter), then the entries separated by newlines (missing entries are empty).
class FuzzInput {
 public:
  FuzzInput(const std::uint8_t* data, std::size_t size, std::size_t choiceBytes)
      : data_(data), choices_(std::min(size, choiceBytes)) {
    const std::string_view rest(reinterpret_cast<const char*>(data) + choices_, size - choices_);
    std::size_t start = 0;
    while (start <= rest.size()) {
      const std::size_t end = std::min(rest.find('\n', start), rest.size());
      entries_.emplace_back(rest.substr(start, end - start));
      start = end + 1;
    }
  }

  std::uint8_t Byte(std::size_t i) const { return i < choices_ ? data_[i] : 0; }
  // -1 (nothing selected) .. count (past the items).
  int Choice(std::size_t i, int count) const { return static_cast<int>(Byte(i) % (count + 2)) - 1; }
  bool Bit(std::size_t i, int bit) const { return (Byte(i) >> bit) & 1; }
  char Separator(std::size_t i) const { return Byte(i) & 1 ? ',' : '.'; }

  // Hands out the entries in order.
  std::string Next() { return next_ < entries_.size() ? entries_[next_++] : std::string(); }
  calvora::FluidDataTexts NextFluidData() {
    calvora::FluidDataTexts data;
    for (std::string& t : data)
      t = Next();
    return data;
  }

 private:
  const std::uint8_t* data_;
  std::size_t choices_;
  std::vector<std::string> entries_;
  std::size_t next_ = 0;
};

// Runs one design record as the design screen's OK does and aborts on a broken
// promise; an exception escaping RunDesign ends the process as a finding too.
inline void RunDesignRecord(const calvora::DesignInputs& inputs,
                            const run_checks::MessageTable& table, char separator) {
  calvora::RecordingMessages sink;
  const calvora::DesignOutcome outcome = calvora::RunDesign(inputs, sink);
  const std::string problem =
      run_checks::CheckDesignOutcome(outcome, sink.messages, table, separator);
  if (!problem.empty())
    Fail(problem);
}

// Runs one thermal record as the input screen's OK does: empty when it keeps
// every promise, else what it broke.
inline std::string CheckThermalRun(const calvora::ThermalInputs& in) {
  calvora::RecordingMessages sink;
  calvora::ThermalOutcome outcome;
  try {
    // As the input screen's OK: the solver guards and reports its own failures.
    outcome = calvora::SolveThermal(in, sink);
  } catch (const std::exception& e) {
    return std::string("exception escaped the solver: ") + e.what();
  }
  return run_checks::CheckThermalOutcome(in, outcome, sink.messages);
}

}  // namespace fuzz
