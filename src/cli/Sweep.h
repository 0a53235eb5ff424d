#pragma once

// Sweeps: the grid of values --vary asks for, and an engine that runs
// independent items on several threads and hands their output on in item
// order, so the result is the same with one thread and with many.

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace calvora::cli {

// One --vary KEY=FROM:TO:N: N evenly spaced values from FROM to TO inclusive.
struct VaryAxis {
  std::string key;
  double from = 0;
  double to = 0;
  int count = 1;
  // Value i of N, rounded to 15 significant digits so that 0.1:1:10 gives
  // 0.3 as typed, not 0.30000000000000004; the ends are FROM and TO exactly.
  double Value(int i) const;
};

// Reads "KEY=FROM:TO:N" (numbers with '.'; N from 1 to 10,000,000, and FROM =
// TO when N is 1); on failure says why in `fault`.
bool ParseVary(std::string_view option, VaryAxis& axis, std::string& fault);

// The number of grid points, or -1 above 1e9 points.
std::int64_t PointCount(std::span<const VaryAxis> axes);

// The values of grid point `index`; the first axis varies slowest, the last fastest.
void PointValues(std::span<const VaryAxis> axes, std::int64_t index, std::vector<double>& values);

// Runs produce(item, worker, out) for item 0..count-1 on `threads` worker
// threads (each with its own scratch `worker` index and arithmetic flags), and
// passes the appended texts to consume() in item order, in chunks, from the
// calling thread. Stops early when `stop` becomes true or consume() returns
// false. Draws a progress bar on `progress` (nullptr: none) once the work has
// taken a second. Returns true when every item was produced and consumed. An
// exception thrown by produce() is thrown again here.
bool RunInOrder(std::int64_t count, int threads,
                const std::function<void(std::int64_t item, int worker, std::string& out)>& produce,
                const std::function<bool(const std::string& text)>& consume,
                const std::atomic<bool>* stop = nullptr, std::FILE* progress = nullptr);

}  // namespace calvora::cli
