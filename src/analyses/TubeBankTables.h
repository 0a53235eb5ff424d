#pragma once

#include <array>
#include <cstddef>
#include <span>

// Coefficient c and exponent n of the tube-bank correlation Nu = c Re^n Pr^(1/3), as
// functions of the pitches divided by the tube outside diameter d: rows Sp/d (pitch
// parallel to the outer flow), columns Sn/d (pitch normal to it). A 0 in the staggered
// tables marks a combination with no value; it is stored and interpolated as 0.

namespace calvora {

inline constexpr std::size_t kBankColumns = 4;
using BankTableRow = std::array<double, kBankColumns>;

// Column headers Sn/d of all four tables.
inline constexpr std::array<double, kBankColumns> kBankColumnRatios{1.25, 1.5, 2.0, 3.0};

// Row headers Sp/d of the in-line tables.
inline constexpr std::array<double, 4> kInLineRowRatios{1.25, 1.5, 2.0, 3.0};

// Row headers Sp/d of the staggered tables.
inline constexpr std::array<double, 8> kStaggeredRowRatios{0.6,  0.9, 1.0, 1.125,
                                                           1.25, 1.5, 2.0, 3.0};

// c, in-line bank.
inline constexpr std::array<BankTableRow, 4> kInLineCoefficients{{
    {0.386, 0.305, 0.111, 0.0703},
    {0.407, 0.278, 0.112, 0.0753},
    {0.464, 0.332, 0.254, 0.220},
    {0.322, 0.396, 0.415, 0.317},
}};

// n, in-line bank.
inline constexpr std::array<BankTableRow, 4> kInLineExponents{{
    {0.592, 0.608, 0.704, 0.752},
    {0.586, 0.620, 0.702, 0.744},
    {0.570, 0.602, 0.632, 0.648},
    {0.601, 0.584, 0.581, 0.608},
}};

// c, staggered bank.
inline constexpr std::array<BankTableRow, 8> kStaggeredCoefficients{{
    {0, 0, 0, 0.236},
    {0, 0, 0.495, 0.445},
    {0, 0.552, 0, 0},
    {0, 0, 0.531, 0.575},
    {0.575, 0.561, 0.576, 0.579},
    {0.501, 0.511, 0.502, 0.542},
    {0.448, 0.462, 0.535, 0.498},
    {0.344, 0.395, 0.488, 0.467},
}};

// n, staggered bank.
inline constexpr std::array<BankTableRow, 8> kStaggeredExponents{{
    {0, 0, 0, 0.636},
    {0, 0, 0.571, 0.581},
    {0, 0.558, 0, 0},
    {0, 0, 0.565, 0.560},
    {0.556, 0.554, 0.556, 0.562},
    {0.568, 0.562, 0.568, 0.568},
    {0.572, 0.568, 0.556, 0.570},
    {0.592, 0.580, 0.562, 0.574},
}};

// One value of a bank table at row key p = Sp/d and column key q = Sn/d, with the
// column headers kBankColumnRatios and the ascending row headers `rowRatios`
// (values[i] is the row of rowRatios[i]):
//  1. p and q both equal to headers (exact comparison): the table value;
//  2. q a header, p strictly between two rows: linear in p in that column;
//  3. p a header, q strictly between two columns: linear in q in that row;
//  4. both strictly inside: linear in p in both columns of the cell, then linear in q;
//  5. p or q outside the headers (or NaN): 0.
double BankTableLookup(double spOverD, double snOverD, std::span<const double> rowRatios,
                       std::span<const BankTableRow> values);

// c and n of an in-line bank at Sp/d, Sn/d.
double InLineBankCoefficient(double spOverD, double snOverD);
double InLineBankExponent(double spOverD, double snOverD);

// c and n of a staggered bank at Sp/d, Sn/d (0 where the table has no value).
double StaggeredBankCoefficient(double spOverD, double snOverD);
double StaggeredBankExponent(double spOverD, double snOverD);

}  // namespace calvora
