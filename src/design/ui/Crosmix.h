#pragma once

#include <QDialog>

class RadioGroup;

// The mixing case of a cross-flow exchanger (RadioGroup1, CrossFlowMixing order).
class TCrossmix : public QDialog {
  Q_OBJECT
 public:
  explicit TCrossmix(QWidget* parent = nullptr);

 protected:
  void hideEvent(QHideEvent* event) override;

 private:
  RadioGroup* mixing_ = nullptr;
};

extern TCrossmix* Crossmix;
