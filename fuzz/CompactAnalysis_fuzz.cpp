// libFuzzer target: the compact (tube-fin) analysis from fuzzed entries and
// choices, run through RunDesign as the design screen's OK runs it (promises in
// tests/support/RunChecks.h).
//
// Input: 7 choice bytes (surface, inner fluid, outer fluid, material, the two
// boxes in bits 0 (iteration) and 1 (pressure drops), inner tube type, decimal
// separator), then the entries separated by newlines: Di, Nt, Nn, Np, L, the
// two mass flows and temperatures, the other material's conductivity, the inlet
// and outlet pipe diameters, then the two other-fluid dialogs' four entries
// each.

#include <cstddef>
#include <cstdint>

#include "FuzzChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::FuzzInput f(data, size, 7);
  calvora::CompactInputs in;
  in.surface = f.Choice(0, calvora::kCompactSurfaceCount);
  in.innerFluid = f.Choice(1, 4);
  in.outerFluid = f.Choice(2, 4);
  in.material = f.Choice(3, 5);
  in.iteration = f.Bit(4, 0);
  in.pressureDrops = f.Bit(4, 1);
  in.innerTubeType = f.Choice(5, 2);
  in.decimalSeparator = f.Separator(6);
  in.tubeInsideDiameter = f.Next();
  in.tubeCount = f.Next();
  in.rowsNormal = f.Next();
  in.rowsParallel = f.Next();
  in.length = f.Next();
  in.innerMassFlow = f.Next();
  in.outerMassFlow = f.Next();
  in.innerTemperature = f.Next();
  in.outerTemperature = f.Next();
  in.otherMaterialConductivity = f.Next();
  in.inletPipeDiameter = f.Next();
  in.outletPipeDiameter = f.Next();
  in.innerFluidData = f.NextFluidData();
  in.outerFluidData = f.NextFluidData();
  fuzz::RunDesignRecord(in, run_checks::CompactMessages(), in.decimalSeparator);
  return 0;
}
