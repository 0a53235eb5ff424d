#include "common/ui/Help.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>

namespace {

constexpr const char* kHelpFileName = "CALVOR1.HLP";

QPointer<QTextBrowser> helpWindow;

QTextBrowser* EnsureHelpWindow() {
  if (!helpWindow) {
    // A top-level window of its own, so it stays usable beside any screen.
    helpWindow = new QTextBrowser;
    helpWindow->setObjectName("HelpWindow");
    helpWindow->setWindowTitle("Calvora Help");
    helpWindow->setAttribute(Qt::WA_QuitOnClose, false);
    helpWindow->setOpenExternalLinks(false);
    helpWindow->resize(720, 620);
  }
  return helpWindow;
}

}  // namespace

QStringList HelpFileCandidates() {
  QStringList candidates;
  const QDir programDir(QCoreApplication::applicationDirPath());
  candidates << programDir.filePath(kHelpFileName);
  // An installed program finds its share folder beside its bin folder, wherever
  // the installation was put.
  candidates << QDir(programDir.filePath("../share/calvora")).absoluteFilePath(kHelpFileName);
#ifdef CALVORA_HELP_INSTALL_DIR
  candidates << QDir(QStringLiteral(CALVORA_HELP_INSTALL_DIR)).filePath(kHelpFileName);
#endif
#ifdef CALVORA_HELP_SOURCE_DIR
  candidates << QDir(QStringLiteral(CALVORA_HELP_SOURCE_DIR)).filePath(kHelpFileName);
#endif
  return candidates;
}

QString FindHelpFile() {
  for (const QString& candidate : HelpFileCandidates()) {
    if (QFileInfo(candidate).isFile())
      return candidate;
  }
  return {};
}

void ShowHelpFile(const QString& helpFile, const QString& topic) {
  QTextBrowser* window = EnsureHelpWindow();
  if (!helpFile.isEmpty() && QFileInfo(helpFile).isFile()) {
    QUrl url = QUrl::fromLocalFile(QFileInfo(helpFile).absoluteFilePath());
    if (window->source().adjusted(QUrl::RemoveFragment) != url) {
      // The file's name does not tell its kind, so say it is HTML.
      window->setSource(url, QTextDocument::HtmlResource);
    }
    url.setFragment(topic);
    window->setSource(url, QTextDocument::HtmlResource);
    window->scrollToAnchor(topic);
  } else {
    window->setSource(QUrl());
    QStringList places;
    for (const QString& candidate : HelpFileCandidates()) {
      places << QStringLiteral("<li>%1</li>").arg(candidate.toHtmlEscaped());
    }
    window->setHtml(QStringLiteral("<h2>Help is not available</h2>"
                                   "<p>The help file %1 was not found, so the topic \"%2\" "
                                   "cannot be shown. It was looked for here:</p><ul>%3</ul>"
                                   "<p>Put %1 in one of these places and press Help again.</p>")
                        .arg(kHelpFileName, topic.toHtmlEscaped(), places.join(QString())));
  }
  window->show();
  window->raise();
  window->activateWindow();
}

void OpenHelpTopic(const QString& topic) {
  ShowHelpFile(FindHelpFile(), topic);
}

QTextBrowser* HelpWindow() {
  return helpWindow;
}
