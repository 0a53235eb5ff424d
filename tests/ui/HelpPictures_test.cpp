// Every picture the help file names is kept beside it in the sources (or, for the
// curves, drawn at build time) and travels beside the built program, loads as an image (so Qt's SVG
// image plugin is there), is found by the help window, and has alternative text for a reader who
// cannot see it.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QtTest>

#include "common/ui/Help.h"

class HelpPicturesTest : public QObject {
  Q_OBJECT

 private slots:
  void everyPictureIsThereAndDescribed() {
    const QDir source(QFileInfo(QStringLiteral(__FILE__)).absolutePath() + "/../../help");
    QFile file(source.filePath("CALVOR1.HLP"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString help = QString::fromUtf8(file.readAll());
    const QDir built(QCoreApplication::applicationDirPath());
    static const QRegularExpression image("<img\\b[^>]*>");
    static const QRegularExpression source_("\\bsrc=\"([^\"]+)\"");
    static const QRegularExpression alternative("\\balt=\"([^\"]*)\"");
    QStringList wrong;
    int pictures = 0;
    ShowHelpFile(FindHelpFile(), "Input2");
    QTextBrowser* window = HelpWindow();
    QVERIFY(window);
    for (auto it = image.globalMatch(help); it.hasNext(); ++pictures) {
      const QString tag = it.next().captured(0);
      const QString name = source_.match(tag).captured(1);
      // A sentence that says what the picture shows, not a placeholder.
      if (alternative.match(tag).captured(1).split(' ', Qt::SkipEmptyParts).size() < 5)
        wrong << name + ": no alternative text";
      if (window->loadResource(QTextDocument::ImageResource, QUrl(name)).isNull())
        wrong << name + ": the help window does not find it";
      // The effectiveness-NTU curves are drawn at build time: only the build has them.
      const bool drawn = name.startsWith(QStringLiteral("images/eps-ntu-"));
      for (const QDir& folder : {source, built}) {
        if (drawn && folder == source)
          continue;
        QImageReader reader(folder.filePath(name));
        if (reader.read().isNull())
          wrong << folder.filePath(name) + ": " + reader.errorString();
      }
    }
    QVERIFY(pictures >= 12);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join('\n')));
  }
};

QTEST_MAIN(HelpPicturesTest)
#include "HelpPictures_test.moc"
