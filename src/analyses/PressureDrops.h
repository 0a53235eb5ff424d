#pragma once

#include <array>
#include <string_view>

// Friction factor and pressure drops of tube, annulus, headered tube bank and flow
// across a tube bank. SI units (kg/s, m, kg/m3, kg/(m s), Pa). No checks: every square
// and power is exp(n ln x), so a zero flow or diameter, or a non-positive gap, raises
// the IEEE flags (turned into MathError by the caller's CheckArithmetic()).

namespace calvora {

// Surface of the tubes, which selects the turbulent branch of FrictionFactor.
enum class TubeType { Smooth = 1, Commercial = 2 };

// Items of the tube-type choice, in TubeType order.
inline constexpr std::array<std::string_view, 2> kTubeTypeItems{"Smooth",
                                                                "Commercial/Slightly corroded"};

// Fanning friction factor of flow in a tube: 16/Re up to Re 1311 (inclusive); 0.0122
// in the transition; from Re 2100 (smooth) 0.0014 + 0.125/Re^0.32, from Re 3380
// (commercial) 0.0035 + 0.264/Re^0.42.
double FrictionFactor(double reynolds, TubeType type);

// Pressure drop inside one tube, Pa: friction plus entry and exit losses 0.5 and 1.0
// velocity heads, (4 f L/D + 0.5 + 1.0) (m/(3.1416 D^2))^2 8/rho.
double TubePressureDrop(double massFlow, double diameter, double density, double frictionFactor,
                        double length);

// Pressure drop of a double-pipe annulus with its inlet and outlet pipes, Pa:
// (1.5/din^4 + 1.5/dout^4 + 4/(D3^2 - D2^2)^2 + 4 f L/(D3 - D2)^5) (m/3.1416)^2 8/rho.
// D2 outside diameter of the inner pipe, D3 inside diameter of the outer pipe; the
// annulus friction is that of a round pipe of hydraulic diameter D3 - D2.
double AnnulusPressureDrop(double massFlow, double innerPipeOutside, double outerPipeInside,
                           double inletPipeDiameter, double outletPipeDiameter,
                           double frictionFactor, double length, double density);

// Pressure drop of the fluid inside a bank of tubes fed from headers, Pa:
// 8/(3.1416 3.1416 rho) ((mt/Di^2)^2 (4 f L/Di + 0.5 + 1.0) + m^2 (1.5/din^4 + 1.5/dout^4)),
// mt the flow per tube, m the total flow through the header pipes din, dout.
double HeaderedTubePressureDrop(double flowPerTube, double insideDiameter, double density,
                                double totalFlow, double inletPipeDiameter,
                                double outletPipeDiameter, double frictionFactor, double length);

// Arrangement codes of TubeBankPressureDrop (any code other than in line is staggered).
inline constexpr int kInLineArrangement = 1;
inline constexpr int kStaggeredArrangement = 2;

// Pressure drop of flow across a bank of plain tubes, Pa: 2 f G^2 Nn / rho, with the gap
// mass velocity G = m/((Sn - Do) L), Re = m Do/(mu (Sn - Do) L) and the bank friction
// factor of the arrangement. Sn must exceed Do.
double TubeBankPressureDrop(double massFlow, double outsideDiameter, double density,
                            double viscosity, double length, double rowsNormal,
                            double parallelPitch, double normalPitch, int arrangement);

}  // namespace calvora
