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
inline constexpr std::string_view kTemperaturesNotComputed =
    "The outlet temperatures were not computed in this run.";
inline constexpr std::string_view kResistancesThermal =
    "The thermal analysis starts from U itself, so it has no film and wall resistances to show.";
inline constexpr std::string_view kResistancesNotComputed =
    "The film and wall resistances were not computed in this run.";
inline constexpr std::string_view kProfileDependsOnPath =
    "The temperatures inside this type of exchanger depend on the flow path, so only the "
    "inlet and outlet temperatures are shown.";

}  // namespace calvora::charts::text
