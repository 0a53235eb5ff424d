// libFuzzer target: the double-pipe analysis from fuzzed entries and choices,
// run through RunDesign as the design screen's OK runs it (promises in
// tests/support/RunChecks.h).
//
// Input: 8 choice bytes (inner fluid, outer fluid, material, the two boxes in
// bits 0 (pressure drops) and 1 (iteration), flow condition, inner and outer
// tube types, decimal separator), then the entries separated by newlines: the
// four diameters, length, the two mass flows and temperatures, the other
// material's conductivity, the inlet and outlet pipe diameters, then the two
// other-fluid dialogs' four entries each.

#include <cstddef>
#include <cstdint>

#include "FuzzChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::FuzzInput f(data, size, 8);
  calvora::DoublePipeInputs in;
  in.innerFluid = f.Choice(0, 4);
  in.outerFluid = f.Choice(1, 4);
  in.material = f.Choice(2, 5);
  in.pressureDrops = f.Bit(3, 0);
  in.iteration = f.Bit(3, 1);
  in.flowCondition = f.Choice(4, 2);
  in.innerTubeType = f.Choice(5, 2);
  in.outerTubeType = f.Choice(6, 2);
  in.decimalSeparator = f.Separator(7);
  in.innerTubeInsideDiameter = f.Next();
  in.innerTubeOutsideDiameter = f.Next();
  in.outerTubeInsideDiameter = f.Next();
  in.outerTubeOutsideDiameter = f.Next();
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
  fuzz::RunDesignRecord(in, run_checks::DoublePipeMessages(), in.decimalSeparator);
  return 0;
}
