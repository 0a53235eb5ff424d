#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <string>

#include "analyses/CompactAnalysis.h"
#include "common/Errors.h"
#include "common/ui/QtMessages.h"
#include "common/ui/RadioGroup.h"
#include "design/ui/Combi2.h"
#include "design/ui/Other1.h"
#include "design/ui/Other2.h"
#include "design/ui/PageControls.h"
#include "design/ui/PageRuns.h"
#include "design/ui/Pressu.h"

// Reads the "Compacts" page, its fluid-data dialogs and the pressure-drop
// dialog, runs the compact analysis and shows the results if no check failed.
calvora::DesignOutcome RunCompactPage(calvora::Messages& messages) {
  using E = CompactPage;
  const E& page = Required(Combi2Dlg).compactPage();
  const TPressdlg& pressure = Required(Pressdlg);
  calvora::CompactInputs in;
  in.surfaceIndex = page.surfaces->currentIndex();
  in.innerFluidIndex = page.fluids.inner->itemIndex();
  in.outerFluidIndex = page.fluids.outer->itemIndex();
  in.material = page.fluids.material->itemIndex();
  in.otherConductivity = EditText(page.fluids.conductivity);
  in.insideDiameter = EditText(page.entries[E::kInsideDiameter]);
  in.tubes = EditText(page.entries[E::kTubes]);
  in.rowsNormal = EditText(page.entries[E::kRowsNormal]);
  in.rowsParallel = EditText(page.entries[E::kRowsParallel]);
  in.length = EditText(page.entries[E::kLength]);
  in.innerMassFlow = EditText(page.entries[E::kInnerMassFlow]);
  in.outerMassFlow = EditText(page.entries[E::kOuterMassFlow]);
  in.innerTemperature = EditText(page.fluids.innerTemperature);
  in.outerTemperature = EditText(page.fluids.outerTemperature);
  in.iterate = page.fluids.iteration->isChecked();
  in.pressureDrops = page.fluids.pressure->isChecked();
  in.innerFluidData = FluidData(Other1dlg);
  in.outerFluidData = FluidData(Other2dlg);
  in.innerTubeType = pressure.innerTubeType()->itemIndex();
  in.inletPipeDiameter = EditText(pressure.pipeDiameter(0));
  in.outletPipeDiameter = EditText(pressure.pipeDiameter(1));
  in.decimalSeparator = PlatformDecimalSeparator();

  return calvora::RunDesign(in, messages);
}
