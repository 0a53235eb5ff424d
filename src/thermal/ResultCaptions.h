#pragma once

#include <array>
#include <string_view>

// Texts of the thermal results screen (Results1), without any toolkit type.
namespace calvora::thermal_results {

inline constexpr std::string_view kIntroduction =
    "The results of this calculation are as follows. Press back if you would like to change any "
    "of these values.";

inline constexpr std::string_view kTemperaturesGroup = "Temperatures (deg.c)";
inline constexpr std::string_view kFlowGroup = "Fluid flow conditions";
inline constexpr std::string_view kExchangerGroup = "Properties of the exchanger";

inline constexpr int kFieldCount = 15;

// The three groups of the screen, top to bottom. The fields themselves (key,
// caption, unit, group, format) are kThermalResultFields in thermal/ThermalFields.h.
struct GroupBox {
  std::string_view objectName;
  std::string_view caption;
};
inline constexpr std::array<GroupBox, 3> kGroups = {{
    {"GroupBox1", kTemperaturesGroup},
    {"GroupBox2", kFlowGroup},
    {"GroupBox3", kExchangerGroup},
}};

inline constexpr std::string_view kBackCaption = "&Back";
inline constexpr std::string_view kBackHint = "Go back to the last page";
inline constexpr std::string_view kQuitCaption = "&Quit";
inline constexpr std::string_view kQuitHint = "Quit the program";
inline constexpr std::string_view kPrintCaption = "&Print";
inline constexpr std::string_view kPrintHint = "Print all the data";
inline constexpr std::string_view kSaveCaption = "&Save";
inline constexpr std::string_view kSaveHint = "Save all dat to a text file";
inline constexpr std::string_view kHelpCaption = "&Help";
inline constexpr std::string_view kHelpHint = "Displays help on this screen";
inline constexpr std::string_view kHelpTopic = "results";

// Filter of the save dialog, in the toolkit's spelling of
// "Text Files (*.txt)|*.txt|All Files (*.*)|*.*".
inline constexpr std::string_view kSaveFilter = "Text Files (*.txt);;All Files (*.*)";

}  // namespace calvora::thermal_results
