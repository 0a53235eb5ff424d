#pragma once

#include <array>
#include <string_view>

// Texts of the thermal analysis input screen (Combi1Dlg), without any toolkit type.
// The captions of the entries live in their rows, kThermalInputFields.
namespace calvora::thermal_input {

// Window caption of the main menu and of both thermal screens (two blanks before "v1.0").
inline constexpr std::string_view kWindowCaption = "Calvora  v1.0";

inline constexpr std::string_view kInstruction =
    "Please click beside the three values you do not know, and then enter the values of the "
    "others. Press Help if you need to know the possible combinations available :";

inline constexpr std::string_view kEditHint = "Use ' tab ' to move the cursor !";
inline constexpr std::string_view kCheckBoxHint = "Click the box if you don't know this value.";

// The eleven quantities, in the order the screen shows them (top to bottom); the
// index of each one's text in ThermalInputs. Their rows (key, caption, unit,
// control) are kThermalInputFields in thermal/ThermalFields.h.
enum class Quantity { Th1, Tc1, Th0, Tc0, Mh, Mc, Q, A, U, Cc, Ch };
inline constexpr int kQuantityCount = 11;

inline constexpr std::string_view kExchangerTypeCaption = "Type of Heat Exchanger";
inline constexpr std::string_view kParallelFlow = "Parallel Flow";
inline constexpr std::string_view kCounterFlow = "Counter Flow";
inline constexpr std::string_view kShellAndTube = "Shell and Tube (one pass, 2,4, or 6 tubes)";
inline constexpr std::string_view kCapacityRatioZero = "All exchangers with C=0";
inline constexpr std::string_view kCrossFlow = "Cross Flow";
inline constexpr std::array<std::string_view, 5> kExchangerTypes = {
    kParallelFlow, kCounterFlow, kShellAndTube, kCapacityRatioZero, kCrossFlow};

inline constexpr std::string_view kCrossFlowCaption = "Type of Cross Flow";
inline constexpr std::string_view kColdUnmixed = "Cold fluid is unmixed";
inline constexpr std::string_view kColdMixed = "Cold fluid is mixed";
inline constexpr std::string_view kBothMixed = "Both fluids are mixed";
inline constexpr std::string_view kBothUnmixed = "Both fluids are unmixed";
inline constexpr std::array<std::string_view, 4> kCrossFlowMixings = {kColdUnmixed, kColdMixed,
                                                                      kBothMixed, kBothUnmixed};

inline constexpr std::string_view kReminder = "Don't forget to choose the type of heat exhanger !";

inline constexpr std::string_view kOkCaption = "&OK";
inline constexpr std::string_view kBackCaption = "&Back";
inline constexpr std::string_view kHelpCaption = "&Help";
inline constexpr std::string_view kQuitCaption = "&Quit";

// Help topic of the screen.
inline constexpr std::string_view kHelpTopic = "Input1";

}  // namespace calvora::thermal_input
