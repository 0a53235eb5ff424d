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
#include "design/ui/Result2.h"

// Reads the "Double pipe" page, its fluid-data dialogs and the pressure-drop
// dialog, runs the double-pipe analysis and shows the results if no check failed.
void RunDoublePipePage(calvora::Messages& messages) {
  calvora::DoublePipeInputs in;
  in.innerFluid = FindControl<RadioGroup>(Combi2Dlg, "RadioGroup1")->itemIndex();
  in.outerFluid = FindControl<RadioGroup>(Combi2Dlg, "RadioGroup2")->itemIndex();
  in.material = FindControl<RadioGroup>(Combi2Dlg, "RadioGroup3")->itemIndex();
  in.otherMaterialConductivity = EditText(Combi2Dlg, "Edit28");
  in.pressureDrops = FindControl<QCheckBox>(Combi2Dlg, "CheckBox1")->isChecked();
  in.iteration = FindControl<QCheckBox>(Combi2Dlg, "CheckBox2")->isChecked();
  in.flowCondition = FindControl<RadioGroup>(Combi2Dlg, "RadioGroup4")->itemIndex();
  in.innerTubeType = FindControl<RadioGroup>(Pressdlg, "RadioGroup1")->itemIndex();
  in.outerTubeType = FindControl<RadioGroup>(Pressdlg, "RadioGroup2")->itemIndex();
  in.inletPipeDiameter = EditText(Pressdlg, "Edit1");
  in.outletPipeDiameter = EditText(Pressdlg, "Edit2");
  in.innerTubeInsideDiameter = EditText(Combi2Dlg, "Edit1");
  in.innerTubeOutsideDiameter = EditText(Combi2Dlg, "Edit2");
  in.outerTubeInsideDiameter = EditText(Combi2Dlg, "Edit3");
  in.outerTubeOutsideDiameter = EditText(Combi2Dlg, "Edit4");
  in.length = EditText(Combi2Dlg, "Edit5");
  in.innerMassFlow = EditText(Combi2Dlg, "Edit6");
  in.outerMassFlow = EditText(Combi2Dlg, "Edit7");
  in.innerTemperature = EditText(Combi2Dlg, "Edit19");
  in.outerTemperature = EditText(Combi2Dlg, "Edit20");
  in.innerFluidData = FluidData(Other1dlg);
  in.outerFluidData = FluidData(Other2dlg);
  in.decimalSeparator = PlatformDecimalSeparator();

  ShowDesignOutcome(calvora::RunDesign(in, messages));
}
