#include "charts/ui/ChartWindow.h"

#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPainter>
#include <QPointer>
#include <QVBoxLayout>

#include "charts/ui/ChartFigures.h"
#include "charts/ui/ChartTexts.h"
#include "common/ui/QtMessages.h"
#include "thermal/InputCaptions.h"

namespace calvora::charts {

namespace {

QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString FigureTitle(const Figure& figure) {
  return std::visit([](const auto& f) { return f.title; }, figure);
}

}  // namespace

ChartView::ChartView(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setAutoFillBackground(true);
  QPalette p = palette();
  p.setColor(QPalette::Window, Qt::white);
  setPalette(p);
}

void ChartView::setFigure(Figure figure) {
  figure_ = std::move(figure);
  setAccessibleName(FigureTitle(figure_));
  setAccessibleDescription(TextSummary(figure_));
  update();
}

void ChartView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  Draw(painter, QRectF(rect()), figure_);
  if (hasFocus()) {
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2, Qt::DotLine));
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
  }
}

ChartWindow::ChartWindow(QWidget* parent) : QDialog(parent) {
  setObjectName("ChartWindow");
  setWindowTitle(Q(thermal_input::kWindowCaption));
  setAttribute(Qt::WA_QuitOnClose, false);
  auto* layout = new QVBoxLayout(this);
  tabs_ = new QTabWidget(this);
  tabs_->setObjectName("ChartTabs");
  const std::string_view names[kTabCount] = {text::kEffectivenessTab, text::kProfileTab,
                                             text::kResistancesTab};
  const char* objectNames[kTabCount] = {"EffectivenessTab", "ProfileTab", "ResistancesTab"};
  for (int i = 0; i < kTabCount; ++i) {
    auto* page = new QWidget(tabs_);
    page->setObjectName(objectNames[i]);
    auto* pageLayout = new QVBoxLayout(page);
    views_[i] = new ChartView(page);
    views_[i]->setObjectName("ChartView");
    texts_[i] = new QTextBrowser(page);
    texts_[i]->setObjectName("ChartText");
    texts_[i]->setAccessibleName(Q(names[i]) + QStringLiteral(" as text"));
    texts_[i]->setMinimumHeight(90);
    texts_[i]->setMaximumHeight(150);
    texts_[i]->setTabChangesFocus(true);
    pageLayout->addWidget(views_[i], 1);
    pageLayout->addWidget(texts_[i]);
    tabs_->addTab(page, Q(names[i]));
  }
  layout->addWidget(tabs_, 1);

  auto* buttons = new QHBoxLayout;
  SaveImageBtn = new QPushButton(Q(text::kSaveImage), this);
  SaveImageBtn->setObjectName("SaveImageBtn");
  CopyImageBtn = new QPushButton(Q(text::kCopyImage), this);
  CopyImageBtn->setObjectName("CopyImageBtn");
  CloseBtn = new QPushButton(Q(text::kClose), this);
  CloseBtn->setObjectName("CloseBtn");
  buttons->addWidget(SaveImageBtn);
  buttons->addWidget(CopyImageBtn);
  buttons->addStretch(1);
  buttons->addWidget(CloseBtn);
  layout->addLayout(buttons);
  for (QPushButton* b : {SaveImageBtn, CopyImageBtn, CloseBtn})
    b->setAutoDefault(false);

  connect(SaveImageBtn, &QPushButton::clicked, this, &ChartWindow::askAndSave);
  connect(CopyImageBtn, &QPushButton::clicked, this, &ChartWindow::copyImage);
  connect(CloseBtn, &QPushButton::clicked, this, &QDialog::reject);
  resize(900, 720);
}

void ChartWindow::showInputs(const ChartInputs& inputs) {
  const Figure figures[kTabCount] = {EffectivenessFigure(inputs), ProfileFigure(inputs),
                                     ResistanceFigure(inputs)};
  for (int i = 0; i < kTabCount; ++i) {
    views_[i]->setFigure(figures[i]);
    texts_[i]->setHtml(TextAlternative(figures[i]));
  }
}

bool ChartWindow::saveImage(const QString& file, QString* error) const {
  return SaveImage(views_[tabs_->currentIndex()]->figure(), file, kExportSize, error);
}

void ChartWindow::copyImage() const {
  QGuiApplication::clipboard()->setImage(
      Render(views_[tabs_->currentIndex()]->figure(), kExportSize));
}

void ChartWindow::askAndSave() {
  const QString svgFilter = Q(text::kImageFilters).section(QStringLiteral(";;"), 0, 0);
  QString filter = svgFilter;
  const QString suggested =
      tabs_->tabText(tabs_->currentIndex()).remove('&') + QStringLiteral(".svg");
  QString file = QFileDialog::getSaveFileName(this, Q(text::kSaveImageTitle), suggested,
                                              Q(text::kImageFilters), &filter);
  if (file.isEmpty())
    return;
  if (QFileInfo(file).suffix().isEmpty())
    file += filter == svgFilter ? QStringLiteral(".svg") : QStringLiteral(".png");
  QString error;
  if (!saveImage(file, &error))
    ShowMessage(this, MessageKind::Error, error);
}

ChartWindow* ShowChartWindow(const ChartInputs& inputs) {
  static QPointer<ChartWindow> window;
  if (!window)
    window = new ChartWindow;
  window->showInputs(inputs);
  window->show();
  window->raise();
  window->activateWindow();
  return window;
}

QAction* AddChartEntry(QWidget* screen) {
  auto* entry = new QAction(Q(text::kChartEntry), screen);
  entry->setObjectName("ChartAction");
  entry->setShortcut(QKeySequence(Qt::Key_F9));
  entry->setShortcutContext(Qt::WindowShortcut);
  screen->addAction(entry);
  if (screen->contextMenuPolicy() == Qt::DefaultContextMenu)
    screen->setContextMenuPolicy(Qt::ActionsContextMenu);
  return entry;
}

}  // namespace calvora::charts
