// libFuzzer target: the shell-and-tube analysis from fuzzed entries and
// choices, run through RunDesign as the design screen's OK runs it (promises in
// tests/support/RunChecks.h).
//
// Input: 7 choice bytes (inner fluid, outer fluid, material, the two boxes in
// bits 0 (pressure drops) and 1 (iteration), inner tube type, the six
// tube-layout check boxes in bits 0-5, decimal separator), then the entries
// separated by newlines: Ds, Di, clearance, Nb, Lb, Lbi, the two mass flows and
// temperatures, the other material's conductivity, the four header pipe
// diameters (tube in, tube out, shell in, shell out), then the two other-fluid
// dialogs' four entries each.

#include <cstddef>
#include <cstdint>

#include "FuzzChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::FuzzInput f(data, size, 7);
  calvora::ShellAndTubeInputs in;
  in.innerFluid = f.Choice(0, 4);
  in.outerFluid = f.Choice(1, 4);
  in.material = f.Choice(2, 5);
  in.pressureDrops = f.Bit(3, 0);
  in.iteration = f.Bit(3, 1);
  in.innerTubeType = f.Choice(4, 2);
  for (int i = 0; i < 6; ++i)
    in.arrangement[i] = f.Bit(5, i);
  in.decimalSeparator = f.Separator(6);
  in.shellDiameter = f.Next();
  in.tubeInsideDiameter = f.Next();
  in.clearance = f.Next();
  in.baffles = f.Next();
  in.centralBaffleSpace = f.Next();
  in.endBaffleSpace = f.Next();
  in.innerMassFlow = f.Next();
  in.outerMassFlow = f.Next();
  in.innerTemperature = f.Next();
  in.outerTemperature = f.Next();
  in.otherMaterialConductivity = f.Next();
  in.inletPipeDiameter = f.Next();
  in.outletPipeDiameter = f.Next();
  in.shellInletPipeDiameter = f.Next();
  in.shellOutletPipeDiameter = f.Next();
  in.innerFluidData = f.NextFluidData();
  in.outerFluidData = f.NextFluidData();
  fuzz::RunDesignRecord(in, run_checks::ShellAndTubeMessages(), in.decimalSeparator);
  return 0;
}
