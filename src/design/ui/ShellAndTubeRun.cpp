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
#include "design/ui/Result2.h"

// Reads the "Shell and Tube" page, its fluid-data dialogs, the pressure-drop
// dialog and the tube layout, runs the shell-and-tube analysis and shows the
// results if no check failed.
void RunShellAndTubePage(calvora::Messages& messages) {
  calvora::ShellAndTubeInputs in;
  in.innerFluid = FindControl<RadioGroup>(Combi2Dlg, "RadioGroup9")->itemIndex();
  in.outerFluid = FindControl<RadioGroup>(Combi2Dlg, "RadioGroup10")->itemIndex();
  in.material = FindControl<RadioGroup>(Combi2Dlg, "RadioGroup11")->itemIndex();
  in.otherMaterialConductivity = EditText(Combi2Dlg, "Edit30");
  in.pressureDrops = FindControl<QCheckBox>(Combi2Dlg, "CheckBox5")->isChecked();
  in.iteration = FindControl<QCheckBox>(Combi2Dlg, "CheckBox6")->isChecked();
  in.innerTubeType = FindControl<RadioGroup>(Pressdlg, "RadioGroup1")->itemIndex();
  in.tubeInletPipeDiameter = EditText(Pressdlg, "Edit1");
  in.tubeOutletPipeDiameter = EditText(Pressdlg, "Edit2");
  in.shellInletPipeDiameter = EditText(Pressdlg, "Edit3");
  in.shellOutletPipeDiameter = EditText(Pressdlg, "Edit4");
  in.shellDiameter = EditText(Combi2Dlg, "Edit16");
  in.tubeDiameter = EditText(Combi2Dlg, "Edit17");
  in.clearance = EditText(Combi2Dlg, "Edit18");
  in.baffles = EditText(Combi2Dlg, "Edit25");
  in.centralBaffleSpace = EditText(Combi2Dlg, "Edit26");
  in.endBaffleSpace = EditText(Combi2Dlg, "Edit27");
  in.innerMassFlow = EditText(Combi2Dlg, "Edit31");
  in.outerMassFlow = EditText(Combi2Dlg, "Edit32");
  in.innerTemperature = EditText(Combi2Dlg, "Edit23");
  in.outerTemperature = EditText(Combi2Dlg, "Edit24");
  for (std::size_t i = 0; i < in.arrangement.size(); ++i) {
    const std::string name = "RadioButton" + std::to_string(i + 1);
    in.arrangement[i] = FindControl<QRadioButton>(Arrangem, name.c_str())->isChecked();
  }
  in.innerFluidData = FluidData(Other1dlg);
  in.outerFluidData = FluidData(Other2dlg);
  in.decimalSeparator = PlatformDecimalSeparator();

  ShowDesignOutcome(calvora::RunDesign(in, messages));
}
