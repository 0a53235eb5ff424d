#include "design/ui/Other2.h"

#include "design/DesignCaptions.h"

TOther2dlg* Other2dlg = nullptr;

namespace dt = calvora::design;

TOther2dlg::TOther2dlg(QWidget* parent)
    : TOtherFluidDialog("Other2dlg", DesignText(dt::kOther2Caption), DesignText(dt::kOther2Heading),
                        parent) {}
