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
