#include <QCheckBox>
#include <QLineEdit>
#include <string>

#include "analyses/DoublePipe.h"
#include "common/Errors.h"
#include "common/ui/QtMessages.h"
#include "common/ui/RadioGroup.h"
#include "design/ui/Combi2.h"
#include "design/ui/Other1.h"
#include "design/ui/Other2.h"
#include "design/ui/PageControls.h"
#include "design/ui/PageRuns.h"
#include "design/ui/Pressu.h"

// Reads the "Double pipe" page, its fluid-data dialogs and the pressure-drop
// dialog, runs the double-pipe analysis and shows the results if no check failed.
calvora::DesignOutcome RunDoublePipePage(calvora::Messages& messages) {
  using E = DoublePipePage;
  const E& page = Required(Combi2Dlg).doublePipePage();
  const TPressdlg& pressure = Required(Pressdlg);
  calvora::DoublePipeInputs in;
  in.innerFluid = page.fluids.inner->itemIndex();
  in.outerFluid = page.fluids.outer->itemIndex();
  in.material = page.fluids.material->itemIndex();
  in.otherMaterialConductivity = EditText(page.fluids.conductivity);
  in.pressureDrops = page.fluids.pressure->isChecked();
  in.iteration = page.fluids.iteration->isChecked();
  in.flowCondition = page.flowCondition->itemIndex();
  in.innerTubeType = pressure.innerTubeType()->itemIndex();
  in.outerTubeType = pressure.outerTubeType()->itemIndex();
  in.inletPipeDiameter = EditText(pressure.pipeDiameter(0));
  in.outletPipeDiameter = EditText(pressure.pipeDiameter(1));
  in.innerTubeInsideDiameter = EditText(page.entries[E::kInnerTubeInsideDiameter]);
  in.innerTubeOutsideDiameter = EditText(page.entries[E::kInnerTubeOutsideDiameter]);
  in.outerTubeInsideDiameter = EditText(page.entries[E::kOuterTubeInsideDiameter]);
  in.outerTubeOutsideDiameter = EditText(page.entries[E::kOuterTubeOutsideDiameter]);
  in.length = EditText(page.entries[E::kLength]);
  in.innerMassFlow = EditText(page.entries[E::kInnerMassFlow]);
  in.outerMassFlow = EditText(page.entries[E::kOuterMassFlow]);
  in.innerTemperature = EditText(page.fluids.innerTemperature);
  in.outerTemperature = EditText(page.fluids.outerTemperature);
  in.innerFluidData = FluidData(Other1dlg);
  in.outerFluidData = FluidData(Other2dlg);
  in.decimalSeparator = PlatformDecimalSeparator();

  return calvora::RunDesign(in, messages);
}
