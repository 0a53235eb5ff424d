#pragma once

// Every entry, choice and unknown box of the thermal input screen and every
// field of the thermal results screen, declared once. The screens build their
// rows from these tables and read and fill themselves through them, the report
// takes its captions from them, and case files and the command line address
// the values by their keys (the thermal symbols).

#include <array>
#include <string_view>

#include "common/FieldTable.h"
#include "ntu/ThermalState.h"
#include "thermal/InputCaptions.h"
#include "thermal/ResultCaptions.h"
#include "thermal/ThermalSolver.h"

namespace calvora {

inline constexpr std::string_view kThermalScreen = "Combi1Dlg";
inline constexpr std::string_view kThermalResultsScreen = "Results1";

using ThermalField = fields::InputField<ThermalInputs>;
using ThermalResultField = fields::ResultField<ThermalState>;

namespace thermal_rows {

template <thermal_input::Quantity Q>
std::string& EntryText(ThermalInputs& r) {
  return r.texts[static_cast<int>(Q)];
}
template <Unknown U>
bool& UnknownMark(ThermalInputs& r) {
  return r.unknown[static_cast<int>(U)];
}

template <thermal_input::Quantity Q>
constexpr ThermalField Entry(std::string_view key, std::string_view edit, std::string_view caption,
                             std::string_view unit) {
  return {key, fields::Kind::Text, kThermalScreen, edit, caption, unit, &EntryText<Q>};
}

}  // namespace thermal_rows

// The eleven entries in thermal_input::Quantity order (the screen's order, top
// to bottom), then the two choices.
inline constexpr std::array<ThermalField, 13> kThermalInputFields = [] {
  namespace ti = thermal_input;
  using thermal_rows::Entry;
  using Q = ti::Quantity;
  return std::array<ThermalField, 13>{{
      Entry<Q::Th1>("Th1", "Edit1",
                    "Th1---The inlet temperature of the hot fluid (deg.c) :", "degC"),
      Entry<Q::Tc1>("Tc1", "Edit3",
                    "Tc1---The inlet temperature of the cold fluid (deg.C) :", "degC"),
      Entry<Q::Th0>("Th0", "Edit2",
                    "Th0---The outlet temperature of the hot fluid (deg.C) :", "degC"),
      Entry<Q::Tc0>("Tc0", "Edit4",
                    "Tc0---The outlet temperature of the cold fluid (deg.C) :", "degC"),
      Entry<Q::Mh>("Mh", "Edit5", "Mh---The mass flow rate of the hot fluid (kg/sec) :", "kg/s"),
      Entry<Q::Mc>("Mc", "Edit6", "Mc---The mass flow rate of the cold fluid (kg/sec) :", "kg/s"),
      Entry<Q::Q>("Q", "Edit7", "Q---The total heat transfer (Watts) :", "W"),
      Entry<Q::A>("A", "Edit8", "A---The total surface area of the heat exchanger (m2) :", "m2"),
      Entry<Q::U>("U", "Edit9",
                  "U---The overall heat transfer coefficient (W/m2.deg.C) :", "W/(m2 K)"),
      Entry<Q::Cc>("cc", "Edit10",
                   "Specific heat capacity of the cold fluid (J/kg.deg.c) :", "J/(kg K)"),
      Entry<Q::Ch>("ch", "Edit11",
                   "Specific heat capacity of the hot fluid (J/kg.deg.c) :", "J/(kg K)"),
      {"type", fields::Kind::Choice, kThermalScreen, "RadioGroup1", ti::kExchangerTypeCaption, "",
       nullptr, [](ThermalInputs& r) -> int& { return r.exchangerType; }, nullptr,
       ti::kExchangerTypes},
      {"mixing", fields::Kind::Choice, kThermalScreen, "RadioGroup2", ti::kCrossFlowCaption, "",
       nullptr, [](ThermalInputs& r) -> int& { return r.mixing; }, nullptr, ti::kCrossFlowMixings},
  }};
}();

// The row of an entry.
constexpr const ThermalField& EntryRow(thermal_input::Quantity q) {
  return kThermalInputFields[static_cast<int>(q)];
}

// The seven "unknown" check boxes, in Unknown order: each carries the caption
// of its quantity (the box is that entry's caption on the screen).
inline constexpr std::array<ThermalField, kUnknownCount> kThermalUnknownFields = [] {
  using thermal_rows::UnknownMark;
  using U = Unknown;
  const auto box = [](U u, std::string_view name, bool& (*mark)(ThermalInputs&)) {
    const ThermalField& entry = kThermalInputFields[static_cast<int>(u) + 2];  // after Th1, Tc1
    return ThermalField{
        entry.key, fields::Kind::Check, kThermalScreen, name, entry.caption, "", nullptr, nullptr,
        mark};
  };
  return std::array<ThermalField, kUnknownCount>{{
      box(U::Th0, "CheckBox2", &UnknownMark<U::Th0>),
      box(U::Tc0, "CheckBox4", &UnknownMark<U::Tc0>),
      box(U::Mh, "CheckBox5", &UnknownMark<U::Mh>),
      box(U::Mc, "CheckBox6", &UnknownMark<U::Mc>),
      box(U::Q, "CheckBox7", &UnknownMark<U::Q>),
      box(U::A, "CheckBox8", &UnknownMark<U::A>),
      box(U::U, "CheckBox9", &UnknownMark<U::U>),
  }};
}();

// The symbols of the unknowns, in Unknown order: a case file lists the marked ones.
inline constexpr std::array<std::string_view, kUnknownCount> kThermalUnknownSymbols = [] {
  std::array<std::string_view, kUnknownCount> symbols{};
  for (int i = 0; i < kUnknownCount; ++i)
    symbols[i] = kThermalUnknownFields[i].key;
  return symbols;
}();

// The labels beside the entries that are never unknown (the caption of every
// other entry is its unknown box).
struct PromptLabel {
  std::string_view key;
  std::string_view objectName;
};
inline constexpr std::array<PromptLabel, 4> kThermalPromptLabels = {{
    {"Th1", "Label1"},
    {"Tc1", "Label3"},
    {"cc", "Label10"},
    {"ch", "Label11"},
}};

// The fifteen results fields Edit1..Edit15, in screen (and report) order: the
// temperatures with their sign, every other value without it.
inline constexpr std::array<ThermalResultField, thermal_results::kFieldCount> kThermalResultFields =
    [] {
      namespace tr = thermal_results;
      using S = const ThermalState&;
      const auto row = [](std::string_view key, int n, std::string_view caption,
                          std::string_view unit, std::string_view group, double (*value)(S),
                          int digits, std::string_view edit, std::string_view label) {
        return ThermalResultField{.key = key,
                                  .objectName = edit,
                                  .caption = caption,
                                  .unit = unit,
                                  .group = group,
                                  .value = value,
                                  .precision = 10,
                                  .digits = digits,
                                  .absolute = group != tr::kTemperaturesGroup,
                                  .prompt = label,
                                  .reportPlace = n};
      };
      const auto t = tr::kTemperaturesGroup;
      const auto f = tr::kFlowGroup;
      const auto x = tr::kExchangerGroup;
      return std::array<ThermalResultField, tr::kFieldCount>{{
          row(
              "Th1", 1, "Inlet temperature of the hot fluid :", "degC", t,
              [](S s) { return s.Th1; }, 3, "Edit1", "Label1"),
          row(
              "Tc1", 2, "Inlet temperature of the cold fluid :", "degC", t,
              [](S s) { return s.Tc1; }, 3, "Edit2", "Label2"),
          row(
              "Th0", 3, "Outlet temperature  of the hot fluid :", "degC", t,
              [](S s) { return s.Th0; }, 3, "Edit3", "Label3"),
          row(
              "Tc0", 4, "Outlet temperature of the cold fluid :", "degC", t,
              [](S s) { return s.Tc0; }, 3, "Edit4", "Label4"),
          row(
              "U", 5, "The overall heat transfer coefficient, U (W/m2.deg.c) :", "W/(m2 K)", f,
              [](S s) { return s.U; }, 3, "Edit5", "Label5"),
          row(
              "Mc", 6, "The mass flow rate of the cold fluid (kg/sec) :", "kg/s", f,
              [](S s) { return s.mc; }, 3, "Edit6", "Label6"),
          row(
              "Mh", 7, "The mass flow rate of the hot fluid (kg/sec) :", "kg/s", f,
              [](S s) { return s.mh; }, 3, "Edit7", "Label7"),
          row(
              "cc", 8, "The specific heat capacity of the cold fluid (J/Kg.deg.c) :", "J/(kg K)", f,
              [](S s) { return s.cc; }, 3, "Edit8", "Label8"),
          row(
              "ch", 9, "The specific heat capacity of the hot fluid (J/Kg.deg.c) :", "J/(kg K)", f,
              [](S s) { return s.ch; }, 3, "Edit9", "Label9"),
          row(
              "Cmin", 10, "The minimum capacity flow (Cmin) :", "W/K", f,
              [](S s) { return s.Cmin; }, 3, "Edit10", "Label10"),
          row(
              "Cmax", 11, "The maximum capacity flow rate (Cmax) :", "W/K", f,
              [](S s) { return s.Cmax; }, 3, "Edit11", "Label11"),
          row(
              "Q", 12, "The total overall heat transfer, Q (W) :", "W", f, [](S s) { return s.Q; },
              3, "Edit12", "Label12"),
          row(
              "A", 13, "Total surface area (m2) :", "m2", x, [](S s) { return s.A; }, 4, "Edit13",
              "Label13"),
          row(
              "E", 14, "The effectiveness, E :", "", x, [](S s) { return s.epsilon; }, 4, "Edit14",
              "Label14"),
          row(
              "NTU", 15, "Number of transfer units :", "", x, [](S s) { return s.NTU; }, 4,
              "Edit15", "Label15"),
      }};
    }();

}  // namespace calvora
