#pragma once

#include <array>
#include <string_view>

// Texts of the thermal results screen (Results1). The screen shows them and the
// thermal report repeats the captions beside the result fields.
namespace calvora::thermal_results {

inline constexpr std::string_view kIntroduction =
    "The results of this calculation are as follows. Press back if you would like to change any "
    "of these values.";

inline constexpr std::string_view kTemperaturesGroup = "Temperatures (deg.c)";
inline constexpr std::string_view kFlowGroup = "Fluid flow conditions";
inline constexpr std::string_view kExchangerGroup = "Properties of the exchanger";

inline constexpr int kFieldCount = 15;

enum class Group { Temperatures, Flow, Exchanger };

struct ResultRow {
  std::string_view editName;   // objectName of the read-only field
  std::string_view labelName;  // objectName of its caption
  Group group;
  int decimals;  // fixed(10, decimals)
  std::string_view caption;
};

inline constexpr int kResultPrecision = 10;

// Edit1..Edit15 in screen order (and report order).
inline constexpr std::array<ResultRow, kFieldCount> kResultRows = {{
    {"Edit1", "Label1", Group::Temperatures, 3, "Inlet temperature of the hot fluid :"},
    {"Edit2", "Label2", Group::Temperatures, 3, "Inlet temperature of the cold fluid :"},
    {"Edit3", "Label3", Group::Temperatures, 3, "Outlet temperature  of the hot fluid :"},
    {"Edit4", "Label4", Group::Temperatures, 3, "Outlet temperature of the cold fluid :"},
    {"Edit5", "Label5", Group::Flow, 3, "The overall heat transfer coefficient, U (W/m2.deg.c) :"},
    {"Edit6", "Label6", Group::Flow, 3, "The mass flow rate of the cold fluid (kg/sec) :"},
    {"Edit7", "Label7", Group::Flow, 3, "The mass flow rate of the hot fluid (kg/sec) :"},
    {"Edit8", "Label8", Group::Flow, 3,
     "The specific heat capacity of the cold fluid (J/Kg.deg.c) :"},
    {"Edit9", "Label9", Group::Flow, 3,
     "The specific heat capacity of the hot fluid (J/Kg.deg.c) :"},
    {"Edit10", "Label10", Group::Flow, 3, "The minimum capacity flow (Cmin) :"},
    {"Edit11", "Label11", Group::Flow, 3, "The maximum capacity flow rate (Cmax) :"},
    {"Edit12", "Label12", Group::Flow, 3, "The total overall heat transfer, Q (W) :"},
    {"Edit13", "Label13", Group::Exchanger, 4, "Total surface area (m2) :"},
    {"Edit14", "Label14", Group::Exchanger, 4, "The effectiveness, E :"},
    {"Edit15", "Label15", Group::Exchanger, 4, "Number of transfer units :"},
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
