// Start-up screens, moving between the main menu and the thermal input screen,
// and the help topics of both screens, driven by objectName as a user would.

#include <QLabel>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QtTest>

#include "common/ui/Help.h"
#include "design/ui/Combi2.h"
#include "shell/Main.h"
#include "shell/Screens.h"
#include "shell/Splash.h"
#include "thermal/ui/Combi1.h"

namespace {

template <typename T>
T* Find(QWidget* screen, const char* name) {
  T* widget = screen->findChild<T*>(name);
  if (!widget)
    qFatal("no control %s in %s", name, qPrintable(screen->objectName()));
  return widget;
}

QStringList LabelTexts(QWidget* parent) {
  QStringList texts;
  for (QLabel* label : parent->findChildren<QLabel*>())
    texts << label->text();
  return texts;
}

bool DocumentHasAnchor(const QTextDocument* document, const QString& name) {
  for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
    if (block.charFormat().anchorNames().contains(name))
      return true;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      if (it.fragment().charFormat().anchorNames().contains(name))
        return true;
    }
  }
  return false;
}

}  // namespace

class NavigationTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    CreateScreens();
    Mainform->show();
  }
  void cleanup() {
    if (HelpWindow())
      HelpWindow()->hide();
    DestroyScreens();
  }

  void mainMenuShowsItsTextsAndButtons() {
    QCOMPARE(Mainform->objectName(), QString("Mainform"));
    QCOMPARE(Mainform->windowTitle(), QString("Calvora  v1.0"));
    QCOMPARE(Find<QPushButton>(Mainform, "BitBtn1")->text(),
             QString("&Thermal analysis of a given heat exchanger using effectiveness-NTU."));
    QCOMPARE(Find<QPushButton>(Mainform, "BitBtn2")->text(),
             QString("&Calculation of the overall heat transfer coefficent and pressure drops."));
    QCOMPARE(Find<QPushButton>(Mainform, "BitBtn3")->text(), QString("&Quit"));
    QCOMPARE(Find<QPushButton>(Mainform, "BitBtn4")->text(), QString("&Help"));
    QVERIFY(!Find<QPushButton>(Mainform, "BitBtn4")->icon().isNull());

    const QStringList panel1 = LabelTexts(Find<QFrame>(Mainform, "Panel1"));
    QCOMPARE(panel1, (QStringList{"This program can be used to analyse any of the following "
                                  "types of heat exchanger :",
                                  "1. Double Pipe.", "2. Cross Flow.", "3. Shell and Tube.",
                                  "4. Compacts "}));
    const QStringList panel2 = LabelTexts(Find<QFrame>(Mainform, "Panel2"));
    QCOMPARE(
        panel2,
        (QStringList{"It can be used to perform either of the following functions :",
                     "1. Thermal analysis of  a given heat exchanger problem using the "
                     "Effectiveness",
                     "NTU method.", "2. Calculate the value of the overall heat flux coefficient.",
                     "2. Calculate the pressure drops of the inner and outer fliuds."}));
    const QStringList panel3 = LabelTexts(Find<QFrame>(Mainform, "Panel3"));
    QCOMPARE(panel3, QStringList{"Please select one of the following methods :"});
    // The two analysis buttons sit in the third panel, under its text.
    QCOMPARE(Find<QPushButton>(Mainform, "BitBtn1")->parentWidget()->objectName(),
             QString("Panel3"));
    QCOMPARE(Find<QPushButton>(Mainform, "BitBtn2")->parentWidget()->objectName(),
             QString("Panel3"));
  }

  void mainMenuHasNoMaximiseAndKeepsItsSize() {
    const Qt::WindowFlags flags = Mainform->windowFlags();
    QVERIFY(flags & Qt::WindowMinimizeButtonHint);
    QVERIFY(flags & Qt::WindowSystemMenuHint);
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QCOMPARE(Mainform->minimumSize(), Mainform->maximumSize());
  }

  void thermalButtonShowsInputAndHidesMenu() {
    QTest::mouseClick(Find<QPushButton>(Mainform, "BitBtn1"), Qt::LeftButton);
    QVERIFY(Combi1Dlg->isVisible());
    QVERIFY(!Mainform->isVisible());
  }

  void enterPressesTheFocusedMenuButton() {
    Mainform->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Mainform));
    Mainform->BitBtn1->setFocus();
    QTest::keyClick(Mainform->BitBtn1, Qt::Key_Return);
    QTRY_VERIFY(Combi1Dlg->isVisible());
    QVERIFY(!Mainform->isVisible());
  }

  void designButtonShowsDesignInputAndHidesMenu() {
    QTest::mouseClick(Find<QPushButton>(Mainform, "BitBtn2"), Qt::LeftButton);
    QVERIFY(Combi2Dlg->isVisible());
    QVERIFY(!Mainform->isVisible());
  }

  // Back and the close box both return to the main menu; only one screen shows.
  void closingThermalInputReturnsToMenu_data() {
    QTest::addColumn<int>("how");
    QTest::newRow("Back button") << 0;
    QTest::newRow("close box") << 1;
    QTest::newRow("Escape key") << 2;
  }
  void closingThermalInputReturnsToMenu() {
    QFETCH(int, how);
    QTest::mouseClick(Mainform->BitBtn1, Qt::LeftButton);
    QVERIFY(Combi1Dlg->isVisible());
    if (how == 0) {
      QTest::mouseClick(Combi1Dlg->CancelBtn, Qt::LeftButton);
    } else if (how == 1) {
      QVERIFY(Combi1Dlg->close());
    } else {
      Combi1Dlg->Edit1->setFocus();
      QTest::keyClick(Combi1Dlg->Edit1, Qt::Key_Escape);
    }
    QVERIFY(!Combi1Dlg->isVisible());
    QVERIFY(Mainform->isVisible());
  }

  void quitFromThermalInputEndsTheRun() {
    QSignalSpy ending(Mainform, &TMainform::programEnding);
    QTest::mouseClick(Mainform->BitBtn1, Qt::LeftButton);
    QTest::mouseClick(Combi1Dlg->BitBtn1, Qt::LeftButton);
    QVERIFY(!Combi1Dlg->isVisible());
    QVERIFY(!Mainform->isVisible());
    QCOMPARE(ending.count(), 1);
  }

  void quitOnMenuEndsTheRun() {
    QSignalSpy ending(Mainform, &TMainform::programEnding);
    QTest::mouseClick(Mainform->BitBtn3, Qt::LeftButton);
    QVERIFY(!Mainform->isVisible());
    QCOMPARE(ending.count(), 1);
  }

  // Closing an input screen only hides it, so a second visit finds the entries.
  void reenteringThermalInputKeepsEntries() {
    QTest::mouseClick(Mainform->BitBtn1, Qt::LeftButton);
    QTest::keyClicks(Combi1Dlg->Edit1, "120");
    QTest::keyClicks(Combi1Dlg->Edit7, "5000");
    Combi1Dlg->CheckBox7->setChecked(true);
    Combi1Dlg->RadioGroup1->setItemIndex(4);
    Combi1Dlg->RadioGroup2->setItemIndex(2);
    QTest::mouseClick(Combi1Dlg->CancelBtn, Qt::LeftButton);
    QTest::mouseClick(Mainform->BitBtn1, Qt::LeftButton);

    QCOMPARE(Combi1Dlg->Edit1->text(), QString("120"));
    QCOMPARE(Combi1Dlg->Edit7->text(), QString("5000"));
    QVERIFY(Combi1Dlg->CheckBox7->isChecked());
    QVERIFY(!Combi1Dlg->Edit7->isVisible());
    QCOMPARE(Combi1Dlg->RadioGroup1->itemIndex(), 4);
    QCOMPARE(Combi1Dlg->RadioGroup2->itemIndex(), 2);
    QVERIFY(Combi1Dlg->RadioGroup2->isVisible());
  }

  void helpButtonsOpenTheirTopic_data() {
    QTest::addColumn<int>("screen");
    QTest::addColumn<QString>("topic");
    QTest::newRow("main menu") << 0 << "welcome";
    QTest::newRow("thermal input") << 1 << "Input1";
  }
  void helpButtonsOpenTheirTopic() {
    QFETCH(int, screen);
    QFETCH(QString, topic);
    if (screen == 0) {
      QTest::mouseClick(Mainform->BitBtn4, Qt::LeftButton);
    } else {
      QTest::mouseClick(Mainform->BitBtn1, Qt::LeftButton);
      QTest::mouseClick(Combi1Dlg->HelpBtn, Qt::LeftButton);
    }
    QTextBrowser* help = HelpWindow();
    QVERIFY(help);
    QCOMPARE(help->objectName(), QString("HelpWindow"));
    QVERIFY(help->isVisible());
    QCOMPARE(help->source().fragment(), topic);
    QVERIFY(DocumentHasAnchor(help->document(), topic));
    // Help opens beside the screen; it does not hide or replace it.
    QVERIFY(screen == 0 ? Mainform->isVisible() : Combi1Dlg->isVisible());
  }

  // Every topic of every screen exists in the help file, and the window scrolls to it.
  void helpFileHoldsEveryTopic_data() {
    QTest::addColumn<QString>("topic");
    for (const char* topic :
         {"welcome", "Input1", "Input2", "Pressure_input", "results", "Results"})
      QTest::newRow(topic) << QString(topic);
  }
  void helpFileHoldsEveryTopic() {
    QFETCH(QString, topic);
    const QString file = FindHelpFile();
    QVERIFY2(!file.isEmpty(), "CALVOR1.HLP not found");
    ShowHelpFile(file, topic);
    QTextBrowser* help = HelpWindow();
    QVERIFY(DocumentHasAnchor(help->document(), topic));
    QCOMPARE(help->source().fragment(), topic);
    if (topic != "welcome")
      QVERIFY(help->verticalScrollBar()->value() > 0);
  }

  // "results" (thermal) and "Results" (design) are different topics.
  void resultTopicsAreCaseSensitive() {
    const QString file = FindHelpFile();
    ShowHelpFile(file, "results");
    const int thermal = HelpWindow()->verticalScrollBar()->value();
    ShowHelpFile(file, "Results");
    const int design = HelpWindow()->verticalScrollBar()->value();
    QVERIFY(design > thermal);
  }

  void missingHelpFileIsSaidPlainly() {
    ShowHelpFile("/nonexistent/folder/CALVOR1.HLP", "Input1");
    QTextBrowser* help = HelpWindow();
    QVERIFY(help->isVisible());
    const QString text = help->toPlainText();
    QVERIFY2(text.contains("CALVOR1.HLP was not found"), qPrintable(text));
    QVERIFY(text.contains("Input1"));
    // The next request with the file present shows the file again.
    ShowHelpFile(FindHelpFile(), "Input1");
    QVERIFY(DocumentHasAnchor(help->document(), "Input1"));
  }

  void helpTopicThatIsMissingStillShowsTheFile() {
    ShowHelpFile(FindHelpFile(), "NoSuchTopic");
    QVERIFY(DocumentHasAnchor(HelpWindow()->document(), "welcome"));
  }

  void splashShowsItsTextsAndClosesAfterItsTime() {
    auto* splash = new TSplashform;
    splash->show();
    QCOMPARE(splash->objectName(), QString("Splashform"));
    QVERIFY(splash->windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(splash->windowFlags() & Qt::WindowStaysOnTopHint);
    const QStringList texts = LabelTexts(splash);
    QVERIFY(texts.contains("Welcome To The "));
    QVERIFY(texts.contains("Calvora"));
    QVERIFY(texts.contains("For Windows"));
    QVERIFY(splash->findChild<QWidget*>("Image1"));
    // The product name stands out in large type.
    QVERIFY(splash->findChild<QLabel*>("Label2")->font().pointSize() >
            2 * splash->findChild<QLabel*>("Label1")->font().pointSize());
    QCOMPARE(splash->Timer1->objectName(), QString("Timer1"));
    QCOMPARE(splash->Timer1->interval(), 3800);
    QVERIFY(splash->Timer1->isActive());

    // The user may already have moved on; the splash still closes on time.
    QTest::mouseClick(Mainform->BitBtn1, Qt::LeftButton);
    QTest::qWait(3000);
    QVERIFY(splash->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(!splash->isVisible(), 3000);
    QVERIFY(!splash->Timer1->isActive());
    QVERIFY(Combi1Dlg->isVisible());
    delete splash;
  }
};

QTEST_MAIN(NavigationTest)
#include "Navigation_test.moc"
