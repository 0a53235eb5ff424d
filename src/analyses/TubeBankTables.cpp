#include "analyses/TubeBankTables.h"

#include <cmath>

namespace calvora {

namespace {

// Where a key lies among ascending headers: on header `index` (exact), strictly
// between `index` and `index + 1`, or outside them.
struct HeaderPosition {
  enum Kind { Outside, OnHeader, Between } kind = Outside;
  std::size_t index = 0;
};

// Quiet comparisons, so a NaN key raises no flag of its own.
HeaderPosition Locate(double key, std::span<const double> headers) {
  for (std::size_t i = 0; i < headers.size(); ++i) {
    if (key == headers[i]) {
      return {HeaderPosition::OnHeader, i};
    }
    if (i + 1 < headers.size() && std::isgreater(key, headers[i]) &&
        std::isless(key, headers[i + 1])) {
      return {HeaderPosition::Between, i};
    }
  }
  return {};  // below the first, above the last, or NaN
}

double Linear(double key, double lowerKey, double upperKey, double lowerValue, double upperValue) {
  return lowerValue + (key - lowerKey) * (upperValue - lowerValue) / (upperKey - lowerKey);
}

// The value of column `column` at the row position of p.
double AlongColumn(double p, const HeaderPosition& row, std::span<const double> rowRatios,
                   std::span<const BankTableRow> values, std::size_t column) {
  if (row.kind == HeaderPosition::OnHeader) {
    return values[row.index][column];
  }
  return Linear(p, rowRatios[row.index], rowRatios[row.index + 1], values[row.index][column],
                values[row.index + 1][column]);
}

}  // namespace

double BankTableLookup(double spOverD, double snOverD, std::span<const double> rowRatios,
                       std::span<const BankTableRow> values) {
  const HeaderPosition row = Locate(spOverD, rowRatios);
  const HeaderPosition column = Locate(snOverD, kBankColumnRatios);
  if (row.kind == HeaderPosition::Outside || column.kind == HeaderPosition::Outside ||
      values.size() < rowRatios.size()) {
    return 0;
  }
  if (column.kind == HeaderPosition::OnHeader) {
    return AlongColumn(spOverD, row, rowRatios, values, column.index);
  }
  const std::size_t j = column.index;
  const double left = AlongColumn(spOverD, row, rowRatios, values, j);
  const double right = AlongColumn(spOverD, row, rowRatios, values, j + 1);
  return Linear(snOverD, kBankColumnRatios[j], kBankColumnRatios[j + 1], left, right);
}

double InLineBankCoefficient(double spOverD, double snOverD) {
  return BankTableLookup(spOverD, snOverD, kInLineRowRatios, kInLineCoefficients);
}

double InLineBankExponent(double spOverD, double snOverD) {
  return BankTableLookup(spOverD, snOverD, kInLineRowRatios, kInLineExponents);
}

double StaggeredBankCoefficient(double spOverD, double snOverD) {
  return BankTableLookup(spOverD, snOverD, kStaggeredRowRatios, kStaggeredCoefficients);
}

double StaggeredBankExponent(double spOverD, double snOverD) {
  return BankTableLookup(spOverD, snOverD, kStaggeredRowRatios, kStaggeredExponents);
}

}  // namespace calvora
