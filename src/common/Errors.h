#pragma once

#include <stdexcept>
#include <string>

namespace calvora {

// A text that the calculation needed is not a number (empty, blank, letters...).
class ConversionError : public std::runtime_error {
 public:
  explicit ConversionError(const std::string& text)
      : std::runtime_error("'" + text + "' is not a valid number") {}
};

// Division by zero, an invalid operation (log or sqrt of a negative, 0/0) or an
// overflow somewhere in a calculation.
class MathError : public std::runtime_error {
 public:
  explicit MathError(const std::string& what = "arithmetic failure") : std::runtime_error(what) {}
};

// A choice the calculation needs (a radio group) has no selection.
class SelectionError : public std::runtime_error {
 public:
  explicit SelectionError(const std::string& what = "no selection") : std::runtime_error(what) {}
};

}  // namespace calvora
