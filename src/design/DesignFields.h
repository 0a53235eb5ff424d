#pragma once

// Every entry, choice and check box of the four design pages and their dialogs,
// and every field of the design results screen, declared once. The design
// screen builds its entry rows from these tables, one reader fills an input
// record from a page (and fills a page from a record), the report takes its
// captions from them, and case files and the command line address the values
// by their keys.

#include <algorithm>
#include <array>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

#include "analyses/CompactAnalysis.h"
#include "analyses/CrossFlow.h"
#include "analyses/DesignResult.h"
#include "analyses/DoublePipe.h"
#include "analyses/Materials.h"
#include "analyses/PressureDrops.h"
#include "analyses/ShellAndTube.h"
#include "common/FieldTable.h"
#include "design/DesignCaptions.h"
#include "properties/FluidTables.h"

namespace calvora::design {

// The four pages of the design screen, in notebook order.
enum class DesignPage { DoublePipe, CrossFlow, ShellAndTube, Compact };
inline constexpr int kDesignPageCount = 4;
inline constexpr std::array<DesignPage, kDesignPageCount> kDesignPages = {
    DesignPage::DoublePipe, DesignPage::CrossFlow, DesignPage::ShellAndTube, DesignPage::Compact};

// objectNames of the design screen and of the dialogs it opens.
inline constexpr std::string_view kDesignScreen = "Combi2Dlg";
inline constexpr std::string_view kInnerFluidDialog = "Other1dlg";
inline constexpr std::string_view kOuterFluidDialog = "Other2dlg";
inline constexpr std::string_view kPressureDialog = "Pressdlg";
inline constexpr std::string_view kMixingDialog = "Crossmix";
inline constexpr std::string_view kInLineDialog = "Inlinedlg";
inline constexpr std::string_view kStaggeredDialog = "Staggerdlg";
inline constexpr std::string_view kLayoutDialog = "Arrangem";

inline constexpr std::array<std::string_view, 4> kLiquidItems = {kFluidItems[0], kFluidItems[1],
                                                                 kFluidItems[2], kOtherLiquidItem};
inline constexpr std::array<std::string_view, 2> kFlowConditionItems = {kParallelFlow,
                                                                        kCounterFlow};
inline constexpr std::array<std::string_view, 2> kArrangementItems = {kInLineArrangement,
                                                                      kStaggeredArrangement};
inline constexpr auto kSurfaceItems = [] {
  std::array<std::string_view, kCompactSurfaceCount> items{};
  for (std::size_t i = 0; i < items.size(); ++i)
    items[i] = kCompactSurfaces[i].itemText;
  return items;
}();

template <class R>
using Field = fields::InputField<R>;
using fields::Kind;

// The rows of several parts, one after the other.
template <class R, std::size_t... N>
constexpr auto Join(const std::array<Field<R>, N>&... parts) {
  std::array<Field<R>, (N + ...)> all{};
  auto at = all.begin();
  ((at = std::copy(parts.begin(), parts.end(), at)), ...);
  return all;
}

// The names and captions of one page's fluid, material and box controls.
struct FluidControlNames {
  std::string_view innerGroup, innerEdit, outerGroup, outerEdit, material, conductivity, pressure,
      iteration;
  std::string_view pressureCaption, iterationCaption;
  bool liquids;  // the compacts page asks for liquids
};

// The fluid choices with their inlet temperatures, the material with the
// conductivity of "Other", the pressure-drop and iteration boxes: every page
// has them under the same member names.
template <class R>
constexpr std::array<Field<R>, 8> FluidControls(const FluidControlNames& n) {
  const std::span<const std::string_view> fluids =
      n.liquids ? std::span<const std::string_view>(kLiquidItems) : kFluidItems;
  return {{
      {"innerFluid", Kind::Choice, kDesignScreen, n.innerGroup,
       n.liquids ? kInnerLiquidCaption : kInnerFluidCaption, "", nullptr,
       [](R& r) -> int& { return r.innerFluid; }, nullptr, fluids},
      {"innerTemperature", Kind::Text, kDesignScreen, n.innerEdit,
       n.liquids ? kInnerLiquidTempCaption : kInnerTempCaption, "degC",
       [](R& r) -> std::string& { return r.innerTemperature; }},
      {"outerFluid", Kind::Choice, kDesignScreen, n.outerGroup,
       n.liquids ? kOuterLiquidCaption : kOuterFluidCaption, "", nullptr,
       [](R& r) -> int& { return r.outerFluid; }, nullptr, fluids},
      {"outerTemperature", Kind::Text, kDesignScreen, n.outerEdit,
       n.liquids ? kOuterLiquidTempCaption : kOuterTempCaption, "degC",
       [](R& r) -> std::string& { return r.outerTemperature; }},
      {"material", Kind::Choice, kDesignScreen, n.material, kMaterialCaption, "", nullptr,
       [](R& r) -> int& { return r.material; }, nullptr, kMaterialItems},
      {"otherMaterialConductivity", Kind::Text, kDesignScreen, n.conductivity,
       n.liquids ? kCompactConductivityPrompt1 : kConductivityPrompt, "W/(m K)",
       [](R& r) -> std::string& { return r.otherMaterialConductivity; }},
      {"pressureDrops", Kind::Check, kDesignScreen, n.pressure, n.pressureCaption, "", nullptr,
       nullptr, [](R& r) -> bool& { return r.pressureDrops; }},
      {"iteration", Kind::Check, kDesignScreen, n.iteration, n.iterationCaption, "", nullptr,
       nullptr, [](R& r) -> bool& { return r.iteration; }},
  }};
}

// The four entries of the inner and of the outer fluid-data dialog.
template <class R>
constexpr std::array<Field<R>, 8> FluidDataControls() {
  constexpr auto& p = kOtherFluidPrompts;
  return {{
      {"innerFluidSpecificHeat", Kind::Text, kInnerFluidDialog, "Edit1", p[0], "J/(kg K)",
       [](R& r) -> std::string& { return r.innerFluidData[0]; }},
      {"innerFluidViscosity", Kind::Text, kInnerFluidDialog, "Edit2", p[1], "Pa s",
       [](R& r) -> std::string& { return r.innerFluidData[1]; }},
      {"innerFluidConductivity", Kind::Text, kInnerFluidDialog, "Edit3", p[2], "W/(m K)",
       [](R& r) -> std::string& { return r.innerFluidData[2]; }},
      {"innerFluidDensity", Kind::Text, kInnerFluidDialog, "Edit4", p[3], "kg/m3",
       [](R& r) -> std::string& { return r.innerFluidData[3]; }},
      {"outerFluidSpecificHeat", Kind::Text, kOuterFluidDialog, "Edit1", p[0], "J/(kg K)",
       [](R& r) -> std::string& { return r.outerFluidData[0]; }},
      {"outerFluidViscosity", Kind::Text, kOuterFluidDialog, "Edit2", p[1], "Pa s",
       [](R& r) -> std::string& { return r.outerFluidData[1]; }},
      {"outerFluidConductivity", Kind::Text, kOuterFluidDialog, "Edit3", p[2], "W/(m K)",
       [](R& r) -> std::string& { return r.outerFluidData[2]; }},
      {"outerFluidDensity", Kind::Text, kOuterFluidDialog, "Edit4", p[3], "kg/m3",
       [](R& r) -> std::string& { return r.outerFluidData[3]; }},
  }};
}

// The inner tube type and the two pipe diameters of the pressure-drop dialog.
template <class R>
constexpr std::array<Field<R>, 3> PressureControls(std::string_view inletPrompt,
                                                   std::string_view outletPrompt) {
  return {{
      {"innerTubeType", Kind::Choice, kPressureDialog, "RadioGroup1", kInnerTubeTypeCaption, "",
       nullptr, [](R& r) -> int& { return r.innerTubeType; }, nullptr, kTubeTypeItems},
      {"inletPipeDiameter", Kind::Text, kPressureDialog, "Edit1", inletPrompt, "m",
       [](R& r) -> std::string& { return r.inletPipeDiameter; }},
      {"outletPipeDiameter", Kind::Text, kPressureDialog, "Edit2", outletPrompt, "m",
       [](R& r) -> std::string& { return r.outletPipeDiameter; }},
  }};
}

// ---- double pipe -----------------------------------------------------------------

using DP = DoublePipeInputs;
// The page's entry grid: the first kDoublePipeEntryCount rows, in screen order.
inline constexpr std::size_t kDoublePipeEntryCount = 7;
inline constexpr auto kDoublePipeFields = Join<DP>(
    std::array<Field<DP>, kDoublePipeEntryCount>{{
        {"innerTubeInsideDiameter", Kind::Text, kDesignScreen, "Edit1",
         "Inside diameter of the inner tube ( m ) :", "m",
         [](DP& r) -> std::string& { return r.innerTubeInsideDiameter; }},
        {"innerTubeOutsideDiameter", Kind::Text, kDesignScreen, "Edit2",
         "Outside diameter of the inner tube ( m ) :", "m",
         [](DP& r) -> std::string& { return r.innerTubeOutsideDiameter; }},
        {"outerTubeInsideDiameter", Kind::Text, kDesignScreen, "Edit3",
         "Inside diameter of the outer tube ( m ) :", "m",
         [](DP& r) -> std::string& { return r.outerTubeInsideDiameter; }},
        {"outerTubeOutsideDiameter", Kind::Text, kDesignScreen, "Edit4",
         "Outside diameter of the outer tube ( m ) :", "m",
         [](DP& r) -> std::string& { return r.outerTubeOutsideDiameter; }},
        {"length", Kind::Text, kDesignScreen, "Edit5", "Length of the inner tubes ( m ) :", "m",
         [](DP& r) -> std::string& { return r.length; }},
        {"innerMassFlow", Kind::Text, kDesignScreen, "Edit6",
         "Mass flow rate of the inner fluid ( kg/sec ) :", "kg/s",
         [](DP& r) -> std::string& { return r.innerMassFlow; }},
        {"outerMassFlow", Kind::Text, kDesignScreen, "Edit7",
         "Mass flow rate of the outer fluid ( kg/sec ) :", "kg/s",
         [](DP& r) -> std::string& { return r.outerMassFlow; }},
    }},
    FluidControls<DP>({"RadioGroup1", "Edit19", "RadioGroup2", "Edit20", "RadioGroup3", "Edit28",
                       "CheckBox1", "CheckBox2", kPressureDropsQuestion, kIterationQuestion,
                       false}),
    std::array<Field<DP>, 2>{{
        {"flowCondition", Kind::Choice, kDesignScreen, "RadioGroup4", kFlowConditionCaption, "",
         nullptr, [](DP& r) -> int& { return r.flowCondition; }, nullptr, kFlowConditionItems},
        {"outerTubeType", Kind::Choice, kPressureDialog, "RadioGroup2", kOuterTubeTypeCaption, "",
         nullptr, [](DP& r) -> int& { return r.outerTubeType; }, nullptr, kTubeTypeItems},
    }},
    PressureControls<DP>(kAnnulusInletPrompt, kAnnulusOutletPrompt), FluidDataControls<DP>());

// ---- cross flow ------------------------------------------------------------------

using CF = CrossFlowInputs;
inline constexpr std::size_t kCrossFlowEntryCount = 8;
inline constexpr auto kCrossFlowFields = Join<CF>(
    std::array<Field<CF>, kCrossFlowEntryCount>{{
        {"tubeInsideDiameter", Kind::Text, kDesignScreen, "Edit8",
         "Inside diameter of a tube ( m ) :", "m",
         [](CF& r) -> std::string& { return r.tubeInsideDiameter; }},
        {"tubeOutsideDiameter", Kind::Text, kDesignScreen, "Edit9",
         "Outside diameter of a tube ( m ) :", "m",
         [](CF& r) -> std::string& { return r.tubeOutsideDiameter; }},
        {"rowsNormal", Kind::Text, kDesignScreen, "Edit10", "Number of rows normal to the flow :",
         "", [](CF& r) -> std::string& { return r.rowsNormal; }},
        {"rowsParallel", Kind::Text, kDesignScreen, "Edit11",
         "Number of rows parallel to the flow :", "",
         [](CF& r) -> std::string& { return r.rowsParallel; }},
        {"tubeCount", Kind::Text, kDesignScreen, "Edit12", "The total number of tubes :", "",
         [](CF& r) -> std::string& { return r.tubeCount; }},
        {"length", Kind::Text, kDesignScreen, "Edit13", "The length of each tube ( m ) :", "m",
         [](CF& r) -> std::string& { return r.length; }},
        {"innerMassFlow", Kind::Text, kDesignScreen, "Edit14",
         "Total mass flow rate of the inner fluid ( kg/sec ) :", "kg/s",
         [](CF& r) -> std::string& { return r.innerMassFlow; }},
        {"outerMassFlow", Kind::Text, kDesignScreen, "Edit15",
         "Total mass flow rate of the outer fluid ( kg/sec ) :", "kg/s",
         [](CF& r) -> std::string& { return r.outerMassFlow; }},
    }},
    FluidControls<CF>({"RadioGroup5", "Edit21", "RadioGroup6", "Edit22", "RadioGroup7", "Edit29",
                       "CheckBox3", "CheckBox4", kPressureDropQuestion, kIterationQuestion, false}),
    std::array<Field<CF>, 6>{{
        {"arrangement", Kind::Choice, kDesignScreen, "RadioGroup8", kFlowConditionCaption, "",
         nullptr, [](CF& r) -> int& { return r.arrangement; }, nullptr, kArrangementItems},
        {"mixing", Kind::Choice, kMixingDialog, "RadioGroup1", kCrossmixHeading, "", nullptr,
         [](CF& r) -> int& { return r.mixing; }, nullptr, kMixingItems},
        {"inLinePitchParallel", Kind::Text, kInLineDialog, "Edit1", kSpacingSpPrompt, "m",
         [](CF& r) -> std::string& { return r.inLinePitchParallel; }},
        {"inLinePitchNormal", Kind::Text, kInLineDialog, "Edit2", kSpacingSnPrompt, "m",
         [](CF& r) -> std::string& { return r.inLinePitchNormal; }},
        {"staggeredPitchParallel", Kind::Text, kStaggeredDialog, "Edit1", kSpacingSpPrompt, "m",
         [](CF& r) -> std::string& { return r.staggeredPitchParallel; }},
        {"staggeredPitchNormal", Kind::Text, kStaggeredDialog, "Edit2", kSpacingSnPrompt, "m",
         [](CF& r) -> std::string& { return r.staggeredPitchNormal; }},
    }},
    PressureControls<CF>(kHeaderInletPrompt, kHeaderOutletPrompt), FluidDataControls<CF>());

// ---- shell and tube --------------------------------------------------------------

using ST = ShellAndTubeInputs;
inline constexpr std::size_t kShellAndTubeEntryCount = 8;
// The layout buttons of the layout dialog, TubeLayout 1 to 6.
template <std::size_t... I>
constexpr std::array<Field<ST>, sizeof...(I)> LayoutControls(std::index_sequence<I...>) {
  constexpr std::array<std::string_view, 6> keys = {"layout1", "layout2", "layout3",
                                                    "layout4", "layout5", "layout6"};
  constexpr std::array<std::string_view, 6> names = {"RadioButton1", "RadioButton2",
                                                     "RadioButton3", "RadioButton4",
                                                     "RadioButton5", "RadioButton6"};
  return {{{keys[I], Kind::Check, kLayoutDialog, names[I], kLayoutTexts[I].firstLine, "", nullptr,
            nullptr, [](ST& r) -> bool& { return r.arrangement[I]; }}...}};
}
inline constexpr auto kShellAndTubeFields = Join<ST>(
    std::array<Field<ST>, kShellAndTubeEntryCount>{{
        {"shellDiameter", Kind::Text, kDesignScreen, "Edit16",
         "Internal diameter of the shell (>0.205,<1.524):", "m",
         [](ST& r) -> std::string& { return r.shellDiameter; }},
        {"tubeInsideDiameter", Kind::Text, kDesignScreen, "Edit17",
         "Internal diameter of the tubes (<0.015875m):", "m",
         [](ST& r) -> std::string& { return r.tubeInsideDiameter; }},
        {"clearance", Kind::Text, kDesignScreen, "Edit18",
         "Minimum clearance between tubes and shell (m):", "m",
         [](ST& r) -> std::string& { return r.clearance; }},
        {"baffles", Kind::Text, kDesignScreen, "Edit25", "Number of baffles", "",
         [](ST& r) -> std::string& { return r.baffles; }},
        {"centralBaffleSpace", Kind::Text, kDesignScreen, "Edit26", "Central baffle space (m) :",
         "m", [](ST& r) -> std::string& { return r.centralBaffleSpace; }},
        {"endBaffleSpace", Kind::Text, kDesignScreen, "Edit27",
         "Inlet or outlet baffle space (m) :", "m",
         [](ST& r) -> std::string& { return r.endBaffleSpace; }},
        {"innerMassFlow", Kind::Text, kDesignScreen, "Edit31",
         "Total mass flow rate of inner fluid (Kg/s):", "kg/s",
         [](ST& r) -> std::string& { return r.innerMassFlow; }},
        {"outerMassFlow", Kind::Text, kDesignScreen, "Edit32",
         "Mass flow rate of the outer fluid (> 1Kg/s) :", "kg/s",
         [](ST& r) -> std::string& { return r.outerMassFlow; }},
    }},
    FluidControls<ST>({"RadioGroup9", "Edit23", "RadioGroup10", "Edit24", "RadioGroup11", "Edit30",
                       "CheckBox5", "CheckBox6", kPressureDropsQuestion, kIterationQuestion,
                       false}),
    PressureControls<ST>(kTubeHeaderInletPrompt, kTubeHeaderOutletPrompt),
    std::array<Field<ST>, 2>{{
        {"shellInletPipeDiameter", Kind::Text, kPressureDialog, "Edit3", kShellInletPrompt, "m",
         [](ST& r) -> std::string& { return r.shellInletPipeDiameter; }},
        {"shellOutletPipeDiameter", Kind::Text, kPressureDialog, "Edit4", kShellOutletPrompt, "m",
         [](ST& r) -> std::string& { return r.shellOutletPipeDiameter; }},
    }},
    LayoutControls(std::make_index_sequence<6>{}), FluidDataControls<ST>());

// ---- compacts --------------------------------------------------------------------

using CP = CompactInputs;
inline constexpr std::size_t kCompactEntryCount = 7;
inline constexpr auto kCompactFields = Join<CP>(
    std::array<Field<CP>, kCompactEntryCount>{{
        {"tubeInsideDiameter", Kind::Text, kDesignScreen, "Edit40",
         "Internal diameter of one of the tubes (m) :", "m",
         [](CP& r) -> std::string& { return r.tubeInsideDiameter; }},
        {"innerMassFlow", Kind::Text, kDesignScreen, "Edit39",
         "Mass flow rate of the internal fluid (kg/s) :", "kg/s",
         [](CP& r) -> std::string& { return r.innerMassFlow; }},
        {"outerMassFlow", Kind::Text, kDesignScreen, "Edit38",
         "Mass flow rate of the outer fluid (kg/s) :", "kg/s",
         [](CP& r) -> std::string& { return r.outerMassFlow; }},
        {"tubeCount", Kind::Text, kDesignScreen, "Edit37", "Number of tubes in the bunch :", "",
         [](CP& r) -> std::string& { return r.tubeCount; }},
        {"rowsParallel", Kind::Text, kDesignScreen, "Edit41", "Number of rows parallel to flow :",
         "", [](CP& r) -> std::string& { return r.rowsParallel; }},
        {"rowsNormal", Kind::Text, kDesignScreen, "Edit42", "Number of rows normal to the flow :",
         "", [](CP& r) -> std::string& { return r.rowsNormal; }},
        {"length", Kind::Text, kDesignScreen, "Edit36", "Length of one of the tubes (m) :", "m",
         [](CP& r) -> std::string& { return r.length; }},
    }},
    FluidControls<CP>({"RadioGroup14", "Edit33", "RadioGroup13", "Edit34", "RadioGroup12", "Edit35",
                       "CheckBox7", "CheckBox8", kPressureDropsQuestion, kCompactIterationQuestion,
                       true}),
    std::array<Field<CP>, 1>{{
        {"surface", Kind::Choice, kDesignScreen, "ComboBox1", kSurfaceHeading, "", nullptr,
         [](CP& r) -> int& { return r.surface; }, nullptr, kSurfaceItems},
    }},
    PressureControls<CP>(kHeaderInletPrompt, kHeaderOutletPrompt), FluidDataControls<CP>());

// ---- results ---------------------------------------------------------------------

using fields::Shown;
using RF = fields::ResultField<DesignResult>;

inline constexpr int kDesignResultFieldCount = 23;

// Edit1 to Edit23 of the results screen, in field order. The report writes the
// fields with a report place, in that order.
inline constexpr std::array<RF, kDesignResultFieldCount> kDesignResultFields = {{
    {"innerMassFlow", "Edit1", "Mass flow rate of the inner fluid (kg/s):", "kg/s",
     kFlowConditionsGroup, [](const DesignResult& r) { return r.innerMassFlow; }, 10, 4, true,
     Shown::Always, "Edit1Prompt"},
    {"outerMassFlow", "Edit2", "Mass flow rate of the outer fluid (kg/s):", "kg/s",
     kFlowConditionsGroup, [](const DesignResult& r) { return r.outerMassFlow; }, 10, 4, true,
     Shown::Always, "Edit2Prompt"},
    {"innerReynolds", "Edit3", "Reynolds number of inner fluid :", "", kFlowConditionsGroup,
     [](const DesignResult& r) { return r.innerReynolds; }, 10, 4, true, Shown::Always,
     "Edit3Prompt", "", 1},
    {"outerReynolds", "Edit4", "Reynold number of the outer fluid :", "", kFlowConditionsGroup,
     [](const DesignResult& r) { return r.outerReynolds; }, 10, 4, true, Shown::Always,
     "Edit4Prompt", "", 2},
    {"surfaceArea", "Edit5", "Total surface area(based on internal Dia.) :", "m2",
     kFlowConditionsGroup, [](const DesignResult& r) { return r.surfaceArea; }, 10, 4, true,
     Shown::Always, "Edit5Prompt", "", 3},
    {"innerFilmCoefficient", "Edit6", "Coefficient of heat transfer for inner fluid :", "W/(m2 K)",
     kFlowConditionsGroup, [](const DesignResult& r) { return r.innerFilmCoefficient; }, 10, 4,
     true, Shown::Always, "Edit6Prompt", "", 4},
    {"outerFilmCoefficient", "Edit7", "Coefficient of heat transfer for outer fluid :", "W/(m2 K)",
     kFlowConditionsGroup, [](const DesignResult& r) { return r.outerFilmCoefficient; }, 10, 4,
     true, Shown::Always, "Edit7Prompt", "", 5},
    {"overallCoefficient", "Edit8", "Overall heat transfer coefficient :", "W/(m2 K)",
     kFlowConditionsGroup, [](const DesignResult& r) { return r.overallCoefficient; }, 10, 4, true,
     Shown::Always, "Edit8Prompt", "", 6},
    {"heatTransferRate", "Edit9", "The overall heat transfer ( W ) :", "W", kHeatTransferGroup,
     [](const DesignResult& r) { return r.heatTransferRate; }, 10, 3, true, Shown::WithIteration,
     "Edit9Prompt", "", 17, kReportHeatTransfer},
    {"coldOutletTemperature", "Edit10", "Exit temperature of the cold fluid (deg.c) :", "degC",
     kHeatTransferGroup, [](const DesignResult& r) { return r.coldOutletTemperature; }, 10, 3,
     false, Shown::WithIteration, "Edit10Prompt", "", 18, kReportColdExit},
    {"hotOutletTemperature", "Edit11", "Exit temperature of the hot fluid (deg.c) :", "degC",
     kHeatTransferGroup, [](const DesignResult& r) { return r.hotOutletTemperature; }, 10, 3, false,
     Shown::WithIteration, "Edit11Prompt", "", 19, kReportHotExit},
    {"innerPressureDrop", "Edit12", "Inner fluid ( Pa ) :", "Pa", kPressureDropsGroup,
     [](const DesignResult& r) { return r.innerPressureDrop; }, 10, 4, true,
     Shown::WithPressureDrops, "Edit12Prompt", "", 20, kReportInnerPressureDrop},
    {"outerPressureDrop", "Edit13", "Outer fluid ( Pa ) :", "Pa", kPressureDropsGroup,
     [](const DesignResult& r) { return r.outerPressureDrop; }, 10, 4, true,
     Shown::WithPressureDrops, "Edit13Prompt", "", 21, kReportOuterPressureDrop},
    {"innerDensity", "Edit14", "Density :", "kg/m3", kFluidPropertiesGroup,
     [](const DesignResult& r) { return r.innerDensity; }, 4, 6, true, Shown::Always, "DensityRow",
     kInnerColumn, 7},
    {"outerDensity", "Edit15", "Density :", "kg/m3", kFluidPropertiesGroup,
     [](const DesignResult& r) { return r.outerDensity; }, 4, 6, true, Shown::Always, "",
     kOuterColumn, 11},
    {"innerPrandtl", "Edit16", "Prandtl No.:", "", kFluidPropertiesGroup,
     [](const DesignResult& r) { return r.innerPrandtl; }, 4, 6, true, Shown::Always, "PrandtlRow",
     kInnerColumn, 8},
    {"outerPrandtl", "Edit17", "Prandtl No.:", "", kFluidPropertiesGroup,
     [](const DesignResult& r) { return r.outerPrandtl; }, 4, 6, true, Shown::Always, "",
     kOuterColumn, 12},
    {"innerViscosity", "Edit18", "Viscosity :", "Pa s", kFluidPropertiesGroup,
     [](const DesignResult& r) { return r.innerViscosity; }, 6, 6, true, Shown::Always,
     "ViscosityRow", kInnerColumn, 9},
    {"outerViscosity", "Edit19", "Viscosity :", "Pa s", kFluidPropertiesGroup,
     [](const DesignResult& r) { return r.outerViscosity; }, 6, 6, true, Shown::Always, "",
     kOuterColumn, 13},
    {"innerConductivity", "Edit20", "Conductivity:", "W/(m K)", kFluidPropertiesGroup,
     [](const DesignResult& r) { return r.innerConductivity; }, 4, 6, true, Shown::Always,
     "ConductivityRow", kInnerColumn, 10},
    {"outerConductivity", "Edit21", "Conductivity:", "W/(m K)", kFluidPropertiesGroup,
     [](const DesignResult& r) { return r.outerConductivity; }, 4, 6, true, Shown::Always, "",
     kOuterColumn, 14},
    {"innerInletTemperature", "Edit22", "Inner fluid :", "degC", kInletTemperaturesGroup,
     [](const DesignResult& r) { return r.innerInletTemperature; }, 10, 2, false,
     Shown::WithoutIteration, "Edit22Prompt", "", 15, kReportInnerInlet},
    {"outerInletTemperature", "Edit23", "Outer fluid :", "degC", kInletTemperaturesGroup,
     [](const DesignResult& r) { return r.outerInletTemperature; }, 10, 2, false,
     Shown::WithoutIteration, "Edit23Prompt", "", 16, kReportOuterInlet},
}};

// The row of kDesignResultFields with `key`; a key that is not there throws
// std::out_of_range (a compile error where the row is a constant).
constexpr std::size_t ResultRow(std::string_view key) {
  const RF* row = fields::FindField(kDesignResultFields, key);
  if (!row)
    throw std::out_of_range("unknown result key");
  return static_cast<std::size_t>(row - kDesignResultFields.data());
}

// The groups of the results screen in the order the screen lays them out and
// the Tab key visits them: the left column, then the right one.
struct ResultGroupPlace {
  std::string_view caption;
  std::string_view objectName;
  bool rightColumn;
};
inline constexpr std::array<ResultGroupPlace, 5> kResultGroups = {{
    {kFlowConditionsGroup, "GroupBox1", false},
    {kPressureDropsGroup, "GroupBox3", false},
    {kHeatTransferGroup, "GroupBox2", true},
    {kInletTemperaturesGroup, "GroupBox5", true},
    {kFluidPropertiesGroup, "GroupBox4", true},
}};

}  // namespace calvora::design
