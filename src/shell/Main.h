#pragma once

#include <QPushButton>
#include <QWidget>

// The main menu: what the program does, and the choice between the thermal
// analysis and the design calculation. It is the application's main window:
// closing it ends the program.
class TMainform : public QWidget {
  Q_OBJECT
 public:
  explicit TMainform(QWidget* parent = nullptr);

  QPushButton* BitBtn1;  // thermal analysis
  QPushButton* BitBtn2;  // design calculation
  QPushButton* BitBtn3;  // "&Quit"
  QPushButton* BitBtn4;  // help

 signals:
  // Emitted when the main menu closes, just before the application is told to quit.
  void programEnding();
  // The thermal analysis (BitBtn1) or the design calculation (BitBtn2) was chosen.
  void thermalAnalysisChosen();
  void designChosen();
  // A case file was dropped on the main menu.
  void caseOpenRequested(const QString& path);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  bool centred_ = false;
};

extern TMainform* Mainform;
