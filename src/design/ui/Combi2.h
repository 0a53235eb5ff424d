#pragma once

#include <QDialog>

#include <QList>
#include <QPointer>
#include <QString>
#include <array>
#include <functional>
#include <string_view>
#include "common/ui/CaseActions.h"
#include "common/ui/Screen.h"

#include "design/DesignFields.h"
#include "design/DesignOutcome.h"
#include "design/ui/DesignText.h"

class QCheckBox;
class QHBoxLayout;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QVBoxLayout;
class RadioGroup;
namespace calvora {
class Messages;
}

// An entry of a design page: its prompt (EditNPrompt) and its edit box (EditN).
struct PageEntry {
  QLabel* prompt = nullptr;
  QLineEdit* edit = nullptr;
};

// What every design page has: the two fluid choices with their inlet
// temperatures and range labels, the tube material with the conductivity entry
// shown for "Other", and the pressure-drop and iteration questions.
struct PageFluids {
  RadioGroup* inner = nullptr;
  PageEntry innerTemperature;
  QLabel* innerRange = nullptr;
  RadioGroup* outer = nullptr;
  PageEntry outerTemperature;
  QLabel* outerRange = nullptr;
  RadioGroup* material = nullptr;
  QLineEdit* conductivity = nullptr;
  QList<QLabel*> conductivityPrompts;
  QCheckBox* pressure = nullptr;
  QCheckBox* iteration = nullptr;
};

// "Double pipe": Edit1 to Edit7; RadioGroup1 (inner, Edit19), RadioGroup2
// (outer, Edit20), RadioGroup3 (material, Edit28), CheckBox1 (pressure drops),
// CheckBox2 (iteration), RadioGroup4 (flow condition).
struct DoublePipePage {
  enum Entry {
    kInnerTubeInsideDiameter,
    kInnerTubeOutsideDiameter,
    kOuterTubeInsideDiameter,
    kOuterTubeOutsideDiameter,
    kLength,
    kInnerMassFlow,
    kOuterMassFlow,
    kEntryCount
  };
  std::array<PageEntry, kEntryCount> entries;
  PageFluids fluids;
  RadioGroup* flowCondition = nullptr;
};

// "Cross Flow": Edit8 to Edit15; RadioGroup5 (inner, Edit21), RadioGroup6
// (outer, Edit22), RadioGroup7 (material, Edit29), RadioGroup8 (arrangement),
// CheckBox3 (pressure drop), CheckBox4 (iteration).
struct CrossFlowPage {
  enum Entry {
    kTubeInsideDiameter,
    kTubeOutsideDiameter,
    kRowsNormal,
    kRowsParallel,
    kTubeCount,
    kLength,
    kInnerMassFlow,
    kOuterMassFlow,
    kEntryCount
  };
  std::array<PageEntry, kEntryCount> entries;
  PageFluids fluids;
  RadioGroup* arrangement = nullptr;
};

// "Shell and Tube": Edit16, 17, 18, 25, 26, 27, 31, 32; RadioGroup9 (inner,
// Edit23), RadioGroup10 (outer, Edit24), RadioGroup11 (material, Edit30),
// CheckBox5, CheckBox6, and BitBtn1, which opens the tube layouts.
struct ShellAndTubePage {
  enum Entry {
    kShellDiameter,
    kTubeDiameter,
    kClearance,
    kBaffles,
    kCentralBaffleSpace,
    kEndBaffleSpace,
    kInnerMassFlow,
    kOuterMassFlow,
    kEntryCount
  };
  std::array<PageEntry, kEntryCount> entries;
  PageFluids fluids;
  QPushButton* layoutButton = nullptr;
};

// "Compacts": the surface list ComboBox1; Edit40, 39, 38, 37, 41, 42, 36;
// RadioGroup14 (inner liquid, Edit33), RadioGroup13 (outer, Edit34),
// RadioGroup12 (material, Edit35), CheckBox7, CheckBox8.
struct CompactPage {
  enum Entry {
    kInsideDiameter,
    kInnerMassFlow,
    kOuterMassFlow,
    kTubes,
    kRowsParallel,
    kRowsNormal,
    kLength,
    kEntryCount
  };
  QComboBox* surfaces = nullptr;
  std::array<PageEntry, kEntryCount> entries;
  PageFluids fluids;
};

// The design input screen: a tabbed notebook (TabbedNotebook1) with the pages
// "Double pipe", "Cross Flow", "Shell and Tube" and "Compacts". Every control
// carries its form name as objectName (Edit1..Edit42, RadioGroup1..RadioGroup14,
// CheckBox1..CheckBox8, ComboBox1, BitBtn1, Label33..Label46, Label57). The
// screen's reactions reach them through the typed page records; their values
// are read and written through the pages' field tables (PageFields.h). OK reads
// the showing page's record and runs its analysis. The screen opens no dialog
// itself: it asks for one with a signal, which CreateScreens() connects.
class TCombi2Dlg : public TScreen {
  Q_OBJECT
 public:
  explicit TCombi2Dlg(QWidget* parent = nullptr);

  QTabWidget* notebook() const { return notebook_; }
  // Caption of the showing page, as its tab shows it.
  QString showingPageCaption() const;
  // The showing page.
  calvora::design::DesignPage showingPage() const;

  const DoublePipePage& doublePipePage() const { return doublePipe_; }
  const CrossFlowPage& crossFlowPage() const { return crossFlow_; }
  const ShellAndTubePage& shellAndTubePage() const { return shellAndTube_; }
  const CompactPage& compactPage() const { return compact_; }

  // Brings page `page` to the front.
  void showPage(calvora::design::DesignPage page);
  // "Open case..." and "Save case...": the page showing as a case file.
  const CaseActions& caseActions() const { return caseActions_; }

  // Shows an auxiliary dialog modelessly and disables this screen; the dialog
  // enables it again when it is confirmed, cancelled or closed.
  void openDialog(QWidget* dialog);

  // Reactions the dialogs ask for when they are cancelled.
  void resetInnerFluidOfShowingPage();
  void resetOuterFluidOfShowingPage();
  void uncheckPressureBoxOfShowingPage();
  void uncheckCrossFlowIteration();
  void clearCrossFlowArrangement();

 signals:
  // "Other" was chosen as the inner (outer) fluid: its data dialog is wanted.
  void innerFluidDataWanted();
  void outerFluidDataWanted();
  // The pressure-drop question of page `page` was ticked.
  void pressureDataWanted(calvora::design::DesignPage page);
  // The cross-flow iteration was ticked: the mixing case is wanted.
  void mixingWanted();
  // An arrangement was chosen with a valid outside diameter: the spacing dialog
  // is wanted, with the bounds its labels show.
  void inLineSpacingWanted(const QString& greaterThan, const QString& lessThan);
  void staggeredSpacingWanted(const QString& spLower, const QString& spUpper,
                              const QString& snLower, const QString& snUpper);
  // The shell-and-tube layout button was pressed.
  void tubeLayoutWanted();
  // The cross-flow outside diameter changed: spacings entered for the old one
  // no longer hold.
  void outsideDiameterChanged();
  // OK ended with results: the results screen shows them and this screen hides.
  void resultsReady(const calvora::DesignOutcome& outcome);
  // A case file was chosen ("Open case...") or dropped on the screen.
  void caseOpenRequested(const QString& path);

 protected:
  void changeEvent(QEvent* event) override;

 private:
  QPointer<QWidget> focusBeforeDialog_;
  CaseActions caseActions_;

  QWidget* buildDoublePipePage();
  QWidget* buildCrossFlowPage();
  QWidget* buildShellAndTubePage();
  QWidget* buildCompactsPage();
  struct FluidPageNames;
  QVBoxLayout* buildFluidsAndMaterial(PageFluids& c, const FluidPageNames& names,
                                      const QString& hint, QVBoxLayout* left, QHBoxLayout* columns,
                                      QWidget* page);
  void connectPage(calvora::design::DesignPage page);
  PageFluids& fluidsOf(calvora::design::DesignPage page);

  void okClicked();
  void fluidChanged(calvora::design::DesignPage page, bool inner, int index);
  void materialChanged(calvora::design::DesignPage page, int index);
  void pressureBoxToggled(calvora::design::DesignPage page, bool checked);
  void doublePipeIterationToggled(bool checked);
  void crossFlowIterationToggled(bool checked);
  void crossFlowArrangementChosen(int index);
  void outsideDiameterEdited();

  QTabWidget* notebook_ = nullptr;
  DoublePipePage doublePipe_;
  CrossFlowPage crossFlow_;
  ShellAndTubePage shellAndTube_;
  CompactPage compact_;
  // The page widgets, in DesignPage order.
  std::array<QWidget*, calvora::design::kDesignPageCount> pages_{};
};

extern TCombi2Dlg* Combi2Dlg;

// Runs one page's analysis as OK does: with clean floating-point flags, and
// inside the three guards that turn an arithmetic failure, a text that is not a
// number and a missing selection into their message boxes (parent `parent`).
void RunPageGuarded(QWidget* parent, const std::function<void(calvora::Messages&)>& run);
