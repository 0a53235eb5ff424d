#include "analyses/Materials.h"

#include <cstddef>

#include "common/Errors.h"
#include "common/Numbers.h"

namespace calvora {

std::optional<MaterialKind> MaterialFromItem(std::string_view itemText) {
  for (std::size_t i = 0; i < kMaterialItems.size(); ++i) {
    if (itemText == kMaterialItems[i]) {
      return static_cast<MaterialKind>(i);
    }
  }
  return std::nullopt;
}

double MaterialConductivity(MaterialKind kind, double otherConductivity) {
  if (kind == MaterialKind::OtherMaterial) {
    return otherConductivity;
  }
  return kMaterialConductivities[static_cast<std::size_t>(kind)];
}

double WallConductivity(MaterialKind kind, std::string_view otherEntryText, char decimalSeparator) {
  if (kind == MaterialKind::OtherMaterial) {
    return ParseNumber(otherEntryText, decimalSeparator);
  }
  return MaterialConductivity(kind, 0);
}

double WallConductivity(std::string_view selectedItem, std::string_view otherEntryText,
                        char decimalSeparator) {
  const std::optional<MaterialKind> kind = MaterialFromItem(selectedItem);
  if (!kind) {
    throw SelectionError("no construction material selected");
  }
  return WallConductivity(*kind, otherEntryText, decimalSeparator);
}

}  // namespace calvora
