#pragma once

#include <QAction>
#include <QDialog>
#include <QPushButton>
#include <QTabWidget>
#include <QTextBrowser>
#include <QWidget>
#include <array>

#include "charts/Plot.h"
#include "charts/ui/ChartInputs.h"

namespace calvora::charts {

// Draws one figure at the widget's size.
class ChartView : public QWidget {
  Q_OBJECT
 public:
  explicit ChartView(QWidget* parent = nullptr);
  void setFigure(Figure figure);
  const Figure& figure() const { return figure_; }
  QSize sizeHint() const override { return {640, 420}; }
  QSize minimumSizeHint() const override { return {600, 380}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Figure figure_;
};

// The chart window of a run: the effectiveness-NTU curves with the operating
// point, the temperature profile and the split of the overall resistance, each
// with a text alternative below it, and the current chart's export.
class ChartWindow : public QDialog {
  Q_OBJECT
 public:
  enum Tab { EffectivenessTab = 0, ProfileTab = 1, ResistancesTab = 2 };
  static constexpr int kTabCount = 3;
  static constexpr QSize kExportSize{900, 600};

  explicit ChartWindow(QWidget* parent = nullptr);

  // Replaces the three charts with those of a run.
  void showInputs(const ChartInputs& inputs);

  QTabWidget* tabs() const { return tabs_; }
  ChartView* view(int tab) const { return views_[tab]; }
  QTextBrowser* textView(int tab) const { return texts_[tab]; }

  // Writes the current tab's chart (.svg or .png); false with a sentence in *error.
  bool saveImage(const QString& file, QString* error = nullptr) const;
  // Puts the current tab's chart on the clipboard as an image.
  void copyImage() const;

  QPushButton* SaveImageBtn;
  QPushButton* CopyImageBtn;
  QPushButton* CloseBtn;

 private:
  void askAndSave();

  QTabWidget* tabs_;
  std::array<ChartView*, kTabCount> views_{};
  std::array<QTextBrowser*, kTabCount> texts_{};
};

// The one chart window, created on first use, filled with `inputs`, shown and raised.
ChartWindow* ShowChartWindow(const ChartInputs& inputs);

// Adds the entry "Chart..." with the key F9 to a results screen (its context
// menu when it has none of its own); whoever wires the screens connects the
// entry's triggered() to ShowChartWindow with the screen's run.
QAction* AddChartEntry(QWidget* screen);

}  // namespace calvora::charts
