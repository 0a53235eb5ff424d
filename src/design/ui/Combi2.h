#pragma once

#include <QDialog>
#include <QPointer>
#include <QString>
#include <array>
#include <functional>
#include <string_view>

class QCheckBox;
class QHBoxLayout;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QVBoxLayout;
class RadioGroup;
namespace calvora {
class Messages;
}

// A text of the design captions as a QString.
inline QString DesignText(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The design input screen: a tabbed notebook (TabbedNotebook1) with the pages
// "Double pipe", "Cross Flow", "Shell and Tube" and "Compacts". Every control
// carries its form name as objectName (Edit1..Edit42, RadioGroup1..RadioGroup14,
// CheckBox1..CheckBox8, ComboBox1, BitBtn1, Label33..Label46, Label57); the page
// runners read them with findChild. OK runs the analysis of the showing page.
class TCombi2Dlg : public QDialog {
  Q_OBJECT
 public:
  explicit TCombi2Dlg(QWidget* parent = nullptr);

  QTabWidget* notebook() const { return notebook_; }
  // Caption of the showing page, and its index among the four page captions
  // (-1 when the caption matches none).
  QString showingPageCaption() const;
  int showingPageIndex() const;

  // Shows an auxiliary dialog modelessly and disables this screen; the dialog
  // enables it again when it is confirmed, cancelled or closed.
  void openDialog(QWidget* dialog);

  // Reactions the dialogs ask for when they are cancelled.
  void resetInnerFluidOfShowingPage();
  void resetOuterFluidOfShowingPage();
  void uncheckPressureBoxOfShowingPage();
  void uncheckCrossFlowIteration();
  void clearCrossFlowArrangement();

  // The controls of page `page` (0 to 3) that the results screen and the report need.
  RadioGroup* innerFluidGroup(int page) const { return pages_[page].inner; }
  RadioGroup* outerFluidGroup(int page) const { return pages_[page].outer; }
  RadioGroup* materialGroup(int page) const { return pages_[page].material; }
  QCheckBox* pressureBox(int page) const { return pages_[page].pressure; }
  QCheckBox* iterationBox(int page) const { return pages_[page].iteration; }

  void reject() override;  // Esc answers like "Back"

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  struct PageControls {
    RadioGroup* inner = nullptr;
    RadioGroup* outer = nullptr;
    QLabel* innerRange = nullptr;
    QLabel* outerRange = nullptr;
    RadioGroup* material = nullptr;
    QLineEdit* conductivity = nullptr;
    QList<QLabel*> conductivityPrompts;
    QCheckBox* pressure = nullptr;
    QCheckBox* iteration = nullptr;
  };

  QPointer<QWidget> focusBeforeDialog_;
  bool centred_ = false;

  QWidget* buildDoublePipePage();
  QWidget* buildCrossFlowPage();
  QWidget* buildShellAndTubePage();
  QWidget* buildCompactsPage();
  struct FluidPageNames;
  QVBoxLayout* buildFluidsAndMaterial(PageControls& c, const FluidPageNames& names,
                                      const QString& hint, QVBoxLayout* left, QHBoxLayout* columns,
                                      QWidget* page);
  void connectPage(int page);

  void okClicked();
  void quitClicked();
  void fluidChanged(int page, bool inner, int index);
  void materialChanged(int page, int index);
  void pressureBoxToggled(int page, bool checked);
  void doublePipeIterationToggled(bool checked);
  void crossFlowIterationToggled(bool checked);
  void crossFlowArrangementChosen(int index);
  void outsideDiameterChanged();

  QTabWidget* notebook_ = nullptr;
  std::array<PageControls, 4> pages_;
  RadioGroup* flowCondition_ = nullptr;   // RadioGroup4
  RadioGroup* arrangement_ = nullptr;     // RadioGroup8
  QLineEdit* outsideDiameter_ = nullptr;  // Edit9
};

extern TCombi2Dlg* Combi2Dlg;

// Runs one page's analysis as OK does: with clean floating-point flags, and
// inside the three guards that turn an arithmetic failure, a text that is not a
// number and a missing selection into their message boxes (parent `parent`).
void RunPageGuarded(QWidget* parent, const std::function<void(calvora::Messages&)>& run);
