#include "shell/Screens.h"

#include <QApplication>
#include <QJsonObject>

#include "cases/CaseFile.h"
#include "charts/ui/ChartInputs.h"
#include "charts/ui/ChartWindow.h"
#include "common/ui/CaseActions.h"

#include "design/ui/Arangem.h"
#include "design/ui/Combi2.h"
#include "design/ui/Crosmix.h"
#include "design/ui/DesignCase.h"
#include "design/ui/Linearr.h"
#include "design/ui/Other1.h"
#include "design/ui/Other2.h"
#include "design/ui/PageFields.h"
#include "design/ui/Pressu.h"
#include "design/ui/Result2.h"
#include "design/ui/Stagearr.h"
#include "shell/Main.h"
#include "thermal/ui/Combi1.h"
#include "thermal/ui/Result1.h"
#include "thermal/ui/ThermalCase.h"
#include "thermal/ui/ThermalScreen.h"

namespace {

// The thermal chain: main menu -> input screen -> results, and back.
void ConnectThermalScreens() {
  QObject::connect(Mainform, &TMainform::thermalAnalysisChosen, Combi1Dlg, [] {
    Combi1Dlg->show();
    Mainform->hide();
  });
  QObject::connect(
      Combi1Dlg, &TCombi1Dlg::solved, Results1,
      [](const calvora::ThermalInputs& inputs, const calvora::ThermalOutcome& outcome) {
        ShowThermalResults(inputs, outcome);
        Combi1Dlg->hide();
      });
  QObject::connect(Combi1Dlg, &TCombi1Dlg::closed, Mainform, &QWidget::show);
  QObject::connect(Combi1Dlg, &TCombi1Dlg::quitRequested, Mainform, &QWidget::close);
  QObject::connect(Results1, &TResults1::closed, Combi1Dlg, &QWidget::show);
  QObject::connect(Results1, &TResults1::quitRequested, Combi1Dlg, [] {
    Combi1Dlg->close();
    if (Mainform)
      Mainform->close();
  });
}

// The design screen opens its dialogs modelessly and stays disabled until the
// dialog is done; a cancelled dialog undoes the choice that opened it.
void ConnectDesignDialogs() {
  TCombi2Dlg* screen = Combi2Dlg;
  TDesignDialog* dialogs[] = {Pressdlg,  Other1dlg,  Other2dlg, Crossmix,
                              Inlinedlg, Staggerdlg, Arrangem};
  for (TDesignDialog* dialog : dialogs)
    QObject::connect(dialog, &TDesignDialog::dismissed, screen,
                     [screen] { screen->setEnabled(true); });

  QObject::connect(screen, &TCombi2Dlg::innerFluidDataWanted, Other1dlg,
                   [screen] { screen->openDialog(Other1dlg); });
  QObject::connect(Other1dlg, &TDesignDialog::cancelled, screen,
                   &TCombi2Dlg::resetInnerFluidOfShowingPage);
  QObject::connect(screen, &TCombi2Dlg::outerFluidDataWanted, Other2dlg,
                   [screen] { screen->openDialog(Other2dlg); });
  QObject::connect(Other2dlg, &TDesignDialog::cancelled, screen,
                   &TCombi2Dlg::resetOuterFluidOfShowingPage);

  QObject::connect(screen, &TCombi2Dlg::pressureDataWanted, Pressdlg,
                   [screen](calvora::design::DesignPage page) {
                     Pressdlg->prepareForPage(page);
                     screen->openDialog(Pressdlg);
                   });
  QObject::connect(Pressdlg, &TDesignDialog::cancelled, screen,
                   &TCombi2Dlg::uncheckPressureBoxOfShowingPage);

  QObject::connect(screen, &TCombi2Dlg::mixingWanted, Crossmix,
                   [screen] { screen->openDialog(Crossmix); });
  QObject::connect(Crossmix, &TDesignDialog::cancelled, screen,
                   &TCombi2Dlg::uncheckCrossFlowIteration);

  QObject::connect(screen, &TCombi2Dlg::inLineSpacingWanted, Inlinedlg,
                   [screen](const QString& greaterThan, const QString& lessThan) {
                     screen->openDialog(Inlinedlg);
                     Inlinedlg->setBounds(greaterThan, lessThan);
                   });
  QObject::connect(screen, &TCombi2Dlg::staggeredSpacingWanted, Staggerdlg,
                   [screen](const QString& spLower, const QString& spUpper, const QString& snLower,
                            const QString& snUpper) {
                     Staggerdlg->setBounds(spLower, spUpper, snLower, snUpper);
                     screen->openDialog(Staggerdlg);
                   });
  for (TSpacingDialog* spacing :
       {static_cast<TSpacingDialog*>(Inlinedlg), static_cast<TSpacingDialog*>(Staggerdlg)}) {
    QObject::connect(spacing, &TDesignDialog::cancelled, screen,
                     &TCombi2Dlg::clearCrossFlowArrangement);
    QObject::connect(screen, &TCombi2Dlg::outsideDiameterChanged, spacing,
                     &TSpacingDialog::clearSpacings);
    // The ratios Sp/d and Sn/d divide by the diameter on the screen when OK is pressed.
    spacing->setOutsideDiameterSource([] {
      return Combi2Dlg ? Combi2Dlg->crossFlowPage()
                             .entries[CrossFlowPage::kTubeOutsideDiameter]
                             .edit->text()
                       : QString();
    });
  }

  QObject::connect(screen, &TCombi2Dlg::tubeLayoutWanted, Arrangem,
                   [screen] { screen->openDialog(Arrangem); });
}

// The design chain: main menu -> design screen (and its dialogs) -> results,
// and back.
void ConnectDesignScreens() {
  QObject::connect(Mainform, &TMainform::designChosen, Combi2Dlg, [] {
    Combi2Dlg->show();
    Mainform->hide();
  });
  QObject::connect(Combi2Dlg, &TCombi2Dlg::closed, Mainform, &QWidget::show);
  QObject::connect(Combi2Dlg, &TCombi2Dlg::resultsReady, Results2,
                   [](const calvora::DesignOutcome& outcome) {
                     Results2->showOutcome(outcome);
                     Combi2Dlg->hide();
                   });
  QObject::connect(Combi2Dlg, &TCombi2Dlg::quitRequested, Mainform, &QWidget::close);
  ConnectDesignDialogs();
  QObject::connect(Results2, &TResults2::closed, Combi2Dlg, &QWidget::show);
  QObject::connect(Results2, &TResults2::quitRequested, Combi2Dlg, [] {
    Combi2Dlg->close();
    if (Mainform)
      Mainform->close();
  });
}

// Of the main menu, the input screens and the results screens, only `screen`
// stays visible (and no design dialog).
void ShowOnly(QWidget* screen) {
  QWidget* screens[] = {Mainform,  Combi1Dlg, Combi2Dlg, Results1,  Results2,   Pressdlg,
                        Other1dlg, Other2dlg, Crossmix,  Inlinedlg, Staggerdlg, Arrangem};
  for (QWidget* other : screens)
    if (other && other != screen && other->isVisible())
      other->hide();
  screen->show();
  screen->raise();
  screen->activateWindow();
}

// Opening a case, "Save case..." and "Chart..." on every screen, and the
// dropping of a case file on the main menu.
void ConnectCaseEntries() {
  const auto open = [](const QString& path) { OpenCaseFile(path); };
  QObject::connect(Mainform, &TMainform::caseOpenRequested, Mainform, open);
  QObject::connect(Combi1Dlg, &TCombi1Dlg::caseOpenRequested, Combi1Dlg, open);
  QObject::connect(Results1, &TResults1::caseOpenRequested, Results1, open);
  QObject::connect(Combi2Dlg, &TCombi2Dlg::caseOpenRequested, Combi2Dlg, open);
  QObject::connect(Results2, &TResults2::caseOpenRequested, Results2, open);
  // "Chart..." (F9) after the case entries of the results screens.
  QObject::connect(calvora::charts::AddChartEntry(Results1), &QAction::triggered, Results1, [] {
    calvora::charts::ShowChartWindow(
        calvora::charts::ThermalChartInputs(Results1->outcome().state));
  });
  QObject::connect(calvora::charts::AddChartEntry(Results2), &QAction::triggered, Results2, [] {
    calvora::charts::ShowChartWindow(calvora::charts::DesignChartInputs(Results2->outcome()));
  });
}

// Screens never call each other: each says what happened with a signal, and
// the reactions across screens are connected here, in one place.
void ConnectScreens() {
  ConnectThermalScreens();
  ConnectDesignScreens();
  ConnectCaseEntries();
}

// The screen the user is on, to own the message of a file that cannot be opened.
QWidget* ShowingScreen() {
  for (QWidget* screen : {static_cast<QWidget*>(Combi1Dlg), static_cast<QWidget*>(Combi2Dlg),
                          static_cast<QWidget*>(Results1), static_cast<QWidget*>(Results2)})
    if (screen && screen->isVisible())
      return screen;
  return Mainform;
}

}  // namespace

bool OpenCaseFile(const QString& path) {
  namespace cs = calvora::cases;
  cs::CaseDocument document;
  cs::CaseFault fault;
  if (!cs::LoadCase(path, document, fault)) {
    ShowCaseFault(ShowingScreen(), fault);
    return false;
  }
  // Into a copy of what the input screen holds: keys the file leaves out keep
  // their values; the screen changes only when the whole file is sound.
  if (document.kind == calvora::cases::kKinds[0]) {
    calvora::ThermalInputs record = ReadThermalScreen(*Combi1Dlg);
    if (!ApplyThermalCase(document, record, fault)) {
      ShowCaseFault(ShowingScreen(), fault);
      return false;
    }
    WriteThermalScreen(*Combi1Dlg, record);
    ShowOnly(Combi1Dlg);
    return true;
  }
  const auto page = PageOfCaseKind(document.kind);
  if (!page)
    return false;  // the reader accepts only the five kinds
  calvora::DesignInputs record = ReadDesignPage(*page);
  if (!ApplyDesignCase(document, record, fault)) {
    ShowCaseFault(ShowingScreen(), fault);
    return false;
  }
  WriteDesignCase(record);
  ShowOnly(Combi2Dlg);
  return true;
}

// Every screen is a top-level window without a Qt parent: dialogs of a
// disabled screen must stay enabled, and each lives for the whole run.
void CreateScreens() {
  // Only closing the main menu ends the run; the other screens are hidden, not
  // closed, and a closing screen shows its parent first.
  QApplication::setQuitOnLastWindowClosed(false);
  Mainform = new TMainform;
  Combi1Dlg = new TCombi1Dlg;
  Combi2Dlg = new TCombi2Dlg;
  Results1 = new TResults1;
  Results2 = new TResults2;
  Pressdlg = new TPressdlg;
  Other1dlg = new TOther1dlg;
  Other2dlg = new TOther2dlg;
  Crossmix = new TCrossmix;
  Inlinedlg = new TInlinedlg;
  Staggerdlg = new TStaggerdlg;
  Arrangem = new TArrangem;
  ConnectScreens();
}

template <typename T>
static void Destroy(T*& screen) {
  delete screen;
  screen = nullptr;
}

void DestroyScreens() {
  Destroy(Arrangem);
  Destroy(Staggerdlg);
  Destroy(Inlinedlg);
  Destroy(Crossmix);
  Destroy(Other2dlg);
  Destroy(Other1dlg);
  Destroy(Pressdlg);
  Destroy(Results2);
  Destroy(Results1);
  Destroy(Combi2Dlg);
  Destroy(Combi1Dlg);
  Destroy(Mainform);
}
