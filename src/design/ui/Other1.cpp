#include "design/ui/Other1.h"

#include "design/DesignCaptions.h"

TOther1dlg* Other1dlg = nullptr;

namespace dt = calvora::design;

TOther1dlg::TOther1dlg(QWidget* parent)
    : TOtherFluidDialog("Other1dlg", DesignText(dt::kOther1Caption), DesignText(dt::kOther1Heading),
                        parent) {}
