#include "shell/Splash.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

#include "common/ui/Centre.h"

TSplashform* Splashform = nullptr;

namespace {

constexpr int kSplashMilliseconds = 3800;

QLabel* SplashLabel(const char* name, const char* text, int pointSize, bool bold, QWidget* parent) {
  auto* label = new QLabel(QString::fromUtf8(text), parent);
  label->setObjectName(name);
  label->setAlignment(Qt::AlignCenter);
  QFont font = label->font();
  font.setPointSize(pointSize);
  font.setBold(bold);
  label->setFont(font);
  return label;
}

}  // namespace

TSplashform::TSplashform(QWidget* parent) : QWidget(parent) {
  setObjectName("Splashform");
  setWindowTitle("");
  setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
  // Closing the splash must never end the run, whatever else is open.
  setAttribute(Qt::WA_QuitOnClose, false);

  auto* panel = new QFrame(this);
  panel->setObjectName("Panel1");
  panel->setFrameShape(QFrame::Panel);
  panel->setFrameShadow(QFrame::Raised);
  panel->setLineWidth(3);
  auto* inner = new QVBoxLayout(panel);
  inner->setContentsMargins(24, 16, 24, 16);
  inner->addWidget(SplashLabel("Label1", "Welcome To The ", 14, false, panel));
  inner->addWidget(SplashLabel("Label2", "Calvora", 40, true, panel));
  inner->addWidget(SplashLabel("Label3", "For Windows", 14, false, panel));
  auto* picture = new THeatExchangerPicture(panel);
  picture->setObjectName("Image1");
  inner->addSpacing(8);
  inner->addWidget(picture, 1);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(panel);
  resize(440, 380);
  CentreOnScreen(this);

  Timer1 = new QTimer(this);
  Timer1->setObjectName("Timer1");
  Timer1->setInterval(kSplashMilliseconds);
  connect(Timer1, &QTimer::timeout, this, &TSplashform::Timer1Timer);
  Timer1->start();
}

void TSplashform::Timer1Timer() {
  Timer1->stop();
  close();
}

THeatExchangerPicture::THeatExchangerPicture(QWidget* parent) : QWidget(parent) {
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  setMinimumSize(160, 80);
}

// Drawn on a 320 x 150 canvas and stretched to the widget: a shell with two
// nozzles, the tube bundle inside, a hot stream (red) through the tubes and a
// cold stream (blue) across the shell.
void THeatExchangerPicture::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(width() / 320.0, height() / 150.0);

  const QColor steel(120, 130, 140);
  const QColor hot(200, 40, 30);
  const QColor cold(30, 90, 200);

  p.fillRect(QRectF(0, 0, 320, 150), QColor(235, 240, 245));

  // Cold fluid nozzles on top and bottom of the shell.
  p.setPen(QPen(steel.darker(130), 1.5));
  p.setBrush(steel.lighter(130));
  p.drawRect(QRectF(80, 12, 22, 22));
  p.drawRect(QRectF(218, 116, 22, 22));

  // Shell with rounded heads.
  QLinearGradient shellShade(0, 30, 0, 120);
  shellShade.setColorAt(0, steel.lighter(160));
  shellShade.setColorAt(0.5, steel.lighter(120));
  shellShade.setColorAt(1, steel);
  p.setBrush(shellShade);
  p.drawRoundedRect(QRectF(40, 32, 240, 86), 30, 30);

  // Tube bundle.
  p.setPen(QPen(hot, 2.2));
  for (int i = 0; i < 5; ++i) {
    const double y = 48 + i * 13.5;
    p.drawLine(QPointF(56, y), QPointF(264, y));
  }

  // Baffles.
  p.setPen(QPen(steel.darker(150), 3));
  p.drawLine(QPointF(120, 34), QPointF(120, 95));
  p.drawLine(QPointF(160, 55), QPointF(160, 116));
  p.drawLine(QPointF(200, 34), QPointF(200, 95));

  // Hot stream in at the left, out at the right.
  auto arrow = [&p](QPointF from, QPointF to, const QColor& colour) {
    p.setPen(QPen(colour, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
    const QPointF d = (to - from) / std::hypot(to.x() - from.x(), to.y() - from.y());
    const QPointF n(-d.y(), d.x());
    QPainterPath head;
    head.moveTo(to + d * 6);
    head.lineTo(to - d * 6 + n * 6);
    head.lineTo(to - d * 6 - n * 6);
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(head);
  };
  arrow(QPointF(4, 75), QPointF(30, 75), hot);
  arrow(QPointF(290, 75), QPointF(312, 75), hot.darker(110).lighter(130));

  // Cold stream in at the top nozzle, weaving round the baffles, out at the bottom.
  p.setPen(QPen(cold, 2, Qt::DashLine));
  p.setBrush(Qt::NoBrush);
  QPainterPath weave;
  weave.moveTo(91, 34);
  weave.cubicTo(95, 110, 140, 110, 140, 75);
  weave.cubicTo(140, 40, 180, 40, 180, 75);
  weave.cubicTo(180, 110, 225, 110, 229, 116);
  p.drawPath(weave);
  arrow(QPointF(91, 0), QPointF(91, 8), cold);
  arrow(QPointF(229, 140), QPointF(229, 146), cold.lighter(130));
}
