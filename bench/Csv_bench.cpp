#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

#include "cases/Csv.h"
#include "cli/Sweep.h"

namespace {

// A row of a thermal sweep: the case, one varied entry, the eleven quantities
// and a few derived results with the digits a solve leaves, and no message.
constexpr std::array<double, 14> kThermalRow = {80.0,
                                                30.0,
                                                52.91375291375291,
                                                44.08163265306122,
                                                0.3,
                                                0.5,
                                                34028.12345679,
                                                4.2,
                                                301.7218934911243,
                                                4190.0,
                                                2090.4615384615386,
                                                0.6722689075630253,
                                                1.0113636363636365,
                                                0.4985994397759104};

void AppendThermalRow(std::string& out, double varied) {
  calvora::cases::CsvRow row(out);
  row.Text("cases/thermal.json").Number(varied);
  for (const double value : kThermalRow)
    row.Number(value * (1 + varied * 1e-3));
  row.Text("");
  row.End();
}

}  // namespace

// One row into a reused buffer: rows per second and bytes per row.
static void BM_CsvThermalRow(benchmark::State& state) {
  std::string out;
  out.reserve(1 << 20);
  double varied = 0.1;
  std::size_t bytes = 0;
  for (auto _ : state) {
    if (out.size() > (1 << 20) - 512) {
      bytes += out.size();
      out.clear();
    }
    AppendThermalRow(out, varied);
    varied += 1e-6;
    benchmark::DoNotOptimize(out.data());
  }
  bytes += out.size();
  state.SetItemsProcessed(state.iterations());
  state.counters["bytes_per_row"] =
      static_cast<double>(bytes) /
      static_cast<double>(std::max<std::int64_t>(state.iterations(), 1));
}
BENCHMARK(BM_CsvThermalRow);

// 100,000 rows formatted on 1 and 2 threads and handed over in order: the
// sweep engine's own cost and its scaling, without a calculation.
static void BM_SweepRowsInOrder(benchmark::State& state) {
  const int threads = static_cast<int>(state.range(0));
  constexpr std::int64_t kRows = 100'000;
  std::size_t bytes = 0;
  for (auto _ : state) {
    bytes = 0;
    calvora::cli::RunInOrder(
        kRows, threads,
        [](std::int64_t item, int, std::string& out) {
          AppendThermalRow(out, 0.1 + static_cast<double>(item) * 1e-6);
        },
        [&bytes](const std::string& text) {
          bytes += text.size();
          return true;
        });
  }
  state.SetItemsProcessed(state.iterations() * kRows);
  state.counters["bytes_per_row"] = static_cast<double>(bytes) / kRows;
}
BENCHMARK(BM_SweepRowsInOrder)->Arg(1)->Arg(2)->UseRealTime()->Unit(benchmark::kMillisecond);
