// The design input screen driven by objectName: start state, every reaction of
// its controls (on a click and when set from code), navigation and the three
// error guards of OK.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTabWidget>
#include <QTest>
#include <cfenv>
#include <cmath>

#include "common/Errors.h"
#include "common/ui/QtMessages.h"
#include "common/ui/RadioGroup.h"
#include "design/ui/Arangem.h"
#include "design/ui/Combi2.h"
#include "design/ui/Crosmix.h"
#include "design/ui/Linearr.h"
#include "design/ui/Other1.h"
#include "design/ui/Other2.h"
#include "design/ui/Pressu.h"
#include "design/ui/Stagearr.h"
#include "shell/Main.h"
#include "shell/Screens.h"
#include "support/MessageBoxRecorder.h"

namespace {

template <typename T = QWidget>
T* Get(QWidget* screen, const char* name) {
  T* widget = screen->findChild<T*>(name);
  if (!widget)
    qFatal("no control %s in %s", name, qPrintable(screen->objectName()));
  return widget;
}

RadioGroup* Group(const char* name) {
  return Get<RadioGroup>(Combi2Dlg, name);
}
QCheckBox* Box(const char* name) {
  return Get<QCheckBox>(Combi2Dlg, name);
}
QLineEdit* Edit(QWidget* screen, const char* name) {
  return Get<QLineEdit>(screen, name);
}
QString LabelText(QWidget* screen, const char* name) {
  return Get<QLabel>(screen, name)->text();
}

void ShowPage(int page) {
  Combi2Dlg->show();
  Combi2Dlg->notebook()->setCurrentIndex(page);
}

// Selects an item either by clicking its button or from code.
void Choose(RadioGroup* group, int index, bool byClick) {
  if (byClick) {
    group->button(index)->click();
  } else {
    group->setItemIndex(index);
  }
}

void SetBox(QCheckBox* box, bool checked, bool byClick) {
  if (byClick) {
    if (box->isChecked() != checked)
      box->click();
  } else {
    box->setChecked(checked);
  }
}

QWidget* const* Dialogs() {
  static QWidget* dialogs[7];
  dialogs[0] = Other1dlg;
  dialogs[1] = Other2dlg;
  dialogs[2] = Pressdlg;
  dialogs[3] = Crossmix;
  dialogs[4] = Inlinedlg;
  dialogs[5] = Staggerdlg;
  dialogs[6] = Arrangem;
  return dialogs;
}

void HideDialogs() {
  for (int i = 0; i < 7; ++i)
    Dialogs()[i]->hide();
}

}  // namespace

class Combi2Test : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QApplication::setQuitOnLastWindowClosed(false);
    CreateScreens();
  }

  void cleanup() {
    HideDialogs();
    QVERIFY(Combi2Dlg->isEnabled());
  }

  void startState() {
    QCOMPARE(Combi2Dlg->windowTitle(), QString("Calvora v1.0"));
    QCOMPARE(LabelText(Combi2Dlg, "Label47"),
             QString("Please pick one of the following types of heat exchanger and then enter "
                     "the required data :"));
    QTabWidget* notebook = Get<QTabWidget>(Combi2Dlg, "TabbedNotebook1");
    QCOMPARE(notebook->count(), 4);
    const QStringList captions = {"Double pipe", "Cross Flow", "Shell and Tube", "Compacts"};
    for (int i = 0; i < 4; ++i)
      QCOMPARE(notebook->tabText(i), captions[i]);
    QCOMPARE(notebook->currentIndex(), 0);

    for (const char* name : {"RadioGroup1", "RadioGroup2", "RadioGroup5", "RadioGroup6",
                             "RadioGroup9", "RadioGroup10", "RadioGroup13", "RadioGroup14"})
      QCOMPARE(Group(name)->selectedText(), QString("Air"));
    QCOMPARE(Group("RadioGroup13")->itemText(3), QString("Other liquid"));
    QCOMPARE(Group("RadioGroup5")->itemText(3), QString("Other fluid"));
    for (const char* name : {"RadioGroup3", "RadioGroup7", "RadioGroup11", "RadioGroup12"}) {
      QCOMPARE(Group(name)->title(), QString("Construction Material"));
      QCOMPARE(Group(name)->selectedText(), QString("Copper"));
    }
    QVERIFY(!Group("RadioGroup4")->isEnabled());
    QCOMPARE(Group("RadioGroup4")->itemIndex(), -1);
    QVERIFY(Group("RadioGroup8")->isEnabled());
    QCOMPARE(Group("RadioGroup8")->itemIndex(), -1);
    for (const char* name : {"CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4", "CheckBox5",
                             "CheckBox6", "CheckBox7", "CheckBox8"})
      QVERIFY(!Box(name)->isChecked());
    QVERIFY(Box("CheckBox7")->isEnabled());
    QCOMPARE(Box("CheckBox3")->text(), QString("Calculate pressure drop ?"));
    QCOMPARE(Box("CheckBox8")->text(), QString(" More accurate iteration ?"));
    for (const char* name : {"Edit28", "Edit29", "Edit30", "Edit35", "Label33", "Label34",
                             "Label39", "Label46", "Label57"})
      QVERIFY2(Get(Combi2Dlg, name)->isHidden(), name);

    auto* surfaces = Get<QComboBox>(Combi2Dlg, "ComboBox1");
    QCOMPARE(surfaces->count(), 16);
    QCOMPARE(surfaces->currentIndex(), 0);
    QVERIFY(!surfaces->isEditable());
    QCOMPARE(surfaces->itemText(13), QString());
    QCOMPARE(surfaces->itemText(0),
             QString("Cir-Cir  9.65mm,  23.4mm,  24.8mm,  20.3mm,  4.75mm,  0.46mm"));
    QCOMPARE(surfaces->itemText(15),
             QString("Cir-Con 17.2mm,    N-A ,   38.1mm,   44.5mm,  3.48mm, 0.40mm"));

    QCOMPARE(Edit(Combi2Dlg, "Edit1")->toolTip(), QString("Use tab key to move cursor"));
    QCOMPARE(Edit(Combi2Dlg, "Edit8")->toolTip(), QString("You can use tab to move cursor"));
    QCOMPARE(Edit(Combi2Dlg, "Edit21")->toolTip(), QString());
    QCOMPARE(Edit(Combi2Dlg, "Edit32")->toolTip(), QString("Tab will move the cursor !!"));
    QCOMPARE(Edit(Combi2Dlg, "Edit40")->toolTip(), QString());
    QCOMPARE(Edit(Combi2Dlg, "Edit36")->toolTip(), QString("Tab will move the cursor !!"));
  }

  // Every named control has a name of its own, so findChild finds the right one.
  void objectNamesAreUnique() {
    QSet<QString> seen;
    for (QWidget* widget : Combi2Dlg->findChildren<QWidget*>()) {
      const QString name = widget->objectName();
      if (name.isEmpty() || name.startsWith("qt_"))
        continue;
      QVERIFY2(!seen.contains(name), qPrintable(name));
      seen.insert(name);
    }
    for (int i = 1; i <= 42; ++i)
      QVERIFY2(Combi2Dlg->findChild<QLineEdit*>(QString("Edit%1").arg(i)),
               qPrintable(QString::number(i)));
  }

  void initialRangeLabels() {
    const std::pair<const char*, const char*> labels[] = {
        {"Label35", "( from -73 to 377 deg.c )"}, {"Label36", "( from -73 to 377 deg.c )"},
        {"Label37", "( from -73 to377 deg.c )"},  {"Label38", "( from -73 to377 deg.c )"},
        {"Label40", "(from -73 to 377 deg.c)"},   {"Label41", "(from -73 to 377 deg.c)"},
        {"Label45", "(from -73 to 377 deg.c)"},   {"Label44", "(from -73 to 377 deg.c)"}};
    for (const auto& [name, text] : labels)
      QCOMPARE(LabelText(Combi2Dlg, name), QString(text));
  }

  void rangeLabelFollowsFluid_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("label");
    QTest::addColumn<bool>("inner");
    QTest::addColumn<QString>("anyValue");
    QTest::addColumn<bool>("byClick");
    struct Row {
      int page;
      const char* group;
      const char* label;
      bool inner;
      const char* anyValue;
    };
    const Row rows[] = {{0, "RadioGroup1", "Label35", true, "(Any Value)"},
                        {0, "RadioGroup2", "Label36", false, "(Any Value)"},
                        {1, "RadioGroup5", "Label37", true, "(Any value)"},
                        {1, "RadioGroup6", "Label38", false, "(Any Value)"},
                        {2, "RadioGroup9", "Label40", true, "(Any Value)"},
                        {2, "RadioGroup10", "Label41", false, "(Any Value)"},
                        {3, "RadioGroup14", "Label45", true, "(Any Value)"},
                        {3, "RadioGroup13", "Label44", false, "(Any Value)"}};
    for (const Row& row : rows) {
      for (bool byClick : {true, false}) {
        QTest::addRow("%s %s", row.group, byClick ? "click" : "code")
            << row.page << row.group << row.label << row.inner << row.anyValue << byClick;
      }
    }
  }

  void rangeLabelFollowsFluid() {
    QFETCH(int, page);
    QFETCH(QString, group);
    QFETCH(QString, label);
    QFETCH(bool, inner);
    QFETCH(QString, anyValue);
    QFETCH(bool, byClick);
    ShowPage(page);
    RadioGroup* fluids = Group(qPrintable(group));
    const QStringList texts = {"(from 10 to 204.4 deg.c)", "(from 20 to 160 deg.c)",
                               "(from -73 to 377 deg.c)"};
    const int items[] = {1, 2, 0};
    for (int i = 0; i < 3; ++i) {
      Choose(fluids, items[i], byClick);
      QCOMPARE(LabelText(Combi2Dlg, qPrintable(label)), texts[i]);
      QVERIFY(Combi2Dlg->isEnabled());
    }
    // "Other fluid": the fluid-data dialog of that side opens and the screen waits for it.
    Choose(fluids, 3, byClick);
    QCOMPARE(LabelText(Combi2Dlg, qPrintable(label)), anyValue);
    QVERIFY(!Combi2Dlg->isEnabled());
    QWidget* opened = inner ? static_cast<QWidget*>(Other1dlg) : Other2dlg;
    QWidget* closed = inner ? static_cast<QWidget*>(Other2dlg) : Other1dlg;
    QVERIFY(opened->isVisible());
    QVERIFY(!closed->isVisible());
    opened->close();
    QVERIFY(Combi2Dlg->isEnabled());
    fluids->setItemIndex(0);
  }

  void materialShowsConductivity_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("group");
    QTest::addColumn<QStringList>("controls");
    QTest::addColumn<bool>("byClick");
    for (bool byClick : {true, false}) {
      const char* how = byClick ? "click" : "code";
      QTest::addRow("double pipe %s", how)
          << 0 << "RadioGroup3" << QStringList{"Edit28", "Label34"} << byClick;
      QTest::addRow("cross flow %s", how)
          << 1 << "RadioGroup7" << QStringList{"Edit29", "Label33"} << byClick;
      QTest::addRow("shell and tube %s", how)
          << 2 << "RadioGroup11" << QStringList{"Edit30", "Label39"} << byClick;
      QTest::addRow("compacts %s", how)
          << 3 << "RadioGroup12" << QStringList{"Edit35", "Label46", "Label57"} << byClick;
    }
  }

  void materialShowsConductivity() {
    QFETCH(int, page);
    QFETCH(QString, group);
    QFETCH(QStringList, controls);
    QFETCH(bool, byClick);
    ShowPage(page);
    RadioGroup* material = Group(qPrintable(group));
    Choose(material, 4, byClick);
    for (const QString& name : controls)
      QVERIFY(!Get(Combi2Dlg, qPrintable(name))->isHidden());
    Edit(Combi2Dlg, qPrintable(controls[0]))->setText("12.5");
    Choose(material, 2, byClick);
    for (const QString& name : controls)
      QVERIFY(Get(Combi2Dlg, qPrintable(name))->isHidden());
    Choose(material, 4, byClick);
    QCOMPARE(Edit(Combi2Dlg, qPrintable(controls[0]))->text(), QString("12.5"));
    Choose(material, 0, byClick);
  }

  void pressureBoxPreparesDialog_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("prompt1");
    QTest::addColumn<QString>("prompt2");
    QTest::addColumn<bool>("outerTube");
    QTest::addColumn<bool>("shellSide");
    QTest::addColumn<bool>("byClick");
    for (bool byClick : {true, false}) {
      const char* how = byClick ? "click" : "code";
      QTest::addRow("double pipe %s", how)
          << 0 << "CheckBox1"
          << "Internal diameter of the inlet pipe to the annulus (m) :"
          << "Internal diameter of outlet pipe to the annulus (m) :" << true << false << byClick;
      QTest::addRow("cross flow %s", how)
          << 1 << "CheckBox3"
          << "Internal diameter of inlet pipe to the header (m):"
          << "Internal diameter of outlet pipe from the header (m):" << false << false << byClick;
      QTest::addRow("shell and tube %s", how)
          << 2 << "CheckBox5"
          << "Internal diameter of inlet pipe to the tube side header (m):"
          << "Internal diameter of outlet pipe from the tube side header (m):" << false << true
          << byClick;
      QTest::addRow("compacts %s", how)
          << 3 << "CheckBox7"
          << "Internal diameter of inlet pipe to the header (m):"
          << "Internal diameter of outlet pipe from the header (m):" << false << false << byClick;
    }
  }

  void pressureBoxPreparesDialog() {
    QFETCH(int, page);
    QFETCH(QString, box);
    QFETCH(QString, prompt1);
    QFETCH(QString, prompt2);
    QFETCH(bool, outerTube);
    QFETCH(bool, shellSide);
    QFETCH(bool, byClick);
    ShowPage(page);
    for (const char* name : {"Edit1", "Edit2", "Edit3", "Edit4"})
      Edit(Pressdlg, name)->setText("old");
    Get<RadioGroup>(Pressdlg, "RadioGroup1")->setItemIndex(1);  // tube types are kept

    QCheckBox* pressure = Box(qPrintable(box));
    SetBox(pressure, true, byClick);
    QVERIFY(Pressdlg->isVisible());
    QVERIFY(!Combi2Dlg->isEnabled());
    QCOMPARE(LabelText(Pressdlg, "Label1"), prompt1);
    QCOMPARE(LabelText(Pressdlg, "Label2"), prompt2);
    QCOMPARE(!Get(Pressdlg, "RadioGroup2")->isHidden(), outerTube);
    for (const char* name : {"Edit3", "Edit4", "Label3", "Label4"})
      QCOMPARE(!Get(Pressdlg, name)->isHidden(), shellSide);
    QCOMPARE(Edit(Pressdlg, "Edit1")->text(), QString());
    QCOMPARE(Edit(Pressdlg, "Edit2")->text(), QString());
    QCOMPARE(Edit(Pressdlg, "Edit3")->text(), shellSide ? QString() : QString("old"));
    QCOMPARE(Get<RadioGroup>(Pressdlg, "RadioGroup1")->itemIndex(), 1);
    // The buttons sit under the last visible entry.
    QCoreApplication::processEvents();
    QWidget* lastEntry = Get(Pressdlg, shellSide ? "Edit4" : "Edit2");
    QWidget* ok = Get(Pressdlg, "BitBtn1");
    QVERIFY(ok->y() > lastEntry->y());
    QVERIFY(ok->y() - (lastEntry->y() + lastEntry->height()) < 40);

    Pressdlg->hide();
    // Unchecking does nothing but uncheck.
    SetBox(pressure, false, byClick);
    QVERIFY(!Pressdlg->isVisible());
    QVERIFY(Combi2Dlg->isEnabled());
    Get<RadioGroup>(Pressdlg, "RadioGroup1")->setItemIndex(0);
  }

  void pressureDialogFollowsTheLastPage() {
    ShowPage(1);
    Box("CheckBox3")->setChecked(true);
    QVERIFY(Get(Pressdlg, "RadioGroup2")->isHidden());
    Pressdlg->hide();
    ShowPage(0);
    Box("CheckBox1")->setChecked(true);
    QCOMPARE(LabelText(Pressdlg, "Label1"),
             QString("Internal diameter of the inlet pipe to the annulus (m) :"));
    QVERIFY(!Get(Pressdlg, "RadioGroup2")->isHidden());
    Pressdlg->hide();
    Box("CheckBox1")->setChecked(false);
    Box("CheckBox3")->setChecked(false);
  }

  void doublePipeIterationEnablesFlowCondition_data() {
    QTest::addColumn<bool>("byClick");
    QTest::newRow("click") << true;
    QTest::newRow("code") << false;
  }

  void doublePipeIterationEnablesFlowCondition() {
    QFETCH(bool, byClick);
    ShowPage(0);
    RadioGroup* flow = Group("RadioGroup4");
    QCheckBox* iteration = Box("CheckBox2");
    SetBox(iteration, true, byClick);
    QVERIFY(flow->isEnabled());
    QCOMPARE(flow->selectedText(), QString("Parallel flow"));
    Choose(flow, 1, byClick);
    QCOMPARE(flow->selectedText(), QString("Counter flow"));
    SetBox(iteration, false, byClick);
    QVERIFY(!flow->isEnabled());
    QCOMPARE(flow->itemIndex(), -1);
    SetBox(iteration, true, byClick);
    QCOMPARE(flow->itemIndex(), 0);
    SetBox(iteration, false, byClick);
    QVERIFY(Combi2Dlg->isEnabled());
  }

  void crossFlowIterationOpensMixing() {
    ShowPage(1);
    for (bool byClick : {true, false}) {
      SetBox(Box("CheckBox4"), true, byClick);
      QVERIFY(Crossmix->isVisible());
      QVERIFY(!Combi2Dlg->isEnabled());
      Crossmix->hide();
      SetBox(Box("CheckBox4"), false, byClick);
      QVERIFY(!Crossmix->isVisible());
    }
  }

  void arrangementNeedsOutsideDiameter_data() {
    QTest::addColumn<QString>("diameter");
    QTest::addColumn<int>("item");
    QTest::addColumn<bool>("byClick");
    for (const char* diameter : {"", "abc", " "}) {
      for (int item : {0, 1}) {
        const char* arrangement = item == 0 ? "in line" : "staggered";
        QTest::addRow("diameter '%s', %s by click", diameter, arrangement)
            << diameter << item << true;
        QTest::addRow("diameter '%s', %s by code", diameter, arrangement)
            << diameter << item << false;
      }
    }
  }

  void arrangementNeedsOutsideDiameter() {
    QFETCH(QString, diameter);
    QFETCH(int, item);
    QFETCH(bool, byClick);
    ShowPage(1);
    Edit(Combi2Dlg, "Edit9")->setText(diameter);
    MessageBoxRecorder recorder;
    Choose(Group("RadioGroup8"), item, byClick);
    QCOMPARE(recorder.boxes.size(), 1);
    QCOMPARE(recorder.boxes[0].icon, QMessageBox::Warning);
    QCOMPARE(recorder.boxes[0].text, QString("You need to enter the outer diameter first."));
    QCOMPARE(Group("RadioGroup8")->itemIndex(), -1);
    QVERIFY(Combi2Dlg->isEnabled());
    QVERIFY(!Inlinedlg->isVisible());
    QVERIFY(!Staggerdlg->isVisible());
  }

  void arrangementOpensSpacingDialogWithBounds() {
    ShowPage(1);
    const QString point = QString(QChar(PlatformDecimalSeparator()));
    auto text = [&point](const char* value) { return QString(value).replace(".", point); };
    Edit(Combi2Dlg, "Edit9")->setText(text("0.02"));
    for (bool byClick : {true, false}) {
      Choose(Group("RadioGroup8"), 0, byClick);
      QVERIFY(Inlinedlg->isVisible());
      QVERIFY(!Combi2Dlg->isEnabled());
      QCOMPARE(LabelText(Inlinedlg, "Label14"), "greater than : " + text("0.0250"));
      QCOMPARE(LabelText(Inlinedlg, "Label36"), ", less than : " + text("0.0600"));
      Inlinedlg->hide();
      Choose(Group("RadioGroup8"), 1, byClick);
      QVERIFY(Staggerdlg->isVisible());
      QVERIFY(!Combi2Dlg->isEnabled());
      QCOMPARE(LabelText(Staggerdlg, "Label96"), text("0.0120"));
      QCOMPARE(LabelText(Staggerdlg, "Label97"), ", less than  " + text("0.0600"));
      QCOMPARE(LabelText(Staggerdlg, "Label99"), text("0.0250"));
      QCOMPARE(LabelText(Staggerdlg, "Label100"), ", less than  " + text("0.0600"));
      Staggerdlg->hide();
      Group("RadioGroup8")->setItemIndex(-1);
    }
  }

  void typingOutsideDiameterForgetsArrangementAndSpacings() {
    ShowPage(1);
    Edit(Combi2Dlg, "Edit9")->setText("0.02");
    Group("RadioGroup8")->setItemIndex(1);
    Staggerdlg->hide();
    for (QWidget* dialog : {static_cast<QWidget*>(Inlinedlg), static_cast<QWidget*>(Staggerdlg)}) {
      Edit(dialog, "Edit1")->setText("0.012");
      Edit(dialog, "Edit2")->setText("0.05");
    }
    QLineEdit* diameter = Edit(Combi2Dlg, "Edit9");
    diameter->setFocus();
    diameter->end(false);
    QTest::keyClick(diameter, Qt::Key_5);
    QCOMPARE(diameter->text(), QString("0.025"));
    QCOMPARE(Group("RadioGroup8")->itemIndex(), -1);
    for (QWidget* dialog : {static_cast<QWidget*>(Inlinedlg), static_cast<QWidget*>(Staggerdlg)}) {
      QCOMPARE(Edit(dialog, "Edit1")->text(), QString());
      QCOMPARE(Edit(dialog, "Edit2")->text(), QString());
    }
    QVERIFY(Combi2Dlg->isEnabled());
  }

  void compactsOuterLiquidGovernsPressureBox_data() {
    QTest::addColumn<bool>("byClick");
    QTest::newRow("click") << true;
    QTest::newRow("code") << false;
  }

  void compactsOuterLiquidGovernsPressureBox() {
    QFETCH(bool, byClick);
    ShowPage(3);
    QCheckBox* pressure = Box("CheckBox7");
    pressure->setChecked(true);
    Pressdlg->hide();
    Choose(Group("RadioGroup13"), 3, byClick);
    QVERIFY(!pressure->isChecked());
    QVERIFY(!pressure->isEnabled());
    QVERIFY(Other2dlg->isVisible());
    QVERIFY(!Pressdlg->isVisible());
    Other2dlg->hide();
    for (int item : {0, 1, 2}) {
      Group("RadioGroup13")->setItemIndex(3);
      Other2dlg->hide();
      Choose(Group("RadioGroup13"), item, byClick);
      QVERIFY(pressure->isEnabled());
      QVERIFY(!pressure->isChecked());
    }
    // The inner liquid does not govern the box.
    Choose(Group("RadioGroup14"), 3, byClick);
    Other1dlg->hide();
    QVERIFY(pressure->isEnabled());
    Group("RadioGroup14")->setItemIndex(0);
    Group("RadioGroup13")->setItemIndex(0);
  }

  void pictureButtonOpensLayouts() {
    ShowPage(2);
    Get<QPushButton>(Combi2Dlg, "BitBtn1")->click();
    QVERIFY(Arrangem->isVisible());
    QVERIFY(!Combi2Dlg->isEnabled());
    Get<QPushButton>(Arrangem, "BitBtn1")->click();
    QVERIFY(!Arrangem->isVisible());
    QVERIFY(Combi2Dlg->isEnabled());
  }

  void closingShowsMainMenu_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("back") << "back";
    QTest::newRow("close box") << "close";
    QTest::newRow("escape") << "escape";
  }

  void closingShowsMainMenu() {
    QFETCH(QString, how);
    Mainform->hide();
    Combi2Dlg->show();
    Edit(Combi2Dlg, "Edit1")->setText("0.02");
    if (how == "back") {
      Get<QPushButton>(Combi2Dlg, "CancelBtn")->click();
    } else if (how == "close") {
      Combi2Dlg->close();
    } else {
      QTest::keyClick(Combi2Dlg, Qt::Key_Escape);
    }
    QVERIFY(!Combi2Dlg->isVisible());
    QVERIFY(Mainform->isVisible());
    // The entries survive the visit.
    QCOMPARE(Edit(Combi2Dlg, "Edit1")->text(), QString("0.02"));
    Edit(Combi2Dlg, "Edit1")->clear();
  }

  void quitClosesScreenAndMainMenu() {
    Combi2Dlg->show();
    Mainform->hide();
    Get<QPushButton>(Combi2Dlg, "BitBtn3")->click();
    QVERIFY(!Combi2Dlg->isVisible());
    QVERIFY(!Mainform->isVisible());
  }

  void guardsShowTheirMessages_data() {
    QTest::addColumn<int>("failure");
    QTest::addColumn<int>("icon");
    QTest::addColumn<QString>("message");
    QTest::newRow("arithmetic, thrown") << 0 << int(QMessageBox::Critical)
                                        << "Something's gone wrong, please check that all the "
                                           "data is present and correct.";
    QTest::newRow("arithmetic, only flagged") << 1 << int(QMessageBox::Critical)
                                              << "Something's gone wrong, please check that all "
                                                 "the data is present and correct.";
    QTest::newRow("not a number") << 2 << int(QMessageBox::Critical)
                                  << "You need to enter all the required data.";
    QTest::newRow("no selection") << 3 << int(QMessageBox::Warning)
                                  << "You need to choose the flow condition in the exchanger";
    QTest::newRow("success") << 4 << 0 << QString();
  }

  void guardsShowTheirMessages() {
    QFETCH(int, failure);
    QFETCH(int, icon);
    QFETCH(QString, message);
    MessageBoxRecorder recorder;
    bool ran = false;
    volatile double zero = 0;
    RunPageGuarded(Combi2Dlg, [&](calvora::Messages&) {
      ran = true;
      switch (failure) {
        case 0:
          throw calvora::MathError();
        case 1:
          (void)std::log(zero);  // division by zero flag, no exception
          break;
        case 2:
          throw calvora::ConversionError("abc");
        case 3:
          throw calvora::SelectionError();
        default:
          break;
      }
    });
    QVERIFY(ran);
    if (message.isEmpty()) {
      QCOMPARE(recorder.boxes.size(), 0);
      return;
    }
    QCOMPARE(recorder.boxes.size(), 1);
    QCOMPARE(int(recorder.boxes[0].icon), icon);
    QCOMPARE(recorder.boxes[0].text, message);
  }

  // A run starts with clean flags: a failure left over from before is not reported.
  void guardStartsWithCleanFlags() {
    volatile double zero = 0;
    (void)(1.0 / zero);
    MessageBoxRecorder recorder;
    RunPageGuarded(Combi2Dlg, [](calvora::Messages&) {});
    QCOMPARE(recorder.boxes.size(), 0);
    std::feclearexcept(FE_ALL_EXCEPT);
  }

  // OK dispatches by the showing page: the compact page with its entries empty
  // reports them; the cross-flow page whose arrangement was forgotten by typing
  // a new outside diameter asks for it.
  void okReportsMissingData() {
    ShowPage(3);
    MessageBoxRecorder recorder;
    Get<QPushButton>(Combi2Dlg, "OKBtn")->click();
    QCOMPARE(recorder.texts(), QStringList{"You need to enter all the required data."});
    QVERIFY(Combi2Dlg->isVisible());

    ShowPage(1);
    Edit(Combi2Dlg, "Edit9")->setText("0.02");
    Group("RadioGroup8")->setItemIndex(0);
    Inlinedlg->hide();
    QTest::keyClick(Edit(Combi2Dlg, "Edit9"), Qt::Key_5);
    recorder.boxes.clear();
    Get<QPushButton>(Combi2Dlg, "OKBtn")->click();
    QCOMPARE(recorder.texts(),
             QStringList{"You need to choose the flow condition in the exchanger"});
    QCOMPARE(recorder.boxes[0].icon, QMessageBox::Warning);
  }
};

QTEST_MAIN(Combi2Test)
#include "Combi2_test.moc"
