#include "design/DesignReport.h"

#include <string_view>

#include "analyses/CompactSurfaces.h"
#include "design/DesignCaptions.h"

namespace calvora {

namespace {

namespace dt = design;

using Lines = std::vector<std::string>;

void Add(Lines& lines, std::string_view text) {
  lines.emplace_back(text);
}

void AddBlank(Lines& lines, int count) {
  for (int i = 0; i < count; ++i)
    lines.emplace_back();
}

// A caption line: caption, separator, text.
void AddEntry(Lines& lines, const ReportEntry& entry, std::string_view separator = "   ") {
  lines.push_back(entry.caption + std::string(separator) + entry.text);
}

template <std::size_t N>
void AddSentence(Lines& lines, const std::array<std::string_view, N>& sentences, int index) {
  if (index >= 0 && index < static_cast<int>(N))
    Add(lines, sentences[index]);
}

void AddFluids(Lines& lines, const ReportFluids& fluids) {
  AddSentence(lines, dt::kInnerFluidSentences, fluids.innerFluid);
  lines.push_back(" " + fluids.innerTemperature.caption + "   " + fluids.innerTemperature.text);
  AddSentence(lines, dt::kOuterFluidSentences, fluids.outerFluid);
  lines.push_back(" " + fluids.outerTemperature.caption + "   " + fluids.outerTemperature.text);
  AddSentence(lines, dt::kMaterialSentences, fluids.material);
}

void AddDoublePipe(Lines& lines, const DoublePipeReport& page) {
  Add(lines, dt::kReportDoublePipeType);
  for (const ReportEntry& entry : page.entries)
    AddEntry(lines, entry);
  if (page.iteration)
    AddSentence(lines, dt::kReportFlowConditionSentences, page.flowCondition);
  AddFluids(lines, page.fluids);
}

void AddCrossFlow(Lines& lines, const CrossFlowReport& page) {
  Add(lines, dt::kReportCrossFlowType);
  for (const ReportEntry& entry : page.entries)
    AddEntry(lines, entry);
  if (page.arrangement == 0) {
    Add(lines, dt::kReportInLine);
    lines.push_back(std::string(dt::kReportHorizontalSpacing) + page.inLineSp);
    lines.push_back(std::string(dt::kReportInLineVerticalSpacing) + page.inLineSn);
  } else if (page.arrangement == 1) {
    Add(lines, dt::kReportStaggered);
    lines.push_back(std::string(dt::kReportHorizontalSpacing) + page.staggeredSp);
    lines.push_back(std::string(dt::kReportStaggeredVerticalSpacing) + page.staggeredSn);
  }
  AddFluids(lines, page.fluids);
}

void AddShellAndTube(Lines& lines, const ShellAndTubeReport& page) {
  Add(lines, dt::kReportShellAndTubeType);
  lines.push_back(std::string(dt::kReportShellDiameter) + page.shellDiameter);
  lines.push_back(std::string(dt::kReportTubeDiameter) + page.tubeDiameter);
  AddEntry(lines, page.clearance);
  AddEntry(lines, page.baffles, " :   ");
  AddEntry(lines, page.centralSpace);
  AddEntry(lines, page.endSpace);
  lines.push_back(std::string(dt::kReportInnerFlow) + page.innerFlow);
  lines.push_back(std::string(dt::kReportOuterFlow) + page.outerFlow);
  Add(lines, dt::kReportArrangementHeading);
  if (page.layoutChosen)
    lines.push_back(page.layoutCaption + " " + page.layoutLine);
  AddFluids(lines, page.fluids);
}

void AddCompact(Lines& lines, const CompactReport& page) {
  Add(lines, dt::kReportCompactType);
  AddBlank(lines, 1);
  // An index outside the list, like the empty separator item, has six empty texts.
  std::array<std::string_view, 6> s{};
  if (const TubeFinSurface* surface = CompactSurfaceAt(page.surface))
    s = surface->reportTexts;
  auto join = [](std::initializer_list<std::string_view> parts) {
    std::string line;
    for (std::string_view part : parts)
      line += part;
    return line;
  };
  lines.push_back(join({dt::kReportOuterTubeDiameter, s[0], dt::kReportFinDiameter, s[1]}));
  lines.push_back(
      join({dt::kReportVerticalSpacing, s[2], dt::kReportHorizontalSpacingCompact, s[3]}));
  lines.push_back(join({dt::kReportHydraulicDiameter, s[4], dt::kReportFinThickness, s[5]}));
  AddBlank(lines, 1);
  for (const ReportEntry& entry : page.entries)
    AddEntry(lines, entry);
  AddFluids(lines, page.fluids);
}

void AddOptional(Lines& lines, std::string_view text, const OptionalResult& result) {
  if (result.visible)
    lines.push_back(std::string(text) + result.text);
}

void AddResults(Lines& lines, const ResultsReport& results) {
  for (const ReportEntry& entry : results.lines)
    AddEntry(lines, entry, "    ");
  for (std::size_t row = 0; row < results.rowCaptions.size(); ++row)
    lines.push_back(results.innerColumn + " Fluid " + results.rowCaptions[row] + "  " +
                    results.inner[row]);
  for (std::size_t row = 0; row < results.rowCaptions.size(); ++row)
    lines.push_back(results.outerColumn + " Fluid " + results.rowCaptions[row] + "  " +
                    results.outer[row]);
  AddOptional(lines, dt::kReportInnerInlet, results.innerInlet);
  AddOptional(lines, dt::kReportOuterInlet, results.outerInlet);
  AddOptional(lines, dt::kReportHeatTransfer, results.heatTransfer);
  AddOptional(lines, dt::kReportColdExit, results.coldExit);
  AddOptional(lines, dt::kReportHotExit, results.hotExit);
  AddOptional(lines, dt::kReportInnerPressureDrop, results.innerDrop);
  AddOptional(lines, dt::kReportOuterPressureDrop, results.outerDrop);
}

}  // namespace

std::vector<std::string> DesignPageBlock(const DesignReportSnapshot& snapshot) {
  Lines lines;
  switch (snapshot.pageIndex) {
    case 0:
      AddDoublePipe(lines, snapshot.doublePipe);
      break;
    case 1:
      AddCrossFlow(lines, snapshot.crossFlow);
      break;
    case 2:
      AddShellAndTube(lines, snapshot.shellAndTube);
      break;
    case 3:
      AddCompact(lines, snapshot.compact);
      break;
    default:
      break;
  }
  return lines;
}

std::vector<std::string> DesignReportLines(const DesignReportSnapshot& snapshot, ReportKind kind) {
  Lines lines;
  if (kind == ReportKind::Printed)
    AddBlank(lines, 1);
  Add(lines, dt::kReportIntro1);
  Add(lines, dt::kReportIntro2);
  AddBlank(lines, 2);
  Add(lines, dt::kReportDataHeading);
  AddBlank(lines, 1);
  for (std::string& line : DesignPageBlock(snapshot))
    lines.push_back(std::move(line));
  AddBlank(lines, 3);
  Add(lines, dt::kReportResultsHeading);
  AddBlank(lines, 1);
  AddResults(lines, snapshot.results);
  if (kind == ReportKind::Saved) {
    AddBlank(lines, 1);
    Add(lines, dt::kReportSavedEnding);
    AddBlank(lines, 2);
  } else {
    AddBlank(lines, 2);
    Add(lines, dt::kReportPrintedEnding1);
    Add(lines, dt::kReportPrintedEnding2);
  }
  return lines;
}

ResultsReport ResultsReportOf(const DesignOutcome& outcome) {
  namespace dt = design;
  ResultsReport r;
  for (int number = 3; number <= 8; ++number)
    r.lines.push_back({std::string(dt::kResultRows[number - 1].caption), outcome.text(number)});
  r.innerColumn = dt::kInnerColumn;
  r.outerColumn = dt::kOuterColumn;
  for (int row = 0; row < 4; ++row) {
    r.rowCaptions[row] = dt::kPropertyRows[row];
    r.inner[row] = outcome.text(14 + 2 * row);
    r.outer[row] = outcome.text(15 + 2 * row);
  }
  auto optional = [&outcome](int number) {
    return OptionalResult{outcome.visible(number), outcome.text(number)};
  };
  r.innerInlet = optional(22);
  r.outerInlet = optional(23);
  r.heatTransfer = optional(9);
  r.coldExit = optional(10);
  r.hotExit = optional(11);
  r.innerDrop = optional(12);
  r.outerDrop = optional(13);
  return r;
}

}  // namespace calvora
