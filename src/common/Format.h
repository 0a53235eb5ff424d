#pragma once

#include <string>

namespace calvora {

// The display format of every results field, fixed(P, D): the value is rounded
// once, half away from zero on the double's exact decimal value, at whichever
// position is coarser: the P-th significant digit or the D-th decimal; it is
// then written with exactly D decimals (digits beyond the P-th significant one
// read 0), at least one digit before the separator, and a minus sign only when
// the rounded value is not zero.
//
// A value whose integer part (after rounding) has more than P digits is written
// in scientific notation instead: P significant digits, one before the
// separator, then "E", the sign and at least two exponent digits, for example
// fixed(4, 2) of 123456 is "1.235E+05". Infinite and undefined values, which no
// finished calculation shows, are written "INF", "-INF" and "NAN".
std::string FormatFixed(double value, int precision, int digits, char decimalSeparator = '.');

}  // namespace calvora
