#pragma once

#include "design/DesignReport.h"

class TArrangem;
class TCombi2Dlg;
class TSpacingDialog;

// The input part of the design report (everything but the results) as the
// design screen, the two spacing dialogs and the tube layouts show it now:
// captions and texts as displayed, selected indices and check states. A screen
// that is missing reads as empty texts and no selection.
calvora::DesignReportSnapshot DesignReportInputs(const TCombi2Dlg* screen,
                                                 const TSpacingDialog* inLine,
                                                 const TSpacingDialog* staggered,
                                                 const TArrangem* layouts);
