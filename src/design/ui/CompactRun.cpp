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
#include "design/ui/Result2.h"

// Reads the "Compacts" page, its fluid-data dialogs and the pressure-drop
// dialog, runs the compact analysis and shows the results if no check failed.
void RunCompactPage(calvora::Messages& messages) {
  calvora::CompactInputs in;
  in.surfaceIndex = FindControl<QComboBox>(Combi2Dlg, "ComboBox1")->currentIndex();
  in.innerFluidIndex = FindControl<RadioGroup>(Combi2Dlg, "RadioGroup14")->itemIndex();
  in.outerFluidIndex = FindControl<RadioGroup>(Combi2Dlg, "RadioGroup13")->itemIndex();
  in.material = FindControl<RadioGroup>(Combi2Dlg, "RadioGroup12")->itemIndex();
  in.otherConductivity = EditText(Combi2Dlg, "Edit35");
  in.insideDiameter = EditText(Combi2Dlg, "Edit40");
  in.tubes = EditText(Combi2Dlg, "Edit37");
  in.rowsNormal = EditText(Combi2Dlg, "Edit42");
  in.rowsParallel = EditText(Combi2Dlg, "Edit41");
  in.length = EditText(Combi2Dlg, "Edit36");
  in.innerMassFlow = EditText(Combi2Dlg, "Edit39");
  in.outerMassFlow = EditText(Combi2Dlg, "Edit38");
  in.innerTemperature = EditText(Combi2Dlg, "Edit33");
  in.outerTemperature = EditText(Combi2Dlg, "Edit34");
  in.iterate = FindControl<QCheckBox>(Combi2Dlg, "CheckBox8")->isChecked();
  in.pressureDrops = FindControl<QCheckBox>(Combi2Dlg, "CheckBox7")->isChecked();
  in.innerFluidData = FluidData(Other1dlg);
  in.outerFluidData = FluidData(Other2dlg);
  in.innerTubeType = FindControl<RadioGroup>(Pressdlg, "RadioGroup1")->itemIndex();
  in.inletPipeDiameter = EditText(Pressdlg, "Edit1");
  in.outletPipeDiameter = EditText(Pressdlg, "Edit2");
  in.decimalSeparator = PlatformDecimalSeparator();

  ShowDesignOutcome(calvora::RunDesign(in, messages));
}
