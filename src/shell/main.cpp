#include <QApplication>
#include <QStringList>
#include <QTimer>

#include "cli/CommandLine.h"
#include "cli/Kinds.h"
#include "shell/Main.h"
#include "shell/Screens.h"
#include "shell/Splash.h"

int main(int argc, char* argv[]) {
  // Any option of the command line: no window, no display needed.
  if (calvora::cli::WantsCommandLine(argc, argv))
    return calvora::cli::CommandLineMain(argc, argv, calvora::cli::CaseKinds());
  QApplication app(argc, argv);
  Splashform = new TSplashform;
  Splashform->show();
  Splashform->repaint();
  QApplication::processEvents();  // mapped and drawn before the screens are created
  QApplication::setApplicationName("Calvora");
  // Ties the windows to the installed desktop entry (its icon and name).
  QGuiApplication::setDesktopFileName("org.calvora.calvora");
  CreateScreens();
  Mainform->show();
  // `calvora CASE.json`: the case opens on its input screen once the program runs.
  const QStringList arguments = QCoreApplication::arguments();
  if (arguments.size() == 2 && !arguments[1].startsWith('-'))
    QTimer::singleShot(0, &app, [path = arguments[1]] { OpenCaseFile(path); });
  return app.exec();
}
