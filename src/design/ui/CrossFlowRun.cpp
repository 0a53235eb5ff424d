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
#include "design/ui/Result2.h"
#include "design/ui/Stagearr.h"

// Reads the "Cross Flow" page, its fluid-data, spacing, mixing and pressure-drop
// dialogs, runs the cross-flow analysis and shows the results if no check failed.
void RunCrossFlowPage(calvora::Messages& messages) {
  calvora::CrossFlowInputs in;
  in.innerFluid = FindControl<RadioGroup>(Combi2Dlg, "RadioGroup5")->itemIndex();
  in.outerFluid = FindControl<RadioGroup>(Combi2Dlg, "RadioGroup6")->itemIndex();
  in.material = FindControl<RadioGroup>(Combi2Dlg, "RadioGroup7")->itemIndex();
  in.otherMaterialConductivity = EditText(Combi2Dlg, "Edit29");
  in.arrangement = FindControl<RadioGroup>(Combi2Dlg, "RadioGroup8")->itemIndex();
  in.pressureDrops = FindControl<QCheckBox>(Combi2Dlg, "CheckBox3")->isChecked();
  in.iteration = FindControl<QCheckBox>(Combi2Dlg, "CheckBox4")->isChecked();
  in.mixing = FindControl<RadioGroup>(Crossmix, "RadioGroup1")->itemIndex();
  in.tubeType = FindControl<RadioGroup>(Pressdlg, "RadioGroup1")->itemIndex();
  in.inletPipeDiameter = EditText(Pressdlg, "Edit1");
  in.outletPipeDiameter = EditText(Pressdlg, "Edit2");
  in.tubeInsideDiameter = EditText(Combi2Dlg, "Edit8");
  in.tubeOutsideDiameter = EditText(Combi2Dlg, "Edit9");
  in.rowsNormal = EditText(Combi2Dlg, "Edit10");
  in.rowsParallel = EditText(Combi2Dlg, "Edit11");
  in.tubeCount = EditText(Combi2Dlg, "Edit12");
  in.length = EditText(Combi2Dlg, "Edit13");
  in.innerMassFlow = EditText(Combi2Dlg, "Edit14");
  in.outerMassFlow = EditText(Combi2Dlg, "Edit15");
  in.innerTemperature = EditText(Combi2Dlg, "Edit21");
  in.outerTemperature = EditText(Combi2Dlg, "Edit22");
  in.inLinePitchParallel = EditText(Inlinedlg, "Edit1");
  in.inLinePitchNormal = EditText(Inlinedlg, "Edit2");
  in.staggeredPitchParallel = EditText(Staggerdlg, "Edit1");
  in.staggeredPitchNormal = EditText(Staggerdlg, "Edit2");
  in.innerFluidData = FluidData(Other1dlg);
  in.outerFluidData = FluidData(Other2dlg);
  in.decimalSeparator = PlatformDecimalSeparator();

  ShowDesignOutcome(calvora::RunDesign(in, messages));
}
