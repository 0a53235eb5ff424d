// End to end through the thermal chain: type a case into Combi1Dlg, press OK,
// read Results1, save the report through the save dialog and compare its lines.

#include <sys/resource.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <csignal>

#include "common/ui/QtMessages.h"
#include "shell/Main.h"
#include "shell/Screens.h"
#include "support/MessageBoxRecorder.h"
#include "thermal/ui/Combi1.h"
#include "thermal/ui/Result1.h"

namespace {

// Answers the save dialog with a file name, confirms an overwrite prompt and
// records every other message box (and answers it with OK).
class SaveDialogDriver : public QObject {
 public:
  explicit SaveDialogDriver(QString path) : path_(std::move(path)) {
    connect(&timer_, &QTimer::timeout, this, [this] { poll(); });
    timer_.start(5);
  }
  QFileDialog* dialogSeen = nullptr;
  QStringList nameFilters;
  QString defaultSuffix;
  bool confirmsOverwrite = false;
  QStringList messages;
  bool overwritePrompted = false;

 private:
  void poll() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (!w->isVisible())
        continue;
      if (auto* box = qobject_cast<QMessageBox*>(w)) {
        if (QAbstractButton* yes = box->button(QMessageBox::Yes)) {
          overwritePrompted = true;
          yes->click();
        } else {
          messages << box->text();
          box->accept();
        }
        return;
      }
      if (auto* dialog = qobject_cast<QFileDialog*>(w)) {
        if (dialog == dialogSeen)
          continue;
        dialogSeen = dialog;
        nameFilters = dialog->nameFilters();
        defaultSuffix = dialog->defaultSuffix();
        confirmsOverwrite = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
        dialog->selectFile(path_);
        // Accept from another timer: an overwrite prompt opened inside accept() must find
        // this poll free to answer it.
        QTimer::singleShot(0, dialog, [dialog] { static_cast<QDialog*>(dialog)->accept(); });
        return;
      }
    }
  }
  QString path_;
  QTimer timer_;
};

QStringList ReadLines(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    return {"<cannot open>"};
  QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
  if (!lines.isEmpty() && lines.last().isEmpty())
    lines.removeLast();  // after the last '\n'
  return lines;
}

const QStringList kSavedReport = {
    "The following is a full set of results obtained from the NTU- Effectiveness",
    "method for a full thermal analysis of the chosen heat exchanger.",
    "",
    "",
    "The list below is of the user entered data :",
    "",
    "The type of heat exchanger being analysed is cross flow.",
    "  The cold fluid is mixed.",
    "Th1---The inlet temperature of the hot fluid (deg.c) :  120",
    "Th0---The outlet temperature of the hot fluid (deg.C) :  80",
    "Tc1---The inlet temperature of the cold fluid (deg.C) :  20",
    "Tc0---The outlet temperature of the cold fluid (deg.C) :  45",
    "Mc---The mass flow rate of the cold fluid (kg/sec) :  2",
    "U---The overall heat transfer coefficient (W/m2.deg.C) :  800",
    "Specific heat capacity of the cold fluid (J/kg.deg.c) :  4180",
    "Specific heat capacity of the hot fluid (J/kg.deg.c) :  2000",
    "",
    "",
    "",
    "The list below is of the results obtained by the program :",
    "",
    "Inlet temperature of the hot fluid :  120.000",
    "Inlet temperature of the cold fluid :  20.000",
    "Outlet temperature  of the hot fluid :  80.000",
    "Outlet temperature of the cold fluid :  45.000",
    "",
    "The overall heat transfer coefficient, U (W/m2.deg.c) :  800.000",
    "The mass flow rate of the cold fluid (kg/sec) :  2.000",
    "The mass flow rate of the hot fluid (kg/sec) :  2.612",
    "The specific heat capacity of the cold fluid (J/Kg.deg.c) :  4180.000",
    "The specific heat capacity of the hot fluid (J/Kg.deg.c) :  2000.000",
    "The minimum capacity flow (Cmin) :  5225.000",
    "The maximum capacity flow rate (Cmax) :  8360.000",
    "The total overall heat transfer, Q (W) :  209000.000",
    "",
    "Total surface area (m2) :  4.0280",
    "The effectiveness, E :  0.4000",
    "Number of transfer units :  0.6167",
    "",
    "",
    "Thank you for using Calvora v1.0",
    "",
};

}  // namespace

class ThermalTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    if (PlatformDecimalSeparator() != '.')
      QSKIP("the expected texts use '.' as separator");
    CreateScreens();
  }
  void cleanupTestCase() { DestroyScreens(); }

  void init() {
    Combi1Dlg->show();
    Results1->hide();
    Mainform->hide();
  }

  void solvesAndShowsTheResults() {
    typeCombination1();
    MessageBoxRecorder recorder;
    QTest::mouseClick(Combi1Dlg->OkBtn, Qt::LeftButton);
    QVERIFY(recorder.boxes.isEmpty());
    QVERIFY(Results1->isVisible());
    QVERIFY(!Combi1Dlg->isVisible());
    const QStringList expected = {"120.000",  "20.000",     "80.000",   "45.000",   "800.000",
                                  "2.000",    "2.612",      "4180.000", "2000.000", "5225.000",
                                  "8360.000", "209000.000", "4.0280",   "0.4000",   "0.6167"};
    for (int i = 0; i < 15; ++i) {
      QLineEdit* field = Results1->findChild<QLineEdit*>(QString("Edit%1").arg(i + 1));
      QVERIFY(field);
      QVERIFY(field->isReadOnly());
      QCOMPARE(field->text(), expected[i]);
    }
  }

  void savesTheReportThroughTheDialog() {
    typeCombination1();
    QTest::mouseClick(Combi1Dlg->OkBtn, Qt::LeftButton);
    QTemporaryDir dir;
    const QString path = dir.filePath("thermal.txt");
    SaveDialogDriver driver(path);
    QTest::mouseClick(Results1->SaveBtn, Qt::LeftButton);
    QVERIFY(driver.dialogSeen);
    QCOMPARE(driver.nameFilters, QStringList({"Text Files (*.txt)", "All Files (*.*)"}));
    QCOMPARE(driver.defaultSuffix, QString("txt"));
    QVERIFY(driver.confirmsOverwrite);
    QVERIFY(driver.messages.isEmpty());
    QCOMPARE(ReadLines(path), kSavedReport);
  }

  void savingOverAFileAsksFirst() {
    typeCombination1();
    QTest::mouseClick(Combi1Dlg->OkBtn, Qt::LeftButton);
    QTemporaryDir dir;
    const QString path = dir.filePath("thermal.txt");
    {
      QFile old(path);
      QVERIFY(old.open(QIODevice::WriteOnly));
      old.write("the previous report\n");
    }
    SaveDialogDriver driver(path);
    QTest::mouseClick(Results1->SaveBtn, Qt::LeftButton);
    QVERIFY(driver.overwritePrompted);
    QCOMPARE(ReadLines(path), kSavedReport);
  }

  void failedSaveShowsTheReasonAndKeepsTheOldFile() {
    typeCombination1();
    QTest::mouseClick(Combi1Dlg->OkBtn, Qt::LeftButton);
    QTemporaryDir dir;
    const QString path = dir.filePath("old.txt");
    {
      QFile old(path);
      QVERIFY(old.open(QIODevice::WriteOnly));
      old.write("the previous report\n");
    }
    // A folder that cannot exist (its parent is a file): the reason is shown, nothing written.
    {
      SaveDialogDriver nowhere(dir.filePath("old.txt/report.txt"));
      QTest::mouseClick(Results1->SaveBtn, Qt::LeftButton);
      QVERIFY(nowhere.dialogSeen);
      QCOMPARE(nowhere.messages.size(), 1);
      QVERIFY(nowhere.messages[0].contains("old.txt/report.txt"));
    }
    QCOMPARE(ReadLines(path), QStringList({"the previous report"}));

    // A disk that is full: every write fails. The old file must survive.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit full = saved;
    full.rlim_cur = 0;
    setrlimit(RLIMIT_FSIZE, &full);
    QStringList messages;
    {
      SaveDialogDriver driver(path);
      QTest::mouseClick(Results1->SaveBtn, Qt::LeftButton);
      setrlimit(RLIMIT_FSIZE, &saved);
      QVERIFY(driver.overwritePrompted);
      messages = driver.messages;
    }
    // A full disk: the save reports the system's reason and the old report stays whole.
    QCOMPARE(messages.size(), 1);
    QCOMPARE(ReadLines(path), QStringList({"the previous report"}));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList({"old.txt"}));
  }

  void refusedInputKeepsTheInputScreen() {
    typeCombination1();
    Combi1Dlg->CheckBox8->setChecked(false);  // only two unknowns
    MessageBoxRecorder recorder;
    QTest::mouseClick(Combi1Dlg->OkBtn, Qt::LeftButton);
    QCOMPARE(recorder.texts(),
             QStringList({"You have only chosen two unknowns, please choose one more !"}));
    QCOMPARE(recorder.boxes[0].icon, QMessageBox::Warning);
    QVERIFY(Combi1Dlg->isVisible());
    QVERIFY(!Results1->isVisible());
    QCOMPARE(Combi1Dlg->Edit1->text(), QString("120"));
  }

  void calculationFailureIsAnErrorBox() {
    typeCombination1();
    Combi1Dlg->Edit10->setText("0");  // cc = 0: Q = 0, mh = 0, C = 0 / 0
    MessageBoxRecorder recorder;
    QTest::mouseClick(Combi1Dlg->OkBtn, Qt::LeftButton);
    QCOMPARE(recorder.texts(),
             QStringList({"Something's gone wrong with the calculations, please try again !"}));
    QCOMPARE(recorder.boxes[0].icon, QMessageBox::Critical);
    QVERIFY(Combi1Dlg->isVisible());
    QVERIFY(!Results1->isVisible());
  }

  void missingEntryIsAWarning() {
    typeCombination1();
    Combi1Dlg->Edit10->clear();
    MessageBoxRecorder recorder;
    QTest::mouseClick(Combi1Dlg->OkBtn, Qt::LeftButton);
    QCOMPARE(recorder.texts(), QStringList({"Some of the required values are missing, please be "
                                            "sure you've entered them all !"}));
    QVERIFY(!Results1->isVisible());
  }

  void backReturnsToTheInputScreenWithItsEntries() {
    typeCombination1();
    QTest::mouseClick(Combi1Dlg->OkBtn, Qt::LeftButton);
    QVERIFY(Results1->isVisible());
    QTest::mouseClick(Results1->BackBtn, Qt::LeftButton);
    QVERIFY(!Results1->isVisible());
    QVERIFY(Combi1Dlg->isVisible());
    QCOMPARE(Combi1Dlg->Edit11->text(), QString("2000"));
    // Escape and the close box do the same.
    QTest::mouseClick(Combi1Dlg->OkBtn, Qt::LeftButton);
    QTest::keyClick(Results1, Qt::Key_Escape);
    QVERIFY(!Results1->isVisible());
    QVERIFY(Combi1Dlg->isVisible());
    QTest::mouseClick(Combi1Dlg->OkBtn, Qt::LeftButton);
    Results1->close();
    QVERIFY(Combi1Dlg->isVisible());
    QVERIFY(!Mainform->isVisible());
  }

  // Last: the main menu's close ends the program's run.
  void quitClosesTheWholeChain() {
    typeCombination1();
    Mainform->hide();
    QTest::mouseClick(Combi1Dlg->OkBtn, Qt::LeftButton);
    bool ended = false;
    connect(Mainform, &TMainform::programEnding, this, [&ended] { ended = true; });
    QTest::mouseClick(Results1->QuitBtn, Qt::LeftButton);
    QVERIFY(!Results1->isVisible());
    QVERIFY(!Combi1Dlg->isVisible());
    QVERIFY(!Mainform->isVisible());
    QVERIFY(ended);
  }

 private:
  // Cross flow, the cold fluid mixed and Cmin (hot) unmixed; Mh, Q and A unknown.
  // Q = 2 * 4180 * 25 = 209 kW, mh = 209000 / (40 * 2000) = 2.6125 (just below as a double),
  // eps = 40 / 100, C = 5225 / 8360 = 0.625; with the Cmin stream unmixed
  // NTU = -ln(1 + ln(1 - 0.625 * 0.4) / 0.625) = 0.61673, A = NTU * 5225 / 800 = 4.02799.
  void typeCombination1() {
    const char* texts[] = {"120", "80", "20", "45", "9.9", "2", "", "", "800", "4180", "2000"};
    QLineEdit* edits[] = {Combi1Dlg->Edit1, Combi1Dlg->Edit2,  Combi1Dlg->Edit3, Combi1Dlg->Edit4,
                          Combi1Dlg->Edit5, Combi1Dlg->Edit6,  Combi1Dlg->Edit7, Combi1Dlg->Edit8,
                          Combi1Dlg->Edit9, Combi1Dlg->Edit10, Combi1Dlg->Edit11};
    for (int i = 0; i < 11; ++i) {
      edits[i]->clear();
      QTest::keyClicks(edits[i], texts[i]);
    }
    for (QCheckBox* box :
         {Combi1Dlg->CheckBox2, Combi1Dlg->CheckBox4, Combi1Dlg->CheckBox6, Combi1Dlg->CheckBox9}) {
      box->setChecked(false);
    }
    for (QCheckBox* box : {Combi1Dlg->CheckBox5, Combi1Dlg->CheckBox7, Combi1Dlg->CheckBox8}) {
      box->setChecked(true);
    }
    Combi1Dlg->RadioGroup1->setItemIndex(4);  // "Cross Flow"
    Combi1Dlg->RadioGroup2->setItemIndex(1);  // "Cold fluid is mixed"
  }
};

QTEST_MAIN(ThermalTest)
#include "Thermal_test.moc"
