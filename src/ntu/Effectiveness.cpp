#include "ntu/Effectiveness.h"

#include <cfenv>
#include <cmath>
#include <limits>

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

// Cross flow, the Cmin stream unmixed and the Cmax stream mixed. 1 - exp(-x) is
// formed as -expm1(-x), which keeps its digits when x is small (a small C).
double CminUnmixed(double C, double NTU) {
  return (1.0 / C) * -std::expm1(-C * -std::expm1(-NTU));
}

// Cross flow, the Cmin stream mixed and the Cmax stream unmixed.
double CminMixed(double C, double NTU) {
  return -std::expm1(-(1.0 / C) * -std::expm1(-C * NTU));
}

// Returns false when the mixing case has no relation for these capacity rates.
bool CrossFlowEffectiveness(double C, double NTU, double Ch, double Cc, CrossFlowMixing mixing,
                            double& epsilon) {
  switch (mixing) {
    // With Cc = Ch both single-mixed relations are the same function of NTU.
    case CrossFlowMixing::ColdUnmixed:
      epsilon = Cc > Ch ? CminMixed(C, NTU) : CminUnmixed(C, NTU);
      return true;
    case CrossFlowMixing::ColdMixed:
      epsilon = Cc < Ch ? CminMixed(C, NTU) : CminUnmixed(C, NTU);
      return true;
    case CrossFlowMixing::BothMixed:
      epsilon = BothMixedEffectiveness(C, NTU);
      return true;
    case CrossFlowMixing::BothUnmixed:
      epsilon = BothUnmixedEffectiveness(C, NTU);
      return true;
    default:
      return false;
  }
}

}  // namespace

double BothMixedEffectiveness(double C, double NTU) {
  return 1.0 / (1.0 / (1.0 - std::exp(-NTU)) + C / (1.0 - std::exp(-C * NTU)) - 1.0 / NTU);
}

double BothUnmixedEffectiveness(double C, double NTU) {
  constexpr double kExponent = 0.22;
  constexpr double kNegativeExponent = -0.22;
  // Both powers as exp(b ln NTU), sharing the one logarithm: the same values as Power().
  const double lnNtu = std::log(NTU);
  const double ntu022 = std::exp(kExponent * lnNtu);
  const double ntu078 = NTU * std::exp(kNegativeExponent * lnNtu);
  return 1.0 - std::exp((1.0 / C) * ntu022 * (std::exp(-C * ntu078) - 1.0));
}

double QuietlyEvaluated(double (*relation)(double, double), double C, double NTU) {
  std::fenv_t held;
  std::feholdexcept(&held);
  const double value = relation(C, NTU);
  std::fesetenv(&held);
  return std::isfinite(value) ? value : std::numeric_limits<double>::quiet_NaN();
}

double BothMixedPeakNtu(double C) {
  const auto f = [C](double N) { return QuietlyEvaluated(BothMixedEffectiveness, C, N); };
  // The curve rises from 0, peaks and falls towards 1 / (1 + C); its peak lies beyond
  // NTU = 1 for every C up to 1. Double until it falls, then narrow by golden section.
  double N = 1.0;
  while (N < 1e300 && f(2.0 * N) > f(N)) {
    N *= 2.0;
  }
  double a = N / 2.0;
  double b = 2.0 * N;
  const double g = (std::sqrt(5.0) - 1.0) / 2.0;
  double x1 = b - g * (b - a);
  double x2 = a + g * (b - a);
  double f1 = f(x1);
  double f2 = f(x2);
  for (int i = 0; i < 200 && b - a > 1e-12 * b; ++i) {
    if (f1 < f2) {
      a = x1;
      x1 = x2;
      f1 = f2;
      x2 = a + g * (b - a);
      f2 = f(x2);
    } else {
      b = x2;
      x2 = x1;
      f2 = f1;
      x1 = b - g * (b - a);
      f1 = f(x1);
    }
  }
  return f1 < f2 ? x2 : x1;
}

double EffectivenessLimit(double C, double Ch, double Cc, FlowArrangement arrangement,
                          CrossFlowMixing mixing) {
  // The single-mixed relations for NTU without bound.
  const auto cminUnmixed = [C] { return -std::expm1(-C) / C; };
  const auto cminMixed = [C] { return -std::expm1(-1.0 / C); };
  switch (arrangement) {
    case FlowArrangement::ParallelFlow:
      return 1.0 / (1.0 + C);
    case FlowArrangement::CounterFlow:
    case FlowArrangement::CapacityRatioZero:
      return 1.0;
    case FlowArrangement::ShellAndTube:
      return 2.0 / (1.0 + C + std::sqrt(1.0 + C * C));
    case FlowArrangement::CrossFlow:
      switch (mixing) {
        case CrossFlowMixing::ColdUnmixed:
          return Cc > Ch ? cminMixed() : cminUnmixed();
        case CrossFlowMixing::ColdMixed:
          return Cc < Ch ? cminMixed() : cminUnmixed();
        case CrossFlowMixing::BothMixed:
          return QuietlyEvaluated(BothMixedEffectiveness, C, BothMixedPeakNtu(C));
        case CrossFlowMixing::BothUnmixed:
          return 1.0;
        default:
          return 0.0;
      }
  }
  return 0.0;
}

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
        // (1 - e) / (1 - C e) with e = exp(-NTU (1 - C)), written as m / (m + (1 - C) e)
        // with m = 1 - e = -expm1(-NTU (1 - C)): near C = 1 both terms are small but
        // carry all their digits, so the result runs continuously into NTU / (NTU + 1).
        const double x = NTU * (1.0 - C);
        const double m = -std::expm1(-x);
        epsilon = m / (m + (1.0 - C) * std::exp(-x));
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
