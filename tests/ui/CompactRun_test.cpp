#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

#include "analyses/CompactAnalysis.h"
#include "common/Format.h"
#include "common/ui/QtMessages.h"
#include "common/ui/RadioGroup.h"
#include "design/ui/Combi2.h"
#include "design/ui/Pressu.h"
#include "design/ui/Result2.h"
#include "shell/Screens.h"
#include "support/MessageBoxRecorder.h"
#include "support/ScreenControls.h"

class CompactRunTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    CreateScreens();
    Combi2Dlg->show();
    Combi2Dlg->notebook()->setCurrentIndex(3);
    QCOMPARE(Combi2Dlg->showingPageCaption(), QString("Compacts"));
  }
  void cleanup() { DestroyScreens(); }

  void listComesFromTheCatalogue() {
    auto* list = Combi2Dlg->findChild<QComboBox*>("ComboBox1");
    QVERIFY(list);
    QCOMPARE(list->count(), calvora::kCompactSurfaceCount);
    for (int i = 0; i < list->count(); ++i) {
      QCOMPARE(list->itemText(i), DesignText(calvora::kCompactSurfaces[i].itemText));
    }
    QCOMPARE(list->currentIndex(), 0);
  }

  // A hot-water coil of the sixth surface with the iteration and both pressure
  // drops: the fields show the analysis' values and the report its surface.
  void ratesACoilAndReportsTheSurface() {
    MessageBoxRecorder boxes;
    Combi2Dlg->findChild<QComboBox*>("ComboBox1")->setCurrentIndex(6);
    Combi2Dlg->findChild<RadioGroup*>("RadioGroup14")->setItemIndex(1);  // water inside
    Combi2Dlg->findChild<RadioGroup*>("RadioGroup13")->setItemIndex(0);  // air across
    Edit(Combi2Dlg, "Edit40")->setText(Number("0.0165"));
    Edit(Combi2Dlg, "Edit37")->setText("20");
    Edit(Combi2Dlg, "Edit42")->setText("10");
    Edit(Combi2Dlg, "Edit41")->setText("2");
    Edit(Combi2Dlg, "Edit36")->setText(Number("0.6"));
    Edit(Combi2Dlg, "Edit39")->setText(Number("0.5"));
    Edit(Combi2Dlg, "Edit38")->setText(Number("1.2"));
    Edit(Combi2Dlg, "Edit33")->setText("80");
    Edit(Combi2Dlg, "Edit34")->setText("20");
    Combi2Dlg->findChild<QCheckBox*>("CheckBox8")->setChecked(true);
    Combi2Dlg->findChild<QCheckBox*>("CheckBox7")->setChecked(true);
    QVERIFY(Pressdlg->isVisible());
    Edit(Pressdlg, "Edit1")->setText(Number("0.05"));
    Edit(Pressdlg, "Edit2")->setText(Number("0.04"));
    QTest::mouseClick(Pressdlg->findChild<QPushButton*>("BitBtn1"), Qt::LeftButton);
    QVERIFY(!Pressdlg->isVisible());
    QVERIFY(Combi2Dlg->isEnabled());

    QTest::mouseClick(Combi2Dlg->findChild<QPushButton*>("OKBtn"), Qt::LeftButton);
    QVERIFY2(boxes.boxes.isEmpty(), qPrintable(boxes.texts().join(" | ")));
    QVERIFY(Results2->isVisible());
    QVERIFY(!Combi2Dlg->isVisible());

    // The same run straight through the core.
    calvora::CompactInputs in;
    in.surface = 6;
    in.innerFluid = 1;
    in.tubeInsideDiameter = "0.0165";
    in.tubeCount = "20";
    in.rowsNormal = "10";
    in.rowsParallel = "2";
    in.length = "0.6";
    in.innerMassFlow = "0.5";
    in.outerMassFlow = "1.2";
    in.innerTemperature = "80";
    in.outerTemperature = "20";
    in.iteration = true;
    in.pressureDrops = true;
    in.inletPipeDiameter = "0.05";
    in.outletPipeDiameter = "0.04";
    calvora::RecordingMessages messages;
    const calvora::DesignResult r = calvora::CompactAnalysis(in, messages).result;

    QCOMPARE(Edit(Results2, "Edit3")->text(), Formatted(r.innerReynolds, 10, 4));
    QCOMPARE(Edit(Results2, "Edit4")->text(), Formatted(r.outerReynolds, 10, 4));
    QCOMPARE(Edit(Results2, "Edit5")->text(), Formatted(r.surfaceArea, 10, 4));
    QCOMPARE(Edit(Results2, "Edit8")->text(), Formatted(r.overallCoefficient, 10, 4));
    QCOMPARE(Edit(Results2, "Edit9")->text(), Formatted(r.heatTransferRate, 10, 3));
    QCOMPARE(Edit(Results2, "Edit11")->text(), Formatted(r.hotOutletTemperature, 10, 3));
    QCOMPARE(Edit(Results2, "Edit12")->text(), Formatted(r.innerPressureDrop, 10, 4));
    QCOMPARE(Edit(Results2, "Edit13")->text(), Formatted(r.outerPressureDrop, 10, 4));
    QCOMPARE(Edit(Results2, "Edit19")->text(), Formatted(r.outerViscosity, 6, 6));
    QVERIFY(Edit(Results2, "Edit13")->isVisible());
    QVERIFY(!Edit(Results2, "Edit22")->isVisible());

    const QStringList lines = Results2->reportLines(false);
    QVERIFY(lines.contains("Type of heat exchanger being analysed : compact"));
    QVERIFY(lines.contains("Outer tube diameter =0.01966m , Fin diameter =0.0372m "));
    QVERIFY(lines.contains("Vertcal tube spacing =0.0395m  , Horizontal tube spacing =0.0445m "));
    QVERIFY(lines.contains("Hydraulic diameter =0.00513m  , Fin thickness =0.00031m "));
    QVERIFY(lines.contains("The inner fluid is saturated water."));
  }

  void emptySurfaceWarnsAndShowsNothing() {
    MessageBoxRecorder boxes;
    Combi2Dlg->findChild<QComboBox*>("ComboBox1")->setCurrentIndex(calvora::kEmptySurfaceIndex);
    QTest::mouseClick(Combi2Dlg->findChild<QPushButton*>("OKBtn"), Qt::LeftButton);
    QCOMPARE(boxes.boxes.size(), 1);
    QCOMPARE(boxes.boxes[0].icon, QMessageBox::Warning);
    QCOMPARE(boxes.boxes[0].text, DesignText(calvora::kCompactNoSurfaceMessage));
    QVERIFY(!Results2->isVisible());
    QVERIFY(Combi2Dlg->isVisible());
  }
};

QTEST_MAIN(CompactRunTest)
#include "CompactRun_test.moc"
