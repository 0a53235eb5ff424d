#include "thermal/ThermalReport.h"

#include <iterator>
#include <string_view>

#include "thermal/ThermalFields.h"

namespace calvora {

namespace {

namespace ti = thermal_input;

// One line per item of "Type of Heat Exchanger" and of "Type of Cross Flow", in item order.
constexpr std::string_view kArrangementLines[] = {
    "The type of heat exchanger being analysed is parallel flow.",
    "The type of heat exchanger being analysed is counter flow.",
    "The type of heat exchanger being analysed is shell and tube (one pass, 2,4 or 6 tubes).",
    "The type of heat exchanger being analysed is all exchangers with C=0.",
    "The type of heat exchanger being analysed is cross flow.",
};
static_assert(std::size(kArrangementLines) == ti::kExchangerTypes.size());

constexpr std::string_view kMixingLines[] = {
    "  The cold fluid is unmixed.",
    "  The cold fluid is mixed.",
    "  Both the fluid are mixed.",
    "  Both the fluid are unmixed.",
};
static_assert(std::size(kMixingLines) == ti::kCrossFlowMixings.size());

// Entered values in report order; the specific heats follow unconditionally.
constexpr ti::Quantity kEnteredOrder[] = {ti::Quantity::Th1, ti::Quantity::Th0, ti::Quantity::Tc1,
                                          ti::Quantity::Tc0, ti::Quantity::Mh,  ti::Quantity::Mc,
                                          ti::Quantity::Q,   ti::Quantity::A,   ti::Quantity::U};

std::string CaptionLine(std::string_view caption, const std::string& text) {
  return std::string(caption) + "  " + text;
}

}  // namespace

std::vector<std::string> ThermalReportLines(const ThermalInputs& in, const ThermalOutcome& outcome,
                                            ReportVariant variant) {
  std::vector<std::string> lines;
  const auto blank = [&](int n) { lines.insert(lines.end(), n, std::string()); };

  if (variant == ReportVariant::Printed)
    blank(1);
  lines.emplace_back("The following is a full set of results obtained from the NTU- Effectiveness");
  lines.emplace_back("method for a full thermal analysis of the chosen heat exchanger.");
  blank(2);
  lines.emplace_back("The list below is of the user entered data :");
  blank(1);

  if (in.exchangerType >= 0 && in.exchangerType < static_cast<int>(std::size(kArrangementLines))) {
    lines.emplace_back(kArrangementLines[in.exchangerType]);
    if (in.Arrangement() == FlowArrangement::CrossFlow && in.mixing >= 0 &&
        in.mixing < static_cast<int>(std::size(kMixingLines)))
      lines.emplace_back(kMixingLines[in.mixing]);
  }

  const auto entry = [&](ti::Quantity q) {
    return CaptionLine(EntryRow(q).caption, in.texts[static_cast<int>(q)]);
  };
  for (ti::Quantity q : kEnteredOrder) {
    if (!in.IsUnknown(q))
      lines.push_back(entry(q));
  }
  lines.push_back(entry(ti::Quantity::Cc));
  lines.push_back(entry(ti::Quantity::Ch));
  blank(3);

  lines.emplace_back("The list below is of the results obtained by the program :");
  blank(1);
  for (std::size_t i = 0; i < kThermalResultFields.size(); ++i) {
    const ThermalResultField& row = kThermalResultFields[i];
    if (row.reportPlace > 0)
      lines.push_back(CaptionLine(row.reportCaption.empty() ? row.caption : row.reportCaption,
                                  outcome.fieldTexts[i]));
    // A blank line closes each group but the last.
    if (i + 1 < kThermalResultFields.size() && kThermalResultFields[i + 1].group != row.group)
      blank(1);
  }
  blank(2);

  if (variant == ReportVariant::Saved) {
    lines.emplace_back("Thank you for using Calvora v1.0");
    blank(1);
  } else {
    lines.emplace_back("Thank you for using this program.");
    lines.emplace_back("Hopefully any problems were quickly resolved.");
  }
  return lines;
}

}  // namespace calvora
