#pragma once

#include <array>
#include <cstddef>

// Shell-side correlation tables keyed by the shell inside diameter or by the
// baffle-spacing ratio, and their linear interpolation.

namespace calvora {

// One row: the key and six columns (three layout families, two ranges).
struct ShellTableRow {
  double key;
  std::array<double, 6> values;
};

inline constexpr std::size_t kShellDiameterRows = 24;
using ShellDiameterTable = std::array<ShellTableRow, kShellDiameterRows>;

// Walks the rows from the first: a key equal to `key` gives that row's value;
// the first key above it gives the linear interpolation between the previous
// row and that row. Keys outside the table take the nearest end row (shell
// diameters out of range never reach a lookup of a shown result).
template <std::size_t N>
double InterpolateShellTable(const std::array<ShellTableRow, N>& table, int column, double key) {
  const auto c = static_cast<std::size_t>(column);
  if (!(key > table[0].key))
    return table[0].values[c];
  for (std::size_t i = 1; i < N; ++i) {
    const ShellTableRow& row = table[i];
    if (key == row.key)
      return row.values[c];
    if (key < row.key) {
      const ShellTableRow& prev = table[i - 1];
      return prev.values[c] +
             (row.values[c] - prev.values[c]) * (key - prev.key) / (row.key - prev.key);
    }
  }
  return table[N - 1].values[c];
}

}  // namespace calvora
