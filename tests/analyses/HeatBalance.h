#pragma once

// Identities a design run with the iteration keeps whatever its correlations:
// the heat the hot stream gives equals the heat the cold stream takes and the
// reported duty Q; Cmin <= Cmax; the effectiveness Q / (Cmin (Th1 - Tc1)) lies
// in [0, 1]; no exit passes the other stream's inlet.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "analyses/DesignResult.h"
#include "properties/FluidTables.h"

namespace balance {

// cp of a table fluid at T (deg C), by straight-line interpolation between the
// two rows around it.
inline double SpecificHeat(const calvora::FluidTable& table, double T) {
  for (std::size_t i = 1; i < table.size(); ++i) {
    const calvora::FluidTableRow& a = table[i - 1];
    const calvora::FluidTableRow& b = table[i];
    if (T >= a.temperature && T <= b.temperature) {
      const double w = (T - a.temperature) / (b.temperature - a.temperature);
      return a.properties.specificHeat +
             w * (b.properties.specificHeat - a.properties.specificHeat);
    }
  }
  ADD_FAILURE() << T << " deg C is outside the table";
  return 0;
}

// A stream as it enters the heat balance: inlet temperature, the flow the
// balance uses and the specific heat at the inlet.
struct Stream {
  double inlet;
  double flow;
  double specificHeat;
};

struct Balance {
  double Cmin, Cmax, effectiveness;
};

inline Balance ExpectHeatBalance(const calvora::DesignResult& r, const Stream& inner,
                                 const Stream& outer) {
  const bool innerHot = inner.inlet >= outer.inlet;
  const Stream& hot = innerHot ? inner : outer;
  const Stream& cold = innerHot ? outer : inner;
  const double Ch = hot.flow * hot.specificHeat;
  const double Cc = cold.flow * cold.specificHeat;
  const double Q = r.heatTransferRate;
  EXPECT_GT(Q, 0);
  EXPECT_NEAR(Ch * (hot.inlet - r.hotOutletTemperature), Q, 1e-9 * Q) << "hot stream";
  EXPECT_NEAR(Cc * (r.coldOutletTemperature - cold.inlet), Q, 1e-9 * Q) << "cold stream";
  EXPECT_GE(r.hotOutletTemperature, cold.inlet);
  EXPECT_LE(r.coldOutletTemperature, hot.inlet);
  const Balance b{std::min(Ch, Cc), std::max(Ch, Cc),
                  Q / (std::min(Ch, Cc) * (hot.inlet - cold.inlet))};
  EXPECT_LE(b.Cmin, b.Cmax);
  EXPECT_GE(b.effectiveness, 0);
  EXPECT_LE(b.effectiveness, 1);
  return b;
}

}  // namespace balance
