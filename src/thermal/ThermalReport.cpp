#include "thermal/ThermalReport.h"

#include <string_view>

namespace calvora {

namespace {

namespace ti = thermal_input;

struct ItemLine {
  std::string_view item;
  std::string_view line;
};

constexpr ItemLine kArrangementLines[] = {
    {ti::kParallelFlow, "The type of heat exchanger being analysed is parallel flow."},
    {ti::kCounterFlow, "The type of heat exchanger being analysed is counter flow."},
    {ti::kShellAndTube,
     "The type of heat exchanger being analysed is shell and tube (one pass, 2,4 or 6 tubes)."},
    {ti::kCapacityRatioZero,
     "The type of heat exchanger being analysed is all exchangers with C=0."},
    {ti::kCrossFlow, "The type of heat exchanger being analysed is cross flow."},
};

constexpr ItemLine kMixingLines[] = {
    {ti::kColdUnmixed, "  The cold fluid is unmixed."},
    {ti::kColdMixed, "  The cold fluid is mixed."},
    {ti::kBothMixed, "  Both the fluid are mixed."},
    {ti::kBothUnmixed, "  Both the fluid are unmixed."},
};

// Entered values in report order; the specific heats follow unconditionally.
constexpr ti::Quantity kEnteredOrder[] = {ti::Quantity::Th1, ti::Quantity::Th0, ti::Quantity::Tc1,
                                          ti::Quantity::Tc0, ti::Quantity::Mh,  ti::Quantity::Mc,
                                          ti::Quantity::Q,   ti::Quantity::A,   ti::Quantity::U};

std::string CaptionLine(const ReportField& f) {
  return f.caption + "  " + f.text;
}

const ItemLine* Find(const ItemLine* begin, const ItemLine* end, const std::string& item) {
  for (const ItemLine* p = begin; p != end; ++p) {
    if (p->item == item)
      return p;
  }
  return nullptr;
}

}  // namespace

std::vector<std::string> ThermalReportLines(const ThermalReportSnapshot& snap,
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

  if (const ItemLine* a =
          Find(std::begin(kArrangementLines), std::end(kArrangementLines), snap.arrangementItem)) {
    lines.emplace_back(a->line);
    if (snap.arrangementItem == ti::kCrossFlow) {
      if (const ItemLine* m =
              Find(std::begin(kMixingLines), std::end(kMixingLines), snap.mixingItem)) {
        lines.emplace_back(m->line);
      }
    }
  }

  for (ti::Quantity q : kEnteredOrder) {
    const ReportField& f = snap.inputs[static_cast<int>(q)];
    if (f.visible)
      lines.push_back(CaptionLine(f));
  }
  lines.push_back(CaptionLine(snap.inputs[static_cast<int>(ti::Quantity::Cc)]));
  lines.push_back(CaptionLine(snap.inputs[static_cast<int>(ti::Quantity::Ch)]));
  blank(3);

  lines.emplace_back("The list below is of the results obtained by the program :");
  blank(1);
  for (int i = 0; i < thermal_results::kFieldCount; ++i) {
    lines.push_back(CaptionLine(snap.results[i]));
    // A blank line closes the temperatures (Edit1-4) and the flow conditions (Edit5-12).
    if (i == 3 || i == 11)
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
