#pragma once

// Spreadsheet-style recomputation of the double-pipe and cross-flow ratings,
// written out from the textbook formulas with std::pow and std::exp, for the
// tests to compare the analyses against. It uses only the property table data
// (the tabulated decimals), never the routines under test.

#include <cmath>

#include "properties/FluidTables.h"

namespace reference {

struct Props {
  double pr = 0, cp = 0, mu = 0, k = 0, rho = 0;
};

// Linear interpolation between the two rows around T; outside the table the
// previous values are kept.
inline Props Interpolate(const calvora::FluidTable& table, double T, Props previous) {
  for (std::size_t i = 0; i < table.size(); ++i) {
    const auto& row = table[i];
    if (T == row.temperature) {
      const auto& p = row.properties;
      return {p.prandtl, p.specificHeat, p.viscosity, p.conductivity, p.density};
    }
    if (i > 0 && T < row.temperature && T > table[i - 1].temperature) {
      const auto& a = table[i - 1].properties;
      const auto& b = row.properties;
      const double w =
          (T - table[i - 1].temperature) / (row.temperature - table[i - 1].temperature);
      auto lerp = [w](double x, double y) { return x + w * (y - x); };
      return {lerp(a.prandtl, b.prandtl), lerp(a.specificHeat, b.specificHeat),
              lerp(a.viscosity, b.viscosity), lerp(a.conductivity, b.conductivity),
              lerp(a.density, b.density)};
    }
  }
  return previous;
}

// Sieder-Tate-like turbulent tube correlation with a laminar floor of 3.66.
inline double TubeNu(double Re, double Pr) {
  if (Re < 2100)
    return 3.66;
  const double a = 0.88 - 0.24 / (4 + Pr);
  const double b = Pr > 25 ? 0.33 : 0.33 + 0.5 * std::exp(-0.6 * Pr);
  return 5 + 0.016 * std::pow(Re, a) * std::pow(Pr, b);
}

inline double AnnulusNu(double Re, double Pr, double D2, double D3) {
  if (Re < 2100) {
    const double r = D2 / D3;
    return 25 - 168.9235 * r + 613.725 * r * r - 1094.15 * std::pow(r, 3) +
           934.75 * std::pow(r, 4) - 305.4688 * std::pow(r, 5);
  }
  const double a = 0.88 - 0.24 / (4 + Pr);
  return 5 + 0.016 * std::pow(Re, a) * std::pow(Pr, 0.33 + 0.5 * std::exp(-0.6 * Pr));
}

// Fanning friction factor; commercial = true for slightly corroded tubes.
inline double Friction(double Re, bool commercial) {
  if (Re <= 1311)
    return 16 / Re;
  if (Re < 2100)
    return 0.0122;
  if (!commercial)
    return 0.0014 + 0.125 / std::pow(Re, 0.32);
  if (Re < 3380)
    return 0.0122;
  return 0.0035 + 0.264 / std::pow(Re, 0.42);
}

// Effectiveness for parallel (1), counter (2) and cross flow (3) with the mixing
// codes 1 cold unmixed, 2 cold mixed, 3 both mixed, 4 both unmixed.
inline double Epsilon(int arrangement, int mixing, double NTU, double Cc, double Ch) {
  const double Cmin = Ch > Cc ? Cc : Ch;
  const double Cmax = Ch > Cc ? Ch : Cc;
  const double C = Cmin / Cmax;
  if (arrangement == 1)
    return (1 - std::exp(-NTU * (1 + C))) / (1 + C);
  if (arrangement == 2) {
    if (C == 1)
      return NTU / (NTU + 1);
    const double e = std::exp(-NTU * (1 - C));
    return (1 - e) / (1 - C * e);
  }
  // Cmin unmixed / Cmax mixed, and the reverse.
  const double minUnmixed = (1 / C) * (1 - std::exp(-C * (1 - std::exp(-NTU))));
  const double minMixed = 1 - std::exp(-(1 / C) * (1 - std::exp(-C * NTU)));
  const bool coldIsMin = Cc < Ch;
  switch (mixing) {
    case 1:
      return coldIsMin ? minUnmixed : minMixed;
    case 2:
      return coldIsMin ? minMixed : minUnmixed;
    case 3:
      return 1 / (1 / (1 - std::exp(-NTU)) + C / (1 - std::exp(-C * NTU)) - 1 / NTU);
    default:
      return 1 - std::exp((1 / C) * std::pow(NTU, 0.22) * (std::exp(-C * std::pow(NTU, 0.78)) - 1));
  }
}

struct Thermal {
  double Q = 0, Tc2 = 0, Th2 = 0;
};

// One effectiveness-NTU pass; the inner stream is hot when Ti >= To.
inline Thermal ThermalPass(int arrangement, int mixing, double A, double U, double Th1, double Tc1,
                           double mh, double ch, double mc, double cc) {
  const double Cc = mc * cc, Ch = mh * ch;
  const double Cmin = Ch > Cc ? Cc : Ch;
  const double eps = Epsilon(arrangement, mixing, A * U / Cmin, Cc, Ch);
  Thermal t;
  t.Q = std::fabs(eps * Cmin * (Th1 - Tc1));
  t.Tc2 = Tc1 + t.Q / (mc * cc);
  t.Th2 = Th1 - t.Q / (mh * ch);
  return t;
}

// Weighted property temperatures for the next pass: 3/4 of the stream's own
// mean and 1/4 of the other's; the colder inner gets the cold value.
inline void Weight(double& Ti, double& To, double Tc1, double Tc2, double Th1, double Th2) {
  const double mc = (Tc1 + Tc2) / 2, mh = (Th1 + Th2) / 2;
  const double cold = 0.75 * mc + 0.25 * mh, hot = 0.75 * mh + 0.25 * mc;
  if (To > Ti) {
    Ti = cold;
    To = hot;
  } else {
    To = cold;
    Ti = hot;
  }
}

}  // namespace reference
