#include "design/DesignReport.h"

#include <algorithm>
#include <span>
#include <string_view>

#include "analyses/CompactSurfaces.h"
#include "design/DesignCaptions.h"
#include "design/DesignFields.h"

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

// The caption of the row `key` of `rows`.
template <class R, std::size_t N>
std::string_view CaptionOf(const std::array<fields::InputField<R>, N>& rows, std::string_view key) {
  return fields::FindField(rows, key)->caption;
}

// The record's text of the row `key`.
template <class R, std::size_t N>
std::string TextOf(const std::array<fields::InputField<R>, N>& rows, const R& in,
                   std::string_view key) {
  R copy = in;
  return fields::FindField(rows, key)->text(copy);
}

// A caption line of the row `key`: caption, separator, text as typed.
template <class R, std::size_t N>
void AddEntry(Lines& lines, const std::array<fields::InputField<R>, N>& rows, const R& in,
              std::string_view key, std::string_view separator = "   ") {
  lines.push_back(std::string(CaptionOf(rows, key)) + std::string(separator) +
                  TextOf(rows, in, key));
}

// The rows of the page's entry grid, in screen order.
template <class R, std::size_t N>
void AddEntryGrid(Lines& lines, const std::array<fields::InputField<R>, N>& rows, const R& in,
                  std::size_t count) {
  for (const auto& row : std::span(rows).first(count))
    AddEntry(lines, rows, in, row.key);
}

template <std::size_t N>
void AddSentence(Lines& lines, const std::array<std::string_view, N>& sentences, int index) {
  if (index >= 0 && index < static_cast<int>(N))
    Add(lines, sentences[index]);
}

template <class R, std::size_t N>
void AddFluids(Lines& lines, const std::array<fields::InputField<R>, N>& rows, const R& in) {
  // The temperature lines start with a blank: " Inner fluid Temp. :   80".
  const auto temperatureLine = [&](std::string_view key, const std::string& text) {
    std::string line(" ");
    line.append(CaptionOf(rows, key)).append("   ").append(text);
    lines.push_back(std::move(line));
  };
  AddSentence(lines, dt::kInnerFluidSentences, in.innerFluid);
  temperatureLine("innerTemperature", in.innerTemperature);
  AddSentence(lines, dt::kOuterFluidSentences, in.outerFluid);
  temperatureLine("outerTemperature", in.outerTemperature);
  AddSentence(lines, dt::kMaterialSentences, in.material);
}

void AddPage(Lines& lines, const DoublePipeInputs& in) {
  Add(lines, dt::kReportDoublePipeType);
  AddEntryGrid(lines, dt::kDoublePipeFields, in, dt::kDoublePipeEntryCount);
  if (in.iteration)
    AddSentence(lines, dt::kReportFlowConditionSentences, in.flowCondition);
  AddFluids(lines, dt::kDoublePipeFields, in);
}

void AddPage(Lines& lines, const CrossFlowInputs& in) {
  Add(lines, dt::kReportCrossFlowType);
  AddEntryGrid(lines, dt::kCrossFlowFields, in, dt::kCrossFlowEntryCount);
  if (in.arrangement == 0) {
    Add(lines, dt::kReportInLine);
    lines.push_back(std::string(dt::kReportHorizontalSpacing) + in.inLinePitchParallel);
    lines.push_back(std::string(dt::kReportInLineVerticalSpacing) + in.inLinePitchNormal);
  } else if (in.arrangement == 1) {
    Add(lines, dt::kReportStaggered);
    lines.push_back(std::string(dt::kReportHorizontalSpacing) + in.staggeredPitchParallel);
    lines.push_back(std::string(dt::kReportStaggeredVerticalSpacing) + in.staggeredPitchNormal);
  }
  AddFluids(lines, dt::kCrossFlowFields, in);
}

void AddPage(Lines& lines, const ShellAndTubeInputs& in) {
  const auto& rows = dt::kShellAndTubeFields;
  Add(lines, dt::kReportShellAndTubeType);
  lines.push_back(std::string(dt::kReportShellDiameter) + in.shellDiameter);
  lines.push_back(std::string(dt::kReportTubeDiameter) + in.tubeInsideDiameter);
  AddEntry(lines, rows, in, "clearance");
  AddEntry(lines, rows, in, "baffles", " :   ");
  AddEntry(lines, rows, in, "centralBaffleSpace");
  AddEntry(lines, rows, in, "endBaffleSpace");
  lines.push_back(std::string(dt::kReportInnerFlow) + in.innerMassFlow);
  lines.push_back(std::string(dt::kReportOuterFlow) + in.outerMassFlow);
  Add(lines, dt::kReportArrangementHeading);
  const auto chosen = std::ranges::find(in.arrangement, true);
  if (chosen != in.arrangement.end()) {
    const dt::LayoutText& layout = dt::kLayoutTexts[chosen - in.arrangement.begin()];
    lines.push_back(std::string(layout.firstLine) + " " + std::string(layout.secondLine));
  }
  AddFluids(lines, rows, in);
}

void AddPage(Lines& lines, const CompactInputs& in) {
  Add(lines, dt::kReportCompactType);
  AddBlank(lines, 1);
  // An index outside the list, like the empty separator item, has six empty texts.
  std::array<std::string_view, 6> s{};
  if (const TubeFinSurface* surface = CompactSurfaceAt(in.surface))
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
  AddEntryGrid(lines, dt::kCompactFields, in, dt::kCompactEntryCount);
  AddFluids(lines, dt::kCompactFields, in);
}

// The fields with a report place, in that order, each while it is visible: a
// column field as "<column> Fluid <caption>  <text>", a field with a report
// caption as that caption and the text, any other as its screen caption, four
// blanks and the text.
void AddResults(Lines& lines, const DesignOutcome& outcome) {
  std::array<int, kDesignResultFieldCount> order{};
  for (int i = 0; i < kDesignResultFieldCount; ++i)
    order[i] = i;
  std::ranges::sort(order, {}, [](int i) { return dt::kDesignResultFields[i].reportPlace; });
  for (int i : order) {
    const auto& f = dt::kDesignResultFields[i];
    if (f.reportPlace == 0 || !outcome.fieldVisible[i])
      continue;
    const std::string& text = outcome.fieldTexts[i];
    if (!f.column.empty()) {
      lines.push_back(std::string(f.column) + " Fluid " + std::string(f.caption) + "  " + text);
    } else if (!f.reportCaption.empty()) {
      lines.push_back(std::string(f.reportCaption) + text);
    } else {
      lines.push_back(std::string(f.caption) + "    " + text);
    }
  }
}

}  // namespace

std::vector<std::string> DesignPageBlock(const DesignInputs& inputs) {
  Lines lines;
  std::visit([&lines](const auto& in) { AddPage(lines, in); }, inputs);
  return lines;
}

std::vector<std::string> DesignReportLines(const DesignOutcome& outcome, ReportKind kind) {
  Lines lines;
  if (kind == ReportKind::Printed)
    AddBlank(lines, 1);
  Add(lines, dt::kReportIntro1);
  Add(lines, dt::kReportIntro2);
  AddBlank(lines, 2);
  Add(lines, dt::kReportDataHeading);
  AddBlank(lines, 1);
  for (std::string& line : DesignPageBlock(outcome.inputs))
    lines.push_back(std::move(line));
  AddBlank(lines, 3);
  Add(lines, dt::kReportResultsHeading);
  AddBlank(lines, 1);
  AddResults(lines, outcome);
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

}  // namespace calvora
