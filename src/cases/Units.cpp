#include "cases/Units.h"

#include <udunits2.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <mutex>

#include "cases/CaseMessages.h"
#include "common/Numbers.h"

namespace calvora::cases {

namespace {

// The units library is not safe to call from two threads at once (its parser
// keeps global state), so every call goes through this lock.
std::mutex& UnitsLock() {
  static std::mutex lock;
  return lock;
}

// The installed units database, read on first use; nullptr when it cannot be read.
ut_system* UnitSystem() {
  static ut_system* const system = [] {
    ut_set_error_message_handler(ut_ignore);
    return ut_read_xml(nullptr);
  }();
  return system;
}

struct UnitDeleter {
  void operator()(ut_unit* unit) const { ut_free(unit); }
};
struct ConverterDeleter {
  void operator()(cv_converter* converter) const { cv_free(converter); }
};

std::string Quoted(std::string_view text) {
  return "\"" + std::string(text) + "\"";
}

}  // namespace

double RoundTo15Digits(double value) {
  if (!std::isfinite(value))
    return value;
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.15g", value);
  return std::strtod(buffer, nullptr);
}

std::optional<double> ConvertUnit(double value, std::string_view unit, std::string_view target,
                                  std::string& fault) {
  std::lock_guard<std::mutex> hold(UnitsLock());
  ut_system* system = UnitSystem();
  if (system == nullptr) {
    fault = kUnitsDatabaseMissing;
    return std::nullopt;
  }
  const auto parse = [system](std::string_view spelling) {
    if (spelling.empty())
      return std::unique_ptr<ut_unit, UnitDeleter>(ut_clone(ut_get_dimensionless_unit_one(system)));
    const std::string text(spelling);
    return std::unique_ptr<ut_unit, UnitDeleter>(ut_parse(system, text.c_str(), UT_UTF8));
  };
  const auto from = parse(unit);
  if (!from) {
    fault = Quoted(unit) + kUnknownUnit;
    return std::nullopt;
  }
  const auto to = parse(target);
  if (!to) {
    fault = Quoted(target) + kUnknownUnit;
    return std::nullopt;
  }
  if (!ut_are_convertible(from.get(), to.get())) {
    fault = Quoted(unit) + kWrongDimension +
            (target.empty() ? std::string(kPureNumber) : Quoted(target));
    return std::nullopt;
  }
  const std::unique_ptr<cv_converter, ConverterDeleter> converter(
      ut_get_converter(from.get(), to.get()));
  if (!converter) {
    fault = Quoted(unit) + kWrongDimension + Quoted(target);
    return std::nullopt;
  }
  const double converted = RoundTo15Digits(cv_convert_double(converter.get(), value));
  if (!std::isfinite(converted)) {
    fault = kTooLarge;
    return std::nullopt;
  }
  return converted;
}

std::optional<double> ParseQuantity(std::string_view text, std::string_view target,
                                    std::string& fault) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  std::size_t start = 0;
  while (start < text.size() && blank(text[start]))
    ++start;
  std::size_t end = start;
  while (end < text.size() && !blank(text[end]))
    ++end;
  const std::string_view number = text.substr(start, end - start);
  std::string_view unit = text.substr(end);
  while (!unit.empty() && blank(unit.front()))
    unit.remove_prefix(1);
  while (!unit.empty() && blank(unit.back()))
    unit.remove_suffix(1);
  const auto value = TryParseNumber(number, '.');
  if (!value) {
    fault = Quoted(text) + kNotANumber;
    return std::nullopt;
  }
  if (unit.empty())
    return value;
  return ConvertUnit(*value, unit, target, fault);
}

}  // namespace calvora::cases
