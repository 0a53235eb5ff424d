// libFuzzer target: the thermal solver from fuzzed entries, unknown boxes,
// exchanger type and mixing, run as the input screen's OK runs it (promises in
// tests/support/RunChecks.h).
//
// Input: 4 choice bytes (the seven unknown boxes in bits 0-6 in Unknown order,
// the exchanger type (one of the five items, none, or an index that is no item), the
// mixing (one of the four items or none), decimal separator), then the eleven
// entries separated by newlines in Quantity order (Th1, Tc1, Th0, Tc0, Mh, Mc,
// Q, A, U, Cc, Ch).

#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::FuzzInput f(data, size, 4);
  calvora::ThermalInputs in;
  for (int u = 0; u < calvora::kUnknownCount; ++u)
    in.unknown[u] = f.Bit(0, u);
  const int type = f.Byte(1) % 7;
  in.exchangerType = type < 5 ? type : (type == 5 ? -1 : 5);
  const int mixing = f.Byte(2) % 5;
  in.mixing = mixing < 4 ? mixing : -1;
  in.decimalSeparator = f.Separator(3);
  for (std::string& text : in.texts)
    text = f.Next();
  const std::string problem = fuzz::CheckThermalRun(in);
  if (!problem.empty())
    fuzz::Fail(problem);
  return 0;
}
