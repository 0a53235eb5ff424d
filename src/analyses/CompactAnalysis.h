#pragma once

// Rating of a compact tube-fin exchanger: a bundle of finned circular tubes
// carrying the inner fluid, crossed by the outer fluid, with the fin geometry
// taken from the surface catalogue.

#include <string>
#include <string_view>

#include "analyses/AnalysisMessages.h"
#include "analyses/CompactSurfaces.h"
#include "analyses/DesignResult.h"
#include "analyses/TubeAnalysisSteps.h"
#include "common/Messages.h"
#include "properties/FluidTables.h"

namespace calvora {

inline constexpr std::string_view kCompactDiameterMessage =
    "Internal tube diameter must be less than outer tube diameter.";
inline constexpr std::string_view kCompactReynoldsHighMessage =
    "The Reynold number of outer flow is very high. This may lead to innacuracies.";
inline constexpr std::string_view kCompactReynoldsLowMessage =
    "The Reynold number of outer flow is quite low. This may lead to innacuracies.";
// The separator line of the surface list carries no surface.
inline constexpr std::string_view kCompactNoSurfaceMessage =
    "Please choose one of the tube-fin arrangements from the list.";

// The "Compacts" page of the design screen and its dialogs, as the user left them.
struct CompactInputs {
  int surface = 0;                        // ComboBox1
  int innerFluid = 0;                     // RadioGroup14, FluidKind order; -1 nothing selected
  int outerFluid = 0;                     // RadioGroup13
  int material = 0;                       // RadioGroup12, MaterialKind order
  std::string otherMaterialConductivity;  // Edit35, read for "Other material" only
  std::string tubeInsideDiameter;         // Edit40
  std::string tubeCount;                  // Edit37
  std::string rowsNormal;                 // Edit42
  std::string rowsParallel;               // Edit41
  std::string length;                     // Edit36
  std::string innerMassFlow;              // Edit39
  std::string outerMassFlow;              // Edit38
  std::string innerTemperature;           // Edit33
  std::string outerTemperature;           // Edit34
  bool iteration = false;                 // CheckBox8 " More accurate iteration ?"
  bool pressureDrops = false;             // CheckBox7 "Calculate pressure drops ?"
  FluidDataTexts innerFluidData;          // Other1dlg Edit1..Edit4, for "Other liquid" only
  FluidDataTexts outerFluidData;          // Other2dlg Edit1..Edit4
  int innerTubeType = 0;                  // Pressdlg RadioGroup1: 0 "Smooth", 1 "Commercial/..."
  std::string inletPipeDiameter;          // Pressdlg Edit1
  std::string outletPipeDiameter;         // Pressdlg Edit2
  char decimalSeparator = '.';

  bool operator==(const CompactInputs&) const = default;
};

// Intermediate values of one run, for tests and tools.
struct CompactTrace {
  bool innerHot = false;     // roles of the last thermal pass
  int thermalPasses = 0;     // effectiveness evaluations with the iteration on
  int corePasses = 0;        // those of the core pressure drop's own iteration
  double colburnFactor = 0;  // j
  double innerFriction = 0;  // f_i
  double outerFriction = 0;  // f_o
  double massVelocity = 0;   // G
  double frontalArea = 0;    // A_fr
  double ntu = 0;
  double effectiveness = 0;
  double coreHotOutlet = 0;  // Th2 at which the outer outlet state was looked up
  double inletDensity = 0;   // rho1 of the core pressure drop
  double outletDensity = 0;  // rho2
};

// Outer-fluid pressure drop across the finned core, Pa: acceleration from the
// inlet to the outlet specific volume plus core friction at the mean specific
// volume. The core volume is Np Sp A_fr and its heat transfer area alpha times that.
double CorePressureDrop(const TubeFinSurface& surface, double massVelocity, double frontalArea,
                        double rowsParallel, double inletDensity, double outletDensity,
                        double frictionFactor);

// Runs the compact analysis on `inputs`. Range and geometry failures show their
// message and clear resultsFlag; a text that is not a number throws
// ConversionError, an arithmetic failure MathError, a missing choice SelectionError.
// An iteration that does not settle within kMaximumIterationPasses shows
// kIterationDidNotSettleMessage and clears resultsFlag; so does the empty
// surface entry, with kCompactNoSurfaceMessage as a warning.
// `passLimit` bounds each iteration (tests lower it to reach the bound).
DesignRun CompactAnalysis(const CompactInputs& inputs, Messages& messages,
                          CompactTrace* trace = nullptr, int passLimit = kMaximumIterationPasses);

}  // namespace calvora
