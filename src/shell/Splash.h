#pragma once

#include <QTimer>
#include <QWidget>

// The start-up screen: no title bar, above every other window, centred. It closes
// itself on the first tick of its timer (3.8 s) and is not shown again.
class TSplashform : public QWidget {
  Q_OBJECT
 public:
  explicit TSplashform(QWidget* parent = nullptr);

  QTimer* Timer1;

 private:
  void Timer1Timer();
};

// The stretched picture of the splash: a shell-and-tube heat exchanger drawn to
// whatever size the panel gives it.
class THeatExchangerPicture : public QWidget {
  Q_OBJECT
 public:
  explicit THeatExchangerPicture(QWidget* parent = nullptr);
  QSize sizeHint() const override { return {320, 150}; }

 protected:
  void paintEvent(QPaintEvent* event) override;
};

extern TSplashform* Splashform;
