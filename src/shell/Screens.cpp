#include "shell/Screens.h"

#include <QApplication>

#include "design/ui/Arangem.h"
#include "design/ui/Combi2.h"
#include "design/ui/Crosmix.h"
#include "design/ui/Linearr.h"
#include "design/ui/Other1.h"
#include "design/ui/Other2.h"
#include "design/ui/Pressu.h"
#include "design/ui/Result2.h"
#include "design/ui/Stagearr.h"
#include "shell/Main.h"
#include "thermal/ui/Combi1.h"
#include "thermal/ui/Result1.h"

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

// Screens never call each other: each says what happened with a signal, and
// the reactions across screens are connected here, in one place.
void ConnectScreens() {
  ConnectThermalScreens();
  ConnectDesignScreens();
}

}  // namespace

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
