#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace calvora {

// The wall material of an exchanger; the item order of every "Construction Material"
// choice.
enum class MaterialKind { Copper, Aluminium, CarbonSteel, ChromeNickelSteel, OtherMaterial };

// Items of every material choice, in MaterialKind order.
inline constexpr std::array<std::string_view, 5> kMaterialItems{
    "Copper", "Aluminium", "Carbon Steel", "Chrome Nickel Steel", "Other material"};

// Thermal conductivity of the four listed materials, W/(m K), in MaterialKind order,
// taken as independent of temperature.
inline constexpr std::array<double, 4> kMaterialConductivities{385, 202, 43, 16.3};

// The material whose item text is exactly `itemText` (first match in item order);
// nothing for any other text, such as an empty selection.
std::optional<MaterialKind> MaterialFromItem(std::string_view itemText);

// Wall conductivity kw, W/(m K), of `kind`; for OtherMaterial the value the user
// typed, `otherConductivity`, taken as it is (no range check: zero or negative too).
double MaterialConductivity(MaterialKind kind, double otherConductivity);

// Wall conductivity kw, W/(m K), of `kind`. Only for OtherMaterial is `otherEntryText`
// (the page's conductivity entry) converted, with `decimalSeparator`; a text that is
// not a number throws ConversionError. No range check.
double WallConductivity(MaterialKind kind, std::string_view otherEntryText,
                        char decimalSeparator = '.');

// As above, from the selected item text of the material choice; a text that is no
// material item throws SelectionError.
double WallConductivity(std::string_view selectedItem, std::string_view otherEntryText,
                        char decimalSeparator = '.');

}  // namespace calvora
