#pragma once

#include <array>
#include <string>
#include <vector>

#include "design/DesignOutcome.h"

// The design report: the inputs of the design page that was used, then the
// results on display. Built from a snapshot of the screens (captions and texts
// exactly as displayed, selected item indices, check states and visibility), so
// the saved file and the printout repeat what the user sees.
namespace calvora {

// A caption and the text of the entry beside it.
struct ReportEntry {
  std::string caption;
  std::string text;
};

// Fluid choices (FluidKind index, -1 none), temperatures and the material
// (MaterialKind index) of one page.
struct ReportFluids {
  int innerFluid = -1;
  ReportEntry innerTemperature;
  int outerFluid = -1;
  ReportEntry outerTemperature;
  int material = -1;
};

struct DoublePipeReport {
  std::vector<ReportEntry> entries;  // Edit1 to Edit7
  bool iteration = false;            // "More accurate iteration ?"
  int flowCondition = -1;            // 0 parallel, 1 counter
  ReportFluids fluids;
};

struct CrossFlowReport {
  std::vector<ReportEntry> entries;      // Edit8 to Edit15
  int arrangement = -1;                  // 0 in line, 1 staggered
  std::string inLineSp, inLineSn;        // spacing entries of the in-line dialog
  std::string staggeredSp, staggeredSn;  // and of the staggered dialog
  ReportFluids fluids;
};

struct ShellAndTubeReport {
  std::string shellDiameter;  // Edit16
  std::string tubeDiameter;   // Edit17
  ReportEntry clearance;      // Edit18
  ReportEntry baffles;        // "Number of baffles", Edit25
  ReportEntry centralSpace;   // Edit26
  ReportEntry endSpace;       // Edit27
  std::string innerFlow;      // Edit31
  std::string outerFlow;      // Edit32
  bool layoutChosen = false;  // a layout button is checked
  std::string layoutCaption;  // its caption
  std::string layoutLine;     // the label beside it
  ReportFluids fluids;
};

struct CompactReport {
  int surface = -1;                  // item index of the surface list
  std::vector<ReportEntry> entries;  // Edit40, 39, 38, 37, 41, 42, 36
  ReportFluids fluids;
};

// An optional result: written only while its field is visible.
struct OptionalResult {
  bool visible = false;
  std::string text;
};

struct ResultsReport {
  std::vector<ReportEntry> lines;  // Edit3 to Edit8 with their captions
  std::string innerColumn, outerColumn;
  std::array<std::string, 4> rowCaptions;  // density, Prandtl, viscosity, conductivity
  std::array<std::string, 4> inner, outer;
  OptionalResult innerInlet, outerInlet;  // Edit22, Edit23
  OptionalResult heatTransfer;            // Edit9
  OptionalResult coldExit, hotExit;       // Edit10, Edit11
  OptionalResult innerDrop, outerDrop;    // Edit12, Edit13
};

struct DesignReportSnapshot {
  int pageIndex = 0;  // showing notebook page: 0 double pipe .. 3 compacts
  DoublePipeReport doublePipe;
  CrossFlowReport crossFlow;
  ShellAndTubeReport shellAndTube;
  CompactReport compact;
  ResultsReport results;
};

enum class ReportKind { Saved, Printed };

std::vector<std::string> DesignReportLines(const DesignReportSnapshot& snapshot, ReportKind kind);

// The results block as the results screen shows `outcome`: its captions, the
// texts of its fields, and which optional fields are visible.
ResultsReport ResultsReportOf(const DesignOutcome& outcome);

// The lines of the block of the showing page alone.
std::vector<std::string> DesignPageBlock(const DesignReportSnapshot& snapshot);

}  // namespace calvora
