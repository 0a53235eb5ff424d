#pragma once

#include <array>
#include <string_view>

// Texts of the thermal analysis input screen (Combi1Dlg). The screen shows them and
// the thermal report repeats the captions beside the entered values, so they live
// here once, without any toolkit type.
namespace calvora::thermal_input {

// Window caption of the main menu and of both thermal screens (two blanks before "v1.0").
inline constexpr std::string_view kWindowCaption = "Calvora  v1.0";

inline constexpr std::string_view kInstruction =
    "Please click beside the three values you do not know, and then enter the values of the "
    "others. Press Help if you need to know the possible combinations available :";

inline constexpr std::string_view kEditHint = "Use ' tab ' to move the cursor !";
inline constexpr std::string_view kCheckBoxHint = "Click the box if you don't know this value.";

// One row per quantity, in the order the screen shows them (top to bottom).
enum class Quantity { Th1, Tc1, Th0, Tc0, Mh, Mc, Q, A, U, Cc, Ch };
inline constexpr int kQuantityCount = 11;

struct QuantityRow {
  Quantity quantity;
  std::string_view captionName;  // objectName of the label or check box
  std::string_view editName;     // objectName of the edit field
  bool mayBeUnknown;             // true: the caption is a check box
  std::string_view caption;
};

inline constexpr std::array<QuantityRow, kQuantityCount> kQuantityRows = {{
    {Quantity::Th1, "Label1", "Edit1", false,
     "Th1---The inlet temperature of the hot fluid (deg.c) :"},
    {Quantity::Tc1, "Label3", "Edit3", false,
     "Tc1---The inlet temperature of the cold fluid (deg.C) :"},
    {Quantity::Th0, "CheckBox2", "Edit2", true,
     "Th0---The outlet temperature of the hot fluid (deg.C) :"},
    {Quantity::Tc0, "CheckBox4", "Edit4", true,
     "Tc0---The outlet temperature of the cold fluid (deg.C) :"},
    {Quantity::Mh, "CheckBox5", "Edit5", true,
     "Mh---The mass flow rate of the hot fluid (kg/sec) :"},
    {Quantity::Mc, "CheckBox6", "Edit6", true,
     "Mc---The mass flow rate of the cold fluid (kg/sec) :"},
    {Quantity::Q, "CheckBox7", "Edit7", true, "Q---The total heat transfer (Watts) :"},
    {Quantity::A, "CheckBox8", "Edit8", true,
     "A---The total surface area of the heat exchanger (m2) :"},
    {Quantity::U, "CheckBox9", "Edit9", true,
     "U---The overall heat transfer coefficient (W/m2.deg.C) :"},
    {Quantity::Cc, "Label10", "Edit10", false,
     "Specific heat capacity of the cold fluid (J/kg.deg.c) :"},
    {Quantity::Ch, "Label11", "Edit11", false,
     "Specific heat capacity of the hot fluid (J/kg.deg.c) :"},
}};

constexpr const QuantityRow& Row(Quantity quantity) {
  return kQuantityRows[static_cast<int>(quantity)];
}
constexpr std::string_view Caption(Quantity quantity) {
  return Row(quantity).caption;
}

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
