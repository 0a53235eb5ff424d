// libFuzzer target: the cross-flow analysis from fuzzed entries and choices,
// run through RunDesign as the design screen's OK runs it (promises in
// tests/support/RunChecks.h).
//
// Input: 8 choice bytes (inner fluid, outer fluid, material, arrangement, the
// two boxes in bits 0 (pressure drops) and 1 (iteration), mixing, tube type,
// decimal separator), then the entries separated by newlines: Di, Do, Nn, Np,
// N, L, the two mass flows and temperatures, the other material's
// conductivity, the inlet and outlet pipe diameters, the in-line and the
// staggered Sp and Sn, then the two other-fluid dialogs' four entries each.

#include <cstddef>
#include <cstdint>

#include "FuzzChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::FuzzInput f(data, size, 8);
  calvora::CrossFlowInputs in;
  in.innerFluid = f.Choice(0, 4);
  in.outerFluid = f.Choice(1, 4);
  in.material = f.Choice(2, 5);
  in.arrangement = f.Choice(3, 2);
  in.pressureDrops = f.Bit(4, 0);
  in.iteration = f.Bit(4, 1);
  in.mixing = f.Choice(5, 4);
  in.innerTubeType = f.Choice(6, 2);
  in.decimalSeparator = f.Separator(7);
  in.tubeInsideDiameter = f.Next();
  in.tubeOutsideDiameter = f.Next();
  in.rowsNormal = f.Next();
  in.rowsParallel = f.Next();
  in.tubeCount = f.Next();
  in.length = f.Next();
  in.innerMassFlow = f.Next();
  in.outerMassFlow = f.Next();
  in.innerTemperature = f.Next();
  in.outerTemperature = f.Next();
  in.otherMaterialConductivity = f.Next();
  in.inletPipeDiameter = f.Next();
  in.outletPipeDiameter = f.Next();
  in.inLinePitchParallel = f.Next();
  in.inLinePitchNormal = f.Next();
  in.staggeredPitchParallel = f.Next();
  in.staggeredPitchNormal = f.Next();
  in.innerFluidData = f.NextFluidData();
  in.outerFluidData = f.NextFluidData();
  fuzz::RunDesignRecord(in, run_checks::CrossFlowMessages(), in.decimalSeparator);
  return 0;
}
