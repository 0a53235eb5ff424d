#include <QCheckBox>
#include <QLineEdit>
#include <string>

#include "analyses/CrossFlow.h"
#include "common/Errors.h"
#include "common/ui/QtMessages.h"
#include "common/ui/RadioGroup.h"
#include "design/ui/Combi2.h"
#include "design/ui/Crosmix.h"
#include "design/ui/Linearr.h"
#include "design/ui/Other1.h"
#include "design/ui/Other2.h"
#include "design/ui/PageControls.h"
#include "design/ui/PageRuns.h"
#include "design/ui/Pressu.h"
#include "design/ui/Stagearr.h"

// Reads the "Cross Flow" page, its fluid-data, spacing, mixing and pressure-drop
// dialogs, runs the cross-flow analysis and shows the results if no check failed.
calvora::DesignOutcome RunCrossFlowPage(calvora::Messages& messages) {
  using E = CrossFlowPage;
  const E& page = Required(Combi2Dlg).crossFlowPage();
  const TPressdlg& pressure = Required(Pressdlg);
  const TSpacingDialog& inLine = Required<TSpacingDialog>(Inlinedlg);
  const TSpacingDialog& staggered = Required<TSpacingDialog>(Staggerdlg);
  calvora::CrossFlowInputs in;
  in.innerFluid = page.fluids.inner->itemIndex();
  in.outerFluid = page.fluids.outer->itemIndex();
  in.material = page.fluids.material->itemIndex();
  in.otherMaterialConductivity = EditText(page.fluids.conductivity);
  in.arrangement = page.arrangement->itemIndex();
  in.pressureDrops = page.fluids.pressure->isChecked();
  in.iteration = page.fluids.iteration->isChecked();
  in.mixing = Required(Crossmix).mixing()->itemIndex();
  in.tubeType = pressure.innerTubeType()->itemIndex();
  in.inletPipeDiameter = EditText(pressure.pipeDiameter(0));
  in.outletPipeDiameter = EditText(pressure.pipeDiameter(1));
  in.tubeInsideDiameter = EditText(page.entries[E::kTubeInsideDiameter]);
  in.tubeOutsideDiameter = EditText(page.entries[E::kTubeOutsideDiameter]);
  in.rowsNormal = EditText(page.entries[E::kRowsNormal]);
  in.rowsParallel = EditText(page.entries[E::kRowsParallel]);
  in.tubeCount = EditText(page.entries[E::kTubeCount]);
  in.length = EditText(page.entries[E::kLength]);
  in.innerMassFlow = EditText(page.entries[E::kInnerMassFlow]);
  in.outerMassFlow = EditText(page.entries[E::kOuterMassFlow]);
  in.innerTemperature = EditText(page.fluids.innerTemperature);
  in.outerTemperature = EditText(page.fluids.outerTemperature);
  in.inLinePitchParallel = EditText(inLine.spEntry());
  in.inLinePitchNormal = EditText(inLine.snEntry());
  in.staggeredPitchParallel = EditText(staggered.spEntry());
  in.staggeredPitchNormal = EditText(staggered.snEntry());
  in.innerFluidData = FluidData(Other1dlg);
  in.outerFluidData = FluidData(Other2dlg);
  in.decimalSeparator = PlatformDecimalSeparator();

  return calvora::RunDesign(in, messages);
}
