#pragma once

#include <QString>
#include <string_view>

// A text of the design captions as a QString.
inline QString DesignText(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
