#pragma once

// Words for value-parameterized tests: a failure names its case ("GetParam() =
// AirHeatsWaterParallel", test "Cases/Foo.Bar/AirHeatsWaterParallel") instead
// of printing the case's bytes.

#include <gtest/gtest.h>

#include <cctype>
#include <concepts>
#include <cstddef>
#include <ostream>
#include <sstream>
#include <string>
#include <string_view>

namespace test_names {

// A test name from free text: letters and digits kept, every other run of
// characters as one '_'.
inline std::string Identifier(std::string_view text) {
  std::string name;
  for (const char c : text) {
    if (std::isalnum(static_cast<unsigned char>(c)))
      name += c;
    else if (!name.empty() && name.back() != '_')
      name += '_';
  }
  while (!name.empty() && name.back() == '_')
    name.pop_back();
  return name.empty() ? "empty" : name;
}

// The parts written one after the other, then the case's index, which keeps
// names unique when two cases read alike.
template <typename... Parts>
std::string Words(std::size_t index, const Parts&... parts) {
  std::ostringstream out;
  ((out << parts << ' '), ...);
  return Identifier(out.str()) + "_" + std::to_string(index);
}

template <typename T>
concept Named = requires(const T& c) {
  { c.name } -> std::convertible_to<std::string_view>;
};

// Prints a case that carries a name by that name. Bring it into the test's
// namespace with `using test_names::PrintTo;` so the printer finds it.
template <Named T>
void PrintTo(const T& c, std::ostream* os) {
  *os << c.name;
}

// The name generator of suites whose cases carry a name.
struct ByName {
  template <Named T>
  std::string operator()(const testing::TestParamInfo<T>& info) const {
    return Identifier(info.param.name);
  }
};

}  // namespace test_names
