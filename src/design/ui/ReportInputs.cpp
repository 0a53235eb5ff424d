#include "design/ui/ReportInputs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>

#include "common/ui/RadioGroup.h"
#include "design/ui/Arangem.h"
#include "design/ui/Combi2.h"
#include "design/ui/SpacingDialog.h"

namespace {

std::string Std(const QString& text) {
  return text.toStdString();
}

std::string TextOf(const QLineEdit* edit) {
  return edit ? Std(edit->text()) : std::string();
}

calvora::ReportEntry EntryOf(const PageEntry& entry) {
  return {entry.prompt ? Std(entry.prompt->text()) : std::string(), TextOf(entry.edit)};
}

template <std::size_t N>
std::vector<calvora::ReportEntry> EntriesOf(const std::array<PageEntry, N>& page) {
  std::vector<calvora::ReportEntry> entries;
  for (const PageEntry& entry : page)
    entries.push_back(EntryOf(entry));
  return entries;
}

int IndexOf(const RadioGroup* group) {
  return group ? group->itemIndex() : -1;
}

bool Checked(const QCheckBox* box) {
  return box && box->isChecked();
}

calvora::ReportFluids FluidsOf(const PageFluids& page) {
  calvora::ReportFluids fluids;
  fluids.innerFluid = IndexOf(page.inner);
  fluids.innerTemperature = EntryOf(page.innerTemperature);
  fluids.outerFluid = IndexOf(page.outer);
  fluids.outerTemperature = EntryOf(page.outerTemperature);
  fluids.material = IndexOf(page.material);
  return fluids;
}

}  // namespace

calvora::DesignReportSnapshot DesignReportInputs(const TCombi2Dlg* screen,
                                                 const TSpacingDialog* inLine,
                                                 const TSpacingDialog* staggered,
                                                 const TArrangem* layouts) {
  // Without the screen its records stay empty: no control, no text.
  static const DoublePipePage kNoDoublePipe{};
  static const CrossFlowPage kNoCrossFlow{};
  static const ShellAndTubePage kNoShellAndTube{};
  static const CompactPage kNoCompact{};
  const DoublePipePage& doublePipe = screen ? screen->doublePipePage() : kNoDoublePipe;
  const CrossFlowPage& crossFlow = screen ? screen->crossFlowPage() : kNoCrossFlow;
  const ShellAndTubePage& shellAndTube = screen ? screen->shellAndTubePage() : kNoShellAndTube;
  const CompactPage& compact = screen ? screen->compactPage() : kNoCompact;

  calvora::DesignReportSnapshot s;
  s.pageIndex = screen ? screen->notebook()->currentIndex() : -1;

  s.doublePipe.entries = EntriesOf(doublePipe.entries);
  s.doublePipe.iteration = Checked(doublePipe.fluids.iteration);
  s.doublePipe.flowCondition = IndexOf(doublePipe.flowCondition);
  s.doublePipe.fluids = FluidsOf(doublePipe.fluids);

  s.crossFlow.entries = EntriesOf(crossFlow.entries);
  s.crossFlow.arrangement = IndexOf(crossFlow.arrangement);
  s.crossFlow.inLineSp = TextOf(inLine ? inLine->spEntry() : nullptr);
  s.crossFlow.inLineSn = TextOf(inLine ? inLine->snEntry() : nullptr);
  s.crossFlow.staggeredSp = TextOf(staggered ? staggered->spEntry() : nullptr);
  s.crossFlow.staggeredSn = TextOf(staggered ? staggered->snEntry() : nullptr);
  s.crossFlow.fluids = FluidsOf(crossFlow.fluids);

  using S = ShellAndTubePage;
  calvora::ShellAndTubeReport& st = s.shellAndTube;
  st.shellDiameter = TextOf(shellAndTube.entries[S::kShellDiameter].edit);
  st.tubeDiameter = TextOf(shellAndTube.entries[S::kTubeDiameter].edit);
  st.clearance = EntryOf(shellAndTube.entries[S::kClearance]);
  st.baffles = EntryOf(shellAndTube.entries[S::kBaffles]);
  st.centralSpace = EntryOf(shellAndTube.entries[S::kCentralBaffleSpace]);
  st.endSpace = EntryOf(shellAndTube.entries[S::kEndBaffleSpace]);
  st.innerFlow = TextOf(shellAndTube.entries[S::kInnerMassFlow].edit);
  st.outerFlow = TextOf(shellAndTube.entries[S::kOuterMassFlow].edit);
  const int layout = layouts ? layouts->tubeLayout() : -1;
  if (layout >= 1 && layout <= 6) {
    st.layoutChosen = true;
    st.layoutCaption = Std(layouts->button(layout - 1)->text());
    st.layoutLine = Std(layouts->secondLine(layout - 1)->text());
  }
  st.fluids = FluidsOf(shellAndTube.fluids);

  s.compact.surface = compact.surfaces ? compact.surfaces->currentIndex() : -1;
  s.compact.entries = EntriesOf(compact.entries);
  s.compact.fluids = FluidsOf(compact.fluids);
  return s;
}
