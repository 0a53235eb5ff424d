#pragma once

#include <string_view>

// Texts of the chart window and its charts.
namespace calvora::charts::text {

inline constexpr std::string_view kEffectivenessTab = "Effectiveness-NTU";
inline constexpr std::string_view kProfileTab = "Temperature profile";
inline constexpr std::string_view kResistancesTab = "Resistances";
inline constexpr std::string_view kChartEntry = "Chart...";  // results screens' context menu, F9
inline constexpr std::string_view kSaveImage = "&Save image...";
inline constexpr std::string_view kCopyImage = "C&opy image";
inline constexpr std::string_view kClose = "&Close";
inline constexpr std::string_view kSaveImageTitle = "Save image";
inline constexpr std::string_view kImageFilters = "SVG image (*.svg);;PNG image (*.png)";

inline constexpr std::string_view kNtuAxis = "NTU = U A / Cmin";
inline constexpr std::string_view kEffectivenessAxis = "Effectiveness";
inline constexpr std::string_view kAreaAxis = "Fraction of the area from the hot inlet";
inline constexpr std::string_view kEndsAxis = "Inlet (0) and outlet (1) of each fluid";
inline constexpr std::string_view kTemperatureAxis = "Temperature (deg.C)";

// %1: the "More accurate iteration ?" caption.
inline constexpr std::string_view kHeatDutyNotComputed =
    "The heat duty was not computed in this run, so there is no operating point. Tick \"%1\" "
    "and run again to see this chart.";
// %1: the "More accurate iteration ?" caption.
inline constexpr std::string_view kProfileHeatDutyNotComputed =
    "The heat duty was not computed in this run, so the outlet temperatures are not known. "
    "Tick \"%1\" and run again to see this chart.";
inline constexpr std::string_view kRunWithoutResults =
    "This run ended without results, so there is nothing to draw.";
inline constexpr std::string_view kTemperaturesNotComputed =
    "The outlet temperatures were not computed in this run.";
inline constexpr std::string_view kResistancesThermal =
    "The thermal analysis starts from U itself, so it has no film and wall resistances to show.";
inline constexpr std::string_view kResistancesNotComputed =
    "The film and wall resistances were not computed in this run.";
inline constexpr std::string_view kResistancesOnTubeInside =
    "Each term is referred to the inside surface of the tubes, as U is.";
inline constexpr std::string_view kResistancesOnFinnedSurface =
    "Each term is referred to the whole outer surface of the finned tubes, as U is; the outer "
    "film term is 1 / (surface efficiency x outer film coefficient), so it includes the fins.";
inline constexpr std::string_view kNtuOfFinnedSurface =
    "U is referred to the finned outer surface and A to the inside surface of the tubes; NTU "
    "uses the two as the calculation does.";
// %1: the number of tubes.
inline constexpr std::string_view kWallTermOfAllTubes =
    "The wall term is the one this analysis forms U with: the inside surface of all %1 tubes "
    "over the length of one tube, which makes it %1 times the resistance of one tube wall.";
inline constexpr std::string_view kProfileDependsOnPath =
    "The temperatures inside this type of exchanger depend on the flow path, so only the "
    "inlet and outlet temperatures are shown.";

}  // namespace calvora::charts::text
