#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <string>

#include "analyses/ShellAndTube.h"
#include "common/Errors.h"
#include "common/ui/QtMessages.h"
#include "common/ui/RadioGroup.h"
#include "design/ui/Arangem.h"
#include "design/ui/Combi2.h"
#include "design/ui/Other1.h"
#include "design/ui/Other2.h"
#include "design/ui/PageControls.h"
#include "design/ui/PageRuns.h"
#include "design/ui/Pressu.h"

// Reads the "Shell and Tube" page, its fluid-data dialogs, the pressure-drop
// dialog and the tube layout, runs the shell-and-tube analysis and shows the
// results if no check failed.
calvora::DesignOutcome RunShellAndTubePage(calvora::Messages& messages) {
  using E = ShellAndTubePage;
  const E& page = Required(Combi2Dlg).shellAndTubePage();
  const TPressdlg& pressure = Required(Pressdlg);
  const TArrangem& layouts = Required(Arrangem);
  calvora::ShellAndTubeInputs in;
  in.innerFluid = page.fluids.inner->itemIndex();
  in.outerFluid = page.fluids.outer->itemIndex();
  in.material = page.fluids.material->itemIndex();
  in.otherMaterialConductivity = EditText(page.fluids.conductivity);
  in.pressureDrops = page.fluids.pressure->isChecked();
  in.iteration = page.fluids.iteration->isChecked();
  in.innerTubeType = pressure.innerTubeType()->itemIndex();
  in.tubeInletPipeDiameter = EditText(pressure.pipeDiameter(0));
  in.tubeOutletPipeDiameter = EditText(pressure.pipeDiameter(1));
  in.shellInletPipeDiameter = EditText(pressure.pipeDiameter(2));
  in.shellOutletPipeDiameter = EditText(pressure.pipeDiameter(3));
  in.shellDiameter = EditText(page.entries[E::kShellDiameter]);
  in.tubeDiameter = EditText(page.entries[E::kTubeDiameter]);
  in.clearance = EditText(page.entries[E::kClearance]);
  in.baffles = EditText(page.entries[E::kBaffles]);
  in.centralBaffleSpace = EditText(page.entries[E::kCentralBaffleSpace]);
  in.endBaffleSpace = EditText(page.entries[E::kEndBaffleSpace]);
  in.innerMassFlow = EditText(page.entries[E::kInnerMassFlow]);
  in.outerMassFlow = EditText(page.entries[E::kOuterMassFlow]);
  in.innerTemperature = EditText(page.fluids.innerTemperature);
  in.outerTemperature = EditText(page.fluids.outerTemperature);
  for (std::size_t i = 0; i < in.arrangement.size(); ++i)
    in.arrangement[i] = layouts.button(static_cast<int>(i))->isChecked();
  in.innerFluidData = FluidData(Other1dlg);
  in.outerFluidData = FluidData(Other2dlg);
  in.decimalSeparator = PlatformDecimalSeparator();

  return calvora::RunDesign(in, messages);
}
