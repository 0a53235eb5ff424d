#pragma once

#include "charts/ui/ChartInputs.h"

namespace calvora {
struct DesignOutcome;
}

namespace calvora::charts {

// The chart inputs of a design run.
ChartInputs DesignChartInputs(const DesignOutcome& outcome);

}  // namespace calvora::charts
