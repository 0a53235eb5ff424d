#include "ntu/Effectiveness.h"

#include <cmath>

namespace calvora {

double HeatTransferRate(double m, double c, double Ta, double Tb) {
  return std::fabs(m * c * (Ta - Tb));
}

double MassFlowFromHeat(double Q, double c, double Ta, double Tb) {
  return Q / ((Ta - Tb) * c);
}

CapacityRateSet CapacityRates(double mc, double cc, double mh, double ch) {
  CapacityRateSet r;
  r.Cc = mc * cc;
  r.Ch = mh * ch;
  if (r.Ch > r.Cc) {
    r.Cmin = r.Cc;
    r.Cmax = r.Ch;
  } else {
    // Hot stream smaller, or a tie: the tie makes Cmin the hot stream's rate.
    r.Cmin = r.Ch;
    r.Cmax = r.Cc;
  }
  r.C = r.Cmin / r.Cmax;
  return r;
}

double NtuFromUA(double A, double Cmin, double U) {
  return (A / Cmin) * U;
}

double ProductRatio(double a, double b, double d) {
  return (a * b) / d;
}

double CooledOutletTemperature(double Tin, double Q, double m, double c) {
  return Tin - Q / (m * c);
}

double HeatedOutletTemperature(double Tin, double Q, double m, double c) {
  return Tin + Q / (m * c);
}

double HotOutletFromEffectiveness(double epsilon, double Cmin, double Th1, double Tc1, double mh,
                                  double ch) {
  return Th1 - epsilon * Cmin * (Th1 - Tc1) / (mh * ch);
}

double ColdOutletFromEffectiveness(double epsilon, double Cmin, double Th1, double Tc1, double mc,
                                   double cc) {
  return Tc1 + epsilon * Cmin * (Th1 - Tc1) / (mc * cc);
}

namespace {

// Cross flow, the Cmin stream unmixed and the Cmax stream mixed.
double CminUnmixed(double C, double NTU) {
  return (1.0 / C) * (1.0 - std::exp(-C * (1.0 - std::exp(-NTU))));
}

// Cross flow, the Cmin stream mixed and the Cmax stream unmixed.
double CminMixed(double C, double NTU) {
  return 1.0 - std::exp(-(1.0 / C) * (1.0 - std::exp(-C * NTU)));
}

// Returns false when the mixing case has no relation for these capacity rates.
bool CrossFlowEffectiveness(double C, double NTU, double Ch, double Cc, CrossFlowMixing mixing,
                            double& epsilon) {
  switch (mixing) {
    case CrossFlowMixing::ColdUnmixed:
      if (Cc < Ch) {
        epsilon = CminUnmixed(C, NTU);
        return true;
      }
      if (Cc > Ch) {
        epsilon = CminMixed(C, NTU);
        return true;
      }
      return false;
    case CrossFlowMixing::ColdMixed:
      if (Cc < Ch) {
        epsilon = CminMixed(C, NTU);
        return true;
      }
      if (Cc > Ch) {
        epsilon = CminUnmixed(C, NTU);
        return true;
      }
      return false;
    case CrossFlowMixing::BothMixed:
      epsilon = 1.0 / (1.0 / (1.0 - std::exp(-NTU)) + C / (1.0 - std::exp(-C * NTU)) - 1.0 / NTU);
      return true;
    case CrossFlowMixing::BothUnmixed: {
      constexpr double kExponent = 0.22;
      constexpr double kNegativeExponent = -0.22;
      // Both powers as exp(b ln NTU), sharing the one logarithm: the same values as Power().
      const double lnNtu = std::log(NTU);
      const double ntu022 = std::exp(kExponent * lnNtu);
      const double ntu078 = NTU * std::exp(kNegativeExponent * lnNtu);
      epsilon = 1.0 - std::exp((1.0 / C) * ntu022 * (std::exp(-C * ntu078) - 1.0));
      return true;
    }
    default:
      return false;
  }
}

}  // namespace

void Effectiveness(double C, double NTU, double Ch, double Cc, FlowArrangement arrangement,
                   CrossFlowMixing mixing, double& epsilon, Messages& messages) {
  switch (arrangement) {
    case FlowArrangement::ParallelFlow:
      epsilon = (1.0 - std::exp(-NTU * (1.0 + C))) / (1.0 + C);
      return;
    case FlowArrangement::CounterFlow:
      if (C == 1.0) {
        epsilon = NTU / (NTU + 1.0);
      } else {
        const double e = std::exp(-NTU * (1.0 - C));
        epsilon = (1.0 - e) / (1.0 - C * e);
      }
      return;
    case FlowArrangement::CrossFlow:
      if (!CrossFlowEffectiveness(C, NTU, Ch, Cc, mixing, epsilon)) {
        ShowChecked(messages, MessageKind::Error, kInsufficientDataMessage);
      }
      return;
    case FlowArrangement::ShellAndTube: {
      const double S = std::sqrt(1.0 + C * C);
      const double e = std::exp(-NTU * S);
      epsilon = std::fabs(2.0 / (1.0 + C + S * (1.0 + e) / (1.0 - e)));
      return;
    }
    case FlowArrangement::CapacityRatioZero:
      epsilon = std::fabs(1.0 - std::exp(-NTU));
      return;
  }
  epsilon = 0.0;
}

}  // namespace calvora
