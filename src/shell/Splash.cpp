#include "shell/Splash.h"

TSplashform* Splashform = nullptr;

TSplashform::TSplashform(QWidget* parent) : QWidget(parent) {
  setObjectName("Splashform");
  setWindowTitle("");
}
