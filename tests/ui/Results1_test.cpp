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
#include "thermal/ThermalFields.h"
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

void ShowNegativeState() {
  ShowThermalResults({}, calvora::ThermalResultsOutcome(NegativeState(), '.'));
}

QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
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
    QCOMPARE(Results1->GroupBox1->title(), QString("Temperatures (deg.c)"));
    QCOMPARE(Results1->GroupBox2->title(), QString("Fluid flow conditions"));
    QCOMPARE(Results1->GroupBox3->title(), QString("Properties of the exchanger"));
    for (const calvora::ThermalResultField& row : calvora::kThermalResultFields) {
      auto* edit = Results1->findChild<QLineEdit*>(Q(row.objectName));
      QVERIFY(edit);
      QCOMPARE(Results1->field(row.key), edit);
      QVERIFY(edit->isReadOnly());
      QCOMPARE(Results1->caption(row.key)->text(), Q(row.caption));
      QCOMPARE(Results1->caption(row.key)->buddy(), edit);
      auto* group = qobject_cast<QGroupBox*>(edit->parentWidget());
      QVERIFY(group);
      QCOMPARE(group->title(), Q(row.group));
    }
    // Spot checks of the caption texts as the user reads them.
    QCOMPARE(Results1->caption("Th0")->text(), QString("Outlet temperature  of the hot fluid :"));
    QCOMPARE(Results1->caption("cc")->text(),
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
    ShowNegativeState();
    QVERIFY(Results1->isVisible());
    const QStringList expected = {"-5.000",   "20.000",     "-12.346",  "0.000",    "850.500",
                                  "2.000",    "1.250",      "4180.000", "2000.000", "2500.000",
                                  "8360.000", "123456.789", "3.1416",   "0.4568",   "1.2346"};
    for (int i = 0; i < 15; ++i)
      QCOMPARE(Results1->field(calvora::kThermalResultFields[i].key)->text(), expected[i]);
    Results1->hide();
  }

  void helpOpensTheResultsTopic() {
    ShowNegativeState();
    QTest::mouseClick(Results1->HelpBtn, Qt::LeftButton);
    QVERIFY(HelpWindow());
    QVERIFY(HelpWindow()->isVisible());
    if (!FindHelpFile().isEmpty())
      QCOMPARE(HelpWindow()->source().fragment(), QString("results"));
    HelpWindow()->hide();
    Results1->hide();
  }

  void cancelledPrintDoesNothing() {
    ShowNegativeState();
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
    ShowNegativeState();
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
    for (const calvora::ThermalResultField& row : calvora::kThermalResultFields) {
      QLineEdit* edit = Results1->field(row.key);
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
