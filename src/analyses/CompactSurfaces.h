#pragma once

// The catalogue of compact tube-fin surfaces and the finned-surface
// correlations built on it. One record per drop-down item: the item text the
// design screen lists, the six texts the design report prints for it and the
// numbers the calculation uses all live in the same entry, so the three can
// never disagree.

#include <array>
#include <string_view>

#include "properties/Correlations.h"

namespace calvora {

// Circular fins on each tube, or one continuous plate fin pierced by the tubes.
// None marks the empty separator line of the list.
enum class FinType { None, Circular, Continuous };

struct TubeFinSurface {
  std::string_view itemText;  // the line shown in the drop-down list
  FinType finType = FinType::None;
  double outsideDiameter = 0;    // tube outside diameter Do (m)
  double finDiameter = 0;        // fin outside diameter Df (m); circular fins only
  double verticalSpacing = 0;    // Sn, tube spacing normal to the flow (m)
  double horizontalSpacing = 0;  // Sp, tube spacing along the flow (m)
  double hydraulicDiameter = 0;  // Dh = 4 rh (m)
  double finThickness = 0;       // delta (m)
  double finsPerMetre = 0;       // catalogue data only; no calculation uses it
  double alpha = 0;              // heat transfer area per unit core volume (m2/m3)
  double sigma = 0;              // free-flow area / frontal area
  double finAreaRatio = 0;       // fin area / total outer heat transfer area (Af/A)
  double reynoldsLow = 0;        // outer Reynolds numbers outside which the analysis warns
  double reynoldsHigh = 0;
  double colburnCoefficient = 0;  // j = Cj Re^-nj
  double colburnExponent = 0;
  double frictionCoefficient = 0;  // f = Cf Re^-nf
  double frictionExponent = 0;
  // Report texts S1..S6: outer tube diameter, fin diameter, vertical spacing,
  // horizontal spacing, hydraulic diameter, fin thickness (each ends in a blank).
  std::array<std::string_view, 6> reportTexts{};

  constexpr bool hasData() const { return finType != FinType::None; }
};

inline constexpr int kCompactSurfaceCount = 16;
// The empty line between the circular-fin and the continuous-fin surfaces.
inline constexpr int kEmptySurfaceIndex = 13;

// clang-format off
inline constexpr std::array<TubeFinSurface, kCompactSurfaceCount> kCompactSurfaces{{
  // item text, type, Do, Df, Sn, Sp, Dh, delta, fins/m, alpha, sigma, Af/A, Re low, Re high, Cj, nj, Cf, nf, S1..S6
  {"Cir-Cir  9.65mm,  23.4mm,  24.8mm,  20.3mm,  4.75mm,  0.46mm", FinType::Circular,
   0.00965, 0.0234, 0.0248, 0.0203, 0.00475, 0.00046, 289, 459, 0.538, 0.892, 600, 10000,
   0.3311, 0.4804, 0.1781, 0.1954,
   {"0.00965m ", "0.0234m ", "0.0248m ", "0.0203m ", "0.00475m ", "0.00046m "}},
  {"Cir-Cir  9.65mm,  23.4mm,  24.8mm,  20.3mm,  3.93mm,  0.46mm", FinType::Circular,
   0.00965, 0.0234, 0.0248, 0.0203, 0.00393, 0.00046, 343, 535, 0.524, 0.91, 500, 10000,
   0.1977, 0.3937, 0.1862, 0.2016,
   {"0.00965m ", "0.0234m ", "0.0248m ", "0.0203m ", "0.00393m ", "0.00046m "}},
  {"Cir-Cir  10.67mm, 21.9mm, 24.8mm,  20.3mm,  4.43mm,  0.48mm", FinType::Circular,
   0.01067, 0.0219, 0.0248, 0.0203, 0.00443, 0.00048, 343, 446, 0.494, 0.876, 500, 8000,
   0.2095, 0.3924, 0.2286, 0.2137,
   {"0.01067m ", "0.0219m ", "0.0248m ", "0.0203m ", "0.00443m ", "0.00048m "}},
  {"Cir-Cir  16.38mm, 28.5mm, 31.3mm,  34.3mm,  6.68mm,  0.25mm", FinType::Circular,
   0.01638, 0.0285, 0.0313, 0.0343, 0.00668, 0.00025, 276, 269, 0.449, 0.83, 1000, 9000,
   0.1538, 0.348, 0.3319, 0.2831,
   {"0.01638m ", "0.0285m ", "0.0313m ", "0.0343m ", "0.00668m ", "0.00025m "}},
  {"Cir-Cir  16.38mm, 28.5mm, 31.3mm,  34.3mm,  5.48mm,  0.25mm", FinType::Circular,
   0.01638, 0.0285, 0.0313, 0.0343, 0.00548, 0.00025, 343, 324, 0.443, 0.862, 1000, 9000,
   0.1857, 0.3821, 0.2375, 0.2482,
   {"0.01638m ", "0.0285m ", "0.0313m ", "0.0343m ", "0.00548m ", "0.00025m "}},
  {"Cir-Cir  16.38mm, 28.5mm, 46.9mm,  34.3mm, 11.67mm, 0.25mm", FinType::Circular,
   0.01638, 0.0285, 0.0469, 0.0343, 0.01167, 0.00025, 343, 216, 0.628, 0.862, 1500, 10000,
   0.3166, 0.4099, 0.5186, 0.264,
   {"0.01638m ", "0.0285m ", "0.0469m ", "0.0343m ", "0.01167m ", "0.00025m "}},
  {"Cir-Cir  19.66mm, 37.2mm, 39.5mm,  44.5mm,  5.13mm,  0.31mm", FinType::Circular,
   0.01966, 0.0372, 0.0395, 0.0445, 0.00513, 0.00031, 356, 354, 0.455, 0.835, 1000, 7000,
   0.0921, 0.3375, 0.1918, 0.2495,
   {"0.01966m ", "0.0372m ", "0.0395m ", "0.0445m ", "0.00513m ", "0.00031m "}},
  {"Cir-Cir  19.66mm, 37.2mm, 50.3mm,  44.5mm,  8.18mm,  0.31mm", FinType::Circular,
   0.01966, 0.0372, 0.0503, 0.0445, 0.00818, 0.00031, 356, 279, 0.572, 0.835, 1000, 9000,
   0.0906, 0.3181, 0.2403, 0.2287,
   {"0.01966m ", "0.0372m ", "0.0503m ", "0.0445m ", "0.00818m ", "0.00031m "}},
  {"Cir-Cir  19.66mm, 37.2mm, 69.2mm,  44.5mm, 13.59mm, 0.31mm", FinType::Circular,
   0.01966, 0.0372, 0.0692, 0.0445, 0.01359, 0.00031, 356, 203, 0.688, 0.835, 1500, 10000,
   0.1129, 0.3238, 0.4267, 0.2577,
   {"0.01966m ", "0.0372m ", "0.0692m ", "0.0445m ", "0.01359m ", "0.00031m "}},
  {"Cir-Cir  19.66mm, 37.2mm, 62.9mm,  20.3mm,  4.85mm,  0.31mm", FinType::Circular,
   0.01966, 0.0372, 0.0629, 0.0203, 0.00485, 0.00031, 356, 443, 0.537, 0.835, 1000, 7000,
   0.0938, 0.3451, 0.2504, 0.2783,
   {"0.01966m ", "0.0372m ", "0.0629m ", "0.0203m ", "0.00485m ", "0.00031m "}},
  {"Cir-Cir  19.66mm, 37.2mm, 50.3mm,  34.9mm,  6.43mm,  0.31mm", FinType::Circular,
   0.01966, 0.0372, 0.0503, 0.0349, 0.00643, 0.00031, 356, 354, 0.572, 0.835, 1000, 7000,
   0.0919, 0.3286, 0.1937, 0.2014,
   {"0.01966m ", "0.0372m ", "0.0503m ", "0.0349m ", "0.00643m ", "0.00031m "}},
  {"Cir-Cir  26.0mm,  44.1mm,  49.8mm,  52.4mm,  5.89mm,  0.31mm", FinType::Circular,
   0.026, 0.0441, 0.0498, 0.0524, 0.00589, 0.00031, 346, 299, 0.439, 0.825, 1000, 9000,
   0.1495, 0.3782, 0.2192, 0.2914,
   {"0.026m ", "0.0441m ", "0.0498m ", "0.0524m ", "0.00589m ", "0.00031m "}},
  {"Cir-Cir  26.0mm,  44.1mm,  78.2mm,  52.4mm, 13.21mm, 0.31mm", FinType::Circular,
   0.026, 0.0441, 0.0782, 0.0524, 0.01321, 0.00031, 346, 191, 0.642, 0.825, 1000, 10000,
   0.2645, 0.409, 0.3356, 0.2494,
   {"0.026m ", "0.0441m ", "0.0782m ", "0.0524m ", "0.01321m ", "0.00031m "}},
  // The separator line: no text, no data, six empty report texts.
  {"", FinType::None, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, {"", "", "", "", "", ""}},
  {"Cir-Con 10.2mm,    N-A ,   25.4mm,   22.0mm,  3.63mm, 0.33mm", FinType::Continuous,
   0.0102, 0, 0.0254, 0.022, 0.00363, 0.00033, 315, 587, 0.534, 0.913, 400, 10000,
   0.1853, 0.4138, 0.1379, 0.2236,
   {"0.0102m ", "continuous ", "0.0254m ", "0.022m ", "0.00363m ", "0.00033m "}},
  // The list gives this fin as 0.40 mm; the calculation and the report use 0.41 mm.
  {"Cir-Con 17.2mm,    N-A ,   38.1mm,   44.5mm,  3.48mm, 0.40mm", FinType::Continuous,
   0.0172, 0, 0.0381, 0.0445, 0.00348, 0.00041, 305, 554, 0.481, 0.95, 400, 10000,
   0.1112, 0.3672, 0.0864, 0.2115,
   {"0.0172m ", "continuous ", "0.0381m ", "0.0445m ", "0.00348m ", "0.00041m "}},
}};
// clang-format on

// The entry at a drop-down index, or nullptr for an index outside the list.
// The empty entry is returned too; check hasData() before computing with it.
const TubeFinSurface* CompactSurfaceAt(int index);

struct CompactOuterResult {
  double j = 0;  // Colburn factor
  double h = 0;  // outer film coefficient, W/(m2 K)
};

// j = Cj exp(-nj ln Re); h = j G cp / Pr^(2/3).
CompactOuterResult CompactOuterCoefficient(const TubeFinSurface& surface, double reynolds,
                                           double prandtl, double specificHeat,
                                           double massVelocity);

// Fanning factor of the core, f = Cf exp(-nf ln Re).
double CompactFrictionFactor(const TubeFinSurface& surface, double reynolds);

// Corrected length of a circular fin, (Df - Do)/2 + delta/2, or the equivalent
// length of a continuous plate fin, ((Sn + Sp)/2 - Do)/2.
double FinLength(const TubeFinSurface& surface);

struct FinnedCoefficientResult {
  double finEfficiency = 0;      // tanh(x)/x
  double surfaceEfficiency = 0;  // 1 - (1 - eta_f) Af/A
  double U = 0;                  // W/(m2 K), on the total outer finned surface
  // 1/U as formed, on the same surface: the inner film 1 / (hi t) with t the
  // inside over the outer area, the wall, and the outer film 1 / (eta_o ho),
  // the fins' efficiency included.
  ResistanceTerms resistances;
};

// Overall coefficient on the outer finned surface; kw is the metal's
// conductivity, used for the tube wall and the fins alike.
FinnedCoefficientResult FinnedOverallCoefficientDetail(const TubeFinSurface& surface,
                                                       double innerCoefficient,
                                                       double outerCoefficient,
                                                       double insideDiameter,
                                                       double wallConductivity);

double FinnedOverallCoefficient(const TubeFinSurface& surface, double innerCoefficient,
                                double outerCoefficient, double insideDiameter,
                                double wallConductivity);

}  // namespace calvora
