// The thermal results screen on its own: captions, groups, hints, formats,
// navigation, help, print, and a layout that shows every text in full.

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include "common/ui/Help.h"
#include "common/ui/QtMessages.h"
#include "shell/Main.h"
#include "shell/Screens.h"
#include "thermal/ui/Combi1.h"
#include "thermal/ui/Result1.h"

namespace {

calvora::ThermalState NegativeState() {
  calvora::ThermalState s;
  s.Th1 = -5;
  s.Tc1 = 20;
  s.Th0 = -12.34567;
  s.Tc0 = 0.0004;  // rounds to zero: no minus sign either way
  s.U = -850.5;
  s.mc = -2;
  s.mh = 1.25;
  s.cc = -4180;
  s.ch = 2000;
  s.Cmin = -2500;
  s.Cmax = 8360;
  s.Q = -123456.789;
  s.A = -3.14159;
  s.epsilon = -0.45678;
  s.NTU = 1.23456;
  return s;
}

}  // namespace

class Results1Test : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    if (PlatformDecimalSeparator() != '.')
      QSKIP("the expected texts use '.' as separator");
    CreateScreens();
  }
  void cleanupTestCase() { DestroyScreens(); }

  void captionsGroupsAndHints() {
    QCOMPARE(Results1->windowTitle(), QString("Calvora  v1.0"));
    QCOMPARE(Results1->Label16->text(),
             QString("The results of this calculation are as follows. Press back if you would "
                     "like to change any of these values."));
    namespace tr = calvora::thermal_results;
    const char* const groups[] = {"Temperatures (deg.c)", "Fluid flow conditions",
                                  "Properties of the exchanger"};
    for (int i = 0; i < 15; ++i) {
      const tr::ResultRow& row = tr::kResultRows[i];
      auto* edit = Results1->findChild<QLineEdit*>(QString("Edit%1").arg(i + 1));
      QVERIFY(edit);
      QVERIFY(edit->isReadOnly());
      QCOMPARE(Results1->caption(i + 1)->text(),
               QString::fromUtf8(row.caption.data(), row.caption.size()));
      QCOMPARE(Results1->caption(i + 1)->buddy(), edit);
      auto* group = qobject_cast<QGroupBox*>(edit->parentWidget());
      QVERIFY(group);
      QCOMPARE(group->title(), QString(groups[static_cast<int>(row.group)]));
    }
    // Spot checks of the caption texts as the user reads them.
    QCOMPARE(Results1->caption(3)->text(), QString("Outlet temperature  of the hot fluid :"));
    QCOMPARE(Results1->caption(8)->text(),
             QString("The specific heat capacity of the cold fluid (J/Kg.deg.c) :"));
    const std::pair<QPushButton*, std::pair<const char*, const char*>> buttons[] = {
        {Results1->BackBtn, {"&Back", "Go back to the last page"}},
        {Results1->QuitBtn, {"&Quit", "Quit the program"}},
        {Results1->PrintBtn, {"&Print", "Print all the data"}},
        {Results1->SaveBtn, {"&Save", "Save all dat to a text file"}},
        {Results1->HelpBtn, {"&Help", "Displays help on this screen"}},
    };
    for (const auto& [button, texts] : buttons) {
      QCOMPARE(button->text(), QString(texts.first));
      QCOMPARE(button->toolTip(), QString(texts.second));
      QVERIFY(!button->icon().isNull());
    }
  }

  void temperaturesKeepTheirSignTheRestIsAbsolute() {
    Combi1Dlg->show();
    ShowThermalResults(NegativeState());
    QVERIFY(Results1->isVisible());
    const QStringList expected = {"-5.000",   "20.000",     "-12.346",  "0.000",    "850.500",
                                  "2.000",    "1.250",      "4180.000", "2000.000", "2500.000",
                                  "8360.000", "123456.789", "3.1416",   "0.4568",   "1.2346"};
    for (int i = 0; i < 15; ++i)
      QCOMPARE(Results1->field(i + 1)->text(), expected[i]);
    Results1->hide();
  }

  void helpOpensTheResultsTopic() {
    ShowThermalResults(NegativeState());
    QTest::mouseClick(Results1->HelpBtn, Qt::LeftButton);
    QVERIFY(HelpWindow());
    QVERIFY(HelpWindow()->isVisible());
    if (!FindHelpFile().isEmpty())
      QCOMPARE(HelpWindow()->source().fragment(), QString("results"));
    HelpWindow()->hide();
    Results1->hide();
  }

  void cancelledPrintDoesNothing() {
    ShowThermalResults(NegativeState());
    bool dialogSeen = false;
    QStringList boxes;
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
      for (QWidget* w : QApplication::topLevelWidgets()) {
        if (!w->isVisible())
          continue;
        if (auto* box = qobject_cast<QMessageBox*>(w)) {
          boxes << box->text();
          box->accept();
        } else if (auto* dialog = qobject_cast<QPrintDialog*>(w)) {
          dialogSeen = true;
          QTimer::singleShot(0, dialog, [dialog] { dialog->reject(); });
        }
      }
    });
    poll.start(5);
    QTest::mouseClick(Results1->PrintBtn, Qt::LeftButton);
    poll.stop();
    QVERIFY(dialogSeen);
    for (const QString& text : boxes)
      QVERIFY2(text.contains("printer"), qPrintable(text));
    QVERIFY(Results1->isVisible());
    Results1->hide();
  }

  // Every caption, field text and button label is shown in full.
  void nothingIsClipped() {
    ShowThermalResults(NegativeState());
    QApplication::processEvents();
    for (QLabel* label : Results1->findChildren<QLabel*>()) {
      if (label->wordWrap()) {
        QVERIFY2(label->height() >= label->heightForWidth(label->width()),
                 qPrintable(label->objectName()));
      } else {
        QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->objectName()));
      }
    }
    for (QPushButton* button : Results1->findChildren<QPushButton*>()) {
      QVERIFY2(button->width() >= button->sizeHint().width(), qPrintable(button->objectName()));
    }
    for (int i = 1; i <= 15; ++i) {
      QLineEdit* edit = Results1->field(i);
      const int textWidth = edit->fontMetrics().horizontalAdvance(edit->text());
      QVERIFY2(edit->contentsRect().width() > textWidth + 8, qPrintable(edit->objectName()));
      // The widest value a field can hold: ten digits, sign and four decimals.
      const int widest = edit->fontMetrics().horizontalAdvance("-1234567890.0000");
      QVERIFY2(edit->contentsRect().width() > widest, qPrintable(edit->objectName()));
    }
    const QString shots = qEnvironmentVariable("CALVORA_SCREENSHOT_DIR");
    if (!shots.isEmpty())
      QVERIFY(Results1->grab().save(shots + "/Results1.png"));
    Results1->hide();
  }
};

QTEST_MAIN(Results1Test)
#include "Results1_test.moc"
