#pragma once

#include <QWidget>

// Placeholder: the screen is built in its own change; the class, the global
// instance and the caption are final so navigation works already.
class TSplashform : public QWidget {
  Q_OBJECT
 public:
  explicit TSplashform(QWidget* parent = nullptr);
};

extern TSplashform* Splashform;
