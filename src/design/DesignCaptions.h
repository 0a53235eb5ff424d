#pragma once

#include <array>
#include <string_view>

// Texts of the design input screen (Combi2Dlg), its dialogs and the design results
// screen (Results2). The screens show them, the analyses compare selections with
// them and the design report repeats them, so each lives here once, without any
// toolkit type.
namespace calvora::design {

inline constexpr std::string_view kDesignCaption = "Calvora v1.0";    // one blank
inline constexpr std::string_view kResultsCaption = "Calvora  v1.0";  // two blanks

inline constexpr std::string_view kHeading =
    "Please pick one of the following types of heat exchanger and then enter the required data :";

// Notebook pages, in notebook order (DesignPage order).
inline constexpr std::string_view kDoublePipePage = "Double pipe";
inline constexpr std::string_view kCrossFlowPage = "Cross Flow";
inline constexpr std::string_view kShellAndTubePage = "Shell and Tube";
inline constexpr std::string_view kCompactsPage = "Compacts";
inline constexpr std::array<std::string_view, 4> kPageCaptions = {kDoublePipePage, kCrossFlowPage,
                                                                  kShellAndTubePage, kCompactsPage};

// Fluid items: kFluidItems and kOtherLiquidItem of properties/FluidTables.h; material
// items: kMaterialItems of analyses/Materials.h; tube types: kTubeTypeItems of
// analyses/PressureDrops.h; compact surfaces: kCompactSurfaces of analyses/CompactSurfaces.h.
inline constexpr std::string_view kMaterialCaption = "Construction Material";
inline constexpr std::string_view kConductivityPrompt =
    "Please enter the conductivity of the construction material :";
inline constexpr std::string_view kCompactConductivityPrompt1 =
    "Please enter the conductivity of the construction material,";
inline constexpr std::string_view kCompactConductivityPrompt2 = "in (W/m.K) :";

// Range labels under the temperature entries, by fluid item.
inline constexpr std::array<std::string_view, 4> kRangeTexts = {
    "(from -73 to 377 deg.c)", "(from 10 to 204.4 deg.c)", "(from 20 to 160 deg.c)", "(Any Value)"};
inline constexpr std::string_view kCrossFlowInnerAnyValue = "(Any value)";
inline constexpr std::string_view kDoublePipeInitialRange = "( from -73 to 377 deg.c )";
inline constexpr std::string_view kCrossFlowInitialRange = "( from -73 to377 deg.c )";
inline constexpr std::string_view kOtherPagesInitialRange = "(from -73 to 377 deg.c)";

// Flow conditions.
inline constexpr std::string_view kFlowConditionCaption = "Flow condition";
inline constexpr std::string_view kParallelFlow = "Parallel flow";
inline constexpr std::string_view kCounterFlow = "Counter flow";
inline constexpr std::string_view kInLineArrangement = "In-Line arrangement";
inline constexpr std::string_view kStaggeredArrangement = "Staggered arrangement";

inline constexpr std::string_view kPressureDropsQuestion = "Calculate pressure drops ?";
inline constexpr std::string_view kPressureDropQuestion =
    "Calculate pressure drop ?";  // cross flow
inline constexpr std::string_view kIterationQuestion = "More accurate iteration ?";
inline constexpr std::string_view kCompactIterationQuestion = " More accurate iteration ?";

inline constexpr std::string_view kInnerFluidCaption = "Inner fluid :";
inline constexpr std::string_view kOuterFluidCaption = "Outer fluid :";
inline constexpr std::string_view kInnerTempCaption = "Inner fluid Temp. :";
inline constexpr std::string_view kOuterTempCaption = "Outer fluid temp. :";
inline constexpr std::string_view kInnerLiquidCaption = "Inner liquid :";
inline constexpr std::string_view kOuterLiquidCaption = "Outer liquid :";
inline constexpr std::string_view kInnerLiquidTempCaption = "Inner liquid Temp. :";
inline constexpr std::string_view kOuterLiquidTempCaption = "Outer liquid temp. :";

// The captions of the entries, choices and boxes of the pages and dialogs are
// in their rows, in design/DesignFields.h.

// Second line of the "Number of baffles" prompt.
inline constexpr std::string_view kBafflesRange = "(from 4 to 31) :";

inline constexpr std::string_view kArrangementButtonText =
    "Don't forget to press here and choose the correct arrangement of the exchanger!";
inline constexpr std::string_view kSurfaceHeading =
    "Please choose the arrangement of the Tube-Fin exchanger :";

// Messages of the design screen.
inline constexpr std::string_view kMathErrorMessage =
    "Something's gone wrong, please check that all the data is present and correct.";
inline constexpr std::string_view kConversionErrorMessage =
    "You need to enter all the required data.";
inline constexpr std::string_view kSelectionErrorMessage =
    "You need to choose the flow condition in the exchanger";
inline constexpr std::string_view kOuterDiameterFirstMessage =
    "You need to enter the outer diameter first.";

// ---- dialogs --------------------------------------------------------------

inline constexpr std::string_view kOther1Caption = "Inner fluid data";
inline constexpr std::string_view kOther2Caption = "Outer fluid data";
inline constexpr std::string_view kOther1Heading =
    "Please enter the following data, concerning the inner fluid :";
inline constexpr std::string_view kOther2Heading =
    "Please enter the following data, concerning the outer fluid :";
inline constexpr std::array<std::string_view, 4> kOtherFluidPrompts = {
    "The specific heat capapity at inlet (J/Kg.K) :", "The dynamic viscosity at inlet (Kg/Ms) :",
    "The thermal conductivity at inlet (W/m.deg.c) :", "The density of the fluid (Kg/m3) :"};
inline constexpr std::string_view kPleaseEnterRequiredData = "Please enter the required data.";

inline constexpr std::string_view kPressCaption = "Please enter the following information";
inline constexpr std::string_view kInnerTubeTypeCaption = "Type of inner tube";
inline constexpr std::string_view kOuterTubeTypeCaption = "Type of outer tube";
inline constexpr std::string_view kAnnulusInletPrompt =
    "Internal diameter of the inlet pipe to the annulus (m) :";
inline constexpr std::string_view kAnnulusOutletPrompt =
    "Internal diameter of outlet pipe to the annulus (m) :";
inline constexpr std::string_view kHeaderInletPrompt =
    "Internal diameter of inlet pipe to the header (m):";
inline constexpr std::string_view kHeaderOutletPrompt =
    "Internal diameter of outlet pipe from the header (m):";
inline constexpr std::string_view kTubeHeaderInletPrompt =
    "Internal diameter of inlet pipe to the tube side header (m):";
inline constexpr std::string_view kTubeHeaderOutletPrompt =
    "Internal diameter of outlet pipe from the tube side header (m):";
inline constexpr std::string_view kShellInletPrompt =
    "Inside diameter of the inlet pipe to the shell side header (m):";
inline constexpr std::string_view kShellOutletPrompt =
    "Inside diameter of the outlet pipe from the shell side header (m):";
inline constexpr std::string_view kEnterRequiredDataMessage =
    "You need to enter the required data.";

inline constexpr std::string_view kCrossmixCaption = "Information";
inline constexpr std::string_view kCrossmixHeading = "Please pick the type of mixing :";
inline constexpr std::array<std::string_view, 4> kMixingItems = {
    "The cold fluid is unmixed", "The cold fluid is mixed", "Both fluids are mixed",
    "Both fluids are unmixed"};

inline constexpr std::string_view kSpacingSpPrompt = "Please enter the distance Sp ( m ) :";
inline constexpr std::string_view kSpacingSnPrompt = "Please enter the distance Sn ( m ) :";
inline constexpr std::string_view kInLineDefaultSp = "0.02";
inline constexpr std::string_view kInLineDefaultSn = "0.03";
inline constexpr std::string_view kStaggeredDefaultSp = "0.0075";
inline constexpr std::string_view kStaggeredDefaultSn = "0.025";
inline constexpr std::string_view kInLineBoundLead = "Both must be ,";
inline constexpr std::string_view kGreaterThan = "greater than : ";
inline constexpr std::string_view kInLineLessThan = ", less than : ";
inline constexpr std::string_view kStaggeredSpLead = "Must be greater than ";
inline constexpr std::string_view kStaggeredSnLead = "Must be greater than  ";
inline constexpr std::string_view kStaggeredLessThan = ", less than  ";
inline constexpr std::string_view kOutOfRangeMessage = "Out of range, please try again.";
inline constexpr std::string_view kNoCoefficientsMessage =
    "No values of c2 or n2 available, please enter the data again.";

inline constexpr std::string_view kArrangemCaption = "Shell and Tube Arrangement";
inline constexpr std::string_view kArrangemGroupCaption =
    "Please select one of these arrangements :";
struct LayoutText {
  std::string_view firstLine;
  std::string_view secondLine;
};
// TubeLayout 1 to 6 in this order.
inline constexpr std::array<LayoutText, 6> kLayoutTexts = {{
    {" For 0.015875 outer tube diameter, 0.019844 distance between centre of",
     "tubes and a 30 degree staggered triangle."},
    {" For 0.015875 outer tube diameter, 0.022225 distance between centre of",
     "tubes and a 90 degree in-line square."},
    {" For 0.015875 outer tube diameter, 0.022225 distance between centre of",
     "tubes and a 45 degree square."},
    {" For 0.01905 outer tube diameter, 0.0254 distance between centre of",
     "tubes and a 30 degree staggered triangle."},
    {" For 0.01905 outer tube diameter, 0.0254 distance between centre of",
     "tubes and a 90 degree in-line square."},
    {" For 0.01905 outer tube diameter, 0.0254 distance between centre of",
     "tubes and a 45 degree square."},
}};

// ---- results screen ---------------------------------------------------------

inline constexpr std::string_view kResultsIntro =
    "Here are the results for this set of calculations. If you would like to change any of the "
    "values used press the 'Back' button.";
inline constexpr std::string_view kFlowConditionsGroup = "Flow conditions";
inline constexpr std::string_view kHeatTransferGroup = "Heat transfer and outlet temperatures";
inline constexpr std::string_view kPressureDropsGroup = "Pressure drops";
inline constexpr std::string_view kFluidPropertiesGroup = "Fluid properties";
inline constexpr std::string_view kInletTemperaturesGroup = "Inlet temperatures";

// The captions of the fields are in their rows, in design/DesignFields.h.
inline constexpr std::string_view kInnerColumn = "Inner";
inline constexpr std::string_view kOuterColumn = "Outer";

// ---- design report ---------------------------------------------------------

inline constexpr std::string_view kReportIntro1 =
    "The following is a full set of results obtained from the method used";
inline constexpr std::string_view kReportIntro2 =
    "to find the overall heat transfer coefficent and the pressure drops.";
inline constexpr std::string_view kReportDataHeading = "Data entered by the user is shown below :";
inline constexpr std::string_view kReportResultsHeading =
    "The results arrived at by the program are :";
inline constexpr std::string_view kReportSavedEnding = "Thank you for using Calvora v1.0";
inline constexpr std::string_view kReportPrintedEnding1 = "Thank you for using this program.";
inline constexpr std::string_view kReportPrintedEnding2 =
    "Hopefully any problems were quickly resolved.";

inline constexpr std::array<std::string_view, 4> kInnerFluidSentences = {
    "The inner fluid is air.", "The inner fluid is saturated water.",
    "The inner fluid is unused engine oil.", "The inner fluid is \"another\" fluid."};
inline constexpr std::array<std::string_view, 4> kOuterFluidSentences = {
    "The outer fluid is air.", "The outer fluid is saturated water.",
    "The outer fluid is unused engine oil.", "The outer fluid is \"another\" fluid."};
inline constexpr std::array<std::string_view, 5> kMaterialSentences = {
    "The construction material is Copper.", "The construction material is Aluminium.",
    "The construction material is Carbon Steel.",
    "The construction material is Chrome-Nickel Steel.",
    "The construction material is \"another\" material."};

inline constexpr std::string_view kReportDoublePipeType =
    "Type of heat exchanger being analysed : double pipe";
inline constexpr std::string_view kReportCrossFlowType =
    "Type of heat exchanger being analysed : cross flow";
inline constexpr std::string_view kReportShellAndTubeType =
    "Type of heat exchanger being analysed : shell and tube";
inline constexpr std::string_view kReportCompactType =
    "Type of heat exchanger being analysed : compact";

inline constexpr std::array<std::string_view, 2> kReportFlowConditionSentences = {
    "The flow condition in the exchanger is parallel flow.",
    "The flow condition in the exchanger is counter flow."};
inline constexpr std::string_view kReportInLine = "The exchanger is in the In-Line arrangemnt.";
inline constexpr std::string_view kReportStaggered =
    "The exchanger is in the Staggered arrangemnt.";
inline constexpr std::string_view kReportHorizontalSpacing =
    " The horizontal tube spacing is (m) :";
inline constexpr std::string_view kReportInLineVerticalSpacing =
    " The verical tube spacing is (m) :";
inline constexpr std::string_view kReportStaggeredVerticalSpacing =
    " The vertical tube spacing is (m) :";

inline constexpr std::string_view kReportShellDiameter = "Internal diameter of the shell (m) : ";
inline constexpr std::string_view kReportTubeDiameter = "Internal diameter of the tubes (m) : ";
inline constexpr std::string_view kReportInnerFlow = "Total flow rate of the inner fluid (kg/s) : ";
inline constexpr std::string_view kReportOuterFlow = "Total flow rate of the outer fluid (kg/s) : ";
inline constexpr std::string_view kReportArrangementHeading =
    "The following data concerns the arrangement of the shell and tube :";

inline constexpr std::string_view kReportOuterTubeDiameter = "Outer tube diameter =";
inline constexpr std::string_view kReportFinDiameter = ", Fin diameter =";
inline constexpr std::string_view kReportVerticalSpacing = "Vertcal tube spacing =";
inline constexpr std::string_view kReportHorizontalSpacingCompact = " , Horizontal tube spacing =";
inline constexpr std::string_view kReportHydraulicDiameter = "Hydraulic diameter =";
inline constexpr std::string_view kReportFinThickness = " , Fin thickness =";

inline constexpr std::string_view kReportInnerInlet = "Inner fluids inlet temperature (deg.c) : ";
inline constexpr std::string_view kReportOuterInlet = "Outer fluids inlet temperature (deg.c) : ";
inline constexpr std::string_view kReportHeatTransfer = "The overall heat transfer (W) : ";
inline constexpr std::string_view kReportColdExit = "Exit temperature of the cold fluid (deg.c) : ";
inline constexpr std::string_view kReportHotExit = "Exit temperature of the hot fluid (deg.c) : ";
inline constexpr std::string_view kReportInnerPressureDrop =
    "Pressure drop of the inner fluid (Pa) : ";
inline constexpr std::string_view kReportOuterPressureDrop =
    "Pressure drop of the outer fluid (Pa) : ";

}  // namespace calvora::design
